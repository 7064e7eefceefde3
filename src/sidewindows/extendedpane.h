#pragma once

#include <QList>
#include <QObject>

class QPushButton;
class QTreeView;
class QWidget;

namespace td {

struct ResourcesPaneLayout;

// The resources pane below the list, enlarged over it and put away again.
// The pane lies on the window by itself, outside the window's layout.
class ExtendedPane : public QObject
{
    Q_OBJECT
public:
    struct Controls
    {
        QWidget* window = nullptr;
        // The part of the window that keeps the minimum height; the pane starts below it.
        QWidget* fixedPart = nullptr;
        QWidget* resourcesPane = nullptr; // wbrRealTimeRessources
        QTreeView* lstItems = nullptr;
        QPushButton* cmdFullBrowser = nullptr;
        QPushButton* cmdCloseExtended = nullptr;
        QList<QWidget*> listButtons; // cmdSelectAll(0), cmdClear(0)
    };

    ExtendedPane(const Controls& controls, QObject* parent);

    bool isOverList() const;

public slots:
    // cmdFullBrowser.
    void vFullBrowser();
    // cmdCloseExtended: the pane below the list, the window at its minimum height.
    void vCloseExtended();
    // The pane after the window's height changed, and at start-up.
    void followWindowHeight();

private:
    int windowHeightTwips() const;
    int listTopTwips() const;
    void apply(const ResourcesPaneLayout& layout, bool keepTop);

    Controls m_ui;
};

} // namespace td
