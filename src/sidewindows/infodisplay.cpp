#include "sidewindows/infodisplay.h"

#include "platform/eventpump.h"
#include "platform/services.h"
#include "platform/twips.h"
#include "platform/windowregistry.h"
#include "quotes/batchcheck.h"
#include "sidewindows/infolayout.h"
#include "sidewindows/infotext.h"
#include "watchlist/watchlistmodel.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QSlider>
#include <QTreeView>

#include <algorithm>
#include <cmath>

namespace td {

namespace {

constexpr int kTextMarginPx = 1;

int toTwips(int px)
{
    return static_cast<int>(std::ceil(pxToTwips(px)));
}

QRect toPx(const QRect& twips)
{
    return {twipsToPx(twips.x()), twipsToPx(twips.y()), twipsToPx(twips.width()), twipsToPx(twips.height())};
}

} // namespace

InfoDisplay::InfoDisplay(const Controls& controls, const Context& context, QObject* parent)
    : QObject(parent), m_ui(controls), m_ctx(context)
{
    m_infoAlpha = m_ui.sldToolTipTransparenz->value();
    connect(m_ui.sldToolTipTransparenz, &QSlider::valueChanged, this,
            [this](int value) { m_infoAlpha = value; });
    m_ui.lstItems->setMouseTracking(true);
    m_ui.lstItems->viewport()->setMouseTracking(true);
    m_ui.lstItems->viewport()->installEventFilter(this);
    buildHoverBox(m_ui.hoverParent);
}

void InfoDisplay::buildHoverBox(QWidget* parent)
{
    m_fraToolTip = new QFrame(parent);
    m_fraToolTip->setObjectName(QStringLiteral("fraToolTip"));
    m_fraToolTip->setFrameShape(QFrame::Box);
    m_fraToolTip->setAutoFillBackground(true);
    m_fraToolTip->setBackgroundRole(QPalette::ToolTipBase);
    m_fraToolTip->hide();

    m_picI = new QLabel(m_fraToolTip);
    m_picI->setObjectName(QStringLiteral("picI"));
    m_picI->setAutoFillBackground(true);
    QPalette strip = m_picI->palette();
    strip.setColor(QPalette::Window, QColor(0x6E, 0x8C, 0xB4));
    m_picI->setPalette(strip);
    m_lblToolTipHidden = new QLabel(m_fraToolTip);
    m_lblToolTipHidden->setObjectName(QStringLiteral("lblToolTipHidden"));
    m_lblToolTipHidden->hide();
    m_lblToolTip = new QLabel(m_fraToolTip);
    m_lblToolTip->setObjectName(QStringLiteral("lblToolTip"));
    m_lblToolTip->setTextFormat(Qt::PlainText);
    m_lblToolTip->hide();

    m_txttooltip = new QPlainTextEdit(m_fraToolTip);
    m_txttooltip->setObjectName(QStringLiteral("txttooltip"));
    m_txttooltip->setAccessibleName(tr("short entry details"));
    m_txttooltip->setReadOnly(true);
    m_txttooltip->setFocusPolicy(Qt::NoFocus);
    m_txttooltip->setFrameShape(QFrame::NoFrame);
    m_txttooltip->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_txttooltip->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_txttooltip->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_txttooltip->document()->setDocumentMargin(kTextMarginPx);
    m_txttooltip->setBackgroundRole(QPalette::ToolTipBase);
    m_txttooltip->viewport()->setMouseTracking(true);
    m_txttooltip->viewport()->installEventFilter(this);
    m_lblToolTip->setFont(m_txttooltip->font());
}

InfoDisplay::HitTest InfoDisplay::tHitTest(QPointF twips) const
{
    const QPoint px(twipsToPx(twips.x()), twipsToPx(twips.y()));
    const QModelIndex index = m_ui.lstItems->indexAt(px);
    if (!index.isValid())
        return {};
    return {index.row(), index.column()};
}

QPoint InfoDisplay::lastPositionPx() const
{
    return {twipsToPx(m_last.x()), twipsToPx(m_last.y())};
}

bool InfoDisplay::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseMove) {
        if (watched == m_ui.lstItems->viewport())
            onListMouseMove(static_cast<QMouseEvent*>(event)->position().toPoint());
        else if (watched == m_txttooltip->viewport())
            hideHoverBox();
    }
    return QObject::eventFilter(watched, event);
}

