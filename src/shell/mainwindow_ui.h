#pragma once

#include <QList>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QSlider;
class QSpinBox;
class QTabWidget;
class QTreeView;
class QWidget;

namespace td {

class ProgressBar;

// The main window's controls, under the names the rest of the program uses.
struct MainWindowUi
{
    QLabel* lblHeadMove = nullptr;
    QPushButton* cmdOptions = nullptr;
    QPushButton* but_Exit = nullptr;
    QWidget* fraMain = nullptr; // keeps the minimum height; the resources pane lies below

    // Button panel (Picture2) with the file controls and the run buttons.
    QFrame* Picture2 = nullptr;
    QLineEdit* txt_TickerFile = nullptr;
    QPushButton* cmdTickerFile = nullptr;
    QPushButton* cmdLoadList = nullptr;
    QPushButton* cmdSaveList = nullptr;
    QPushButton* cmdSwitchTIC = nullptr;
    QComboBox* cboSwitchTICList = nullptr;
    QMenu* mnuTIC = nullptr;
    QPushButton* cmdCheckAllQuotes = nullptr;
    QPushButton* cmdCheckAllQuotesHintergrund = nullptr;
    QPushButton* cmdInfo = nullptr;
    QPushButton* cmdSearch = nullptr;
    QFrame* progressFrame = nullptr; // Frame1 index 9
    ProgressBar* picAllProgress = nullptr;

    QTreeView* lstItems = nullptr;
    QPushButton* cmdEnhanceListbox = nullptr;
    QLabel* lblAktInfo = nullptr;

    // Entry form.
    QLineEdit* txtName = nullptr;
    QLineEdit* txtTicker = nullptr;
    QLineEdit* txtPlace = nullptr;
    QLineEdit* txtDate = nullptr;
    QLineEdit* txtQuote = nullptr;
    QLineEdit* txtWaehrung = nullptr;
    QLineEdit* txtQuantity = nullptr;
    QLineEdit* txtWKN = nullptr;
    QLineEdit* txtISIN = nullptr;
    QPushButton* cmdAdd = nullptr;
    QPushButton* cmdDelete = nullptr;
    QCheckBox* chkEdit = nullptr;
    QPushButton* but_ItemRauf = nullptr;
    QPushButton* but_ItemRunter = nullptr;
    QPushButton* but_ItemRaufZuerst = nullptr;
    QPushButton* but_ItemRaufZuletzt = nullptr;
    QPushButton* cmdQuickGo = nullptr;
    QList<QPushButton*> cmdSelectAll; // 0 watch list, 1 stop list
    QList<QPushButton*> cmdClear;     // 0 watch list, 1 stop list
    QPushButton* cmdRemove = nullptr;

    // Chart area.
    QFrame* chartArea = nullptr;
    QWidget* quotePaneHost = nullptr;     // wbrRealTimeQuote
    QWidget* chartPaneHost = nullptr;     // wbrRealTimeChart
    QWidget* nasdaqPaneHost = nullptr;    // wbrRealTimeNASDAQ
    QWidget* contentPaneHost = nullptr;   // wbrStockContent, when shown
    QWidget* historyPaneHost = nullptr;   // wbrHistorie
    QWidget* technicalPaneHost = nullptr; // wbrTechnicalChart
    QWidget* hyPaneHost = nullptr;        // wbrHY
    QWidget* resourcesPaneHost = nullptr; // wbrRealTimeRessources
    QLabel* picHandelssignal = nullptr;
    QList<QLabel*> picHandelssignalSymbol; // 0 to 9
    QTabWidget* tabData = nullptr;
    QTreeView* lstStop = nullptr;
    QComboBox* cboHis = nullptr;
    QPushButton* cmdRefresh = nullptr;
    QCheckBox* chkLockTab = nullptr;
    QPushButton* cmdNAS = nullptr;
    QPushButton* cmdFullBrowser = nullptr;
    QPushButton* cmdCloseExtended = nullptr;
    QPushButton* cmdHide = nullptr;

    // Options panel.
    QFrame* fraEinstellungen = nullptr;
    QComboBox* cboBank = nullptr;
    QComboBox* cboBenefits = nullptr;
    QCheckBox* chkAutoCheck = nullptr;
    QCheckBox* chkAutoClear = nullptr;
    QCheckBox* chkAutoRefresh = nullptr;
    QCheckBox* chkAktQuoteColorBold = nullptr;
    QLineEdit* txtMaxMinChange = nullptr;
    QCheckBox* chkMarkMinMaxChange = nullptr;
    QLineEdit* txtRealTimeRefresh = nullptr;
    QLineEdit* txt_ShowAllQuotesHintergrund = nullptr;
    QLineEdit* txtAutoReload = nullptr;
    QCheckBox* chkShowToolTip = nullptr;
    QCheckBox* chkShowLBLToolTip = nullptr;
    QSlider* sldToolTipTransparenz = nullptr;
    QCheckBox* chkAutoMarkLast = nullptr;
    QCheckBox* chkAutoGetOnlineQuotes = nullptr;
    QList<QCheckBox*> chkMobile; // 0 main window, 1 settings tab
    QLineEdit* txtLstItemsBackcolor = nullptr;
    QCheckBox* chkNotify = nullptr;
    QSpinBox* spnParallelPages = nullptr;

    // Quick search, resources pane commands and link menus (Picture2's row).
    QLineEdit* txtQuickName = nullptr;
    QLabel* imgsearch = nullptr;
    QMenu* mnuSearch = nullptr;
    QPushButton* cmdShowChart = nullptr;
    QLabel* lblTA = nullptr;
    QPushButton* cmdBack = nullptr;
    QLabel* lblRes = nullptr;
    QPushButton* cmdBenefits = nullptr;
    QPushButton* cmdOwn = nullptr;
    QMenu* mnuLINKS = nullptr;
    QMenu* mnuOWN = nullptr;
    // Version check, downloads and the credit.
    QPushButton* cmdupdate = nullptr;
    QPushButton* cmdDownloadEXE = nullptr;
    QPushButton* cmdDownloadEXEMan = nullptr;
    QPushButton* cmdDownloadTickerFile = nullptr;
    QLineEdit* txtDownloadTickerFile = nullptr;
    QPlainTextEdit* txtDownloadedTickerFile = nullptr;
    QLabel* Label6 = nullptr;
    // Overview commands and the window list of the preview windows.
    QList<QPushButton*> cmdGo; // 0 watch list, 1 stop list
    QPushButton* cmdBenchmark = nullptr;
    QPushButton* cmdFV = nullptr;
    QPushButton* cmdShowIndex = nullptr;
    QPushButton* cmdValueOnly = nullptr;
    QFrame* fraHTMWindows = nullptr;
    QListWidget* lstHTMWindows = nullptr;
    QList<QLabel*> lblHTMWindowNavi; // 0 previous, 1 next
};

} // namespace td
