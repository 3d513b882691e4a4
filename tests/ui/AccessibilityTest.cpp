// What a screen reader hears while a drill is worked with the keyboard: the
// accessibility events of every Return, recorded as Qt sends them, and what
// the painted windows give to read.
#include "../WidgetLookup.h"
#include "windows/Accessible.h"
#include "windows/AuswertungU.h"
#include "windows/EinheitenU.h"
#include "windows/InformationU.h"
#include "windows/Program.h"
#include "windows/VerwandlungskettenU.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <vector>

using namespace quarvel;

namespace {

struct Heard {
    QAccessible::Event Type;
    QObject* Object;
    QString Name;        // at the time of the event
    QString Description; // likewise
    QString Inserted;    // text updates
};

std::vector<Heard> g_heard;

void Record(QAccessibleEvent* event) {
    Heard heard{event->type(), event->object(), {}, {}, {}};
    if (QAccessibleInterface* iface = event->accessibleInterface()) {
        heard.Name = iface->text(QAccessible::Name);
        heard.Description = iface->text(QAccessible::Description);
    }
    if (event->type() == QAccessible::TextUpdated)
        heard.Inserted = static_cast<QAccessibleTextUpdateEvent*>(event)->textInserted();
    g_heard.push_back(heard);
}

// What was heard since the last call.
std::vector<Heard> Take() {
    return std::exchange(g_heard, {});
}

// Where the focus went, in order.
QList<QObject*> Focused(const std::vector<Heard>& heard) {
    QList<QObject*> moves;
    for (const Heard& h : heard)
        if (h.Type == QAccessible::Focus) moves << h.Object;
    return moves;
}

// The position of the first event of `type` on `object` whose name, or
// description for a description change, is `text` or begins with it and a
// period; -1 when there is none.
int Find(const std::vector<Heard>& heard, QObject* object, QAccessible::Event type,
         const QString& text) {
    for (std::size_t k = 0; k < heard.size(); ++k) {
        const Heard& h = heard[k];
        const QString& said = type == QAccessible::DescriptionChanged ? h.Description : h.Name;
        if (h.Object == object && h.Type == type && (said == text || said.startsWith(text + '.')))
            return static_cast<int>(k);
    }
    return -1;
}

QString Answer(const AppState& state, int line) {
    return QString::fromStdString(state.TaskSheet[line].AnswerText.str());
}

void Enter(QWidget* target, const QString& text = {}) {
    if (!text.isEmpty()) QTest::keyClicks(target, text);
    QTest::keyClick(target, Qt::Key_Return);
    QCoreApplication::processEvents();
}

struct Fixture {
    AppState state;
    Windows windows;
    std::unique_ptr<TfrmStart> start;

    Fixture() {
        state.Rng = std::make_shared<SeededRandom>(5);
        start = CreateWindows(state, windows, [] { return QSize(1280, 1024); });
        windows.Auswertung->SetStepInterval(0);
        QAccessible::installUpdateHandler(Record);
        QAccessible::setActive(true);
    }
    ~Fixture() {
        QAccessible::installUpdateHandler(nullptr);
        g_heard.clear();
    }

    TfrmEinheiten* OpenLength(int level) {
        state.Selection.AreaCode = 5; // length, as the menu sets it
        state.Selection.LevelLaenge = level;
        TfrmEinheiten* w = windows.Einheiten;
        w->show();
        QApplication::setActiveWindow(w);
        QCoreApplication::processEvents();
        return w;
    }
};

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

    // After Return: the result in the field, the message, then at most one
    // focus move, to `next` (nullptr: the focus stays).
    static void Judged(ExerciseWindow* w, int line, const QString& result, const QString& message,
                       QObject* next) {
        const std::vector<Heard> heard = Take();
        const int told = Find(heard, w->Field(line), QAccessible::DescriptionChanged, result);
        const int said = Find(heard, w->lblAnzeige(), QAccessible::NameChanged, message);
        QVERIFY2(told >= 0, qPrintable(result));
        QVERIFY2(said > told, qPrintable(message));
        QVERIFY(std::any_of(heard.begin() + said, heard.end(), [&](const Heard& h) {
            return h.Type == QAccessible::TextUpdated && h.Object == w->lblAnzeige() &&
                   h.Inserted.simplified() == message;
        }));
        QCOMPARE(Focused(heard), next != nullptr ? QList<QObject*>{next} : QList<QObject*>{});
        const auto moved = std::find_if(heard.begin(), heard.end(), [](const Heard& h) {
            return h.Type == QAccessible::Focus;
        });
        QVERIFY(moved == heard.end() || moved - heard.begin() > said);
    }

