// The preview window's controls and its tab panes.
#include "overview/previewwindow.h"

#include "overview/overviewcommands.h"
#include "platform/browserpane.h"
#include "platform/panefactory.h"
#include "platform/twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

namespace td {

namespace {

QLabel* iconLabel(const QString& name, const QString& accessible, QStyle::StandardPixmap icon,
                  QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setAccessibleName(accessible);
    label->setToolTip(accessible);
    label->setPixmap(parent->style()->standardIcon(icon).pixmap(12, 12));
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

} // namespace

void PreviewWindow::buildUi()
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    // The rolled-up index window is smaller than its widgets would allow.
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    if (m_indexWindow)
        buildTitleStrip(layout);

    topRow = new QWidget(this);
    auto* row = new QHBoxLayout(topRow);
    row->setContentsMargins(2, 2, 2, 0);
    cboStocks = new QComboBox(topRow);
    cboStocks->setObjectName(QStringLiteral("cboStocks"));
    cboStocks->setEditable(true);
    cboStocks->setInsertPolicy(QComboBox::NoInsert);
    cboStocks->setMinimumContentsLength(24);
    txtURL = new QLineEdit(topRow);
    txtURL->setObjectName(QStringLiteral("txtURL"));
    txtURL->setAccessibleName(tr("address"));
    cmdURLRefresh = new QPushButton(QStringLiteral("go"), topRow);
    cmdURLRefresh->setObjectName(QStringLiteral("cmdURLRefresh"));
    chkNAS = new QCheckBox(QStringLiteral("NAS"), topRow);
    chkNAS->setObjectName(QStringLiteral("chkNAS"));
    row->addWidget(cboStocks);
    row->addWidget(txtURL, 1);
    row->addWidget(cmdURLRefresh);
    row->addWidget(chkNAS);
    layout->addWidget(topRow);

    buildTabs();
    layout->addWidget(tabSites, 1);

    m_webBrowser1 = m_services.panes.create(QStringLiteral("WebBrowser1"), PaneKind::Display, this);
    // The index window places its pane itself, below the title strip.
    if (!m_indexWindow) {
        layout->addWidget(m_webBrowser1->widget(), 1);
    } else {
        m_webBrowser1->widget()->setParent(this);
        layout->addStretch(1);
    }
    connect(m_webBrowser1, &BrowserPane::downloadComplete, this, [this] {
        m_webBrowser1->setTag({});
        txtURL->setText(m_webBrowser1->locationUrl());
    });

    connect(cboStocks, &QComboBox::activated, this, &PreviewWindow::onChooserPicked);
    connect(cboStocks->lineEdit(), &QLineEdit::returnPressed, this, &PreviewWindow::onChooserTyped);
    connect(chkNAS, &QCheckBox::clicked, this, &PreviewWindow::onNasFilter);
    connect(cmdURLRefresh, &QPushButton::clicked, this, &PreviewWindow::onGo);
    connect(txtURL, &QLineEdit::returnPressed, this, &PreviewWindow::onGo);
}

void PreviewWindow::buildTitleStrip(QVBoxLayout* layout)
{
    titleStrip = new QWidget(this);
    titleStrip->setObjectName(QStringLiteral("titleStrip"));
    titleStrip->setAutoFillBackground(true);
    QPalette strip = titleStrip->palette();
    strip.setColor(QPalette::Window, QColor(0x1c, 0x3f, 0x7a));
    strip.setColor(QPalette::WindowText, Qt::white);
    titleStrip->setPalette(strip);
    auto* row = new QHBoxLayout(titleStrip);
    row->setContentsMargins(2, 0, 2, 0);
    row->setSpacing(2);
    imgTop = new QLabel(titleStrip);
    imgTop->setObjectName(QStringLiteral("imgTop"));
    imgTop->setPixmap(style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(12, 12));
    Label4 = new QLabel(kIndicesSmallWindow, titleStrip);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setProperty("tag", kRollDownTag);
    Label4->setCursor(Qt::SizeAllCursor);
    img_systemhide = iconLabel(QStringLiteral("img_systemhide"), tr("roll up or down"),
                               QStyle::SP_TitleBarShadeButton, titleStrip);
    img_systemclose =
        iconLabel(QStringLiteral("img_systemclose"), tr("close"), QStyle::SP_TitleBarCloseButton, titleStrip);
    row->addWidget(imgTop);
    row->addWidget(Label4, 1);
    row->addWidget(img_systemhide);
    row->addWidget(img_systemclose);
    for (QWidget* w : {static_cast<QWidget*>(Label4), static_cast<QWidget*>(img_systemhide),
                       static_cast<QWidget*>(img_systemclose)})
        w->installEventFilter(this);
    titleStrip->setFixedHeight(twipsToPx(180));
    layout->addWidget(titleStrip);
}

void PreviewWindow::buildTabs()
{
    tabSites = new QTabWidget(this);
    tabSites->setObjectName(QStringLiteral("tabSites"));
    const QStringList captions = tabCaptions(-1);
    for (int k = 0; k < kTabCount; ++k) {
        Tab& tab = m_tabs[k];
        tab.page = new QWidget(tabSites);
        auto* column = new QVBoxLayout(tab.page);
        column->setContentsMargins(0, 0, 0, 0);
        auto* row = new QHBoxLayout;
        tab.chkLoad = new QCheckBox(tr("load automatically"), tab.page);
        tab.chkLoad->setObjectName(QStringLiteral("chkLoad_%1").arg(k));
        row->addWidget(tab.chkLoad);
        if (k == kComdirectTab) {
            cmdHist = new QPushButton(QStringLiteral("hist"), tab.page);
            cmdHist->setObjectName(QStringLiteral("cmdHist"));
            connect(cmdHist, &QPushButton::clicked, this, &PreviewWindow::onHist);
            row->addWidget(cmdHist);
        } else if (k == kFinvizTab) {
            cmdFinVizAll = new QPushButton(QStringLiteral("all"), tab.page);
            cmdFinVizAll->setObjectName(QStringLiteral("cmdFinVizAll"));
            connect(cmdFinVizAll, &QPushButton::clicked, this, &PreviewWindow::onFinVizAll);
            row->addWidget(cmdFinVizAll);
        }
        row->addStretch(1);
        column->addLayout(row);
        tabSites->addTab(tab.page, captions[k]);
    }
    // A pane is made when its tab is first shown or loads, not before.
    connect(tabSites, &QTabWidget::currentChanged, this, [this](int k) {
        if (k >= 0 && isVisible())
            ensureTabPane(k);
    });
    connect(tabSites, &QTabWidget::tabBarClicked, this, &PreviewWindow::onTabClicked);
}

BrowserPane& PreviewWindow::ensureTabPane(int k)
{
    Tab& tab = m_tabs[k];
    if (!tab.pane) {
        tab.pane = m_services.panes.create(QStringLiteral("webTab_%1").arg(k), PaneKind::Display, this);
        tab.pane->setSilent(true);
        tab.page->layout()->addWidget(tab.pane->widget());
        connect(tab.pane, &BrowserPane::documentComplete, this,
                [this, k](const QString& url) { onTabComplete(k, url); });
    }
    return *tab.pane;
}

} // namespace td
