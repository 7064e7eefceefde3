#pragma once

#include "platform/browserpane.h"

#include <QByteArray>
#include <QPointer>
#include <QStringList>
#include <QTimer>

class QNetworkAccessManager;
class QNetworkReply;
class QWebEngineView;

namespace td {

// A pane whose markup is read: it fetches the page bytes itself, because the
// web engine hands out re-serialised markup and the reading rules depend on
// the page's own text. Entities stay as written; redirects are followed and
// locationUrl() is the address finally reached.
//
// Failures (no connection, HTTP error, a transfer not done within the
// time-out from its start, a page over the read limit) complete with
// navigateError and an empty document. "about:" documents complete from the event loop, never inside
// navigate().
//
// The page is drawn only once the pane's widget is shown; a pane that is
// never shown never starts the web engine.
// A quote page is a few hundred kilobytes; anything much larger is no page
// the program can read, only memory and time taken.
inline constexpr qint64 kPageReadLimit = 4 * 1024 * 1024;

class FetchPane final : public BrowserPane
{
    Q_OBJECT

public:
    FetchPane(const QString& name, QNetworkAccessManager& network, int timeoutMs, QObject* parent = nullptr);
    ~FetchPane() override;

    QString documentMarkup() const override { return m_markup; }
    QString locationUrl() const override { return m_location; }
    void goBack() override;
    void refresh() override;
    void refresh2() override;
    QWidget* widget() override;
    void setReadLimit(qint64 bytes) override { m_readLimit = bytes; }

protected:
    void startNavigation(const QString& address) override;
    QWidget* existingWidget() const override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void dropReply();
    // Ends a transfer that grew past the read limit before it is all held.
    void limitSize(QNetworkReply* reply);
    void finish(QNetworkReply* reply, quint64 navigation, bool addToHistory);
    // Navigates without adding to the history (back, refresh).
    void revisit(const QString& address);
    void setDocument(const QString& markup, const QString& location);
    void showDocument();

    QNetworkAccessManager& m_network;
    int m_timeoutMs;
    qint64 m_readLimit = kPageReadLimit;
    QPointer<QNetworkReply> m_reply;
    // The whole transfer's deadline: a server trickling bytes never trips
    // the gap time-out of the request itself.
    QTimer m_deadline;
    QString m_markup;
    QString m_location;
    QStringList m_history;
    bool m_revisiting = false;
    QPointer<QWidget> m_host;
    QPointer<QWidget> m_display;
};

// Page bytes to text by the charset the Content-Type header or else the page
// itself (<meta charset>, <meta http-equiv>) declares; windows-1252 when none
// or an unknown one is declared. Latin-1 labels decode as windows-1252, as in
// browsers.
QString decodePage(const QByteArray& body, const QByteArray& contentType);

} // namespace td
