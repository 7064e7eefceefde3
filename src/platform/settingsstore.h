#pragma once

#include <QHash>
#include <QSettings>
#include <QString>

namespace td {

// Text values addressed by key within one section; an absent key yields the
// default. Reading and writing never fail loudly.
class SettingsStore
{
public:
    virtual ~SettingsStore() = default;
    virtual QString read(const QString& key, const QString& defaultValue) const = 0;
    virtual void write(const QString& key, const QString& value) = 0;
};

// The per-user INI file brightmoor/brightmoor.ini in the user's config folder.
class IniSettingsStore final : public SettingsStore
{
public:
    explicit IniSettingsStore(QString section);
    QString read(const QString& key, const QString& defaultValue) const override;
    void write(const QString& key, const QString& value) override;
    void sync();
    QString fileName() const { return m_settings.fileName(); }

private:
    mutable QSettings m_settings;
    QString m_section;
};

class MemorySettingsStore final : public SettingsStore
{
public:
    QString read(const QString& key, const QString& defaultValue) const override
    {
        return m_values.value(key, defaultValue);
    }
    void write(const QString& key, const QString& value) override
    {
        m_values.insert(key, value);
        m_writeOrder.append(key);
    }
    const QHash<QString, QString>& values() const { return m_values; }
    const QStringList& writeOrder() const { return m_writeOrder; }

private:
    QHash<QString, QString> m_values;
    QStringList m_writeOrder;
};

inline const QString kPublisher = QStringLiteral("brightmoor");
inline const QString kMainSection = QStringLiteral("TdCk");

} // namespace td
