#pragma once

#include "platform/browserpane.h"

#include <QPointer>
#include <QWebEnginePage>

class QWebEngineLoadingInfo;
class QWebEngineView;

namespace td {

// A page whose script dialogs and console messages go nowhere while silent.
class PanePage : public QWebEnginePage
{
    Q_OBJECT

public:
    using QWebEnginePage::QWebEnginePage;
    void setSilent(bool silent) { m_silent = silent; }

protected:
    void javaScriptAlert(const QUrl& origin, const QString& message) override;
    bool javaScriptConfirm(const QUrl& origin, const QString& message) override;
    bool javaScriptPrompt(const QUrl& origin, const QString& message, const QString& defaultValue,
                          QString* result) override;
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message, int lineNumber,
                                  const QString& sourceId) override;

private:
    bool m_silent = false;
};

// A pane that shows pages in the web engine. The view is created by the
// first navigate() or widget() call.
//
// documentMarkup() is the document text of an "about:" navigation and empty
// for web pages: the engine hands its markup out only asynchronously and
// re-serialised, so panes whose markup is read are FetchPanes.
// Loads the page starts by itself (a clicked link, goBack, refresh) complete
// with the address they reached.
class WebPane final : public BrowserPane
{
    Q_OBJECT

public:
    explicit WebPane(const QString& name, QObject* parent = nullptr, bool javaScript = true);
    ~WebPane() override;

    void setSilent(bool silent) override;
    QString documentMarkup() const override;
    QString locationUrl() const override;
    void goBack() override;
    // While a navigation is in flight these do nothing: that load is fresh.
    void refresh() override;
    void refresh2() override;
    QWidget* widget() override;

    // Base address of "about:" documents: no origin of its own, and images
    // with full http addresses still load from them.
    static QUrl aboutBaseUrl();

protected:
    void startNavigation(const QString& address) override;
    QWidget* existingWidget() const override;

private:
    QWebEngineView* view();
    static QString pageFileOf(const QUrl& url);
    void showLocalPage();
    void onLoadingChanged(const QWebEngineLoadingInfo& info);

    QPointer<QWebEngineView> m_view;
    PanePage* m_page = nullptr;
    QString m_address;
    QString m_localPage; // the page file shown, when it is one
    quint64 m_navigation = 0;
    bool m_pending = false;
    bool m_javaScript = true;
    QUrl m_expected;          // where the pending navigation goes
    QList<QUrl> m_superseded; // where replaced, unfinished navigations went
};

} // namespace td
