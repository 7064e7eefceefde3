#include "httpresponder.h"

#include <QTcpSocket>
#include <QTimer>

namespace td::demo {

namespace {

// Requests are a line and a few headers; anything larger is not a client of ours.
constexpr qsizetype kMaxRequestSize = 64 * 1024;
constexpr int kIdleTimeoutMs = 10000;

QByteArray reasonPhrase(int status)
{
    switch (status) {
    case 200:
        return "OK";
    case 400:
        return "Bad Request";
    case 404:
        return "Not Found";
    case 405:
        return "Method Not Allowed";
    default:
        return "Error";
    }
}

HttpReply plainReply(int status)
{
    return {status, "text/plain; charset=us-ascii", reasonPhrase(status) + '\n'};
}

void sendReply(QTcpSocket* socket, const HttpReply& reply, bool withBody)
{
    QByteArray head =
        "HTTP/1.0 " + QByteArray::number(reply.status) + ' ' + reasonPhrase(reply.status) + "\r\n";
    head += "Content-Type: " + reply.contentType + "\r\n";
    head += "Content-Length: " + QByteArray::number(reply.body.size()) + "\r\n";
    head += "Cache-Control: no-store\r\n";
    head += "Connection: close\r\n\r\n";
    socket->write(head);
    if (withBody)
        socket->write(reply.body);
    socket->disconnectFromHost();
}

} // namespace

HttpResponder::HttpResponder(Handler handler, QObject* parent)
    : QObject(parent), m_handler(std::move(handler))
{
    connect(&m_server, &QTcpServer::newConnection, this, &HttpResponder::accept);
}

bool HttpResponder::listen(quint16 port)
{
    return m_server.listen(QHostAddress::LocalHost, port);
}

void HttpResponder::accept()
{
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
        // A client that never finishes its request must not hold the socket forever.
        auto* idle = new QTimer(socket);
        idle->setSingleShot(true);
        connect(idle, &QTimer::timeout, socket, &QTcpSocket::abort);
        idle->start(kIdleTimeoutMs);
    }
}

void HttpResponder::serve(QTcpSocket* socket)
{
    if (socket->property("answered").toBool()) {
        socket->readAll();
        return;
    }
    QByteArray request = socket->property("request").toByteArray() + socket->readAll();
    if (request.size() > kMaxRequestSize) {
        socket->setProperty("answered", true);
        sendReply(socket, plainReply(400), true);
        return;
    }
    if (!request.contains("\r\n\r\n") && !request.contains("\n\n")) {
        socket->setProperty("request", request);
        return;
    }
    socket->setProperty("answered", true);

    const QByteArray requestLine = request.left(request.indexOf('\n')).trimmed();
    const QList<QByteArray> parts = requestLine.split(' ');
    if (parts.size() != 3 || !parts[1].startsWith('/')) {
        sendReply(socket, plainReply(400), true);
        return;
    }
    const QByteArray& method = parts[0];
    if (method != "GET" && method != "HEAD") {
        sendReply(socket, plainReply(405), true);
        return;
    }
    const QUrl target = QUrl::fromEncoded(parts[1]);
    if (!target.isValid()) {
        sendReply(socket, plainReply(400), true);
        return;
    }
    HttpReply reply = m_handler(target);
    if (reply.status != 200 && reply.body.isEmpty())
        reply = plainReply(reply.status);
    sendReply(socket, reply, method == "GET");
}

} // namespace td::demo
