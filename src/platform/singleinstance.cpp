#include "platform/singleinstance.h"
#include "platform/handedline.h"

#include <QCryptographicHash>
#include <QEventLoop>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QTimer>

#include <unistd.h>

namespace td {

namespace {
const QByteArray kAck = "ok\n";

// Runs the loop until a signal quits it or the time is up.
void runBounded(QEventLoop& loop, int timeoutMs)
{
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(timeoutMs);
    loop.exec();
}
} // namespace

SingleInstance::SingleInstance(QString name, QObject* parent) : QObject(parent), m_name(std::move(name)) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::nameFor(const QString& user, const QString& settingsFolder)
{
    const QByteArray key = (user + u'\n' + settingsFolder).toUtf8();
    // Hashed, as a socket path has little room and a folder may hold anything.
    return QStringLiteral("tickerdeck-") +
           QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex().left(24));
}

QString SingleInstance::defaultName()
{
    return nameFor(QString::number(::getuid()),
                   QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
}

SingleInstance::HandOver SingleInstance::handOver(const QString& path, int timeoutMs)
{
    QLocalSocket socket;
    QEventLoop loop;
    bool refused = false;
    QByteArray answer;
    bool wasConnected = false;
    connect(&socket, &QLocalSocket::connected, &loop, [&] {
        wasConnected = true;
        socket.write(handedLineFor(path));
    });
    connect(&socket, &QLocalSocket::readyRead, &loop, [&] {
        answer += socket.readAll();
        if (answer.contains('\n'))
            loop.quit();
    });
    connect(&socket, &QLocalSocket::errorOccurred, &loop, [&] {
        if (socket.isOpen())
            answer += socket.readAll();
        refused = !wasConnected;
        loop.quit();
    });
    socket.connectToServer(m_name);
    if (socket.state() == QLocalSocket::UnconnectedState)
        return HandOver::NoneRunning;
    if (!refused && answer != kAck)
        runBounded(loop, timeoutMs);
    if (answer == kAck)
        return HandOver::Delivered;
    return refused ? HandOver::NoneRunning : HandOver::NoAnswer;
}

bool SingleInstance::listen(int timeoutMs)
{
    // Asked first: listening replaces the socket file, even a live copy's.
    QLocalSocket probe;
    QEventLoop loop;
    connect(&probe, &QLocalSocket::connected, &loop, &QEventLoop::quit);
    connect(&probe, &QLocalSocket::errorOccurred, &loop, &QEventLoop::quit);
    probe.connectToServer(m_name);
    if (probe.state() == QLocalSocket::ConnectingState)
        runBounded(loop, timeoutMs);
    if (probe.state() == QLocalSocket::ConnectedState)
        return false;
    // A socket file nobody answers on is what a crashed copy leaves behind.
    QLocalServer::removeServer(m_name);
    m_server = new QLocalServer(this);
    // Only this user may hand files to the running copy.
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::acceptConnection);
    return m_server->listen(m_name);
}

void SingleInstance::acceptConnection()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        // A caller that never finishes its line is dropped.
        QTimer::singleShot(5000, socket, [socket] { socket->abort(); });
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            const HandedLine line = readHandedLine(socket->peek(kMaxHandedLine + 1));
            if (line.state == HandedLine::State::Refused)
                socket->abort();
            if (line.state != HandedLine::State::Complete)
                return;
            const QString path = line.path;
            // One line per start: whatever follows is not looked at.
            disconnect(socket, &QLocalSocket::readyRead, this, nullptr);
            socket->write(kAck);
            socket->disconnectFromServer();
            // After the answer is on its way: opening may ask the user first.
            QMetaObject::invokeMethod(
                this, [this, path] { emit handed(path); }, Qt::QueuedConnection);
        });
    }
}

} // namespace td
