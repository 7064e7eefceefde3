#pragma once

#include "overview/htmlframe.h"
#include "overview/overviewpage.h"
#include "overview/previewrules.h"
#include "overview/previewsettings.h"
#include "session/chartselection.h"
#include "sites/sitecatalogue.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QVBoxLayout;

namespace td {

class BrowserPane;
class Dialogs;
class PaneFactory;
class PreviewHost;
class SettingsStore;

// Everything a preview window copies from the main window when it opens;
// what must follow the main window later it asks of its host.
struct PreviewSetup
{
    QString kind;
    ChartSelection selection;
    OverviewContext overview; // carries txtAutoReload's text for the page
    HtmlFrame htmlFrame;
    QString programDir;
    int iHistoryMonths = 12;
    int pageTimeoutMs = 30000;
};

struct PreviewServices
{
    SettingsStore& settings;
    SettingsStore& hosts;
    Dialogs& dialogs;
    PaneFactory& panes;
};

// frm_HTMPreview: an overview page, the small index window, or a site key
// with its ten research tabs. Every wait ends at the page time-out or when
// the window closes; a closed window deletes itself once no wait is left.
class PreviewWindow : public QWidget
{
    Q_OBJECT
public:
    PreviewWindow(PreviewSetup setup, PreviewServices services, PreviewHost& host, QWidget* parent = nullptr);
    ~PreviewWindow() override;

    int windowId() const { return m_windowId; }
    QString kind() const { return m_kind; }
    const QList<PreviewEntry>& entries() const { return m_entries; }
    bool isIndexWindow() const { return m_indexWindow; }
    bool isWaiting() const { return m_waitDepth > 0; }
    // The tab panes made so far (nullptr for a tab not yet used).
    BrowserPane* tabPane(int tab) const { return m_tabs[tab].pane; }
    BrowserPane* mainPane() const { return m_webBrowser1; }
    QString tabAddress(int tab) const { return m_tabs[tab].address; }
    bool tabLoaded(int tab) const { return m_tabs[tab].loaded; }

    void v_mShowPage(QString sFile);

signals:
    // The end of every v_mRefreshView.
    void viewBuilt();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Tab
    {
        BrowserPane* pane = nullptr;
        QCheckBox* chkLoad = nullptr;
        QWidget* page = nullptr;
        bool loaded = false;
        QString address;
    };

    void buildUi();
    void buildTitleStrip(QVBoxLayout* layout);
    void buildTabs();
    BrowserPane& ensureTabPane(int tab);
    void firstActivation();
    void restoreGeometry();
    void v_mRefreshView();
    void v_mUpdateWindowEntry();
    void showOverviewPage(bool writeBenchmark);
    void showFinanceVisualization();
    void showSiteControls(bool tabs, bool chooser, bool address);

    // Site requests.
    void runSiteRequest(const QString& key);
    SiteValues siteValuesNow() const;
    void loadTabPage(int tab, const SiteValues& values);
    void bankSearch(int tab, const SitePage& page, const SitePage& fallback, const SiteValues& values);
    void selectTab(int tab);

    // User events.
    void onChooserPicked(int row);
    void onChooserTyped();
    void onNasFilter();
    void onTabClicked(int tab);
    void onGo();
    void onHist();
    void onFinVizAll();
    void onTabComplete(int tab, const QString& url);
    void onReloadTick();
    void rollUp();
    void placeIndexPane();
    // From the watch list as it is now; the main window's last selected
    // entry becomes the chooser's item.
    void fillChooser(bool nasOnly);
    QList<ChooserItem> shownChooserItems() const;
    void blankTabs();

    // Waits until the pane's tag is "" , the page time-out or the window
    // closes; false when the window has closed.
    bool waitForTag(BrowserPane& pane);
    void unload();

    PreviewSetup m_setup;
    PreviewServices m_services;
    PreviewHost& m_host;
    QString m_kind;
    QString m_currentKey;
    QList<PreviewEntry> m_entries;
    bool m_indexWindow = false;
    int m_windowId = 0;
    bool bActivatePending = true;
    bool m_activated = false;
    bool m_registered = false;
    bool m_closed = false;
    bool m_deleting = false;
    int m_waitDepth = 0;
    std::array<Tab, kTabCount> m_tabs;

    QComboBox* cboStocks = nullptr;
    QCheckBox* chkNAS = nullptr;
    QLineEdit* txtURL = nullptr;
    QPushButton* cmdURLRefresh = nullptr;
    QPushButton* cmdHist = nullptr;
    QPushButton* cmdFinVizAll = nullptr;
    QTabWidget* tabSites = nullptr;
    QWidget* topRow = nullptr;
    QWidget* titleStrip = nullptr;
    QLabel* imgTop = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* img_systemclose = nullptr;
    QLabel* img_systemhide = nullptr;
    BrowserPane* m_webBrowser1 = nullptr;
    QTimer tmrRefresh;
    QTimer tmrRefreshSmall;
};

} // namespace td
