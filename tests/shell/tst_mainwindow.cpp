// The main window as a whole: start-up, shut-down, keys, and controls that
// can be read and reached.
#include "overview/progressbar.h"
#include "platform/twips.h"
#include "sidewindows/infodisplay.h"
#include "sidewindows/listcolumns.h"
#include "startedwindow.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QScrollBar>
#include <QSettings>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTest>
#include <QTreeView>

using namespace td;
using namespace td::test;

namespace {

enum class Effect
{
    Saved,
    FileChosen,
    Refreshed,
    Deleted,
    Nothing,
    CloseAsked
};

// The parts of a control (a list's scroll bars, a combo box's popup) are
// named with the control.
bool isPartOfControl(const QWidget* widget, const QWidget* root)
{
    for (const QWidget* up = widget->parentWidget(); up && up != root; up = up->parentWidget()) {
        if (qobject_cast<const QAbstractScrollArea*>(up) || qobject_cast<const QComboBox*>(up) ||
            qobject_cast<const QAbstractSpinBox*>(up))
            return true;
    }
    return false;
}

QStringList unnamed(QWidget* root)
{
    QStringList missing;
    const QList<QWidget*> all = root->findChildren<QWidget*>();
    for (QWidget* widget : all) {
        if (widget->isWindow() || isPartOfControl(widget, root))
            continue;
        const bool clickable =
            qobject_cast<QAbstractButton*>(widget) || widget->cursor().shape() == Qt::PointingHandCursor;
        if (widget->focusPolicy() == Qt::NoFocus && !clickable)
            continue;
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
        // A drop-down names itself by its current item; its own name counts too.
        if ((!face || face->text(QAccessible::Name).trimmed().isEmpty()) &&
            widget->accessibleName().isEmpty())
            missing << widget->objectName() + u'(' + QString::fromLatin1(widget->metaObject()->className()) +
                           u')';
    }
    return missing;
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void startUp_data()
    {
        QTest::addColumn<QStringList>("settings");
        QTest::addColumn<QString>("colourText");
        QTest::newRow("empty store") << QStringList() << "ffffff";
        // main_top is off every screen: back to the corner.
        QTest::newRow("junk settings")
            << QStringList{"main_left=abc", "main_top=-999999", "LstItemsBackcolor=zz00gg", "History=x",
                           "RealTimeRefresh=soon"}
            << "zz00gg";
    }
    void startUp()
    {
        QFETCH(QStringList, settings);
        Started s(kNoFile, settings);
        QCOMPARE(s.w.pos(), QPoint(0, 0));
        QCOMPARE(widget<QComboBox>(s.w, "cboHis")->currentText(), QStringLiteral("12 m."));
        QCOMPARE(td::test::selection(s.w).session().iHistoryMonths, 12);
        QVERIFY(s.w.windowTitle().endsWith(
            QStringLiteral(" | ") +
            QLocale().toString(s.p.clock.time, QStringLiteral("dddd, dd. MMMM yyyy, hh:mm"))));
        QCOMPARE(s.w.items().size(), 0);
        QVERIFY(!widget<QPushButton>(s.w, "cmdLoadList")->isEnabled());
        QVERIFY(!widget<QPushButton>(s.w, "cmdSaveList")->isEnabled());
        QVERIFY(s.p.dialogs.shown.isEmpty());
        QCOMPARE(widget<QTreeView>(s.w, "lstItems")->palette().color(QPalette::Base), QColor(Qt::white));
        QTEST(widget<QLineEdit>(s.w, "txtLstItemsBackcolor")->text(), "colourText");
        widget<QLineEdit>(s.w, "txtLstItemsBackcolor")->setText(QStringLiteral("ff0000"));
        QCOMPARE(widget<QTreeView>(s.w, "lstItems")->palette().color(QPalette::Base), QColor(Qt::blue));
    }
    void defaultFileLoadsAtFirstActivation()
    {
        TestPlatform p;
        const QString path = p.writeFile(QStringLiteral("tic/default.tic"), kTwoEntries);
        MainWindow w(p.context);
        QCOMPARE(widget<QLineEdit>(w, "txt_TickerFile")->text(), path);
        QCOMPARE(w.items().size(), 0); // nothing before the first activation
        activate(w);
        QCOMPARE(names(w), (QStringList{"Alpha", "Beta"}));
        QVERIFY(!listDocument(w).isChanged());
        QCOMPARE(w.currentRow(), 0);
        QCOMPARE(td::test::selection(w).session().selection.sSelTicker,
                 QList<QString>{QStringLiteral("ALP")});
        QVERIFY(widget<QPushButton>(w, "but_ItemRunter")->isEnabled());
        QVERIFY(!widget<QPushButton>(w, "but_ItemRauf")->isEnabled());
        QCOMPARE(w.items().entry(1).ownColour(), colour::Purple);
    }
    void shutdownWritesTheIniFile()
    {
        IniSettingsStore settings(kMainSection);
        const QString file = settings.fileName();
        QVERIFY2(file.contains(QStringLiteral("/tests/config/")), qPrintable(file)); // never the user's own
        QFile::remove(file);
        // The resources list has no entries yet: its stored choice stands.
        settings.write(QStringLiteral("Benefits"), QStringLiteral("3"));
        TestPlatform p;
        PlatformContext context{settings,     p.hosts, p.dialogs,  p.clipboard,
                                p.processes,  p.clock, p.panes,    p.programDir.path(),
                                p.downloader, p.urls,  p.notifier, p.context.quoteSourcesFile};
        {
            MainWindow w(context);
            activate(w);
            widget<QCheckBox>(w, "chkAutoCheck")->setChecked(true);
            QVERIFY(w.close());
        }
        settings.sync();
        QSettings ini(file, QSettings::IniFormat);
        QCOMPARE(ini.value(QStringLiteral("TdCk/AutoCheck")).toString(), QStringLiteral("1"));
        QCOMPARE(ini.value(QStringLiteral("TdCk/History")).toString(), QStringLiteral("3"));
        QCOMPARE(ini.value(QStringLiteral("TdCk/EnhanceListbox")).toString(), QStringLiteral("SMALL"));
        QCOMPARE(ini.value(QStringLiteral("TdCk/main_left")).toString(), QStringLiteral("0"));
        QCOMPARE(ini.value(QStringLiteral("TdCk/Benefits")).toString(), QStringLiteral("3"));
    }
    void numberBoxesRefuseLetters_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("fallback");
        const auto row = [](const char* box, const char* key, const char* fallback) {
            QTest::newRow(box) << box << key << fallback;
        };
        row("txtMaxMinChange", "MaxMinChange", "20");
        row("txtRealTimeRefresh", "RealTimeRefresh", "60000");
        row("txt_ShowAllQuotesHintergrund", "ShowAllQuotesSilent", "20000");
        row("txtAutoReload", "AutoReload", "60000");
    }
    void numberBoxesRefuseLetters()
    {
        QFETCH(QString, box);
        QFETCH(QString, key);
        QFETCH(QString, fallback);
        Started s(kNoFile, {key + QStringLiteral("=abc")});
        auto* edit = s.w.findChild<QLineEdit*>(box);
        QCOMPARE(edit->text(), fallback);
        QTest::keyClicks(edit, QStringLiteral("x-"));
        QCOMPARE(edit->text(), fallback);
        QVERIFY(s.w.close());
        QCOMPARE(s.p.settings.read(key, QString()), fallback);
    }
    void shortcuts_data()
    {
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("button"); // whose tool tip names the keys
        QTest::addColumn<Effect>("effect");
        const auto row = [](const char* keys, const char* focus, const char* button, Effect effect) {
            QTest::addRow("%s in %s", keys, focus)
                << QKeySequence(QLatin1String(keys)) << focus << button << effect;
        };
        row("Ctrl+S", "lstItems", "cmdSaveList", Effect::Saved);
        row("Ctrl+O", "lstItems", "cmdTickerFile", Effect::FileChosen);
        row("F5", "txtName", "cmdRefresh", Effect::Refreshed);
        row("Del", "lstItems", "cmdDelete", Effect::Deleted);
        row("Del", "txtName", "cmdDelete", Effect::Nothing);
        row("Ctrl+Q", "lstItems", "but_Exit", Effect::CloseAsked);
    }
    void shortcuts()
    {
        QFETCH(QKeySequence, keys);
        QFETCH(QString, focus);
        QFETCH(QString, button);
        QFETCH(Effect, effect);
        Started s(kList);
        QVERIFY(
            s.w.findChild<QPushButton*>(button)->toolTip().contains(keys.toString(QKeySequence::NativeText)));
        s.w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&s.w));
        QWidget* target = s.w.findChild<QWidget*>(focus);
        target->setFocus();
        s.w.items().setChecked(1, false); // a change to save
        listDocument(s.w).setChanged(true);
        const int charts = s.p.panes.recording(QStringLiteral("wbrRealTimeChart"))->addresses.size();
        s.p.dialogs.queueAnswer(DialogAnswer::Cancel);
        QTest::keyClick(target, keys[0].key(), keys[0].keyboardModifiers());
        QCOMPARE(readAll(s.path) != kList, effect == Effect::Saved);
        QCOMPARE(s.p.dialogs.fileDialogs.size(), effect == Effect::FileChosen ? 1 : 0);
        QCOMPARE(s.p.panes.recording(QStringLiteral("wbrRealTimeChart"))->addresses.size() > charts,
                 effect == Effect::Refreshed);
        QCOMPARE(s.w.items().size(), effect == Effect::Deleted ? 1 : 2);
        QCOMPARE(s.p.dialogs.shown.size(), effect == Effect::CloseAsked ? 1 : 0);
        QVERIFY(s.w.isVisible()); // the question was cancelled
    }
    void everyControlHasAName()
    {
        Started s(kList);
        widget<QFrame>(s.w, "fraEinstellungen")->show();
        QStringList missing = unnamed(&s.w);
        widget<QCheckBox>(s.w, "chkShowToolTip")->setChecked(true);
        widget<QTreeView>(s.w, "lstItems")->setCurrentIndex(s.w.items().index(0, 0));
        s.w.infoDisplay().onItemClick(Qt::LeftButton, {});
        QWidget* info = s.w.infoDisplay().infoWindow();
        QVERIFY(info);
        missing << unnamed(info);
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u' ')));
    }
    void controlsStayInsideTheWindow_data()
    {
        QTest::addColumn<QString>("button"); // pressed first
        QTest::newRow("narrow list") << QString();
        QTest::newRow("wide list") << "cmdEnhanceListbox";
        QTest::newRow("options panel") << "cmdOptions";
        QTest::newRow("mobile mode") << "chkMobile_0";
    }
    void controlsStayInsideTheWindow()
    {
        QFETCH(QString, button);
        Started s(kList);
        MainWindow& w = s.w;
        // The widest figures and amounts the list shows, in bold as a fresh quote is.
        for (int c = 0; c < ColumnCount; ++c) {
            if (!isFigureColumn(c))
                continue;
            w.items().setColumn(0, c,
                                isAmountColumn(c) ? QStringLiteral("-10.000,00") : QStringLiteral("-100,00"));
        }
        WatchEntry bold = w.items().entry(0);
        for (auto& style : bold.styles)
            style.bold = true;
        w.items().replace(0, bold);
        if (!button.isEmpty())
            td::test::control<QAbstractButton>(w, button).click();
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        QCOMPARE(w.width(), twipsToPx(15260));
        QCOMPARE(w.height(), twipsToPx(MainWindow::kMinHeightTwips));
        QStringList outside;
        const QList<QWidget*> all = w.findChildren<QWidget*>();
        for (QWidget* child : all) {
            if (child->isWindow() || !child->isVisibleTo(&w))
                continue;
            const QRect at(child->mapTo(&w, QPoint(0, 0)), child->size());
            // Squeezed below its own minimum, a control is cut off inside the window.
            const int wanted = std::min(child->maximumWidth(),
                                        std::max(child->minimumWidth(), child->minimumSizeHint().width()));
            if (!w.rect().contains(at) || (!isPartOfControl(child, &w) && child->width() < wanted))
                outside << child->objectName() + u' ' + QString::fromLatin1(child->metaObject()->className());
        }
        QVERIFY2(outside.isEmpty(), qPrintable(outside.join(u", ")));
        QTreeView* list = widget<QTreeView>(w, "lstItems");
        const QAbstractItemView* view = list; // the view's own measure is public there
        for (int c = 0; c < ColumnCount; ++c) {
            if (!isFigureColumn(c) || list->isColumnHidden(c) || list->columnWidth(c) <= 1)
                continue;
            QVERIFY2(list->columnWidth(c) >= view->sizeHintForColumn(c), qPrintable(QString::number(c)));
        }
    }
    void textsShowWhole_data()
    {
        QTest::addColumn<QString>("button"); // pressed first
        QTest::addColumn<QString>("control");
        QTest::newRow("watch list captions") << QString() << "lstItems";
        QTest::newRow("watch list captions, wide") << "cmdEnhanceListbox"
                                                   << "lstItems";
        QTest::newRow("stop list captions") << QString() << "lstStop";
        QTest::newRow("maker credit") << QString() << "Label6";
        QTest::newRow("progress at 100%") << QString() << "picAllProgress";
    }
    void textsShowWhole()
    {
        QFETCH(QString, button);
        QFETCH(QString, control);
        Started s(kList);
        MainWindow& w = s.w;
        if (!button.isEmpty())
            td::test::control<QAbstractButton>(w, button).click();
        if (control == u"picAllProgress") {
            widget<QFrame>(w, "Frame1_9")->show();
            widget<ProgressBar>(w, "picAllProgress")->vDrawProgress(100, 0xff, QString(), 100);
        }
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        QWidget* shown = w.findChild<QWidget*>(control);
        QStringList cut;
        if (auto* list = qobject_cast<QTreeView*>(shown)) {
            QHeaderView* header = list->header();
            const int margins = 2 * list->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
            for (int c = 0; c < header->count(); ++c) {
                const QString text = list->model()->headerData(c, Qt::Horizontal).toString();
                if (!header->isSectionHidden(c) &&
                    header->fontMetrics().horizontalAdvance(text) + margins > header->sectionSize(c))
                    cut << text;
            }
        } else {
            // A label, or the progress bar, which prints 90 twips in.
            auto* label = qobject_cast<QLabel*>(shown);
            const QString text =
                label ? label->text() : widget<ProgressBar>(w, "picAllProgress")->shownText();
            const int room = label ? label->contentsRect().width() : shown->width() - twipsToPx(90);
            if (text.isEmpty() || shown->fontMetrics().horizontalAdvance(text) > room)
                cut << text;
        }
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u", ")));
    }
    // The narrow list's columns take its whole width: names are not cut while room is left.
    void namesTakeTheSpareWidth()
    {
        Started s(kList);
        QTreeView* list = widget<QTreeView>(s.w, "lstItems");
        const int spare =
            list->viewport()->width() - list->header()->length() -
            (list->verticalScrollBar()->isVisible() ? 0 : list->verticalScrollBar()->sizeHint().width());
        QVERIFY2(spare <= 2, qPrintable(QString::number(spare)));
        // Nothing covers the list's right edge.
        const QWidget* next = widget<QPushButton>(s.w, "cmdEnhanceListbox");
        QVERIFY(next->mapTo(&s.w, QPoint(0, 0)).x() >= list->mapTo(&s.w, QPoint(list->width(), 0)).x());
    }
    void pathBoxShowsItsPathAsToolTip()
    {
        Started s(kList);
        QCOMPARE(s.pathBox()->toolTip(), s.path);
        const QString typed = QStringLiteral("/home/someone/lists/a rather long folder name/other.tic");
        s.pathBox()->setText(typed);
        QCOMPARE(s.pathBox()->toolTip(), typed);
    }
    void fieldsHoldTheirUsualContent_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::newRow("name") << QStringLiteral("txtName") << QStringLiteral("Deutsche Telekom AG.");
        QTest::newRow("ISIN") << QStringLiteral("txtISIN") << QStringLiteral("DE000A0D9PT0");
        QTest::newRow("date") << QStringLiteral("txtDate") << QStringLiteral("28.02.2024");
    }
    void fieldsHoldTheirUsualContent()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        Started s(kList);
        auto* edit = s.w.findChild<QLineEdit*>(field);
        QStyleOptionFrame option;
        option.initFrom(edit);
        option.rect = edit->rect();
        option.lineWidth = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit);
        option.state |= QStyle::State_Sunken;
        const QRect contents = edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
        const QMargins margins = edit->textMargins();
        // QLineEdit keeps two pixels on each side of the text.
        const int room = contents.width() - margins.left() - margins.right() - 4;
        QVERIFY2(
            room >= edit->fontMetrics().horizontalAdvance(text),
            qPrintable(QStringLiteral("%1 < %2").arg(room).arg(edit->fontMetrics().horizontalAdvance(text))));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
