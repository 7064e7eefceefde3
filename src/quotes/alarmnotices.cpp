#include "quotes/alarmnotices.h"

#include "platform/notifier.h"

#include <QCheckBox>

namespace td {

AlarmNotices::AlarmNotices(Notifier& notifier, const QCheckBox* chkNotify, QObject* parent)
    : QObject(parent), m_notifier(notifier), m_chkNotify(chkNotify)
{
}

void AlarmNotices::beginCheck()
{
    m_watch.beginCheck();
}

void AlarmNotices::endCheck()
{
    send(m_watch.endCheck());
}

void AlarmNotices::evaluated(const EvaluationResult& result, const QString& thresholdText)
{
    send(m_watch.evaluated(result, thresholdText));
}

void AlarmNotices::send(const std::optional<AlarmNotice>& notice)
{
    if (notice && m_chkNotify->isChecked())
        m_notifier.notify(notice->entryId, notice->summary, notice->body);
}

} // namespace td
