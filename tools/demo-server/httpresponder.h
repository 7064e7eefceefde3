#pragma once

#include <QByteArray>
#include <QObject>
#include <QTcpServer>
#include <QUrl>

#include <functional>

namespace td::demo {

struct HttpReply
{
    int status = 200;
    QByteArray contentType;
    QByteArray body;
};

// A one-request-per-connection HTTP/1.0 responder: enough for a browser pane
// and a download helper, nothing more.
class HttpResponder : public QObject
{
    Q_OBJECT
public:
    using Handler = std::function<HttpReply(const QUrl& target)>;

    explicit HttpResponder(Handler handler, QObject* parent = nullptr);

    bool listen(quint16 port);
    quint16 port() const { return m_server.serverPort(); }
    QString errorString() const { return m_server.errorString(); }

private:
    void accept();
    void serve(class QTcpSocket* socket);

    Handler m_handler;
    QTcpServer m_server;
};

} // namespace td::demo
