// The accessibility events of a drill worked by keyboard, and what painted
// windows give to read (the bus's view: tests/a11y/atspi_drill.py).
#include "Drive.h"

#include "windows/Accessible.h"
#include "windows/VerwandlungskettenU.h"

#include <QAccessible>
#include <QMenuBar>
#include <QPushButton>

#include <vector>

using namespace quarvel;
using namespace quarvel::test;

namespace {

struct Heard {
    QAccessible::Event Type;
    QObject* Object;
    QString Name; // at the time of the event
};
std::vector<Heard> g_heard;

// Whether `object` told of a change of `type`, with its new name if one is given.
bool Told(QObject* object, QAccessible::Event type, const QString& name = {}) {
    return std::any_of(g_heard.begin(), g_heard.end(), [&](const Heard& h) {
        return h.Object == object && h.Type == type && (name.isEmpty() || h.Name == name);
    });
}

// `text` and Return in a line: the focus moves once, to `next`, or not at all.
void Judged(ExerciseWindow* w, int line, const QString& text, QObject* next) {
    QTest::keyClicks(Field(w, line), text);
    QCoreApplication::processEvents();
    g_heard.clear();
    QTest::keyClick(Field(w, line), Qt::Key_Return);
    QCoreApplication::processEvents();
    QList<QObject*> focused;
    for (const Heard& h : std::exchange(g_heard, {}))
        if (h.Type == QAccessible::Focus) focused << h.Object;
    QCOMPARE(focused, next != nullptr ? QList<QObject*>{next} : QList<QObject*>{});
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
            QAccessibleInterface* iface = event->accessibleInterface();
            g_heard.push_back(
                {event->type(), event->object(), iface ? iface->text(QAccessible::Name) : ""});
        });
        QAccessible::setActive(true);
    }
    void cleanup() {
        QAccessible::installUpdateHandler(nullptr);
        g_heard.clear();
    }

    // The last pass of a drill, the evaluation, a fresh drill, titles, a switch.
    // Qt sends these events only through a bridge to a bus (not offscreen).
    void aDrillIsHeardReturnByReturn() {
        if (QGuiApplication::platformName() != QLatin1String("offscreen"))
            (void)QTest::qWaitFor([] { return QAccessible::isActive(); }, 30000);
        if (!QAccessible::isActive())
            QSKIP("no accessibility bus here: tests/a11y/atspi-session.sh runs this on one");
        test::Program p(5, QSize(1280, 1024));
        p.selection.MaxPasses = 1; // the fifth answer ends the drill
        ExerciseWindow* w = p.Open(p.windows.Einheiten, &SelectionState::LevelLaenge, 1);
        auto* evaluate = Named<QPushButton>(w, "Auswertung");
        QCOMPARE(QApplication::focusWidget(), Field(w, 1));
        for (int line = 1; line <= 5; ++line) {
            if (line == 2) {
                Judged(w, 2, QStringLiteral("9999999"), nullptr);
                Field(w, 2)->clear();
            }
            Judged(w, line, p.Right(line),
                   line < 5 ? static_cast<QObject*>(Field(w, line + 1)) : evaluate);
        }

        // The chain window left with Escape hands the focus back; the
        // evaluation says a few of its steps, not all.
        test::WhenModal(w, [](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
        w->MenuBar()->setFocus(Qt::MenuBarFocusReason);
        Child<QAction>(w, "menVerwandlung")->trigger();
        QTRY_COMPARE(QApplication::focusWidget(), evaluate);
        TfrmAuswertung* evaluation = p.windows.Auswertung;
        std::vector<Heard> animation;
        test::WhenModal(w, [&](QWidget*) {
            QTRY_VERIFY(evaluation->btnSchliessen()->Shown());
            animation = std::exchange(g_heard, {});
            QTest::keyClick(evaluation->btnSchliessen(), Qt::Key_Return);
        });
        QTest::keyClick(evaluate, Qt::Key_Return);
        const auto changes = std::count_if(animation.begin(), animation.end(), [&](const Heard& h) {
            const auto* widget = qobject_cast<QWidget*>(h.Object);
            return widget != nullptr && widget->window() == evaluation &&
                   (h.Type == QAccessible::NameChanged || h.Type == QAccessible::ValueChanged ||
                    h.Type == QAccessible::DescriptionChanged ||
                    h.Type == QAccessible::TextUpdated);
        });
        QVERIFY2(changes > 0 && changes <= 30, qPrintable(QString::number(changes)));
        QTRY_COMPARE(QApplication::focusWidget(), Field(w, 1));
        w->menSchliessenClick();

        // New titles at another level or page; the time switch's change.
        g_heard.clear();
        p.Open(p.windows.Einheiten, &SelectionState::LevelLaenge, 2);
        QVERIFY(Told(w, QAccessible::NameChanged, QStringLiteral("Längenmaße: ANFÄNGER")));
        w->menSchliessenClick();
        p.Open(p.windows.Information)->ShowPage(2);
        QVERIFY(Told(p.windows.Information, QAccessible::NameChanged,
                     QStringLiteral("Entwicklung der Massenmaße")));
        p.windows.Information->hide();
        QAction* item = p.start->MenuItem(QStringLiteral("menZeitart"));
        item->trigger();
        QVERIFY(Told(item, QAccessible::StateChanged));
    }

    // The time switch's state; time panel and gauge as text, not values to
    // set; a painted page line by line.
    void whatIsReadWithoutABridge() {
        test::Program p(5, QSize(1280, 1024));
        QAction* item = p.start->MenuItem(QStringLiteral("menZeitart"));
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(item);
        QVERIFY(iface->state().checkable && !iface->state().checked &&
                iface->text(QAccessible::Description) == "Zeitanzeige: aus");
        item->trigger();
        QVERIFY(iface->state().checked);
        QCOMPARE(iface->text(QAccessible::Name) + " " + iface->text(QAccessible::Description),
                 "Aus Zeitanzeige: ein");

        ExerciseWindow* w = p.Open(p.windows.Einheiten, &SelectionState::LevelLaenge, 1);
        auto* time = QAccessible::queryAccessibleInterface(Named(w, "Benötigte Zeit"));
        QCOMPARE(time->text(QAccessible::Name) + " " + time->text(QAccessible::Description) + " " +
                     time->textInterface()->text(0, -1),
                 "Benötigte Zeit 00:00:00 00:00:00");
        w->menSchliessenClick();
        QAccessibleInterface* gauge =
            QAccessible::queryAccessibleInterface(p.windows.Auswertung->gauRichtig());
        QVERIFY(gauge->role() == QAccessible::ProgressBar && gauge->state().readOnly &&
                gauge->valueInterface() == nullptr);

        TfrmInformation* info = p.Open(p.windows.Information);
        QAccessibleTextInterface* page =
            QAccessible::queryAccessibleInterface(info->findChild<ReadingPane*>())->textInterface();
        const QString text = page->text(0, -1);
        QVERIFY(text.startsWith("Schon im Altertum"));
        int start = 0, end = 0;
        const QString line = page->textAtOffset(static_cast<int>(text.indexOf("Krypton")),
                                                QAccessible::LineBoundary, &start, &end);
        QCOMPARE(line.trimmed(),
                 "des orangeroten Lichts, das ein Kryptonatom (Krypton-86) im Vakuum aussendet.");
        QVERIFY(!page->characterRect(start).isEmpty() &&
                !info->Picture(1)->accessibleName().isEmpty());
        info->hide();
    }
};

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
