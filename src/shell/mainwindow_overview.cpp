// The main window's overview commands, its preview windows and their list.
#include "overview/overviewcommands.h"
#include "overview/previewwindow.h"
#include "platform/amount.h"
#include "platform/browserpane.h"
#include "platform/eventpump.h"
#include "platform/panefactory.h"
#include "quotes/selectionflow.h"
#include "quotes/statuspages.h"
#include "shell/buttons.h"
#include "shell/mainwindow.h"
#include "sidewindows/windowlist.h"
#include "sites/resourcepane.h"
#include "watchlist/watchlistmodel.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>
#include <QTreeView>
#include <QVBoxLayout>

#include <functional>

namespace td {

namespace {

constexpr int kWindowIdRole = Qt::UserRole;

// Runs a handler on the mouse-up of a widget, with the button.
class MouseUpFilter : public QObject
{
public:
    MouseUpFilter(QObject* parent, std::function<void(Qt::MouseButton)> handler)
        : QObject(parent), m_handler(std::move(handler))
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonRelease)
            m_handler(static_cast<QMouseEvent*>(event)->button());
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void(Qt::MouseButton)> m_handler;
};

} // namespace

void MainWindow::buildOverviewControls()
{
    const QString charts = QStringLiteral("|\\/''");
    for (int i = 0; i < 2; ++i)
        m_ui.cmdGo << button(QStringLiteral("cmdGo_%1").arg(i), charts, this,
                             QStringLiteral("show all charts in new window"));
    m_ui.cmdBenchmark =
        button(QStringLiteral("cmdBenchmark"), QStringLiteral("+|-"), this, QStringLiteral("benchmark"));
    m_ui.cmdFV = button(QStringLiteral("cmdFV"), QStringLiteral("fv"), this);
    m_ui.cmdShowIndex = button(QStringLiteral("cmdShowIndex"), {}, this);
    m_ui.cmdShowIndex->setIcon(style()->standardIcon(QStyle::SP_DesktopIcon));
    m_ui.cmdShowIndex->setAccessibleName(tr("small index window"));
    m_ui.cmdValueOnly = button(QStringLiteral("cmdValueOnly"), QStringLiteral("val"), this,
                               QStringLiteral("show only own values"));
    m_ui.cmdValueOnly->setProperty("tag", kValueOnlyStartTag);

    m_ui.fraHTMWindows = new QFrame(this);
    m_ui.fraHTMWindows->setObjectName(QStringLiteral("fraHTMWindows"));
    auto* row = new QHBoxLayout(m_ui.fraHTMWindows);
    row->setContentsMargins(0, 0, 0, 0);
    m_ui.lstHTMWindows = new QListWidget(m_ui.fraHTMWindows);
    m_ui.lstHTMWindows->setObjectName(QStringLiteral("lstHTMWindows"));
    m_ui.lstHTMWindows->setAccessibleName(tr("open preview windows"));
    m_ui.lstHTMWindows->setFixedHeight(m_ui.lstHTMWindows->fontMetrics().height() * 3 + 6);
    const QStringList arrows{QStringLiteral("\u25C0"), QStringLiteral("\u25B6")};
    const QStringList names{tr("previous window"), tr("next window")};
    for (int i = 0; i < 2; ++i) {
        auto* label = new QLabel(arrows[i], m_ui.fraHTMWindows);
        label->setObjectName(QStringLiteral("lblHTMWindowNavi_%1").arg(i));
        label->setAccessibleName(names[i]);
        label->setCursor(Qt::PointingHandCursor);
        label->installEventFilter(
            new MouseUpFilter(label, [this, i](Qt::MouseButton) { stepWindowList(i); }));
        m_ui.lblHTMWindowNavi << label;
    }
    row->addWidget(m_ui.lblHTMWindowNavi[0]);
    row->addWidget(m_ui.lstHTMWindows, 1);
    row->addWidget(m_ui.lblHTMWindowNavi[1]);
    m_ui.fraHTMWindows->hide();
}

