#include "platform/browserpane.h"

#include <QDir>
#include <QPointer>
#include <QWidget>

namespace td {

BrowserPane::BrowserPane(const QString& name, QObject* parent) : QObject(parent)
{
    setObjectName(name);
}

void BrowserPane::setTag(const QString& tag)
{
    if (tag == m_tag)
        return;
    m_tag = tag;
    emit tagChanged(m_tag);
}

void BrowserPane::navigate(const QString& address)
{
    ++m_generation;
    startNavigation(address);
}

void BrowserPane::setVisible(bool visible)
{
    if (visible)
        widget()->setVisible(true);
    else if (QWidget* w = existingWidget())
        w->setVisible(false);
}

bool BrowserPane::isVisible() const
{
    const QWidget* w = existingWidget();
    return w && w->isVisible();
}

bool BrowserPane::isAboutAddress(const QString& address)
{
    return address.startsWith(u"about:", Qt::CaseInsensitive);
}

QUrl BrowserPane::webAddress(const QString& address)
{
    if (QDir::isAbsolutePath(address) && !address.contains(u"://"))
        return QUrl::fromLocalFile(address);
    return QUrl(address);
}

QString BrowserPane::aboutDocument(const QString& address)
{
    if (address.compare(u"about:blank", Qt::CaseInsensitive) == 0)
        return {};
    return address.mid(6);
}

void BrowserPane::complete(quint64 generation, const QString& url, int errorCode)
{
    // A handler may delete the pane or start the next navigation.
    const QPointer<BrowserPane> self(this);
    const auto current = [&] {
        return self && m_generation == generation;
    };
    if (!current())
        return;
    m_lastError = errorCode;
    if (errorCode != 0)
        emit navigateError(url, errorCode);
    if (current())
        emit downloadComplete();
    if (current())
        emit documentComplete(url);
}

} // namespace td
