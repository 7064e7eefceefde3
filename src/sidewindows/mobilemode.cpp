#include "sidewindows/mobilemode.h"

#include "overview/progressbar.h"
#include "platform/browserpane.h"

#include <QCheckBox>
#include <QSignalBlocker>

namespace td {

MobileMode::MobileMode(const Controls& controls, const Panes& panes, QObject* parent)
    : QObject(parent), m_ui(controls), m_panes(panes)
{
    for (int i = 0; i < m_ui.chkMobile.size(); ++i)
        connect(m_ui.chkMobile[i], &QCheckBox::toggled, this, [this, i](bool on) { onToggled(i, on); });
}

bool MobileMode::isOn() const
{
    return !m_ui.chkMobile.isEmpty() && m_ui.chkMobile[0]->isChecked();
}

void MobileMode::onToggled(int index, bool on)
{
    if (!m_active)
        return;
    for (int i = 0; i < m_ui.chkMobile.size(); ++i) {
        if (i == index)
            continue;
        const QSignalBlocker quiet(m_ui.chkMobile[i]);
        m_ui.chkMobile[i]->setChecked(on);
    }
    apply(on);
}

void MobileMode::apply(bool on)
{
    if (on) {
        m_ui.progressFrame->show();
        m_ui.picAllProgress->show();
        m_ui.picAllProgress->printText(QStringLiteral("*** MOBILE OPTION ***"));
    } else {
        // The bar stays shown inside its frame, so the next batch check can
        // still paint its progress there.
        m_ui.picAllProgress->printText(QString());
        m_ui.progressFrame->hide();
    }
    // The content pane is read back only and has no place on screen: it is
    // hidden, never shown as a window of its own.
    if (on)
        m_panes.wbrStockContent->setVisible(false);
    m_panes.wbrHistorie->setVisible(!on);
    m_panes.wbrTechnicalChart->setVisible(!on);
}

} // namespace td