void MainWindow::connectOverview()
{
    for (int i = 0; i < m_ui.cmdGo.size(); ++i)
        connect(m_ui.cmdGo[i], &QPushButton::clicked, this, [this, i] { pressChartOverview(i); });
    connect(m_ui.cmdBenchmark, &QPushButton::clicked, this, &MainWindow::pressBenchmark);
    connect(m_ui.cmdFV, &QPushButton::clicked, this, &MainWindow::pressFinViz);
    connect(m_ui.cmdShowIndex, &QPushButton::clicked, this, &MainWindow::pressShowIndex);
    connect(m_ui.cmdValueOnly, &QPushButton::clicked, this, &MainWindow::pressValueOnly);
    m_ui.lstHTMWindows->viewport()->installEventFilter(
        new MouseUpFilter(m_ui.lstHTMWindows, [this](Qt::MouseButton b) { onWindowListMouseUp(b); }));
}

void MainWindow::pressChartOverview(int button)
{
    const WatchListModel& list = button == 1 ? *m_stop : *m_items;
    fillChartSelection(m_session.selection, list.entries(), OverviewCommand::Charts);
    openPreviewWindow(overviewKind(OverviewCommand::Charts));
}

void MainWindow::pressBenchmark()
{
    fillChartSelection(m_session.selection, m_items->entries(), OverviewCommand::Benchmark);
    openPreviewWindow(overviewKind(OverviewCommand::Benchmark));
}

void MainWindow::pressFinViz()
{
    fillChartSelection(m_session.selection, m_items->entries(), OverviewCommand::FinViz);
    openPreviewWindow(overviewKind(OverviewCommand::FinViz));
}

void MainWindow::pressShowIndex()
{
    if (m_windows.firstOfKind(kIndexWindowKind))
        return;
    clearIndexWindowSymbol(m_session.selection);
    openPreviewWindow(kIndexWindowKind);
}

// Start-up opens it as it is: the selection of the loaded list stays.
void MainWindow::openIndexWindow()
{
    if (!m_windows.firstOfKind(kIndexWindowKind))
        openPreviewWindow(kIndexWindowKind);
}

void MainWindow::pressValueOnly()
{
    const QString tag = m_ui.cmdValueOnly->property("tag").toString();
    const QColor colour =
        valueOnlyGreys(tag) ? toQColor(kValueOnlyGrey) : QApplication::palette().color(QPalette::WindowText);
    for (int row = 0; row < m_items->size(); ++row)
        if (isValueOnlyTarget(m_items->entry(row)))
            m_items->setNameColour(row, colour);
    m_ui.cmdValueOnly->setProperty("tag", nextValueOnlyTag(tag));
}

// The double click's chart: the bank's search for the selection's symbol in
// the resources pane.
// Quick go: the instrument of the edit fields, with the tabs that load by
// themselves.
void MainWindow::openPreviewWindow()
{
    openPreviewWindow(QString());
}

void MainWindow::openPreviewWindow(const QString& kind)
{
    PreviewSetup setup;
    setup.kind = kind;
    setup.selection = m_session.selection;
    setup.overview.tickerFilePath = m_listDocument->path();
    setup.overview.bank = m_ui.cboBank->currentIndex();
    setup.overview.iHistoryMonths = m_session.iHistoryMonths;
    setup.overview.reloadText = m_ui.txtAutoReload->text();
    setup.overview.sAutoReload = autoReloadValue();
    setup.htmlFrame = m_state.htmlFrame;
    setup.programDir = m_platform.programDir;
    setup.iHistoryMonths = m_session.iHistoryMonths;
    setup.pageTimeoutMs = pageTimeoutMs(m_platform.settings);
    auto* window = new PreviewWindow(
        std::move(setup), {m_platform.settings, m_platform.hosts, m_platform.dialogs, m_platform.panes},
        *this);
    m_windows.add(window, kind);
    window->show();
}

void MainWindow::closePreviewWindows()
{
    for (QWidget* w : m_windows.windows()) {
        w->close();
        if (auto* preview = qobject_cast<PreviewWindow*>(w); preview && !preview->isWaiting())
            delete preview;
    }
}

