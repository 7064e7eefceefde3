#include "platform/twips.h"
#include "shell/mainwindow.h"
#include "sidewindows/infodisplay.h"
#include "sidewindows/listcolumns.h"
#include "watchlist/watchlistmodel.h"
#include "windowharness.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTest>
#include <QTreeView>

using namespace td;
using namespace td::test;

namespace {

const QByteArray kList = "Alpha;ALP;ETR;01.02.2024;12,50;True;;;;;;10;;;;;0\r\n"
                         "Beta;BET;NAS;;;True;;;;;;;;;;;0\r\n";

enum class Effect
{
    Saved,
    FileChosen,
    Refreshed,
    Deleted,
    Nothing,
    CloseAsked
};

struct Fixture
{
    Fixture() { activate(w); }
    // The parts of a control (a list's scroll bars, a combo box's popup) are
    // named with the control.
    static bool isPartOfControl(const QWidget* widget, const QWidget* root)
    {
        for (const QWidget* up = widget->parentWidget(); up && up != root; up = up->parentWidget()) {
            if (qobject_cast<const QAbstractScrollArea*>(up) || qobject_cast<const QComboBox*>(up) ||
                qobject_cast<const QAbstractSpinBox*>(up))
                return true;
        }
        return false;
    }
    static QStringList unnamed(QWidget* root)
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
                missing << widget->objectName() + u'(' +
                               QString::fromLatin1(widget->metaObject()->className()) + u')';
        }
        return missing;
    }

    TestPlatform p;
    QString path = p.writeFile(QStringLiteral("tic/default.tic"), kList);
    MainWindow w{p.context};
};

} // namespace

class TestReadable : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void shortcuts_data();
    void shortcuts();
    void everyControlHasAName();
    void controlsStayInsideTheWindow_data();
    void controlsStayInsideTheWindow();
    void fieldsHoldTheirUsualContent_data();
    void fieldsHoldTheirUsualContent();
};

void TestReadable::shortcuts_data()
{
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("button"); // whose tool tip names the keys
    QTest::addColumn<Effect>("effect");
    const QString list = QStringLiteral("lstItems");
    QTest::newRow("Ctrl+S") << QKeySequence(QStringLiteral("Ctrl+S")) << list << QStringLiteral("cmdSaveList")
                            << Effect::Saved;
    QTest::newRow("Ctrl+O") << QKeySequence(QStringLiteral("Ctrl+O")) << list
                            << QStringLiteral("cmdTickerFile") << Effect::FileChosen;
    QTest::newRow("F5") << QKeySequence(Qt::Key_F5) << QStringLiteral("txtName")
                        << QStringLiteral("cmdRefresh") << Effect::Refreshed;
    QTest::newRow("Delete on the list")
        << QKeySequence(Qt::Key_Delete) << list << QStringLiteral("cmdDelete") << Effect::Deleted;
    QTest::newRow("Delete in a text box") << QKeySequence(Qt::Key_Delete) << QStringLiteral("txtName")
                                          << QStringLiteral("cmdDelete") << Effect::Nothing;
    QTest::newRow("Ctrl+Q") << QKeySequence(QStringLiteral("Ctrl+Q")) << list << QStringLiteral("but_Exit")
                            << Effect::CloseAsked;
}

void TestReadable::shortcuts()
{
    QFETCH(QKeySequence, keys);
    QFETCH(QString, focus);
    QFETCH(QString, button);
    QFETCH(Effect, effect);
    Fixture f;
    QVERIFY(f.w.findChild<QPushButton*>(button)->toolTip().contains(keys.toString(QKeySequence::NativeText)));
    f.w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.w));
    QWidget* target = f.w.findChild<QWidget*>(focus);
    target->setFocus();
    f.w.items().setChecked(1, false); // a change to save
    f.w.state().bListChanged = true;
    const int charts = f.p.panes.recording(QStringLiteral("wbrRealTimeChart"))->addresses.size();
    f.p.dialogs.queueAnswer(DialogAnswer::Cancel);

    QTest::keyClick(target, keys[0].key(), keys[0].keyboardModifiers());
    QFile file(f.path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll() != kList, effect == Effect::Saved);
    QCOMPARE(f.p.dialogs.fileDialogs.size(), effect == Effect::FileChosen ? 1 : 0);
    QCOMPARE(f.p.panes.recording(QStringLiteral("wbrRealTimeChart"))->addresses.size() > charts,
             effect == Effect::Refreshed);
    QCOMPARE(f.w.items().size(), effect == Effect::Deleted ? 1 : 2);
    QCOMPARE(f.p.dialogs.shown.size(), effect == Effect::CloseAsked ? 1 : 0);
    QVERIFY(f.w.isVisible()); // the question was cancelled
}

void TestReadable::everyControlHasAName()
{
    Fixture f;
    f.w.ui().fraEinstellungen->show();
    QStringList missing = Fixture::unnamed(&f.w);
    f.w.ui().chkShowToolTip->setChecked(true);
    f.w.ui().lstItems->setCurrentIndex(f.w.items().index(0, 0));
    f.w.infoDisplay().onItemClick(Qt::LeftButton, {});
    QWidget* info = f.w.infoDisplay().infoWindow();
    QVERIFY(info);
    missing << Fixture::unnamed(info);
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u' ')));
}

void TestReadable::controlsStayInsideTheWindow_data()
{
    QTest::addColumn<bool>("wide");
    QTest::addColumn<bool>("options");
    QTest::addColumn<bool>("mobile");
    QTest::newRow("narrow list") << false << false << false;
    QTest::newRow("wide list") << true << false << false;
    QTest::newRow("options panel") << false << true << false;
    QTest::newRow("mobile mode") << false << false << true;
}

void TestReadable::controlsStayInsideTheWindow()
{
    QFETCH(bool, wide);
    QFETCH(bool, options);
    QFETCH(bool, mobile);
    Fixture f;
    MainWindow& w = f.w;
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
    if (wide)
        w.ui().cmdEnhanceListbox->click();
    if (options)
        w.ui().cmdOptions->click();
    if (mobile)
        w.ui().chkMobile[0]->click();
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
        if (!w.rect().contains(at) || (!Fixture::isPartOfControl(child, &w) && child->width() < wanted))
            outside << child->objectName() + u' ' + QString::fromLatin1(child->metaObject()->className());
    }
    QVERIFY2(outside.isEmpty(), qPrintable(outside.join(u", ")));

    QTreeView* list = w.ui().lstItems;
    const QAbstractItemView* view = list; // the view's own measure is public there
    for (int c = 0; c < ColumnCount; ++c) {
        if (!isFigureColumn(c) || list->isColumnHidden(c) || list->columnWidth(c) <= 1)
            continue;
        QVERIFY2(list->columnWidth(c) >= view->sizeHintForColumn(c), qPrintable(QString::number(c)));
    }
}

void TestReadable::fieldsHoldTheirUsualContent_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::newRow("name") << QStringLiteral("txtName") << QStringLiteral("Deutsche Telekom AG.");
    QTest::newRow("ISIN") << QStringLiteral("txtISIN") << QStringLiteral("DE000A0D9PT0");
    QTest::newRow("date") << QStringLiteral("txtDate") << QStringLiteral("28.02.2024");
}

void TestReadable::fieldsHoldTheirUsualContent()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    Fixture f;
    auto* edit = f.w.findChild<QLineEdit*>(field);
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

QTEST_MAIN(TestReadable)
#include "tst_readable.moc"
