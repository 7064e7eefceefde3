#include "recordingpane.h"

#include "platform/fetchpane.h"

#include <QTimer>
#include <QWidget>

namespace td::test {

RecordingPane::~RecordingPane()
{
    if (m_widget && !m_widget->parent())
        delete m_widget;
}

QWidget* RecordingPane::widget()
{
    if (!m_widget) {
        m_widget = new QWidget;
        m_widget->setObjectName(objectName());
    }
    return m_widget;
}

void RecordingPane::startNavigation(const QString& address)
{
    addresses.append(address);
    m_location = address;
    const quint64 navigation = generation();
    if (holding) {
        m_held = navigation;
        return;
    }
    QTimer::singleShot(0, this, [this, navigation, address] { finish(navigation, address); });
}

void RecordingPane::release()
{
    if (m_held != 0 && m_held == generation())
        finish(m_held, m_location);
    m_held = 0;
}

void RecordingPane::finish(quint64 navigation, const QString& address)
{
    if (navigation != generation())
        return;
    m_document = isAboutAddress(address) ? aboutDocument(address) : QString();
    complete(navigation, address);
}

BrowserPane* TestPaneFactory::create(const QString& name, PaneKind kind, QObject* parent)
{
    BrowserPane* pane = kind == PaneKind::ReadBack
                            ? static_cast<BrowserPane*>(new FetchPane(name, m_network, m_timeoutMs, parent))
                            : new RecordingPane(name, parent);
    m_panes.insert(name, pane);
    m_kinds.insert(name, kind);
    if (auto* recording = qobject_cast<RecordingPane*>(pane); recording && onCreate)
        onCreate(recording);
    return pane;
}

} // namespace td::test
