#pragma once

#include <QObject>
#include <QString>

class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QWidget;

namespace td {

class BrowserPane;
class Clock;
class SettingsStore;
struct Session;

// The resources pane wbrRealTimeRessources and what fills it: the quick
// search, the resources list, the quick and technical charts, back, and the
// addresses of the link menus.
class ResourcesPanel : public QObject
{
    Q_OBJECT
public:
    struct Controls
    {
        QWidget* window = nullptr; // grows to the screen's bottom
        QLineEdit* txtQuickName = nullptr;
        QPushButton* cmdSearch = nullptr;
        QLabel* imgsearch = nullptr;
        QMenu* mnuSearch = nullptr;
        QComboBox* cboBenefits = nullptr;
        QPushButton* cmdShowChart = nullptr;
        QLabel* lblTA = nullptr;
        QPushButton* cmdBack = nullptr;
        QLabel* lblRes = nullptr;
    };

    struct Services
    {
        BrowserPane& pane; // wbrRealTimeRessources
        const SettingsStore& hosts;
        const Clock& clock;
    };

    ResourcesPanel(const Controls& controls, const Services& services, const Session& session,
                   QObject* parent);

    // The destination held as imgsearch's tag.
    QString destination() const;

public slots:
    // Start-up: fills the resources list and restores the search destination.
    void start(const QString& storedDestination);
    void chooseDestination(const QString& name);
    void quickSearch();
    void vLoadResource(const QString& sName);
    void chooseResource(int position);
    void quickChart();
    void technicalChart(Qt::MouseButton button);
    void openLink(const QString& address);
    void growWindow();

signals:
    // vOpenSite with this key.
    void siteRequested(const QString& key);
    void destinationChanged(const QString& name);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showReceiveData(const QString& detail);
    void setTextColour(unsigned colour);

    Controls m_ui;
    BrowserPane& m_pane;
    const SettingsStore& m_hosts;
    const Clock& m_clock;
    const Session& m_session;
    bool m_resourceChangeSeen = false;
};

} // namespace td
