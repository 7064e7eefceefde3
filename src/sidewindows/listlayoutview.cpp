#include "sidewindows/listlayoutview.h"

#include "platform/twips.h"
#include "sidewindows/listcolumns.h"

#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionHeader>
#include <QStyleOptionViewItem>
#include <QTreeView>

#include <cmath>

namespace td {

namespace {

// Names keep at least this much, cut off or not.
constexpr int kMinNameTwips = 900;

// What the view's delegate asks for a cell with `text`, margins and all.
int cellWidthTwips(const QTreeView* list, const QString& text)
{
    QStyleOptionViewItem option;
    option.initFrom(list);
    option.font = list->font();
    option.font.setBold(true);
    option.fontMetrics = QFontMetrics(option.font);
    option.text = text;
    option.features = QStyleOptionViewItem::HasDisplay;
    option.displayAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    const int px = list->style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), list).width();
    return static_cast<int>(std::ceil(pxToTwips(px)));
}

// What the header needs to show a column's caption whole, sort arrow aside.
int headerWidthTwips(const QHeaderView* header, int column)
{
    QStyleOptionHeader option;
    option.initFrom(header);
    option.orientation = Qt::Horizontal;
    option.text = header->model()->headerData(column, Qt::Horizontal).toString();
    option.fontMetrics = header->fontMetrics();
    const int px =
        header->style()->sizeFromContents(QStyle::CT_HeaderSection, &option, QSize(), header).width();
    return static_cast<int>(std::ceil(pxToTwips(px)));
}

} // namespace

void applyListLayout(QTreeView* list, QPushButton* layoutButton, const ListLayout& layout)
{
    list->hide();
    const int widthPx = twipsToPx(layout.listWidth);
    list->setFixedWidth(widthPx);
    const int chrome = 2 * list->frameWidth() + list->verticalScrollBar()->sizeHint().width();
    ColumnNeeds needs{cellWidthTwips(list, QStringLiteral("-100,00")),
                      cellWidthTwips(list, QStringLiteral("-10.000,00")),
                      {}};
    for (int c = 0; c < ColumnCount; ++c)
        needs.header[c] = headerWidthTwips(list->header(), c);
    const int availableTwips = static_cast<int>(std::floor(pxToTwips(widthPx - chrome)));
    const ColumnWidths widths = listColumnWidths(layout, needs, availableTwips, kMinNameTwips);
    for (int c = 0; c < ColumnCount; ++c) {
        // The header keeps a column at its minimum section size, so a sliver
        // would show a cut-off figure: it is hidden instead.
        list->setColumnHidden(c, widths[c] <= kSliverTwips);
        if (widths[c] > kSliverTwips)
            list->setColumnWidth(c, twipsToPx(widths[c]));
    }
    layoutButton->setProperty("tag", layout.tag);
    layoutButton->setText(layout.caption);
    list->show();
}

} // namespace td
