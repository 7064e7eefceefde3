#include "sidewindows/extendedpane.h"

#include "platform/twips.h"
#include "sidewindows/panelayout.h"

#include <QLayout>
#include <QPushButton>
#include <QTreeView>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace td {

namespace {
const QString kTag = QStringLiteral("tag");
// Below this window height the pane below the list has no room.
constexpr int kShowsFromTwips = 7400;
} // namespace

ExtendedPane::ExtendedPane(const Controls& controls, QObject* parent) : QObject(parent), m_ui(controls)
{
    if (QLayout* layout = m_ui.window->layout())
        layout->removeWidget(m_ui.resourcesPane);
    connect(m_ui.cmdFullBrowser, &QPushButton::clicked, this, &ExtendedPane::vFullBrowser);
    connect(m_ui.cmdCloseExtended, &QPushButton::clicked, this, &ExtendedPane::vCloseExtended);
}

int ExtendedPane::windowHeightTwips() const
{
    return static_cast<int>(std::lround(pxToTwips(m_ui.window->height())));
}

int ExtendedPane::listTopTwips() const
{
    return static_cast<int>(std::lround(pxToTwips(m_ui.lstItems->mapTo(m_ui.window, QPoint(0, 0)).y())));
}

bool ExtendedPane::isOverList() const
{
    return m_ui.cmdFullBrowser->property("tag").toString() == u"BIG";
}

void ExtendedPane::vFullBrowser()
{
    const ResourcesPaneLayout layout =
        fullBrowserStep(m_ui.cmdFullBrowser->property("tag").toString(), windowHeightTwips(), listTopTwips());
    m_ui.cmdFullBrowser->setProperty("tag", layout.tag);
    m_ui.cmdFullBrowser->setText(layout.caption);
    apply(layout, false);
}

void ExtendedPane::vCloseExtended()
{
    m_ui.cmdFullBrowser->setProperty("tag", QStringLiteral("BIG"));
    vFullBrowser();
    m_ui.window->resize(m_ui.window->width(), twipsToPx(kMainMinHeight));
}

void ExtendedPane::followWindowHeight()
{
    // The tag names the size the pane has now; the step towards the other
    // one gives the geometry of this one.
    const bool over = isOverList();
    if (!over && windowHeightTwips() <= kShowsFromTwips) {
        m_ui.resourcesPane->hide();
        return;
    }
    apply(fullBrowserStep(over ? QStringLiteral("SMALL") : QStringLiteral("BIG"), windowHeightTwips(),
                          listTopTwips()),
          over);
}

void ExtendedPane::apply(const ResourcesPaneLayout& layout, bool keepTop)
{
    for (QWidget* button : std::as_const(m_ui.listButtons))
        button->setVisible(layout.listButtonsVisible);
    QWidget* pane = m_ui.resourcesPane;
    const int left = twipsToPx(layout.left);
    // Below the list the pane starts where the fixed part of the window ends.
    int top = layout.overList ? twipsToPx(layout.top) : m_ui.fixedPart->geometry().bottom() + 1;
    if (keepTop && pane->isVisible())
        top = pane->y();
    const int bottom = std::min(top + twipsToPx(layout.height), m_ui.window->height());
    pane->setGeometry(left, top, m_ui.window->width() - 2 * left, std::max(0, bottom - top));
    pane->setVisible(pane->height() > 0 && (layout.overList || windowHeightTwips() > kShowsFromTwips));
    if (layout.overList)
        pane->raise();
}

} // namespace td
