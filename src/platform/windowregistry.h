#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

namespace td {

// The kind of the small index window: at most one is open.
inline const QString kIndexWindowKind = QStringLiteral("INDICESSMALLWINDOW");

// The program's other windows, each with its kind ("INDICESSMALLWINDOW", a
// site key, ...). Guarded: a window that has gone drops out by itself.
class WindowRegistry : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    void add(QWidget* window, const QString& kind);
    // The windows still open, oldest first.
    QList<QWidget*> windows() const;
    QWidget* firstOfKind(const QString& kind) const;
    QString kindOf(const QWidget* window) const;
    void closeAll();

signals:
    void changed();

private:
    struct Entry
    {
        QPointer<QWidget> window;
        QString kind;
    };
    void prune() const;

    mutable QList<Entry> m_entries;
};

} // namespace td
