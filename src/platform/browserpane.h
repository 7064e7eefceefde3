#pragma once

#include <QObject>
#include <QString>
#include <QUrl>

class QWidget;

namespace td {

// A page pane: told to navigate, it reports completion, and its document can
// be read back. Addresses are a web address, "about:blank" (clears) or
// "about:" followed by a whole HTML document (shown without network).
//
// Completion: every navigate() that is not superseded ends in exactly one
// documentComplete(url), failures included; a failure raises
// navigateError(url, code) first, so a wait on tag() always ends. A newer
// navigate() supersedes one still in flight: the older one then ends silently
// (no events), like a browser that drops the page it was loading. The newer
// navigation's completion is the one every waiter sees.
//
// Error codes: the HTTP status when the server answered with one (404, 500),
// otherwise a negative number naming the transport failure; kTimedOut and
// kPageTooLarge mean the same in every pane.
class BrowserPane : public QObject
{
    Q_OBJECT

public:
    // No whole answer within the page time-out.
    static constexpr int kTimedOut = -1001;
    // Reading stopped at the pane's read limit.
    static constexpr int kPageTooLarge = -1002;

    explicit BrowserPane(const QString& name, QObject* parent = nullptr);

    QString name() const { return objectName(); }

    // Program-owned marker: "" when idle, set by a waiting caller.
    QString tag() const { return m_tag; }
    void setTag(const QString& tag);

    // Script errors and script dialogs never reach the user while silent.
    virtual void setSilent(bool silent) { m_silent = silent; }
    bool isSilent() const { return m_silent; }

    // Starts a navigation; it supersedes one still in flight.
    void navigate(const QString& address);
    // The document's own markup (not rendered text).
    virtual QString documentMarkup() const = 0;
    // The error code the last completed navigation ended with; 0: none.
    int lastError() const { return m_lastError; }
    // Panes whose markup is read stop reading a page at `bytes`; the others
    // show pages and ignore it.
    virtual void setReadLimit(qint64 bytes) { Q_UNUSED(bytes); }
    virtual QString locationUrl() const = 0;
    virtual void goBack() = 0;
    virtual void refresh() = 0;
    // Reload bypassing any cache.
    virtual void refresh2() = 0;

    // The pane's widget for a window's layout, created on first call.
    virtual QWidget* widget() = 0;
    // Shows or hides the widget; hiding never creates it.
    void setVisible(bool visible);
    bool isVisible() const;

    static bool isAboutAddress(const QString& address);
    // A web address, or an absolute file path as a file address.
    static QUrl webAddress(const QString& address);
    // The document after "about:" ("" for "about:blank").
    static QString aboutDocument(const QString& address);

signals:
    void tagChanged(const QString& tag);
    void documentComplete(const QString& url);
    void navigateError(const QString& url, int code);
    void downloadComplete();

protected:
    virtual void startNavigation(const QString& address) = 0;
    // Counts navigate() calls; a navigation remembers the value it started with.
    quint64 generation() const { return m_generation; }
    // Ends navigation `generation`: navigateError (when code != 0), then
    // downloadComplete and documentComplete. Nothing when it was superseded,
    // also not between those signals when a handler navigates again.
    void complete(quint64 generation, const QString& url, int errorCode = 0);
    virtual QWidget* existingWidget() const = 0;

private:
    QString m_tag;
    int m_lastError = 0;
    bool m_silent = false;
    quint64 m_generation = 0;
};

} // namespace td
