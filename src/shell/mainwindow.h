#pragma once

#include "overview/previewhost.h"
#include "platform/programname.h"
#include "platform/windowregistry.h"
#include "quotes/selectionflow.h"
#include "session/session.h"
#include "shell/mainoptions.h"
#include "shell/mainpanes.h"
#include "shell/mainstate.h"
#include "shell/mainwindow_ui.h"
#include "shell/platformcontext.h"
#include "watchlist/listdocument.h"
#include "watchlist/listedit.h"

#include <QTimer>
#include <QWidget>

namespace td {

class AboutBox;
class BatchCheck;
class ExtendedPane;
class InfoDisplay;
class MobileMode;
class LinkMenus;
class ResourcesPanel;
class QuoteLoader;
class QuoteSources;
class QuoteReading;
class SignalDisplay;
class UpdateCheck;
class WatchListModel;

// frm_main: the program. Closing it ends the program. The window builds the
// subsystems, hands each its own controls and panes, and wires them.
class MainWindow : public QWidget, private SelectionHost, private PreviewHost, private ListDocumentHost
{
    Q_OBJECT
public:
    static constexpr int kMinHeightTwips = 7200;

    explicit MainWindow(PlatformContext& platform, QWidget* parent = nullptr);
    ~MainWindow() override;

    // For the tests' set-up; the subsystems get what they need at creation.
    WatchListModel& items() { return *m_items; }
    WatchListModel& stopList() { return *m_stop; }

    // A list named on the command line or handed over by a later start:
    // loaded as if chosen with "...", under the same questions.
    void openListFile(const QString& path);
    void vScanTicFolder();
    QString ticFolder() const;
    QString defaultTickerFile() const;

    // Row of the current entry, -1 when there is none.
    int currentRow() const;
    void setCurrentRow(int row);

    // What loading and the first activation start: the shown entry's pages
    // and the batch check (as if cmdCheckAllQuotes were pressed).
    void vShowMainChart(int historyChoice);
    void startBatchCheck();

    // The other windows of the program.
    WindowRegistry& windows() { return m_windows; }
    // The chart command of the site catalogue and the chart-overview buttons
    // (0 watch list, 1 stop list); filled with those subsystems.
    void pressShowChart();
    void pressChartOverview(int button);
    // A new preview window of this kind: an overview kind or a site key.
    void openPreviewWindow(const QString& kind);

    // Editing: entry form, moves, marks, check all, clear, sort.
    void vAddEntry();
    void vDeleteEntry();
    void vEditModeOn();
    void vUpdateEntryFromFields();
    // Moves the current entry to a position counted from 1.
    void vMoveEntry(int iTarget);
    void vPressMoveButton(MoveButton button);
    void vCheckAll(int iButton); // 0 watch list, 1 stop list
    void vClearList(int iButton);
    void vRemoveFromStopList();
    void vMarkEntry(bool important);
    void vCopyName();
    void vQuickGo();
    void vSortByColumn(int column);
    // The selection highlight onto this row (-1: none).
    void moveHighlightTo(int row);
    EntryFields editFields() const;
    void fillEditFields(const WatchEntry& entry) override;
    // The entry pop-up menu; other commands add their items to it.
    QMenu* mnuPop() const { return m_mnuPop; }

    // Research sites: the request goes to a new preview window.
    void vOpenSite(const QString& sKey);

    // The side windows: the info window and hover box, the resources pane.
    InfoDisplay& infoDisplay() { return *m_infoDisplay; }
    ExtendedPane& extendedPane() { return *m_extendedPane; }

signals:
    // The first activation ran: the list is loaded and pages may load.
    void activated();

public slots:
    // F1 and cmdInfo: the about window, then the message with start time and version.
    void showAboutBox();

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
    bool autoClear() const override;
    bool autoCheck() const override;
    void startLoad(bool clear) override;
    void showList() override;
    void afterLoad(bool fileRead);
    void onSwitchListChosen(int position);
    void onTicMenuItem(QAction* action);
    void onPathChanged(const QString& text);

    // Editing.
    void connectEditing();
    void openPreviewWindow();

    // Overview commands, preview windows and their window list.
    void buildOverviewControls();
    void connectOverview();
    void pressBenchmark();
    void pressFinViz();
    void pressShowIndex();
    void pressValueOnly();
    void stepWindowList(int index);
    void onWindowListMouseUp(Qt::MouseButton button);
    void closePreviewWindows();
    QWidget* previewWindowOf(int windowId) const;
    QString autoReloadText() const override;
    QString autoReloadValue() const;
    QList<WatchEntry> watchEntries() const override;
    quint64 lastSelectedEntry() const override;
    void selectEntryForPreview(quint64 entryId) override;
    QString resourcesAddress() const override;
    void addWindowEntry(int windowId, const QString& caption) override;
    void updateWindowEntry(int windowId, const QString& caption) override;
    int removeWindowEntry(int windowId) override;
    void restoreMobileOption() override;

    // Panes and the quote subsystem.
    void createPanes();
    void createQuoteSubsystem();
    // A click on a desktop notification: the window to the front and the
    // entry selected; 0 (the count notice) only raises.
    void showNotifiedEntry(quint64 entryId);
    void createQuoteSources();
    void connectSelection();
    bool handleListMouseEvent(QObject* watched, QEvent* event);
    void showEntryMenu(const QString& source);

    // Research sites, quick search, resources list and link menus.
    void createSitesSubsystem();

    // What the selection asks of the window.
    bool mobileMode() const override;
    bool nasdaqPaneOpen() const override;
    void toggleNasdaqPane() override;
    void showChartArea() override;
    void applyMoveButtonStates(const MoveButtonStates& states) override;

    // Side windows, shortcuts and accessibility.
    void createSideWindows();
    void onTabDataMouseMove();
    void connectShortcuts();
    void nameControls();
    void makeReadable();
    // Version check, downloads and the about box.
    void buildUpdateControls();
    void createUpdateSubsystem();
    void applyInformationLayout();

    PlatformContext& m_platform;
    MainWindowUi m_ui;
    MainState m_state;
    Session m_session;
    WatchListModel* m_items = nullptr;
    WatchListModel* m_stop = nullptr;
    QTimer m_tmrTime;
    QTimer m_tmrRefresh;
    MainPanes m_panes;
    WindowRegistry m_windows;
    SelectionFlow* m_selectionFlow = nullptr;
    QuoteLoader* m_quoteLoader = nullptr;
    QuoteLoader* m_backgroundLoader = nullptr;
    QuoteSources* m_quoteSources = nullptr;
    QuoteReading* m_quoteReading = nullptr;
    SignalDisplay* m_signalDisplay = nullptr;
    BatchCheck* m_batchCheck = nullptr;
    InfoDisplay* m_infoDisplay = nullptr;
    ExtendedPane* m_extendedPane = nullptr;
    MobileMode* m_mobileMode = nullptr;
    ResourcesPanel* m_resourcesPanel = nullptr;
    LinkMenus* m_linkMenus = nullptr;
    UpdateCheck* m_updateCheck = nullptr;
    ListDocument* m_listDocument = nullptr;
    AboutBox* m_aboutBox = nullptr;
    QString m_showChartsSource = QStringLiteral("LIST");
    QMenu* m_mnuPop = nullptr;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    int m_benefitsSetting = 0; // "Benefits" as read
    bool m_activationQueued = false;
    bool m_loadOnActivate = false; // the activation loads the list the path names
    bool m_shutDown = false;
};

} // namespace td
