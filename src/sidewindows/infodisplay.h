#pragma once

#include "sidewindows/tooltipwindow.h"

#include <QObject>
#include <QPoint>
#include <QPointF>
#include <QPointer>

class QCheckBox;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QSlider;
class QTreeView;
class QWidget;

namespace td {

class BatchCheck;
class Clock;
class WatchListModel;
class WindowRegistry;

// The registry's kind of the info window.
inline const QString kInfoWindowKind = QStringLiteral("frm_ToolTip");

// The entry details beside the main list: the info window a click opens and
// the hover box that follows the mouse, which also selects the row under it.
class InfoDisplay : public QObject
{
    Q_OBJECT
public:
    struct Controls
    {
        QTreeView* lstItems = nullptr;
        QCheckBox* chkShowToolTip = nullptr;
        QCheckBox* chkShowLBLToolTip = nullptr;
        QSlider* sldToolTipTransparenz = nullptr;
        // Hidden before anything else on every click; none until downloads exist.
        QWidget* cmdDownloadEXE = nullptr;
        // The window the hover box lies on.
        QWidget* hoverParent = nullptr;
    };
    struct Context
    {
        const WatchListModel& items;
        const BatchCheck& batch;
        int infoDisplayLimit; // lines the info window shows at most
        WindowRegistry& windows;
        ToolTipWindow::Services services;
        const Clock& clock;
    };
    struct HitTest
    {
        int row = -1;
        int column = -1;
    };

    InfoDisplay(const Controls& controls, const Context& context, QObject* parent);

    // The row and column under a point of the list, in twips.
    HitTest tHitTest(QPointF twips) const;
    // sngLastX, sngLastY: the last mouse position over the list, in twips.
    QPointF lastPosition() const { return m_last; }
    ToolTipWindow* infoWindow() const { return m_infoWindow; }
    QFrame* hoverBox() const { return m_fraToolTip; }

    bool eventFilter(QObject* watched, QEvent* event) override;

public slots:
    // A click on an entry of the list, after the view has made it current.
    void onItemClick(Qt::MouseButton button, QPoint position);
    void closeInfoWindow();
    void hideHoverBox();

signals:
    // The list's own mouse-up, due once the info window has closed.
    void listMouseUpDue(Qt::MouseButton button, QPoint position);

private:
    void buildHoverBox(QWidget* parent);
    void onListMouseMove(QPoint position);
    void showHoverBox(int row);
    QPoint lastPositionPx() const;

    Controls m_ui;
    Context m_ctx;
    int m_infoAlpha = 255; // lInfoAlpha
    QPointF m_last;
    bool m_inMouseMove = false;
    QPointer<ToolTipWindow> m_infoWindow;
    QFrame* m_fraToolTip = nullptr;
    QLabel* m_picI = nullptr;
    QLabel* m_lblToolTip = nullptr;
    QLabel* m_lblToolTipHidden = nullptr;
    QPlainTextEdit* m_txttooltip = nullptr;
};

} // namespace td
