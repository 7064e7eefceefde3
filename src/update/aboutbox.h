#pragma once

#include "platform/dialogs.h"
#include "platform/services.h"
#include "platform/settingsstore.h"

#include <QDateTime>
#include <QDialog>
#include <QObject>
#include <QPointer>

class QLabel;

namespace td {

// frm_Info: the about picture alone, as large as the picture; a click on it
// closes the window.
class InfoWindow final : public QDialog
{
    Q_OBJECT

public:
    explicit InfoWindow(QWidget* parent = nullptr);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// The info command's sequence and the credit label's home page.
class AboutBox : public QObject
{
    Q_OBJECT

public:
    struct Services
    {
        SettingsStore& hosts;
        Dialogs& dialogs;
        UrlOpener& urls;
    };

    // `label6` gets the maker's credit and opens the home page on a click;
    // frm_Info opens over `window`.
    AboutBox(QLabel* label6, QWidget* window, const Services& services, const QDateTime& startTime,
             const QString& programVersion, QObject* parent = nullptr);

    // The open frm_Info, if any.
    InfoWindow* infoWindow() const { return m_info; }

public slots:
    // cmdInfo: frm_Info, and once it is closed the start time and version.
    void showAbout();
    void openHomePage();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showMessage();

    QLabel* m_label6;
    QWidget* m_window;
    Services m_services;
    const QDateTime m_startTime;
    const QString m_programVersion;
    QPointer<InfoWindow> m_info;
};

} // namespace td
