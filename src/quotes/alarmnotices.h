#pragma once

#include "quotes/alarmwatch.h"

#include <QObject>

#include <optional>

class QCheckBox;

namespace td {

class Notifier;

// Sends the alarm watch's notices while chkNotify is ticked. The watch
// keeps its memory with the box unticked, so ticking it does not announce
// entries that were already past their threshold.
class AlarmNotices : public QObject
{
    Q_OBJECT
public:
    AlarmNotices(Notifier& notifier, const QCheckBox* chkNotify, QObject* parent);

public slots:
    // A batch or background pass begins or ends; an evaluation outside a pass
    // is a check of its own.
    void beginCheck();
    void endCheck();
    void evaluated(const td::EvaluationResult& result, const QString& thresholdText);

private:
    void send(const std::optional<AlarmNotice>& notice);

    AlarmWatch m_watch;
    Notifier& m_notifier;
    const QCheckBox* m_chkNotify;
};

} // namespace td
