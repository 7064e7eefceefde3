// Keyboard shortcuts, names for screen readers and a font and field widths
// that keep the dense window readable.
#include "overview/progressbar.h"
#include "platform/browserpane.h"
#include "quotes/selectionflow.h"
#include "shell/mainwindow.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeView>

#include <algorithm>

namespace td {

namespace {

QShortcut* shortcut(const QKeySequence& keys, QWidget* parent, const QString& name)
{
    auto* s = new QShortcut(keys, parent);
    s->setObjectName(name);
    return s;
}

// "save the list (Ctrl+S)"
void nameKeys(QWidget* w, const QString& what, const QKeySequence& keys)
{
    w->setToolTip(what + QStringLiteral(" (") + keys.toString(QKeySequence::NativeText) + u')');
}

// The desktop's small font; the twips layout was drawn for 8 points, which
// a theme without a smaller font gets.
QFont denseFont()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::SmallestReadableFont);
    const QFont general = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    if (font.pointSizeF() > 8.0 || font.pointSizeF() <= 0) {
        font = general;
        if (general.pointSizeF() > 8.0)
            font.setPointSizeF(8.0);
    }
    return font;
}

// A text box just wide enough for `sample`, frame and margins included.
void fitFieldTo(QLineEdit* field, const QString& sample)
{
    const QMargins text = field->textMargins() + field->contentsMargins();
    // QLineEdit keeps two pixels on each side of its text.
    const int inner = field->fontMetrics().horizontalAdvance(sample) + 4 + text.left() + text.right();
    QStyleOptionFrame option;
    option.initFrom(field);
    option.lineWidth = field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, field);
    const QSize size =
        field->style()->sizeFromContents(QStyle::CT_LineEdit, &option, QSize(inner, field->height()), field);
    field->setMinimumWidth(std::max(inner, size.width()));
}

// The style gives every text button at least 80 pixels, more than the dense
// rows have room for: a button is as wide as its caption needs.
void fitButtonToCaption(QPushButton* button)
{
    const QStyle* style = button->style();
    const int needed = button->fontMetrics().horizontalAdvance(button->text()) +
                       2 * style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
                       2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
    button->setMaximumWidth(std::max(needed, button->sizeHint().height()));
}

} // namespace

void MainWindow::connectShortcuts()
{
    const QKeySequence save(QStringLiteral("Ctrl+S"));
    const QKeySequence open(QStringLiteral("Ctrl+O"));
    const QKeySequence refresh(Qt::Key_F5);
    const QKeySequence remove(Qt::Key_Delete);
    const QKeySequence quit(QStringLiteral("Ctrl+Q"));
    connect(shortcut(save, this, QStringLiteral("keySave")), &QShortcut::activated, m_ui.cmdSaveList,
            &QPushButton::click);
    connect(shortcut(open, this, QStringLiteral("keyOpen")), &QShortcut::activated, m_ui.cmdTickerFile,
            &QPushButton::click);
    connect(shortcut(refresh, this, QStringLiteral("keyRefresh")), &QShortcut::activated, m_selectionFlow,
            &SelectionFlow::refresh);
    QShortcut* del = shortcut(remove, m_ui.lstItems, QStringLiteral("keyDelete"));
    del->setContext(Qt::WidgetShortcut);
    connect(del, &QShortcut::activated, m_ui.cmdDelete, &QPushButton::click);
    // Through the close question, like the window's own close button.
    connect(shortcut(quit, this, QStringLiteral("keyQuit")), &QShortcut::activated, this, &QWidget::close);
    connect(shortcut(QKeySequence(Qt::Key_F1), this, QStringLiteral("keyAbout")), &QShortcut::activated, this,
            &MainWindow::showAboutBox);

    nameKeys(m_ui.cmdSaveList, tr("save the list"), save);
    nameKeys(m_ui.cmdTickerFile, tr("choose a list file"), open);
    nameKeys(m_ui.cmdRefresh, tr("refresh the shown entry"), refresh);
    nameKeys(m_ui.cmdDelete, tr("delete the entry"), remove);
    nameKeys(m_ui.but_Exit, tr("end the program"), quit);
}