QWidget* MainWindow::previewWindowOf(int windowId) const
{
    for (QWidget* w : m_windows.windows())
        if (auto* preview = qobject_cast<PreviewWindow*>(w); preview && preview->windowId() == windowId)
            return preview;
    return nullptr;
}

QString MainWindow::autoReloadText() const
{
    return m_ui.txtAutoReload->text();
}

QString MainWindow::autoReloadValue() const
{
    // The box's number as decimal text, as the settings and the pages keep it.
    return QString::number(leadingNumber(m_ui.txtAutoReload->text()), 'g', 15);
}

QList<WatchEntry> MainWindow::watchEntries() const
{
    return m_items->entries();
}

quint64 MainWindow::lastSelectedEntry() const
{
    return m_items->idAt(m_session.iSelectedIndex - 1);
}

void MainWindow::selectEntryForPreview(quint64 entryId)
{
    const int row = m_items->rowOfId(entryId);
    if (row < 0)
        return;
    const QModelIndex index = m_items->index(row, ColName);
    m_ui.lstItems->setCurrentIndex(index);
    m_ui.lstItems->scrollTo(index);
    m_selectionFlow->vSelectItem(1);
}

QString MainWindow::resourcesAddress() const
{
    return m_panes.wbrRealTimeRessources->locationUrl();
}

void MainWindow::addWindowEntry(int windowId, const QString& caption)
{
    auto* item = new QListWidgetItem(caption, m_ui.lstHTMWindows);
    item->setData(kWindowIdRole, windowId);
    m_ui.fraHTMWindows->show();
}

void MainWindow::updateWindowEntry(int windowId, const QString& caption)
{
    for (int i = 0; i < m_ui.lstHTMWindows->count(); ++i) {
        QListWidgetItem* item = m_ui.lstHTMWindows->item(i);
        if (item->data(kWindowIdRole).toInt() == windowId) {
            item->setText(caption);
            m_ui.lstHTMWindows->setCurrentItem(item);
            m_ui.lstHTMWindows->scrollToItem(item);
            return;
        }
    }
}

int MainWindow::removeWindowEntry(int windowId)
{
    for (int i = m_ui.lstHTMWindows->count() - 1; i >= 0; --i)
        if (m_ui.lstHTMWindows->item(i)->data(kWindowIdRole).toInt() == windowId)
            delete m_ui.lstHTMWindows->takeItem(i);
    const int left = m_ui.lstHTMWindows->count();
    m_ui.fraHTMWindows->setVisible(left > 0);
    return left;
}

void MainWindow::restoreMobileOption()
{
    const QString stored = m_platform.settings.read(QStringLiteral("Mobile"), QStringLiteral("0"));
    const bool on = !stored.isEmpty() && stored != u"0";
    for (QCheckBox* box : m_ui.chkMobile)
        box->setChecked(on);
}

void MainWindow::stepWindowList(int index)
{
    QListWidget* list = m_ui.lstHTMWindows;
    const int row = windowListStep(static_cast<WindowListStep>(index), list->currentRow(), list->count());
    if (row < 0)
        return;
    list->setCurrentRow(row);
    list->scrollToItem(list->item(row));
    onWindowListMouseUp(Qt::LeftButton);
}

void MainWindow::onWindowListMouseUp(Qt::MouseButton button)
{
    QListWidgetItem* item = m_ui.lstHTMWindows->currentItem();
    if (!item)
        return;
    QWidget* window = previewWindowOf(item->data(kWindowIdRole).toInt());
    if (!window) {
        // Its window has gone without saying so: the entry is stale.
        delete m_ui.lstHTMWindows->takeItem(m_ui.lstHTMWindows->row(item));
        m_ui.fraHTMWindows->setVisible(m_ui.lstHTMWindows->count() > 0);
        return;
    }
    if (button == Qt::RightButton) {
        window->close();
    } else if (button == Qt::LeftButton) {
        window->showNormal();
        window->raise();
        window->activateWindow();
    }
}

} // namespace td
