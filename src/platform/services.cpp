#include "platform/services.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QProcess>
#include <QUrl>

namespace td {

void SystemClipboard::setText(const QString& text)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text);
}

QString SystemClipboard::text() const
{
    return QGuiApplication::clipboard()->text();
}

bool SystemProcessLauncher::start(const QString& program, const QStringList& arguments)
{
    return QProcess::startDetached(program, arguments);
}

bool SystemUrlOpener::open(const QString& url)
{
    // Only web addresses: a file or program address would start something.
    const QUrl address(url, QUrl::StrictMode);
    if (address.scheme() != u"http" && address.scheme() != u"https")
        return false;
    return QDesktopServices::openUrl(address);
}

} // namespace td
