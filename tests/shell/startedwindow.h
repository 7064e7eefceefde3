#pragma once

// The main window started on a list of its own, for the window's tests.
#include "shell/mainwindow.h"
#include "watchlist/watchlistmodel.h"
#include "windowharness.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>

namespace td::test {

inline const QByteArray kTwoEntries = "Alpha;ALP;ETR;;;False;;;;;;;;;;;0\r\n"
                                      "Beta;BET;NAS;;;True;;;;;;;;;;;-1\r\n";
inline const QByteArray kList = "Alpha;ALP;ETR;01.02.2024;12,50;True;;;;;;10;;;;;0\r\n"
                                "Beta;BET;NAS;;;True;;;;;;;;;;;0\r\n";
inline const QByteArray kNoFile; // null: no default.tic at all

inline QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

inline QStringList names(MainWindow& w)
{
    QStringList out;
    for (const WatchEntry& e : w.items().entries())
        out << e.name();
    return out;
}

// An activated window showing tic/default.tic, unless the list is null; settings are "key=value".
struct Started
{
    explicit Started(const QByteArray& list = kTwoEntries, const QStringList& settings = {})
        : path(prepare(list, settings))
    {
        activate(w);
    }
    QString prepare(const QByteArray& list, const QStringList& settings)
    {
        p.settings.write(QStringLiteral("AutoClear"), QStringLiteral("1"));
        for (const QString& s : settings)
            p.settings.write(s.section(u'=', 0, 0), s.section(u'=', 1));
        return list.isNull() ? QString() : p.writeFile(QStringLiteral("tic/default.tic"), list);
    }
    template <typename T = QPushButton> T* find(const char* name)
    {
        return w.findChild<T*>(QLatin1String(name));
    }
    QLineEdit* pathBox() { return find<QLineEdit>("txt_TickerFile"); }
    void tickFirst() { w.items().setData(w.items().index(0, 0), Qt::Checked, Qt::CheckStateRole); }

    TestPlatform p;
    QString path;
    MainWindow w{p.context};
};

} // namespace td::test
