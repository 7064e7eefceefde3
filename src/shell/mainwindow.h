#pragma once

#include "shell/mainoptions.h"
#include "shell/mainstate.h"
#include "shell/mainwindow_ui.h"
#include "shell/platformcontext.h"

#include <QTimer>
#include <QWidget>

namespace td {

class WatchListModel;

// frm_main: the program. Closing it ends the program.
class MainWindow : public QWidget
{
    Q_OBJECT
public:
    static inline const QString kProgramName = QStringLiteral("Tickerdeck");
    static inline const QString kShortName = QStringLiteral("TdCk");

    explicit MainWindow(PlatformContext& platform, QWidget* parent = nullptr);
    ~MainWindow() override;

    MainWindowUi& ui() { return m_ui; }
    MainState& state() { return m_state; }
    WatchListModel& items() { return *m_items; }
    WatchListModel& stopList() { return *m_stop; }
    QTimer& tmrTime() { return m_tmrTime; }
    QTimer& tmrRefresh() { return m_tmrRefresh; }

    // The list file (load, save, switch).
    enum class SaveResult { Saved, NoPath, Declined, Failed };
    void vLoadList();
    SaveResult vSaveList();
    void vChooseFile();
    void vScanTicFolder();
    QString ticFolder() const;
    QString defaultTickerFile() const;

    // Row of the current entry, -1 when there is none.
    int currentRow() const;
    void setCurrentRow(int row);

    // Steps of other subsystems that start-up, the first activation and the
    // list file call; each is filled by the subsystem that owns it.
    void vShowMainChart(int historyChoice);
    void startBatchCheck();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void buildUi();
    QWidget* buildButtonPanel();
    QWidget* buildEntryForm();
    QWidget* buildChartArea();
    QWidget* buildOptionsPanel();
    void connectShell();
    void connectListFile();

    // Start-up, activation and shutdown.
    void startUp();
    void onFirstActivate();
    void applyOptions(const MainOptions& options);
    MainOptions gatherOptions() const;
    void shutdown();
    void updateTitle();
    void toggleListLayout();
    void toggleOptionsPanel();
    void applyListBackground(const QString& text);
    void layoutResourcesPane();
    void onBackgroundMouseMove();
    void hideLabelInfoFrame();
    void closeInfoWindow();
    void openIndexWindow();
    void startVersionCheck();
    void blankPanes();
    void placeExtendedPane();
    void fillBenefits();

    // List file.
    bool confirmClose();
    void reportFileProblem(const QString& path, const QString& problem);
    void onSwitchListChosen(int position);
    void onTicMenuItem(QAction* action);
    void onPathChanged(const QString& text);
    void enableMoveButtons(int position, int count);
    void letEventsRun(int times = 1);

    PlatformContext& m_platform;
    MainWindowUi m_ui;
    MainState m_state;
    WatchListModel* m_items = nullptr;
    WatchListModel* m_stop = nullptr;
    QTimer m_tmrTime;
    QTimer m_tmrRefresh;
    bool m_activationQueued = false;
    bool m_shutDown = false;
};

} // namespace td
