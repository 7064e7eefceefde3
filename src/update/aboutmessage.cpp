#include "update/aboutmessage.h"

#include "overview/htmlframe.h"
#include "update/makersite.h"

namespace td {

AboutMessage aboutMessage(const QString& programTitle, const QDateTime& started,
                          const QString& programVersion, const QLocale& locale)
{
    return {programTitle, makerNotice() + QStringLiteral("gestartet: ") + generalDateText(started, locale) +
                              QStringLiteral("\r\nVersion: ") + programVersion};
}

} // namespace td
