// The side windows: the info window and hover box, the resources pane, the
// mobile mode and the tab area's mouse move.
#include "quotes/batchcheck.h"
#include "quotes/selectionflow.h"
#include "shell/mainwindow.h"
#include "sidewindows/extendedpane.h"
#include "sidewindows/infodisplay.h"
#include "sidewindows/mobilemode.h"
#include "update/aboutbox.h"
#include "watchlist/watchlistmodel.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeView>

namespace td {

void MainWindow::createSideWindows()
{
    InfoDisplay::Controls info;
    info.lstItems = m_ui.lstItems;
    info.chkShowToolTip = m_ui.chkShowToolTip;
    info.chkShowLBLToolTip = m_ui.chkShowLBLToolTip;
    info.sldToolTipTransparenz = m_ui.sldToolTipTransparenz;
    info.hoverParent = this;
    m_infoDisplay = new InfoDisplay(info,
                                    {*m_items,
                                     *m_batchCheck,
                                     m_state.infoDisplayLimit,
                                     m_windows,
                                     {m_platform.clipboard, m_platform.dialogs},
                                     m_platform.clock},
                                    this);
    m_infoDisplay->setObjectName(QStringLiteral("infoDisplay"));
    connect(m_infoDisplay, &InfoDisplay::listMouseUpDue, this,
            [this](Qt::MouseButton button, QPoint position) {
                if (!m_shutDown)
                    m_selectionFlow->onListMouseUp(button, position);
            });

    ExtendedPane::Controls pane;
    pane.window = this;
    pane.fixedPart = m_ui.fraMain;
    pane.resourcesPane = m_ui.resourcesPaneHost;
    pane.lstItems = m_ui.lstItems;
    pane.cmdFullBrowser = m_ui.cmdFullBrowser;
    pane.cmdCloseExtended = m_ui.cmdCloseExtended;
    pane.listButtons = {m_ui.cmdSelectAll[0], m_ui.cmdClear[0]};
    m_extendedPane = new ExtendedPane(pane, this);

    m_mobileMode =
        new MobileMode({m_ui.chkMobile, m_ui.progressFrame, m_ui.picAllProgress},
                       {m_panes.wbrStockContent, m_panes.wbrHistorie, m_panes.wbrTechnicalChart}, this);
    connect(this, &MainWindow::activated, m_mobileMode, &MobileMode::activate);

    for (QWidget* w : {static_cast<QWidget*>(m_ui.tabData), static_cast<QWidget*>(m_ui.tabData->tabBar())}) {
        w->setMouseTracking(true);
        w->installEventFilter(this);
    }
    // The button has no task; it only keeps its name.
    m_ui.cmdHide = new QPushButton(QStringLiteral("hide"), this);
    m_ui.cmdHide->setObjectName(QStringLiteral("cmdHide"));
    m_ui.cmdHide->hide();
}

void MainWindow::onTabDataMouseMove()
{
    const int row = m_items->highlightRow();
    if (m_ui.chkAutoMarkLast->isChecked() && !m_state.bFirstActivate && currentRow() >= 0 && row >= 0) {
        const QModelIndex index = m_items->index(row, 0);
        m_ui.lstItems->setCurrentIndex(index);
        m_ui.lstItems->scrollTo(index);
    }
    hideLabelInfoFrame();
}

void MainWindow::hideLabelInfoFrame()
{
    if (m_infoDisplay)
        m_infoDisplay->hideHoverBox();
}

void MainWindow::closeInfoWindow()
{
    if (m_infoDisplay)
        m_infoDisplay->closeInfoWindow();
}

void MainWindow::placeExtendedPane()
{
    m_extendedPane->followWindowHeight();
}

void MainWindow::layoutResourcesPane()
{
    if (m_extendedPane)
        m_extendedPane->followWindowHeight();
}

void MainWindow::showAboutBox()
{
    m_aboutBox->showAbout();
}

} // namespace td
