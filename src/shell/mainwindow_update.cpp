// The main window's part of the version check, the downloads and the about
// box: their controls, the information layout and the load of a downloaded
// list.
#include "platform/twips.h"
#include "shell/buttons.h"
#include "shell/mainwindow.h"
#include "update/aboutbox.h"
#include "update/updatecheck.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeView>

namespace td {

void MainWindow::buildUpdateControls()
{
    QWidget* panel = m_ui.Picture2;
    m_ui.cmdupdate = button(QStringLiteral("cmdupdate"), tr("update"), panel);
    m_ui.cmdDownloadEXE = button(QStringLiteral("cmdDownloadEXE"), QStringLiteral("download"), panel);
    m_ui.Label6 = new QLabel(panel);
    m_ui.Label6->setObjectName(QStringLiteral("Label6"));
    auto* row = static_cast<QHBoxLayout*>(panel->layout());
    for (QWidget* w : {static_cast<QWidget*>(m_ui.cmdupdate), static_cast<QWidget*>(m_ui.cmdDownloadEXE),
                       static_cast<QWidget*>(m_ui.Label6)})
        row->addWidget(w);

    QWidget* options = m_ui.fraEinstellungen;
    m_ui.cmdDownloadEXEMan =
        button(QStringLiteral("cmdDownloadEXEMan"), QStringLiteral("download exe"), options);
    m_ui.cmdDownloadTickerFile =
        button(QStringLiteral("cmdDownloadTickerFile"), QStringLiteral("Download Ticker Liste"), options);
    m_ui.txtDownloadTickerFile = new QLineEdit(options);
    m_ui.txtDownloadTickerFile->setObjectName(QStringLiteral("txtDownloadTickerFile"));
    m_ui.txtDownloadTickerFile->setAccessibleName(tr("address of the ticker list to download"));
    m_ui.txtDownloadedTickerFile = new QPlainTextEdit(options);
    m_ui.txtDownloadedTickerFile->setObjectName(QStringLiteral("txtDownloadedTickerFile"));
    m_ui.txtDownloadedTickerFile->setAccessibleName(tr("the downloaded ticker list"));
    m_ui.txtDownloadedTickerFile->setFixedHeight(twipsToPx(600));
    auto* grid = static_cast<QGridLayout*>(options->layout());
    const int row0 = grid->rowCount();
    grid->addWidget(m_ui.cmdDownloadEXEMan, row0, 0);
    grid->addWidget(m_ui.cmdDownloadTickerFile, row0, 1);
    grid->addWidget(m_ui.txtDownloadTickerFile, row0, 2, 1, 4);
    grid->addWidget(m_ui.txtDownloadedTickerFile, row0 + 1, 0, 1, 6);
}

void MainWindow::createUpdateSubsystem()
{
    buildUpdateControls();
    UpdateCheck::Controls controls;
    controls.cmdupdate = m_ui.cmdupdate;
    controls.cmdDownloadEXE = m_ui.cmdDownloadEXE;
    controls.cmdDownloadEXEMan = m_ui.cmdDownloadEXEMan;
    controls.cmdDownloadTickerFile = m_ui.cmdDownloadTickerFile;
    controls.txtDownloadTickerFile = m_ui.txtDownloadTickerFile;
    controls.txtDownloadedTickerFile = m_ui.txtDownloadedTickerFile;
    m_updateCheck = new UpdateCheck(controls, {*m_panes.wbrVersion, *m_panes.wbrRealTimeQuote},
                                    {m_platform.hosts, m_platform.dialogs, m_platform.downloader,
                                     m_platform.clock, m_platform.programDir},
                                    m_state.sProgramVersion, this);
    m_updateCheck->setObjectName(QStringLiteral("updateCheck"));
    connect(this, &MainWindow::activated, m_updateCheck, &UpdateCheck::activate);
    connect(m_updateCheck, &UpdateCheck::informationLayoutRequested, this,
            &MainWindow::applyInformationLayout);
    connect(m_updateCheck, &UpdateCheck::loadListRequested, m_listDocument, &ListDocument::open);
    connect(m_ui.lstItems, &QTreeView::pressed, m_updateCheck, &UpdateCheck::hideDownloadOffer);

    m_aboutBox = new AboutBox(m_ui.Label6, this, {m_platform.hosts, m_platform.dialogs, m_platform.urls},
                              m_state.startTime, m_state.sProgramVersion, this);
    m_aboutBox->setObjectName(QStringLiteral("aboutBox"));
    connect(m_ui.cmdInfo, &QPushButton::clicked, m_aboutBox, &AboutBox::showAbout);
}

void MainWindow::startVersionCheck()
{
    m_updateCheck->check();
}

// The update box needs the chart area's height: the data tabs, the progress
// frame and the chart controls go until an entry is shown again.
void MainWindow::applyInformationLayout()
{
    m_ui.progressFrame->hide();
    m_ui.tabData->hide();
    m_ui.cmdRefresh->hide();
    m_ui.cboHis->hide();
    m_ui.chkLockTab->hide();
}

} // namespace td