  private slots:
    void aDrillIsHeardReturnByReturn() {
        // Qt sends accessibility events only through an active bridge to an
        // accessibility bus; the offscreen platform has none. On X the bridge
        // is up once it has found the bus.
        if (QGuiApplication::platformName() != QLatin1String("offscreen"))
            (void)QTest::qWaitFor([] { return QAccessible::isActive(); }, 5000);
        if (!QAccessible::isActive())
            QSKIP("no accessibility bus here: tests/a11y/atspi-session.sh runs this on one");
        Fixture f;
        ExerciseWindow* w = f.OpenLength(1);
        QCOMPARE(QApplication::focusWidget(), w->Field(1));
        Take();

        const QString right = Answer(f.state, 1);
        Enter(w->Field(1), right);
        Judged(w, 1, "richtig beim ersten Versuch: " + right,
               QStringLiteral("Bravo, deine Eingabe ist richtig!"), w->Field(2));

        Enter(w->Field(2), QStringLiteral("9999999"));
        Judged(w, 2, QStringLiteral("falsch, noch ein Versuch"),
               QStringLiteral("Deine Eingabe ist leider falsch! Überprüfe deine Eingabe und "
                              "versuche es noch einmal."),
               nullptr);
        QCOMPARE(QApplication::focusWidget(), w->Field(2));
        w->Field(2)->clear();
        Enter(w->Field(2), Answer(f.state, 2));
        Judged(w, 2, "richtig beim zweiten Versuch: " + Answer(f.state, 2),
               QStringLiteral("Beim zweiten Versuch ist deine Eingabe richtig!"), w->Field(3));

        Enter(w->Field(3), QStringLiteral("9999999"));
        Take();
        Enter(w->Field(3));
        const QString result = Answer(f.state, 3);
        // The field says the result and how it comes about.
        QVERIFY(w->Field(3)->accessibleDescription().startsWith(
            "zweimal falsch, das Ergebnis lautet " + result + ". So geht's: "));
        Judged(w, 3, "zweimal falsch, das Ergebnis lautet " + result,
               "Deine Eingabe ist leider wieder falsch! Das Ergebnis lautet " + result +
                   "! Vergleiche das Ergebnis mit deiner Eingabe und überlege, warum du den "
                   "Fehler begangen hast!",
               w->Field(4));

        Enter(w->Field(4), Answer(f.state, 4));
        Take();
        Enter(w->Field(5), Answer(f.state, 5));
        QCOMPARE(Focused(Take()), QList<QObject*>{w->btnWeiter()});

        // The chain window, opened from the menu bar at the end of the pass and
        // left with Escape, hands the focus back to "Weiter".
        QString chain;
        test::WhenModal(w, [&](QWidget* modal) {
            chain = modal->findChild<ReadingPane*>()->Text();
            QTest::keyClick(modal, Qt::Key_Escape);
        });
        w->MenuBar()->setFocus(Qt::MenuBarFocusReason);
        w->menVerwandlung()->trigger();
        QVERIFY(chain.startsWith(QStringLiteral("km, m, dm, cm, mm\n1 km = 1000 m\n")));
        QTRY_COMPARE(QApplication::focusWidget(), w->btnWeiter());
        Take();

        Enter(w->btnWeiter());
        std::vector<Heard> heard = Take();
        QCOMPARE(Focused(heard), QList<QObject*>{w->Field(1)});
        const Heard& focus = *std::find_if(heard.begin(), heard.end(), [](const Heard& h) {
            return h.Type == QAccessible::Focus;
        });
        QVERIFY(focus.Description.startsWith(QStringLiteral("Durchgang 2 von 3. ")));

        for (int pass = 2; pass <= 3; ++pass) {
            for (int line = 1; line <= 5; ++line)
                Enter(w->Field(line), Answer(f.state, line));
            if (pass == 2) Enter(w->btnWeiter());
        }
        QCOMPARE(Focused(Take()).last(), w->btnAuswertung());

        TfrmAuswertung* evaluation = f.windows.Auswertung;
        std::vector<Heard> animation;
        test::WhenModal(w, [&](QWidget*) {
            QTRY_VERIFY(evaluation->btnSchliessen()->Shown());
            animation = Take();
            QTest::keyClick(evaluation->btnSchliessen(), Qt::Key_Return);
        });
        Enter(w->btnAuswertung());
        // The focus is on "Schließen" from the start and stays there; the
        // animation says a few of its steps; the button tells the verdict.
        QList<QObject*> inDialog;
        int changes = 0; // of names, descriptions, values and texts: some steps, not all
        for (const Heard& h : animation) {
            const auto* widget = qobject_cast<QWidget*>(h.Object);
            if (widget == nullptr || widget->window() != evaluation) continue;
            if (h.Type == QAccessible::Focus) inDialog << h.Object;
            changes += h.Type == QAccessible::NameChanged || h.Type == QAccessible::ValueChanged ||
                       h.Type == QAccessible::DescriptionChanged ||
                       h.Type == QAccessible::TextUpdated;
        }
        QCOMPARE(inDialog, QList<QObject*>{evaluation->btnSchliessen()});
        QVERIFY2(changes <= 30, qPrintable(QString::number(changes)));
        const QString verdict = evaluation->lblAnzeige()->text();
        QVERIFY(evaluation->btnSchliessen()->accessibleDescription().startsWith(verdict + ' '));
        QAccessibleInterface* gauge =
            QAccessible::queryAccessibleInterface(evaluation->gauRichtig());
        QCOMPARE(gauge->role(), QAccessible::ProgressBar);
        QVERIFY(gauge->state().readOnly && gauge->valueInterface() == nullptr);

        // Closing it lands in the first field of a fresh drill, in one move
        // (on a busy X server the window's activation may come a little later).
        QList<QObject*> moves;
        QTRY_VERIFY((moves += Focused(Take()), !moves.isEmpty()));
        QTest::qWait(50);
        moves += Focused(Take());
        QCOMPARE(moves, QList<QObject*>{w->Field(1)});
        w->menSchliessenClick();

        // The window, reused at another level, says its new title.
        f.OpenLength(2);
        QVERIFY(Find(Take(), w, QAccessible::NameChanged, QStringLiteral("Längenmaße: ANFÄNGER")) >=
                0);
        w->menSchliessenClick();
    }

