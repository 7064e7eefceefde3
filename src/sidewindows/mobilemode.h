#pragma once

#include <QList>
#include <QObject>

class QCheckBox;
class QWidget;

namespace td {

class BrowserPane;
class ProgressBar;

// The mobile mode: the two chkMobile boxes agree, and while it is on the
// page panes are hidden and the progress picture says so.
class MobileMode : public QObject
{
    Q_OBJECT
public:
    struct Controls
    {
        QList<QCheckBox*> chkMobile;      // 0 main window, 1 settings tab
        QWidget* progressFrame = nullptr; // Frame1(9)
        ProgressBar* picAllProgress = nullptr;
    };
    struct Panes
    {
        BrowserPane* wbrStockContent = nullptr;
        BrowserPane* wbrHistorie = nullptr;
        BrowserPane* wbrTechnicalChart = nullptr;
    };

    MobileMode(const Controls& controls, const Panes& panes, QObject* parent);

    bool isOn() const;

public slots:
    // Start-up has set both boxes itself; from now on they follow each other.
    void activate() { m_active = true; }

private:
    void onToggled(int index, bool on);
    void apply(bool on);

    Controls m_ui;
    Panes m_panes;
    bool m_active = false;
};

} // namespace td