void InfoDisplay::onListMouseMove(QPoint position)
{
    // Events run below; a move arriving meanwhile would start over.
    if (m_ctx.batch.isRunning() || m_inMouseMove)
        return;
    m_inMouseMove = true;
    QTreeView* list = m_ui.lstItems;
    m_last = QPointF(pxToTwips(position.x()), pxToTwips(position.y()));
    const QModelIndex under = list->indexAt(position);
    if (under.isValid() && under.row() != list->currentIndex().row())
        list->setCurrentIndex(under);
    letEventsRun();

    const HitTest hit = tHitTest(m_last);
    if (m_ui.chkShowLBLToolTip->isChecked() && hit.row >= 0 && hit.row < m_ctx.items.size())
        showHoverBox(hit.row);
    else
        hideHoverBox();
    m_inMouseMove = false;
}

void InfoDisplay::showHoverBox(int row)
{
    m_lblToolTip->setText(hoverText(m_ctx.items.entry(row), m_ctx.clock.now()));
    m_lblToolTip->adjustSize();
    const QSize measured = m_lblToolTip->size() + QSize(2 * kTextMarginPx, 2 * kTextMarginPx);
    const HoverBoxLayout layout =
        hoverBoxLayout(m_last, QSize(toTwips(measured.width()), toTwips(measured.height())));

    // The layout is relative to the list; the box lies on the window, inside it.
    QRect box = toPx(layout.box);
    box.translate(m_ui.lstItems->viewport()->mapTo(m_fraToolTip->parentWidget(), QPoint(0, 0)));
    const QSize room = m_fraToolTip->parentWidget()->size();
    box.moveLeft(std::max(0, std::min(box.left(), room.width() - box.width())));
    box.moveTop(std::max(0, std::min(box.top(), room.height() - box.height())));
    m_fraToolTip->setGeometry(box);
    m_picI->setGeometry(toPx(layout.colourStrip));
    m_lblToolTipHidden->setGeometry(toPx(layout.hiddenLabel));
    m_txttooltip->setGeometry(toPx(layout.text));
    m_txttooltip->setPlainText(m_lblToolTip->text());
    m_lblToolTip->clear();
    m_fraToolTip->show();
    m_fraToolTip->raise();
}

void InfoDisplay::hideHoverBox()
{
    m_fraToolTip->hide();
}

void InfoDisplay::onItemClick(Qt::MouseButton button, QPoint position)
{
    if (m_ui.cmdDownloadEXE)
        m_ui.cmdDownloadEXE->hide();
    const int row = m_ui.lstItems->currentIndex().row();
    if (button != Qt::LeftButton || m_ctx.batch.isRunning() || !m_ui.chkShowToolTip->isChecked() || row < 0 ||
        row >= m_ctx.items.size()) {
        emit listMouseUpDue(button, position);
        return;
    }
    letEventsRun();
    closeInfoWindow();
    letEventsRun();
    // Events ran: the entry may have gone meanwhile.
    if (row >= m_ctx.items.size()) {
        emit listMouseUpDue(button, position);
        return;
    }

    auto* window = new ToolTipWindow(m_ctx.services, m_infoAlpha, m_ctx.infoDisplayLimit, m_ui.hoverParent);
    window->setEntryText(infoText(m_ctx.items.entry(row), m_ctx.clock.now()));
    window->setSource(QStringLiteral("FRM_MAIN"), m_ui.lstItems);
    const QPoint listOrigin = m_ui.lstItems->viewport()->mapToGlobal(QPoint(0, 0));
    const QPoint windowOrigin = m_ui.hoverParent->mapToGlobal(QPoint(0, 0));
    window->setPosition(
        infoWindowAnchor(QPoint(qRound(pxToTwips(listOrigin.x())), qRound(pxToTwips(windowOrigin.y()))),
                         qRound(pxToTwips(listOrigin.y() - windowOrigin.y())), m_last));
    m_infoWindow = window;
    m_ctx.windows.add(window, kInfoWindowKind);
    // The window is modal: the list's mouse-up waits for it to close.
    connect(
        window, &QObject::destroyed, this,
        [this] {
            letEventsRun();
            emit listMouseUpDue(Qt::LeftButton, lastPositionPx());
        },
        Qt::QueuedConnection);
    window->show();
}

void InfoDisplay::closeInfoWindow()
{
    if (m_infoWindow)
        m_infoWindow->close();
}

} // namespace td
