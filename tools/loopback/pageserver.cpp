#include "loopback/pageserver.h"

#include <QEventLoop>
#include <QTcpSocket>
#include <QTimer>

#include <algorithm>
#include <memory>

namespace td::loopback {

namespace {

QByteArray reasonPhrase(int status)
{
    switch (status) {
    case 200:
        return "OK";
    case 301:
        return "Moved Permanently";
    case 302:
        return "Found";
    case 303:
        return "See Other";
    case 307:
        return "Temporary Redirect";
    case 404:
        return "Not Found";
    case 500:
        return "Internal Server Error";
    default:
        return "Status";
    }
}

qsizetype contentLength(const QByteArray& head)
{
    for (const QByteArray& line : head.split('\n')) {
        const qsizetype colon = line.indexOf(':');
        if (colon > 0 && line.left(colon).trimmed().toLower() == "content-length")
            return line.mid(colon + 1).trimmed().toLongLong();
    }
    return 0;
}

} // namespace

PageResponse PageResponse::page(QByteArray body, QByteArray contentType)
{
    PageResponse r;
    r.body = std::move(body);
    r.contentType = std::move(contentType);
    return r;
}

PageResponse PageResponse::error(int status, QByteArray body)
{
    PageResponse r;
    r.status = status;
    r.body = std::move(body);
    return r;
}

PageResponse PageResponse::redirect(const QString& location, int status)
{
    PageResponse r;
    r.status = status;
    r.headers.append({"Location", location.toUtf8()});
    return r;
}

PageResponse PageResponse::hang()
{
    PageResponse r;
    r.mode = Mode::Hang;
    return r;
}

PageResponse PageResponse::refuse()
{
    PageResponse r;
    r.mode = Mode::Refuse;
    return r;
}

PageResponse PageResponse::stall(QByteArray body)
{
    PageResponse r = page(std::move(body), "application/octet-stream");
    r.mode = Mode::Stall;
    return r;
}

PageResponse PageResponse::cut(QByteArray body)
{
    PageResponse r = stall(std::move(body));
    r.mode = Mode::Cut;
    return r;
}

PageResponse PageResponse::trickle(QByteArray body, int intervalMs)
{
    PageResponse r = page(std::move(body));
    r.mode = Mode::Trickle;
    r.delayMs = intervalMs;
    return r;
}

PageResponse PageResponse::delayed(int ms) const
{
    PageResponse r = *this;
    r.delayMs = ms;
    return r;
}

PageServer::PageServer(quint16 port, QObject* parent) : QObject(parent)
{
    connect(&m_server, &QTcpServer::newConnection, this, &PageServer::onConnection);
    m_server.listen(QHostAddress::LocalHost, port);
}

QString PageServer::baseUrl() const
{
    return QStringLiteral("http://127.0.0.1:") + QString::number(port());
}

QString PageServer::url(const QString& pathAndQuery) const
{
    return baseUrl() + pathAndQuery;
}

void PageServer::setResponse(const QString& target, const PageResponse& response)
{
    m_responses.insert(target, response);
}

QStringList PageServer::targets() const
{
    QStringList list;
    for (const PageRequest& request : m_requests)
        list.append(request.target);
    return list;
}

bool PageServer::waitForRequests(int count, int timeoutMs) const
{
    if (m_requests.size() >= count)
        return true;
    QEventLoop loop;
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    connect(this, &PageServer::requestReceived, &loop, [&] {
        if (m_requests.size() >= count)
            loop.quit();
    });
    loop.exec();
    return m_requests.size() >= count;
}

void PageServer::onConnection()
{
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadable(socket); });
    }
}