void MainWindow::nameControls()
{
    const std::pair<QWidget*, QString> names[] = {
        {m_ui.txt_TickerFile, tr("ticker-list file")},
        {m_ui.cboSwitchTICList, tr("ticker lists")},
        {m_ui.cmdEnhanceListbox, tr("wider or narrower list")},
        {m_ui.lstItems, tr("watch list")},
        {m_ui.lblAktInfo, tr("shown entry")},
        {m_ui.picAllProgress, tr("progress")},
        {m_ui.picHandelssignal, tr("trading signal")},
        {m_ui.cboHis, tr("history span")},
        {m_ui.tabData, tr("entry data")},
        {m_ui.tabData->tabBar(), tr("entry data pages")},
        {m_ui.lstStop, tr("stop list")},
        {m_ui.but_ItemRauf, tr("move up")},
        {m_ui.but_ItemRunter, tr("move down")},
        {m_ui.but_ItemRaufZuerst, tr("move to the top")},
        {m_ui.but_ItemRaufZuletzt, tr("move to the bottom")},
        {m_ui.txtName, tr("Name")},
        {m_ui.txtTicker, tr("Ticker")},
        {m_ui.txtPlace, tr("Place")},
        {m_ui.txtDate, tr("Date of buying")},
        {m_ui.txtQuote, tr("Buying price")},
        {m_ui.txtWaehrung, tr("Currency")},
        {m_ui.txtQuantity, tr("Quantity")},
        {m_ui.txtWKN, tr("WKN")},
        {m_ui.txtISIN, tr("ISIN")},
        {m_ui.cboBenefits, tr("resources list")},
    };
    for (const auto& [widget, name] : names)
        widget->setAccessibleName(name);
    for (QLabel* symbol : std::as_const(m_ui.picHandelssignalSymbol))
        symbol->setAccessibleName(tr("trading signal symbol"));

    const std::pair<BrowserPane*, QString> panes[] = {
        {m_panes.wbrRealTimeQuote, tr("quote")},
        {m_panes.wbrRealTimeChart, tr("intraday chart")},
        {m_panes.wbrRealTimeNASDAQ, tr("Nasdaq real-time quote")},
        {m_panes.wbrHistorie, tr("history chart")},
        {m_panes.wbrTechnicalChart, tr("technical chart")},
        {m_panes.wbrHY, tr("trading signal page")},
        {m_panes.wbrRealTimeRessources, tr("resources")},
    };
    // Only the panes placed in the window have a widget to name.
    for (const auto& [pane, name] : panes) {
        if (QWidget* w = pane->widget())
            w->setAccessibleName(name);
    }
}

void MainWindow::makeReadable()
{
    m_ui.fraMain->setFont(denseFont());
    const std::pair<QLineEdit*, QString> samples[] = {
        // 20 characters in capitals, so that names in mixed case fit as well.
        {m_ui.txtName, QStringLiteral("VOLKSWAGEN VZ. AKTIE")},
        {m_ui.txtTicker, QStringLiteral("BRK.B")},
        {m_ui.txtPlace, QStringLiteral("ETR")},
        {m_ui.txtDate, QStringLiteral("31.12.2024")},
        {m_ui.txtQuote, QStringLiteral("12.345,6789")},
        {m_ui.txtWaehrung, QStringLiteral("EUR")},
        {m_ui.txtQuantity, QStringLiteral("10.000")},
        {m_ui.txtWKN, QStringLiteral("A0D9PT")},
        {m_ui.txtISIN, QStringLiteral("DE000A0D9PT0")}, // 12 characters
    };
    for (const auto& [field, sample] : samples)
        fitFieldTo(field, sample);
    const QList<QPushButton*> buttons = m_ui.fraMain->findChildren<QPushButton*>();
    for (QPushButton* button : buttons) {
        // Widths set on purpose stay.
        if (button->minimumWidth() == 0)
            fitButtonToCaption(button);
    }
    // A long entry text is cut off rather than widening the list's column.
    m_ui.lblAktInfo->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

} // namespace td
