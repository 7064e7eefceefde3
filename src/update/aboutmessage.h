#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace td {

// The platform's general date-and-time text: the short date with a
// four-digit year and the time with seconds, no time zone; the date alone at
// midnight.
QString generalDateTime(const QDateTime& when, const QLocale& locale = QLocale::system());

struct AboutMessage
{
    QString title;
    QString text;
};

// The message after frm_Info: the maker's notice, "gestartet: " + the start
// time, CR LF, "Version: " + sProgramVersion. Shown with the information icon.
AboutMessage aboutMessage(const QString& programTitle, const QDateTime& started,
                          const QString& programVersion, const QLocale& locale = QLocale::system());

} // namespace td
