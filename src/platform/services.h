#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace td {

class Clipboard
{
public:
    virtual ~Clipboard() = default;
    virtual void setText(const QString& text) = 0;
    virtual QString text() const = 0;
};

class SystemClipboard final : public Clipboard
{
public:
    void setText(const QString& text) override;
    QString text() const override;
};

// Starts a program with an argument list, never through a shell, without waiting.
class ProcessLauncher
{
public:
    virtual ~ProcessLauncher() = default;
    virtual bool start(const QString& program, const QStringList& arguments) = 0;
};

class SystemProcessLauncher final : public ProcessLauncher
{
public:
    bool start(const QString& program, const QStringList& arguments) override;
};

// Opens a web address in the user's browser, without waiting.
class UrlOpener
{
public:
    virtual ~UrlOpener() = default;
    virtual bool open(const QString& url) = 0;
};

class SystemUrlOpener final : public UrlOpener
{
public:
    bool open(const QString& url) override;
};

class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

class SystemClock final : public Clock
{
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

} // namespace td
