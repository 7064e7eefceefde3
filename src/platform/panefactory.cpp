#include "platform/panefactory.h"

#include "platform/fetchpane.h"
#include "platform/settingsstore.h"
#include "platform/webpane.h"

namespace td {

int pageTimeoutMs(const SettingsStore& settings)
{
    bool ok = false;
    const int value = settings.read(QStringLiteral("PageTimeout"), QString()).trimmed().toInt(&ok);
    return ok && value > 0 ? value : kDefaultPageTimeoutMs;
}

QtPaneFactory::QtPaneFactory(int pageTimeoutMs) : m_timeoutMs(pageTimeoutMs) {}

BrowserPane* QtPaneFactory::create(const QString& name, PaneKind kind, QObject* parent)
{
    if (kind == PaneKind::ReadBack)
        return new FetchPane(name, m_network, m_timeoutMs, parent);
    return new WebPane(name, parent, kind == PaneKind::Display);
}

} // namespace td
