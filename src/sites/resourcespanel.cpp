#include "sites/resourcespanel.h"

#include "platform/browserpane.h"
#include "platform/eventpump.h"
#include "platform/services.h"
#include "platform/twips.h"
#include "quotes/statuspages.h"
#include "session/session.h"
#include "sites/resourcepane.h"
#include "sites/sitecatalogue.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>

namespace td {

ResourcesPanel::ResourcesPanel(const Controls& controls, const Services& services, const Session& session,
                               QObject* parent)
    : QObject(parent), m_ui(controls), m_pane(services.pane), m_hosts(services.hosts),
      m_clock(services.clock), m_session(session)
{
    auto* group = new QActionGroup(m_ui.mnuSearch);
    group->setExclusive(true);
    for (const SearchDestination& d : searchDestinations()) {
        QAction* item = m_ui.mnuSearch->addAction(d.name);
        item->setObjectName(d.menuItem);
        item->setCheckable(true);
        group->addAction(item);
        const QString name = d.name;
        connect(item, &QAction::triggered, this, [this, name] { chooseDestination(name); });
    }
    m_ui.imgsearch->setToolTip(kSearchImageToolTip);
    m_ui.lblTA->setToolTip(kTechnicalChartToolTip);
    m_ui.lblRes->setToolTip(kResourceLabelToolTip);
    for (QObject* watched : {static_cast<QObject*>(m_ui.txtQuickName), static_cast<QObject*>(m_ui.imgsearch),
                             static_cast<QObject*>(m_ui.lblTA), static_cast<QObject*>(m_ui.lblRes)})
        watched->installEventFilter(this);

    connect(m_ui.cmdSearch, &QPushButton::clicked, this, &ResourcesPanel::quickSearch);
    // cmdSearch is out of view: Enter in the box presses it while it is the default.
    connect(m_ui.txtQuickName, &QLineEdit::returnPressed, this, [this] {
        if (m_ui.cmdSearch->isDefault())
            m_ui.cmdSearch->click();
    });
    connect(m_ui.cmdShowChart, &QPushButton::clicked, this, &ResourcesPanel::quickChart);
    connect(m_ui.cmdBack, &QPushButton::clicked, &m_pane, [this] { m_pane.goBack(); });
    // A change and a click on the item already chosen both load it, once.
    connect(m_ui.cboBenefits, &QComboBox::currentIndexChanged, this, [this](int position) {
        m_resourceChangeSeen = true;
        QMetaObject::invokeMethod(
            this, [this] { m_resourceChangeSeen = false; }, Qt::QueuedConnection);
        chooseResource(position);
    });
    connect(m_ui.cboBenefits, &QComboBox::activated, this, [this](int position) {
        if (!m_resourceChangeSeen)
            chooseResource(position);
    });
}

QString ResourcesPanel::destination() const
{
    return m_ui.imgsearch->property("tag").toString();
}

void ResourcesPanel::start(const QString& storedDestination)
{
    m_ui.cboBenefits->clear();
    m_ui.cboBenefits->addItems(resourceListItems());
    const QString name = restoredSearchDestination(storedDestination);
    m_ui.imgsearch->setProperty("tag", name);
    for (const SearchDestination& d : searchDestinations())
        m_ui.mnuSearch->findChild<QAction*>(d.menuItem)->setChecked(d.name == name);
    m_ui.txtQuickName->setText(name);
    setTextColour(kPlaceholderColour);
    emit destinationChanged(name);
}

void ResourcesPanel::chooseDestination(const QString& name)
{
    if (!searchDestination(name))
        return;
    for (const SearchDestination& d : searchDestinations())
        m_ui.mnuSearch->findChild<QAction*>(d.menuItem)->setChecked(d.name == name);
    m_ui.imgsearch->setProperty("tag", name);
    m_ui.txtQuickName->setText(quickSearchTextAfterChoice(m_ui.txtQuickName->text(), name));
    emit destinationChanged(name);
}

void ResourcesPanel::growWindow()
{
    QWidget* window = m_ui.window;
    const QScreen* screen = window->screen();
    if (!screen)
        return;
    const std::optional<int> height =
        grownWindowHeight(qRound(pxToTwips(window->height())), qRound(pxToTwips(window->y())),
                          qRound(pxToTwips(screen->availableGeometry().bottom() + 1)));
    if (height)
        window->resize(window->width(), twipsToPx(*height));
}

void ResourcesPanel::showReceiveData(const QString& detail)
{
    m_pane.navigate(receiveDataPage(detail));
}

void ResourcesPanel::quickSearch()
{
    growWindow();
    m_pane.setSilent(true);
    showReceiveData(QString());
    letEventsRun();
    const QString address = quickSearchAddress(destination(), m_ui.txtQuickName->text(), m_hosts);
    if (address.isEmpty())
        return;
    m_pane.navigate(address);
    letEventsRun();
}

void ResourcesPanel::vLoadResource(const QString& sName)
{
    const SitePage* page = resourcePage(sName);
    if (!page)
        return;
    SiteValues values;
    values.today = m_clock.now().date();
    const QString address = buildAddress(*page, values, m_hosts);
    if (!address.isEmpty())
        m_pane.navigate(address);
}

void ResourcesPanel::chooseResource(int position)
{
    const std::optional<int> height = resourceListHeight(position);
    if (!height)
        return;
    m_ui.window->resize(m_ui.window->width(), twipsToPx(*height));
    if (position > 0)
        vLoadResource(m_ui.cboBenefits->itemText(position));
}

void ResourcesPanel::quickChart()
{
    growWindow();
    const SiteValues values = siteValues(m_session.selection);
    showReceiveData(quoteDetail(values));
    m_pane.setSilent(true);
    m_pane.navigate(buildAddress(bankSymbolSearchPage(), values, m_hosts));
    letEventsRun();
}

void ResourcesPanel::technicalChart(Qt::MouseButton button)
{
    if (button == Qt::LeftButton) {
        emit siteRequested(kTechnicalKey);
        return;
    }
    growWindow();
    SiteValues values = siteValues(m_session.selection);
    values.historyMonths = m_session.iHistoryMonths;
    showReceiveData(quoteDetail(values));
    m_pane.setSilent(true);
    m_pane.navigate(buildAddress(technicalChartPage(), values, m_hosts));
    letEventsRun();
}

void ResourcesPanel::openLink(const QString& address)
{
    growWindow();
    m_pane.setSilent(true);
    m_pane.navigate(address);
}

void ResourcesPanel::setTextColour(unsigned colour)
{
    // Colours are &HBBGGRR.
    QPalette palette = m_ui.txtQuickName->palette();
    palette.setColor(QPalette::Text, QColor(colour & 0xff, (colour >> 8) & 0xff, (colour >> 16) & 0xff));
    m_ui.txtQuickName->setPalette(palette);
}

bool ResourcesPanel::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (watched == m_ui.txtQuickName) {
        if (type == QEvent::FocusIn) {
            m_ui.cmdSearch->setDefault(true);
            setTextColour(kTypingColour);
            m_ui.txtQuickName->clear();
        } else if (type == QEvent::FocusOut) {
            m_ui.cmdSearch->setDefault(false);
            if (const auto text = quickSearchTextAfterFocusOut(m_ui.txtQuickName->text(), destination())) {
                setTextColour(kPlaceholderColour);
                m_ui.txtQuickName->setText(*text);
            }
        }
        return false;
    }
    if (type != QEvent::MouseButtonRelease)
        return false;
    const Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
    // The handlers wait for pages: run them from the event loop.
    if (watched == m_ui.imgsearch) {
        if (button == Qt::RightButton)
            m_ui.mnuSearch->popup(QCursor::pos());
        else
            QMetaObject::invokeMethod(this, &ResourcesPanel::quickSearch, Qt::QueuedConnection);
    } else if (watched == m_ui.lblTA) {
        QMetaObject::invokeMethod(
            this, [this, button] { technicalChart(button); }, Qt::QueuedConnection);
    } else if (watched == m_ui.lblRes) {
        QMetaObject::invokeMethod(
            this, [this] { emit siteRequested(kOtherKey); }, Qt::QueuedConnection);
    }
    return false;
}

} // namespace td
