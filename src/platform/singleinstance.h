#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace td {

// One running copy per user and settings folder: a later start hands its
// file to the running copy over a local socket instead of opening the list
// a second time.
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    enum class HandOver
    {
        Delivered,   // the running copy took the file
        NoneRunning, // nobody listens: this start is the running copy
        NoAnswer,    // something listens but did not take the file in time
    };

    explicit SingleInstance(QString name, QObject* parent = nullptr);
    ~SingleInstance() override;

    // The name for this user and settings folder (the demo has its own).
    static QString nameFor(const QString& user, const QString& settingsFolder);
    // For the current user and the settings folder in use.
    static QString defaultName();

    // As a later start: `path` is absolute, empty only to raise the window.
    HandOver handOver(const QString& path, int timeoutMs = 3000);
    // As the running copy; a socket left by a crashed copy is replaced.
    bool listen(int timeoutMs = 1000);

signals:
    // A later start's file, empty when it only asked for the window.
    void handed(const QString& path);

private:
    void acceptConnection();

    QString m_name;
    QLocalServer* m_server = nullptr;
};

} // namespace td
