#pragma once

#include <QObject>
#include <QTimer>

class QLineEdit;

namespace td {

class MainWindow;

// The batch check of every ticked entry, the background check and the
// refresh timers. The run buttons' captions are the run state: "!" idle,
// "0" running.
class BatchCheck : public QObject
{
    Q_OBJECT
public:
    explicit BatchCheck(MainWindow& window);

    void vCheckAllQuotes();
    void vCheckAllQuotesBackground();
    // Ends every running check and its waits, for shutdown.
    void cancelAll();

    QTimer& tmrShowAllQuotes() { return m_tmrShowAllQuotes; }

private:
    void connectIntervalBox(QLineEdit* box, const std::function<void(double)>& apply);
    void setRefreshInterval(double ms);
    void setRefreshEnabled(bool enabled);
    void setBatchControlsEnabled(bool enabled);
    void waitForEvaluationTimer();

    MainWindow& m_window;
    QTimer m_tmrShowAllQuotes;
    bool m_backgroundWaiting = false;
};

// An interval box's value: over one minute is refused.
inline constexpr double kMaxIntervalMs = 60000;

} // namespace td
