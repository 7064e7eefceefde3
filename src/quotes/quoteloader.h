#pragma once

#include "quotes/quoteanswer.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <optional>

namespace td {

class BrowserPane;

// Loads quote pages into one pane, one request at a time, and hands each
// page's answer to whoever asked for it. While a request is in flight the
// pane's tag is "Load"; it turns "" once the answer is handed over or the
// request is dropped, which ends a waitForPane on the pane.
class QuoteLoader : public QObject
{
    Q_OBJECT
public:
    using AnswerHandler = std::function<void(const QuoteAnswer&)>;
    // Sees every answer with the page it was read from, before its handler.
    using PageWatcher = std::function<void(const QuoteAnswer&, const QString& page)>;

    QuoteLoader(BrowserPane& pane, QObject* parent);

    // Starts a load. A request still in flight is dropped unanswered. The
    // handler runs only while `receiver` lives.
    void load(const QuoteRequest& request, QObject* receiver, AnswerHandler onAnswer);
    // Drops the request in flight: its page, when it comes, is read into nothing.
    void cancel();
    // Shows a page of the program's own (a status page) in the pane; it
    // drops the request in flight, whose page the pane no longer loads.
    void show(const QString& address);
    void setPageWatcher(PageWatcher watcher) { m_watcher = std::move(watcher); }
    bool busy() const { return m_pending.has_value(); }
    BrowserPane& pane() const { return m_pane; }

private:
    struct Pending
    {
        QuoteRequest request;
        QPointer<QObject> receiver;
        AnswerHandler onAnswer;
    };

    void onComplete();

    BrowserPane& m_pane;
    std::optional<Pending> m_pending;
    PageWatcher m_watcher;
};

} // namespace td
