#pragma once

#include <QObject>
#include <QString>

class QMenu;
class QPushButton;

namespace td {

class Dialogs;
class UrlOpener;
struct LinkMenuSpec;

// cmdBenefits and cmdOwn: each click reads its link file afresh into
// mnuLINKS / mnuOWN and pops the menu up; "{edit menu}" opens the file.
class LinkMenus : public QObject
{
    Q_OBJECT
public:
    struct Controls
    {
        QPushButton* cmdBenefits = nullptr;
        QPushButton* cmdOwn = nullptr;
        QMenu* mnuLINKS = nullptr;
        QMenu* mnuOWN = nullptr;
    };
    struct Services
    {
        Dialogs& dialogs;
        UrlOpener& urls;
        QString programDir;
    };

    LinkMenus(const Controls& controls, const Services& services, QObject* parent);

public slots:
    // Rebuilds the menu from its file; pops it up unless the file is missing.
    void showMenu(const td::LinkMenuSpec& links);
    void editFile(const td::LinkMenuSpec& links);

signals:
    void linkChosen(const QString& address);

private:
    QMenu* menuOf(const LinkMenuSpec& links) const;
    // False when the file is missing: the menu is then not shown.
    bool rebuild(const LinkMenuSpec& links);
    void message(const QString& text);

    Controls m_ui;
    Services m_services;
};

} // namespace td
