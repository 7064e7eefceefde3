#include "sidewindows/tooltipwindow.h"

#include "platform/dialogs.h"
#include "platform/programname.h"
#include "platform/services.h"
#include "platform/textfile.h"
#include "platform/twips.h"
#include "sidewindows/infolayout.h"
#include "sidewindows/infotext.h"

#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScreen>
#include <QWindow>

#include <cmath>

namespace td {

namespace {

constexpr int kImagePx = 14;
constexpr int kTextMarginPx = 2;

int toTwips(int px)
{
    return static_cast<int>(std::ceil(pxToTwips(px)));
}

QRect toPx(const QRect& twips)
{
    return {twipsToPx(twips.x()), twipsToPx(twips.y()), twipsToPx(twips.width()), twipsToPx(twips.height())};
}

QRect toTwips(const QRect& px)
{
    return {toTwips(px.x()), toTwips(px.y()), static_cast<int>(pxToTwips(px.width())),
            static_cast<int>(pxToTwips(px.height()))};
}

// A cross for closing, three bars for the menu, drawn so that every style
// shows the same.
QLabel* image(bool cross, const QString& name, const QString& accessibleName, QWidget* parent)
{
    QPixmap picture(kImagePx, kImagePx);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x40, 0x40, 0x40), 2));
    if (cross) {
        painter.drawLine(3, 3, kImagePx - 3, kImagePx - 3);
        painter.drawLine(kImagePx - 3, 3, 3, kImagePx - 3);
    } else {
        for (int y : {3, 7, 11})
            painter.drawLine(2, y, kImagePx - 2, y);
    }
    painter.end();
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setPixmap(picture);
    label->setAccessibleName(accessibleName);
    label->setCursor(Qt::PointingHandCursor);
    label->setMouseTracking(true);
    return label;
}

} // namespace

ToolTipWindow::ToolTipWindow(Services services, int alpha, int closeTicks, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint), m_services(services), m_closeTicks(closeTicks)
{
    setObjectName(QStringLiteral("frm_ToolTip"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::ApplicationModal);
    setWindowOpacity(alpha / 255.0);
    setAutoFillBackground(true);
    QPalette back = palette();
    back.setColor(QPalette::Window, QColor(0xE0, 0xE0, 0xE0));
    setPalette(back);

    m_zlbl = new QLabel(this);
    m_zlbl->setObjectName(QStringLiteral("zlbl"));
    m_zlbl->setTextFormat(Qt::PlainText);
    m_zlbl->hide();

    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("txt_Info"));
    m_text->setAccessibleName(tr("entry details"));
    m_text->setReadOnly(true);
    m_text->setFrameShape(QFrame::NoFrame);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_text->document()->setDocumentMargin(kTextMarginPx);
    QPalette textColours = m_text->palette();
    textColours.setColor(QPalette::Text, Qt::black);
    textColours.setColor(QPalette::Base, QColor(0xDA, 0xE3, 0xF2));
    m_text->setPalette(textColours);
    m_text->viewport()->installEventFilter(this);
    m_zlbl->setFont(m_text->font());

    m_dragStrip = new QLabel(this);
    m_dragStrip->setObjectName(QStringLiteral("lbl_SourceForm"));
    m_dragStrip->setAccessibleName(tr("drag the info window"));
    m_dragStrip->setCursor(Qt::SizeAllCursor);
    m_dragStrip->installEventFilter(this);

    m_close = image(true, QStringLiteral("img_systemclose"), tr("close the info window"), this);
    m_close->setToolTip(QStringLiteral("schliessen"));
    m_close->installEventFilter(this);
    m_menuImage = image(false, QStringLiteral("img_menu"), tr("info window menu"), this);
    m_menuImage->installEventFilter(this);

    for (int i = 0; i < 2; ++i) {
        auto* line = new QFrame(this);
        line->setObjectName(QStringLiteral("lne_line_%1").arg(i));
        line->setAutoFillBackground(true);
        QPalette grey = line->palette();
        grey.setColor(QPalette::Window, QColor(0x80, 0x80, 0x80));
        line->setPalette(grey);
        m_lines[i] = line;
    }
    buildContentMenu();

    m_timer1.setObjectName(QStringLiteral("Timer1"));
    m_timer1.setParent(this);
    m_timer1.setInterval(100);
    connect(&m_timer1, &QTimer::timeout, this, &ToolTipWindow::onTimer1);
}

void ToolTipWindow::buildContentMenu()
{
    m_content = new QMenu(QStringLiteral("Content"), this);
    m_content->setObjectName(QStringLiteral("mnu_content"));
    QAction* copy = m_content->addAction(QStringLiteral("Eintrag kopieren"));
    copy->setObjectName(QStringLiteral("mnu_contentcopy"));
    connect(copy, &QAction::triggered, this, &ToolTipWindow::copyEntry);
    QMenu* save = m_content->addMenu(QStringLiteral("markierte exportieren nach..."));
    save->setObjectName(QStringLiteral("mnu_contentsave"));
    QAction* text = save->addAction(QStringLiteral("text-datei"));
    text->setObjectName(QStringLiteral("mnu_contentsavetxt"));
    connect(text, &QAction::triggered, this, &ToolTipWindow::exportText);
    QAction* html = save->addAction(QStringLiteral("html-datei"));
    html->setObjectName(QStringLiteral("mnu_contentsavehtml"));
    connect(html, &QAction::triggered, this, &ToolTipWindow::exportHtml);
}

void ToolTipWindow::setEntryText(const QString& text)
{
    m_zlbl->setProperty("tag", text);
}

