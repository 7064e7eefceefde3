#pragma once

#include <QPoint>
#include <QPointer>
#include <QTimer>
#include <QWidget>

class QLabel;
class QMenu;
class QPlainTextEdit;

namespace td {

class Clipboard;
class Dialogs;

// frm_ToolTip: the small semi-transparent window with an entry's details.
// It closes by itself after `closeTicks` ticks of Timer1 unless touched: a
// click into its text, the menu image or a press on the drag strip.
class ToolTipWindow : public QWidget
{
    Q_OBJECT
public:
    struct Services
    {
        Clipboard& clipboard;
        Dialogs& dialogs;
    };

    // `alpha` is the opacity from 0 (invisible) to 255 (opaque).
    ToolTipWindow(Services services, int alpha, int closeTicks, QWidget* parent);

    // The text (the tag of zlbl), the source marker with the widget that
    // gets the focus back, and the top left corner in twips (the window's tag).
    void setEntryText(const QString& text);
    void setSource(const QString& marker, QWidget* focusBack);
    void setPosition(QPoint twips);

    QString entryText() const;
    bool isTouched() const { return m_touched; }

public slots:
    void copyEntry();
    void exportText();
    void exportHtml();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildContentMenu();
    void layoutAroundText();
    void onTimer1();
    void startDrag(QPoint globalPosition);
    void exportTo(const QString& filter, const QByteArray& bytes);

    Services m_services;
    int m_closeTicks;
    int m_ticks = 0;
    bool m_touched = false;
    bool m_activated = false;
    bool m_dragging = false;
    QPoint m_dragOffset;
    QString m_source;
    QPointer<QWidget> m_focusBack;
    QPoint m_position;
    QTimer m_timer1;
    QLabel* m_zlbl = nullptr;
    QLabel* m_dragStrip = nullptr;
    QPlainTextEdit* m_text = nullptr;
    QLabel* m_close = nullptr;
    QLabel* m_menuImage = nullptr;
    QWidget* m_lines[2] = {nullptr, nullptr};
    QMenu* m_content = nullptr;
};

} // namespace td
