#include "platform/settingsstore.h"

namespace td {

IniSettingsStore::IniSettingsStore(QString section)
    : m_settings(QSettings::IniFormat, QSettings::UserScope, kPublisher, kPublisher),
      m_section(std::move(section))
{
}

QString IniSettingsStore::read(const QString& key, const QString& defaultValue) const
{
    const QVariant value = m_settings.value(m_section + u'/' + key);
    if (!value.isValid())
        return defaultValue;
    // A hand-edited list value ("a, b") comes back as a list; keep it as text.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

void IniSettingsStore::write(const QString& key, const QString& value)
{
    m_settings.setValue(m_section + u'/' + key, value);
}

void IniSettingsStore::sync()
{
    m_settings.sync();
}

} // namespace td
