#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace td {

struct AboutMessage
{
    QString title;
    QString text;
};

// The message after frm_Info: the maker's notice, "gestartet: " + the start
// time in the general date format of the pages (generalDateText), CR LF,
// "Version: " + sProgramVersion. Shown with the information icon.
AboutMessage aboutMessage(const QString& programTitle, const QDateTime& started,
                          const QString& programVersion, const QLocale& locale = QLocale::system());

} // namespace td
