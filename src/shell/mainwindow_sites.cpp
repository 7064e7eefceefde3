// Research sites: the entry menu's site items, the resources pane's
// commands and the link menus.
#include "platform/eventpump.h"
#include "platform/twips.h"
#include "shell/buttons.h"
#include "shell/mainwindow.h"
#include "sites/entrymenu.h"
#include "sites/linkmenus.h"
#include "sites/resourcespanel.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStyle>

namespace td {

namespace {

QPushButton* siteButton(const QString& name, const QString& caption, QWidget* parent)
{
    QPushButton* b = button(name, caption, parent);
    // Picture2's row is full: the buttons are only as wide as their captions.
    b->setFixedWidth(b->fontMetrics().horizontalAdvance(caption) + twipsToPx(240));
    return b;
}

QLabel* clickLabel(const QString& name, const QString& text, const QString& accessible, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAccessibleName(accessible);
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

} // namespace

void MainWindow::createSitesSubsystem()
{
    QFrame* panel = m_ui.Picture2;
    m_ui.txtQuickName = new QLineEdit(panel);
    m_ui.txtQuickName->setObjectName(QStringLiteral("txtQuickName"));
    m_ui.txtQuickName->setAccessibleName(tr("quick search"));
    m_ui.txtQuickName->setFixedWidth(twipsToPx(1300));
    m_ui.imgsearch = clickLabel(QStringLiteral("imgsearch"), QString(), tr("search"), panel);
    m_ui.imgsearch->setPixmap(
        style()->standardIcon(QStyle::SP_FileDialogContentsView).pixmap(twipsToPx(240)));
    m_ui.mnuSearch = new QMenu(this);
    m_ui.mnuSearch->setObjectName(QStringLiteral("mnuSearch"));
    m_ui.cmdShowChart = siteButton(QStringLiteral("cmdShowChart"), tr("chart"), panel);
    m_ui.lblTA = clickLabel(QStringLiteral("lblTA"), QStringLiteral("TA"), tr("technical chart"), panel);
    m_ui.cmdBack = siteButton(QStringLiteral("cmdBack"), tr("back"), panel);
    m_ui.lblRes = clickLabel(QStringLiteral("lblRes"), tr("new"), tr("open in new window"), panel);
    m_ui.cmdBenefits = siteButton(QStringLiteral("cmdBenefits"), QStringLiteral("LINKS"), panel);
    m_ui.cmdOwn = siteButton(QStringLiteral("cmdOwn"), QStringLiteral("OWN"), panel);
    m_ui.mnuLINKS = new QMenu(this);
    m_ui.mnuOWN = new QMenu(this);
    auto* row = qobject_cast<QHBoxLayout*>(panel->layout());
    int at = row->indexOf(m_ui.progressFrame);
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_ui.txtQuickName, m_ui.imgsearch, m_ui.cmdShowChart, m_ui.lblTA,
                                         m_ui.cmdBack, m_ui.lblRes, m_ui.cmdBenefits, m_ui.cmdOwn})
        row->insertWidget(at++, w);

    m_resourcesPanel = new ResourcesPanel(
        {this, m_ui.txtQuickName, m_ui.cmdSearch, m_ui.imgsearch, m_ui.mnuSearch, m_ui.cboBenefits,
         m_ui.cmdShowChart, m_ui.lblTA, m_ui.cmdBack, m_ui.lblRes},
        {*m_panes.wbrRealTimeRessources, m_platform.hosts, m_platform.clock}, m_session, this);
    m_resourcesPanel->setObjectName(QStringLiteral("resourcesPanel"));
    connect(m_resourcesPanel, &ResourcesPanel::siteRequested, this, &MainWindow::vOpenSite);
    // The options store the destination from here at shutdown.
    connect(m_resourcesPanel, &ResourcesPanel::destinationChanged, this,
            [this](const QString& name) { m_ui.cmdSearch->setProperty("searchDest", name); });

    m_linkMenus = new LinkMenus({m_ui.cmdBenefits, m_ui.cmdOwn, m_ui.mnuLINKS, m_ui.mnuOWN},
                                {m_platform.dialogs, m_platform.urls, m_platform.programDir}, this);
    m_linkMenus->setObjectName(QStringLiteral("linkMenus"));
    connect(m_linkMenus, &LinkMenus::linkChosen, m_resourcesPanel, &ResourcesPanel::openLink);

    buildEntryMenu(*m_mnuPop, entryMenuSiteItems(), [this](const QString& key) { vOpenSite(key); });
}

void MainWindow::fillBenefits()
{
    // Runs after the options are read: the stored destination is known.
    m_resourcesPanel->start(m_ui.cmdSearch->property("searchDest").toString());
}

void MainWindow::pressShowChart()
{
    m_ui.cmdShowChart->click();
}

void MainWindow::vOpenSite(const QString& sKey)
{
    // The preview window copies the chart selection the entry's selection
    // filled, and runs the request when it activates.
    openPreviewWindow(sKey);
    letEventsRun();
}

} // namespace td
