#include "sidewindows/infotext.h"

#include "overview/htmlframe.h"

#include <QStringList>

namespace td {

namespace {

const QString kLineEnd = QStringLiteral("\r\n");

// Name, symbol and the identifiers the entry has.
QString shortLines(const WatchEntry& e)
{
    const auto& c = e.columns;
    QString text = c[ColName] + kLineEnd + c[ColTicker];
    if (!c[ColPlace].isEmpty())
        text += u'.' + c[ColPlace];
    if (!c[ColWkn].isEmpty())
        text += kLineEnd + QStringLiteral("WKN: ") + c[ColWkn];
    if (!c[ColIsin].isEmpty())
        text += kLineEnd + QStringLiteral("ISIN: ") + c[ColIsin];
    return text;
}

QString withAgeLine(QString text, const WatchEntry& e, const QDateTime& now, const QLocale& locale)
{
    const QString age = quoteAgeLine(e.quoteAge, now, locale);
    if (!age.isEmpty())
        text += kLineEnd + age;
    return text;
}

} // namespace

QString quoteAgeLine(const QuoteAge& age, const QDateTime& now, const QLocale& locale)
{
    const QString failed = QStringLiteral("letzter Abruf fehlgeschlagen");
    if (!age.lastRead.isValid())
        return age.lastFailed ? QStringLiteral("Kein Kurs abgerufen, ") + failed : QString();
    QString when = generalTimeText(age.lastRead.time(), locale);
    if (age.lastRead.date() != now.date())
        when = locale.toString(age.lastRead.date(), QLocale::ShortFormat) + u' ' + when;
    QString line = QStringLiteral("Kurs von ") + when;
    if (age.lastFailed)
        line += QStringLiteral(", ") + failed;
    return line;
}

QString infoText(const WatchEntry& e, const QDateTime& now, const QLocale& locale)
{
    const auto& c = e.columns;
    const QString& cur = c[ColCur];
    QString text = shortLines(e);
    if (!c[ColDateOfBuying].isEmpty())
        text += kLineEnd + QStringLiteral("BDate: ") + c[ColDateOfBuying];
    if (!c[ColBuying].isEmpty())
        text += kLineEnd + QStringLiteral("B: ") + c[ColBuying] + cur;
    // Appended to whatever line came last, as the quantity belongs to the buying.
    if (!c[ColQty].isEmpty())
        text += QStringLiteral(" Qty: ") + c[ColQty];
    if (!c[ColValue].isEmpty())
        text +=
            kLineEnd + QStringLiteral("Q: ") + c[ColQuote] + cur + QStringLiteral(" V: ") + c[ColValue] + cur;
    if (!c[ColPlusMinus].isEmpty())
        text += kLineEnd + QStringLiteral("C: ") + c[ColPlusMinus] + cur + QStringLiteral(" (") + c[ColBPct] +
                QStringLiteral("%)");
    return withAgeLine(text, e, now, locale);
}

QString hoverText(const WatchEntry& e, const QDateTime& now, const QLocale& locale)
{
    return withAgeLine(shortLines(e), e, now, locale);
}

QString infoHtmlPage(const QString& text)
{
    QStringList lines = text.split(kLineEnd);
    for (QString& line : lines)
        line = line.toHtmlEscaped();
    return QStringLiteral("<!DOCTYPE html>\r\n<html><head><meta charset=\"windows-1252\"><title>") +
           lines.first() + QStringLiteral("</title></head>\r\n<body><p>") +
           lines.join(QStringLiteral("<br>\r\n")) + QStringLiteral("</p></body></html>\r\n");
}

} // namespace td