void PageServer::onReadable(QTcpSocket* socket)
{
    // Requests arrive in pieces; wait for the whole head and body.
    QByteArray buffer = socket->property("td_buffer").toByteArray() + socket->readAll();
    const qsizetype headEnd = buffer.indexOf("\r\n\r\n");
    constexpr qsizetype kMaxRequest = 64 * 1024;
    if (buffer.size() > kMaxRequest) {
        socket->abort();
        return;
    }
    if (headEnd < 0 || buffer.size() < headEnd + 4 + contentLength(buffer.left(headEnd))) {
        socket->setProperty("td_buffer", buffer);
        return;
    }
    disconnect(socket, &QTcpSocket::readyRead, this, nullptr);

    const QList<QByteArray> requestLine = buffer.left(buffer.indexOf("\r\n")).split(' ');
    PageRequest request;
    request.method = requestLine.value(0);
    socket->setProperty("td_head", request.method == "HEAD");
    request.target = QString::fromLatin1(requestLine.value(1));
    const qsizetype question = request.target.indexOf(u'?');
    request.path = question < 0 ? request.target : request.target.left(question);
    request.query = question < 0 ? QString() : request.target.mid(question + 1);
    if (m_recording)
        m_requests.append(request);
    m_unanswered->insert(socket);
    m_mostInFlight = std::max(m_mostInFlight, inFlight());
    // A client that gives up ends the request too.
    connect(socket, &QObject::destroyed, [unanswered = m_unanswered, socket] { unanswered->remove(socket); });
    emit requestReceived(request);

    PageResponse response;
    if (const auto it = m_responses.constFind(request.target); it != m_responses.cend())
        response = *it;
    else if (m_fallback)
        response = m_fallback(request);
    else
        response = PageResponse::error(404, "not found");

    if (response.delayMs > 0 && response.mode != PageResponse::Mode::Trickle)
        QTimer::singleShot(response.delayMs, socket, [this, socket, response] { answer(socket, response); });
    else
        answer(socket, response);
}

void PageServer::answer(QTcpSocket* socket, const PageResponse& response)
{
    switch (response.mode) {
    case PageResponse::Mode::Hang:
        return;
    case PageResponse::Mode::Refuse:
        socket->abort();
        socket->deleteLater();
        return;
    case PageResponse::Mode::Answer:
    case PageResponse::Mode::Stall:
    case PageResponse::Mode::Cut:
    case PageResponse::Mode::Trickle:
        break;
    }
    m_unanswered->remove(socket);
    QByteArray head =
        "HTTP/1.1 " + QByteArray::number(response.status) + ' ' + reasonPhrase(response.status) +
        "\r\nContent-Length: " + QByteArray::number(response.body.size()) + "\r\nConnection: close\r\n";
    if (!response.contentType.isEmpty())
        head += "Content-Type: " + response.contentType + "\r\n";
    for (const auto& [name, value] : response.headers)
        head += name + ": " + value + "\r\n";
    const bool headOnly = socket->property("td_head").toBool();
    if (response.mode == PageResponse::Mode::Trickle && !headOnly) {
        socket->write(head + "\r\n");
        trickle(socket, response.body, response.delayMs);
        return;
    }
    const bool partial =
        response.mode == PageResponse::Mode::Stall || response.mode == PageResponse::Mode::Cut;
    const QByteArray body = partial ? response.body.left(response.body.size() / 2) : response.body;
    socket->write(head + "\r\n" + (headOnly ? QByteArray() : body));
    if (response.mode == PageResponse::Mode::Stall)
        return;
    socket->disconnectFromHost();
}

void PageServer::trickle(QTcpSocket* socket, const QByteArray& body, int intervalMs)
{
    // The timer belongs to the socket, so a client that gives up ends it.
    auto* timer = new QTimer(socket);
    auto sent = std::make_shared<qsizetype>(0);
    connect(timer, &QTimer::timeout, socket, [socket, timer, body, sent] {
        if (*sent < body.size())
            socket->write(body.mid((*sent)++, 1));
        if (*sent >= body.size()) {
            timer->stop();
            socket->disconnectFromHost();
        }
    });
    timer->start(intervalMs);
}

} // namespace td::loopback
