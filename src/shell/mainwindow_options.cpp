// The options as the window shows them, and the list's two layouts.
#include "platform/twips.h"
#include "shell/mainwindow.h"
#include "sidewindows/listlayoutview.h"
#include "watchlist/watchlistmodel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTreeView>

namespace td {

void MainWindow::applyOptions(const MainOptions& o)
{
    m_ui.cmdEnhanceListbox->setProperty("tag", o.enhanceListbox);
    toggleListLayout();
    m_ui.cboBank->addItems({QStringLiteral("comdirect"), QStringLiteral("dab")});
    m_ui.cboBank->setCurrentIndex(o.bank);

    QPoint position(twipsToPx(o.mainLeft), twipsToPx(o.mainTop));
    // A stored position off every screen (a monitor since removed) would
    // leave the window where nobody can reach it.
    if (!QGuiApplication::screenAt(position + QPoint(20, 20)))
        position = QPoint(0, 0);
    move(position);

    m_ui.chkAutoCheck->setChecked(o.autoCheck);
    m_ui.chkAutoClear->setChecked(o.autoClear);
    m_ui.chkAutoRefresh->setChecked(o.autoRefresh);
    m_ui.chkAktQuoteColorBold->setChecked(o.quoteColorBold);
    m_ui.txtMaxMinChange->setText(o.maxMinChange);
    m_ui.chkMarkMinMaxChange->setChecked(o.markMinMaxChange);
    m_ui.txtRealTimeRefresh->setText(o.realTimeRefresh);
    m_listDocument->setPath(o.tickerFile);
    m_ui.txt_ShowAllQuotesHintergrund->setText(o.showAllQuotesSilent);
    m_ui.txtAutoReload->setText(o.autoReload);
    m_session.bytHistoryChoice = o.history;
    m_ui.cboHis->setCurrentIndex(o.history);
    m_ui.tabData->setCurrentIndex(o.tabDataIndex);
    m_ui.chkShowToolTip->setChecked(o.toolTip);
    m_ui.chkShowLBLToolTip->setChecked(o.lblToolTip);
    m_ui.sldToolTipTransparenz->setValue(o.toolTipTransparence);
    m_ui.chkAutoMarkLast->setChecked(o.autoMarkLast);
    m_ui.chkAutoGetOnlineQuotes->setChecked(o.autoGetOnlineQuotes);
    for (QCheckBox* box : m_ui.chkMobile)
        box->setChecked(o.mobile);
    m_ui.cmdSearch->setProperty("searchDest", o.searchDest);
    m_ui.txtLstItemsBackcolor->setText(o.lstItemsBackcolor);
    m_benefitsSetting = o.benefits;
    m_ui.chkNotify->setChecked(o.notify);
    m_ui.spnParallelPages->setValue(o.parallelPages);
}

MainOptions MainWindow::gatherOptions() const
{
    MainOptions o;
    o.enhanceListbox = m_ui.cmdEnhanceListbox->property("tag").toString();
    o.bank = m_ui.cboBank->currentIndex();
    o.mainLeft = pxToTwips(pos().x());
    o.mainTop = pxToTwips(pos().y());
    o.autoCheck = m_ui.chkAutoCheck->isChecked();
    o.autoClear = m_ui.chkAutoClear->isChecked();
    o.autoRefresh = m_ui.chkAutoRefresh->isChecked();
    o.quoteColorBold = m_ui.chkAktQuoteColorBold->isChecked();
    o.maxMinChange = m_ui.txtMaxMinChange->text();
    o.markMinMaxChange = m_ui.chkMarkMinMaxChange->isChecked();
    o.realTimeRefresh = m_ui.txtRealTimeRefresh->text();
    o.tickerFile = m_listDocument->path();
    o.showAllQuotesSilent = m_ui.txt_ShowAllQuotesHintergrund->text();
    o.autoReload = autoReloadValue();
    o.history = m_session.bytHistoryChoice;
    o.tabDataIndex = m_ui.tabData->currentIndex();
    o.toolTip = m_ui.chkShowToolTip->isChecked();
    o.lblToolTip = m_ui.chkShowLBLToolTip->isChecked();
    o.toolTipTransparence = m_ui.sldToolTipTransparenz->value();
    o.autoMarkLast = m_ui.chkAutoMarkLast->isChecked();
    o.autoGetOnlineQuotes = m_ui.chkAutoGetOnlineQuotes->isChecked();
    o.mobile = !m_ui.chkMobile.isEmpty() && m_ui.chkMobile[0]->isChecked();
    o.searchDest = m_ui.cmdSearch->property("searchDest").toString();
    o.lstItemsBackcolor = m_ui.txtLstItemsBackcolor->text();
    o.notify = m_ui.chkNotify->isChecked();
    o.parallelPages = m_ui.spnParallelPages->value();
    // Until the resources list has its entries, the stored choice stands.
    const int benefits = m_ui.cboBenefits->currentIndex();
    o.benefits = benefits >= 0 ? benefits : m_benefitsSetting;
    return o;
}

void MainWindow::toggleListLayout()
{
    const ListLayout layout = listLayoutAfterClick(m_ui.cmdEnhanceListbox->property("tag").toString());
    applyListLayout(m_ui.lstItems, m_ui.cmdEnhanceListbox, layout);
    // The wide list covers the chart area.
    m_ui.chartArea->setVisible(!layout.wide);
}

void MainWindow::toggleOptionsPanel()
{
    m_ui.fraEinstellungen->setVisible(!m_ui.fraEinstellungen->isVisible());
    m_ui.cmdOptions->setChecked(m_ui.fraEinstellungen->isVisible());
    if (m_ui.cmdEnhanceListbox->property("tag").toString() == u"SMALL")
        m_ui.cmdEnhanceListbox->click();
}

void MainWindow::applyListBackground(const QString& text)
{
    const auto colour = parseListColour(text);
    if (!colour)
        return;
    QPalette palette = m_ui.lstItems->palette();
    palette.setColor(QPalette::Base, toQColor(*colour));
    m_ui.lstItems->setPalette(palette);
}

} // namespace td
