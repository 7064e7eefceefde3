#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QTcpServer>

class QTcpSocket;

#include <functional>
#include <memory>
#include <utility>

namespace td::loopback {

struct PageResponse
{
    enum class Mode
    {
        Answer,  // send status, headers and body
        Hang,    // keep the connection open and never answer
        Refuse,  // close the connection without an answer
        Stall,   // send the head and half the body, then hold the connection
        Cut,     // send the head and half the body, then close
        Trickle, // send the head, then one body byte every delayMs
    };

    Mode mode = Mode::Answer;
    int status = 200;
    QByteArray body;
    QByteArray contentType = "text/html"; // no header when empty
    QList<std::pair<QByteArray, QByteArray>> headers;
    int delayMs = 0; // before the answer; between bytes when trickling

    static PageResponse page(QByteArray body, QByteArray contentType = "text/html");
    static PageResponse error(int status, QByteArray body = {});
    static PageResponse redirect(const QString& location, int status = 302);
    static PageResponse hang();
    static PageResponse refuse();
    // The head announces the whole body; only its first half is sent.
    static PageResponse stall(QByteArray body);
    static PageResponse cut(QByteArray body);
    static PageResponse trickle(QByteArray body, int intervalMs);
    PageResponse delayed(int ms) const;
};

struct PageRequest
{
    QByteArray method;
    QString path;   // as sent, not decoded
    QString query;  // after the first "?", as sent; empty when none
    QString target; // the raw request target
};

// A small HTTP/1.1 server on 127.0.0.1 with canned and computed answers, for
// the tests and the offline demo. Every connection gets one answer and is
// closed (Connection: close).
class PageServer final : public QObject
{
    Q_OBJECT

public:
    using Handler = std::function<PageResponse(const PageRequest&)>;

    // Listens at once; port 0 takes any free one.
    explicit PageServer(quint16 port = 0, QObject* parent = nullptr);

    bool isListening() const { return m_server.isListening(); }
    QString errorString() const { return m_server.errorString(); }
    quint16 port() const { return m_server.serverPort(); }
    QString baseUrl() const;
    // baseUrl() + pathAndQuery.
    QString url(const QString& pathAndQuery) const;

    // Answers for one target, matched exactly: the path, or path + "?" + query.
    void setResponse(const QString& target, const PageResponse& response);
    // Answers every target without its own response; 404 when not set.
    void setFallback(Handler handler) { m_fallback = std::move(handler); }

    const QList<PageRequest>& requests() const { return m_requests; }
    QStringList targets() const;
    void clearRequests() { m_requests.clear(); }
    // A long-running server keeps no log.
    void setRecording(bool on) { m_recording = on; }
    // Lets events run until `count` requests arrived or the time is up.
    bool waitForRequests(int count, int timeoutMs = 5000) const;
    // Requests received and not answered yet, and the most there were at once.
    int inFlight() const { return int(m_unanswered->size()); }
    int mostInFlight() const { return m_mostInFlight; }

signals:
    void requestReceived(const td::loopback::PageRequest& request);

private:
    void onConnection();
    void onReadable(QTcpSocket* socket);
    void answer(QTcpSocket* socket, const PageResponse& response);
    static void trickle(QTcpSocket* socket, const QByteArray& body, int intervalMs);

    QTcpServer m_server;
    QHash<QString, PageResponse> m_responses;
    Handler m_fallback;
    QList<PageRequest> m_requests;
    bool m_recording = true;
    // Shared with the sockets, which may outlive the server while it is destroyed.
    std::shared_ptr<QSet<QTcpSocket*>> m_unanswered = std::make_shared<QSet<QTcpSocket*>>();
    int m_mostInFlight = 0;
};

} // namespace td::loopback