    void timeDisplayAndItsSwitch() {
        Fixture f;
        QAction* item = f.start->MenuItem(QStringLiteral("menZeitart"));
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(item);
        QVERIFY(iface->state().checkable && !iface->state().checked);
        QCOMPARE(iface->text(QAccessible::Description), QStringLiteral("Zeitanzeige: aus"));
        item->trigger();
        QVERIFY(iface->state().checked);
        QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Aus"));
        QCOMPARE(iface->text(QAccessible::Description), QStringLiteral("Zeitanzeige: ein"));
        QVERIFY(!QAccessible::isActive() ||
                std::any_of(g_heard.begin(), g_heard.end(), [&](const Heard& h) {
                    return h.Type == QAccessible::StateChanged && h.Object == item;
                }));

        ExerciseWindow* w = f.OpenLength(1);
        QAccessibleInterface* time = QAccessible::queryAccessibleInterface(w->pnlZeit());
        QCOMPARE(time->text(QAccessible::Name), QStringLiteral("Benötigte Zeit"));
        QCOMPARE(time->text(QAccessible::Description), QStringLiteral("00:00:00"));
        QCOMPARE(time->textInterface()->text(0, -1), QStringLiteral("00:00:00"));
        w->menSchliessenClick();
    }

    void paintedPagesReadLineByLine() {
        Fixture f;
        TfrmInformation* info = f.windows.Information;
        info->show();
        QAccessibleTextInterface* page =
            QAccessible::queryAccessibleInterface(info->findChild<ReadingPane*>())->textInterface();
        const QString text = page->text(0, -1);
        QVERIFY(text.startsWith(QStringLiteral("Schon im Altertum")));
        QVERIFY(text.contains(QStringLiteral("von drei aneinandergelegten\nGerstenkörnern")));
        int start = 0;
        int end = 0;
        const QString line = page->textAtOffset(static_cast<int>(text.indexOf("Krypton")),
                                                QAccessible::LineBoundary, &start, &end);
        QCOMPARE(line.trimmed(), QStringLiteral("des orangeroten Lichts, das ein Kryptonatom "
                                                "(Krypton-86) im Vakuum aussendet."));
        QVERIFY(!page->characterRect(start).isEmpty());
        QVERIFY(!info->Picture(1)->accessibleName().isEmpty());
        Take();
        info->ShowPage(2);
        QVERIFY(!QAccessible::isActive() ||
                Find(Take(), info, QAccessible::NameChanged,
                     QStringLiteral("Entwicklung der Massenmaße")) >= 0);
        info->hide();
    }
};

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
