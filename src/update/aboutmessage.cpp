#include "update/aboutmessage.h"

#include "update/makersite.h"

#include <QRegularExpression>

namespace td {

QString generalDateTime(const QDateTime& when, const QLocale& locale)
{
    QString dateFormat = locale.dateFormat(QLocale::ShortFormat);
    if (!dateFormat.contains(QStringLiteral("yyyy")))
        dateFormat.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    const QString date = locale.toString(when.date(), dateFormat);
    if (when.time() == QTime(0, 0))
        return date;
    // The long time format is the one with seconds; its zone ("t") goes.
    static const QRegularExpression zone(QStringLiteral(R"((?<![A-Za-z'])t+(?![A-Za-z']))"));
    const QString timeFormat = locale.timeFormat(QLocale::LongFormat).remove(zone).simplified();
    return date + u' ' + locale.toString(when.time(), timeFormat);
}

AboutMessage aboutMessage(const QString& programTitle, const QDateTime& started,
                          const QString& programVersion, const QLocale& locale)
{
    return {programTitle, makerNotice() + QStringLiteral("gestartet: ") + generalDateTime(started, locale) +
                              QStringLiteral("\r\nVersion: ") + programVersion};
}

} // namespace td
