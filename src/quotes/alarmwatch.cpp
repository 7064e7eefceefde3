#include "quotes/alarmwatch.h"

#include "quotes/pagetext.h"

#include <utility>

namespace td {

namespace {

// A figure as the list shows it, with "+" before a positive one.
QString signedFigure(const QString& text)
{
    const QString t = text.trimmed();
    const auto value = pagetext::cur(t);
    if (value && *value > Amount() && !t.startsWith(u'+'))
        return u'+' + t;
    return t;
}

// The threshold the evaluation compared with, in the list's number format
// without trailing zeros. The alarm holds either way, hence "±".
QString thresholdFigure(const QString& thresholdText)
{
    const auto t = pagetext::cur(thresholdText);
    if (!t)
        return thresholdText.trimmed();
    const Amount magnitude = t->isNegative() ? Amount::fromRaw(-t->raw()) : *t;
    return QStringLiteral("±") + amountText(magnitude).replace(u'.', u',');
}

} // namespace

void AlarmWatch::beginCheck()
{
    if (m_openChecks++ == 0)
        m_entered = 0;
}

std::optional<AlarmNotice> AlarmWatch::evaluated(const EvaluationResult& result, const QString& thresholdText)
{
    const quint64 id = result.entry.id;
    if (id == 0)
        return std::nullopt;
    if (!result.alarm) {
        m_inAlarm.remove(id);
        return std::nullopt;
    }
    if (m_inAlarm.contains(id))
        return std::nullopt;
    m_inAlarm.insert(id);
    if (m_openChecks > 0 && ++m_entered > kNoticesPerCheck)
        return std::nullopt;
    return alarmNotice(result.entry, thresholdText);
}

std::optional<AlarmNotice> AlarmWatch::endCheck()
{
    if (m_openChecks == 0 || --m_openChecks > 0)
        return std::nullopt;
    const int entered = std::exchange(m_entered, 0);
    if (entered <= kNoticesPerCheck)
        return std::nullopt;
    return alarmCountNotice(entered);
}

AlarmNotice alarmNotice(const WatchEntry& e, const QString& thresholdText)
{
    const auto& col = e.columns;
    AlarmNotice notice;
    notice.entryId = e.id;
    notice.summary =
        (e.name().trimmed() + QStringLiteral("  ") + signedFigure(col[ColBPct]) + QStringLiteral(" %"))
            .toHtmlEscaped();
    QString quote = col[ColQuote].trimmed();
    if (!col[ColCur].trimmed().isEmpty())
        quote += u' ' + col[ColCur].trimmed();
    notice.body = (QStringLiteral("Kurs ") + quote + QStringLiteral(" · Tag ") + signedFigure(col[ColPct]) +
                   QStringLiteral(" % · Schwelle ") + thresholdFigure(thresholdText) + QStringLiteral(" %"))
                      .toHtmlEscaped();
    return notice;
}

AlarmNotice alarmCountNotice(int count)
{
    AlarmNotice notice;
    notice.summary = QString::number(count) + QStringLiteral(" Werte haben die Alarmschwelle erreicht");
    return notice;
}

} // namespace td
