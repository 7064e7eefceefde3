#include "sidewindows/listlayoutview.h"

#include "platform/twips.h"
#include "sidewindows/listcolumns.h"

#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTreeView>

#include <cmath>

namespace td {

namespace {

// Names keep at least this much, cut off or not.
constexpr int kMinNameTwips = 900;

// What the view's delegate asks for a figure cell: text, margins and all.
int figureWidthPx(const QTreeView* list)
{
    QStyleOptionViewItem option;
    option.initFrom(list);
    option.font = list->font();
    option.font.setBold(true);
    option.fontMetrics = QFontMetrics(option.font);
    option.text = QStringLiteral("-100,00");
    option.features = QStyleOptionViewItem::HasDisplay;
    option.displayAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    return list->style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), list).width();
}

} // namespace

void applyListLayout(QTreeView* list, QPushButton* layoutButton, const ListLayout& layout)
{
    list->hide();
    const int widthPx = twipsToPx(layout.listWidth);
    list->setFixedWidth(widthPx);
    const int chrome = 2 * list->frameWidth() + list->verticalScrollBar()->sizeHint().width();
    const int figureTwips = static_cast<int>(std::ceil(pxToTwips(figureWidthPx(list))));
    const int availableTwips = static_cast<int>(std::floor(pxToTwips(widthPx - chrome)));
    const ColumnWidths widths = listColumnWidths(layout, figureTwips, availableTwips, kMinNameTwips);
    for (int c = 0; c < ColumnCount; ++c) {
        list->setColumnHidden(c, widths[c] == 0);
        if (widths[c] > 0)
            list->setColumnWidth(c, twipsToPx(widths[c]));
    }
    layoutButton->setProperty("tag", layout.tag);
    layoutButton->setText(layout.caption);
    list->show();
}

} // namespace td