QString ToolTipWindow::entryText() const
{
    return m_zlbl->property("tag").toString();
}

void ToolTipWindow::setSource(const QString& marker, QWidget* focusBack)
{
    m_source = marker;
    m_focusBack = focusBack;
}

void ToolTipWindow::setPosition(QPoint twips)
{
    m_position = twips;
}

void ToolTipWindow::showEvent(QShowEvent* event)
{
    if (!m_activated) {
        m_activated = true;
        layoutAroundText();
        if (m_source == u"FRM_MAIN" && m_focusBack)
            m_focusBack->setFocus();
        m_source.clear();
        m_timer1.start();
    }
    QWidget::showEvent(event);
}

void ToolTipWindow::layoutAroundText()
{
    const QString text = entryText();
    m_text->setPlainText(text);
    // A plain-text label shows "&" as it stands, so it measures the text as shown.
    m_zlbl->setText(text);
    m_zlbl->adjustSize();
    // The images get a column right of the longest line instead of covering it.
    const int imageColumn = 2 * kImagePx + 6;
    const QSize measured = m_zlbl->size() + QSize(2 * kTextMarginPx + imageColumn, 2 * kTextMarginPx);
    m_zlbl->clear();

    const QPoint anchorPx(twipsToPx(m_position.x()), twipsToPx(m_position.y()));
    const QScreen* screen = QGuiApplication::screenAt(anchorPx);
    if (!screen)
        screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    const QRect screenTwips = screen ? toTwips(screen->availableGeometry()) : QRect(0, 0, 1 << 20, 1 << 20);
    const InfoWindowLayout layout = infoWindowLayout(
        m_position, QSize(toTwips(measured.width()), toTwips(measured.height())), screenTwips);

    setGeometry(toPx(layout.window));
    m_dragStrip->setGeometry(toPx(layout.dragStrip));
    m_text->setGeometry(toPx(layout.text));
    m_close->setGeometry(width() - kImagePx - 3, 3, kImagePx, kImagePx);
    m_menuImage->setGeometry(width() - 2 * kImagePx - 6, 3, kImagePx, kImagePx);
    m_lines[0]->setGeometry(0, 0, width(), 1);
    m_lines[1]->setGeometry(0, height() - 1, width(), 1);
    for (QWidget* w :
         {static_cast<QWidget*>(m_close), static_cast<QWidget*>(m_menuImage), m_lines[0], m_lines[1]})
        w->raise();
}

void ToolTipWindow::onTimer1()
{
    // A drag by the window system ends without telling the strip.
    if (m_dragging && QGuiApplication::mouseButtons() == Qt::NoButton) {
        m_dragging = false;
        m_touched = false;
    }
    if (m_touched) {
        m_ticks = 0;
        return;
    }
    if (++m_ticks >= m_closeTicks) {
        m_ticks = 0;
        close();
    }
}

bool ToolTipWindow::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    // Read only after the type says it is a mouse event.
    const auto* mouse = dynamic_cast<const QMouseEvent*>(event);
    if (watched == m_text->viewport() && type == QEvent::MouseButtonPress) {
        m_touched = true;
    } else if (watched == m_menuImage && (type == QEvent::MouseMove || type == QEvent::Enter)) {
        m_touched = true;
        if (!m_content->isVisible())
            m_content->popup(m_menuImage->mapToGlobal(QPoint(0, m_menuImage->height())));
    } else if (watched == m_close && type == QEvent::MouseButtonRelease &&
               mouse->button() == Qt::LeftButton) {
        close();
        return true;
    } else if (watched == m_dragStrip) {
        if (type == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton) {
            startDrag(mouse->globalPosition().toPoint());
            return true;
        }
        // Without a window-system move the strip drags the window itself.
        if (type == QEvent::MouseMove && m_dragging && (mouse->buttons() & Qt::LeftButton)) {
            move(mouse->globalPosition().toPoint() - m_dragOffset);
            return true;
        }
        if (type == QEvent::MouseButtonRelease && m_dragging) {
            m_dragging = false;
            m_touched = false;
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ToolTipWindow::startDrag(QPoint globalPosition)
{
    m_touched = true;
    m_dragging = true;
    m_dragOffset = globalPosition - pos();
    if (windowHandle())
        windowHandle()->startSystemMove();
}

void ToolTipWindow::copyEntry()
{
    // The text box shows the lines; the clipboard gets them with their CR LF.
    m_services.clipboard.setText(entryText());
}

void ToolTipWindow::exportText()
{
    exportTo(QStringLiteral("Text (*.txt)|*.txt"), encodeWindows1252(entryText() + QStringLiteral("\r\n")));
}

void ToolTipWindow::exportHtml()
{
    exportTo(QStringLiteral("HTML (*.html)|*.html"), encodeWindows1252(infoHtmlPage(entryText())));
}

void ToolTipWindow::exportTo(const QString& filter, const QByteArray& bytes)
{
    // The window may close while the dialog is open: nothing after it
    // touches the window.
    Dialogs& dialogs = m_services.dialogs;
    const std::optional<QString> path =
        dialogs.saveFile({QStringLiteral("markierte exportieren nach..."), QString(), filter});
    if (!path)
        return;
    const TextFileResult result = writeFileAtomically(*path, bytes);
    if (!result.ok)
        dialogs.message({kProgramName,
                         QStringLiteral("Die Datei\r\n   ") + *path +
                             QStringLiteral("   \r\nkonnte nicht gespeichert werden (%1).").arg(result.error),
                         DialogButtons::Ok, DialogIcon::Warning});
}

} // namespace td
