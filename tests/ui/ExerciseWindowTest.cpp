// The drill windows driven with real key events, the evaluation step by step,
// the task lines' room, the text renderer, the faces and marks.
#include "Drive.h"

#include "../TestData.h"
#include "../generators/TestSupport.h"
#include "decadic/DecadicGenerators.h"
#include "decadic/DekDekU.h"
#include "decadic/DezDezU.h"
#include "drill/LineLayout.h"
#include "generators/Generators.h"
#include "windows/Faces.h"
#include "windows/FontU.h"
#include "windows/VerwandlungskettenU.h"

#include <QClipboard>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QImage>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPaintEngine>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QToolTip>
#include <QWindow>

#include <functional>
#include <map>
#include <vector>

using namespace quarvel;
using namespace quarvel::test;

namespace {

// A held key's repeats, marked or not, each a release and a press at one instant.
void Held(QWidget* target, Qt::Key held = Qt::Key_Return) {
    static quint64 at = 1000;
    for (const bool marked : {true, false, true, false}) {
        at += 40;
        for (const QEvent::Type type : {QEvent::KeyRelease, QEvent::KeyPress}) {
            QKeyEvent key(type, held, Qt::NoModifier, held == Qt::Key_Tab ? "\t" : "\r", marked);
            key.setTimestamp(at);
            QCoreApplication::sendEvent(target, &key);
        }
        QCoreApplication::processEvents();
    }
}

// The gauges and percentages as the evaluation computes them, and as drawn.
QString Gauges(const EvaluationFrame& f) {
    return QStringLiteral("%1/%2 %3 %4")
        .arg(f.GaugeRight)
        .arg(f.GaugeWrong)
        .arg(QString::fromStdString(f.LabelRight), QString::fromStdString(f.LabelWrong));
}
QString Gauges(const TfrmAuswertung* d) {
    return Gauges({Named<BarGauge>(d, "Richtig")->value(), Named<BarGauge>(d, "Falsch")->value(),
                   d->lblPRichtig()->text().toStdString(), d->lblPFalsch()->text().toStdString()});
}

// `input` arriving in `field` as one key event, a dead circumflex then composed,
// composed (ime), pasted by Ctrl+V, inserted, or ("typed") not at all.
void Arrive(QLineEdit* field, const QString& way, const QString& input) {
    QGuiApplication::clipboard()->setText(input);
    QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, input);
    QKeyEvent dead(QEvent::KeyPress, Qt::Key_Dead_Circumflex, Qt::NoModifier);
    QInputMethodEvent composed;
    composed.setCommitString(input);
    if (way == "paste")
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_V, QString(QChar(0x16)),
                            Qt::ControlModifier);
    if (way == "insert") field->insert(input);
    if (way == "key") QCoreApplication::sendEvent(field, &key);
    if (way == "dead") QCoreApplication::sendEvent(field, &dead);
    if (way == "dead" || way == "ime") QCoreApplication::sendEvent(field, &composed);
}

LinePlaces Placed(const std::string& given, const std::string& unit, const AnswerField& field) {
    LineView view;
    view.Given = given, view.ToUnit = unit, view.ToUnitLeft = field.ToUnitLeft,
    view.AnswerLeft = field.Left;
    return PlaceLine(view);
}

int TextEnd(int left, const std::string& text) {
    return left + MeasureTaskText(QString::fromStdString(text), 20);
}

// What is wrong with line 1 as the window places it (empty: nothing): text
// under the field, a line moved although it fits, the field or the unit (none
// on lines without one) reaching the try marks.
template <typename Record> QString Fault(const Record& r, bool hasUnit) {
    const std::string given = r.GivenText.str() + (hasUnit ? " " + r.FromUnit.str() : "");
    const std::string unit = hasUnit ? r.ToUnit.str() : "";
    const AnswerField field = FieldOf(r);
    const LinePlaces at = Placed(given, unit, field);
    const int givenEnd = TextEnd(kGivenLeft, given), fieldEnd = at.AnswerLeft + field.Width;
    const int unitEnd = hasUnit ? TextEnd(at.ToUnitLeft, unit) : 0;
    const bool moved =
        at.AnswerLeft != field.Left || (hasUnit && at.ToUnitLeft != field.ToUnitLeft);
    if (givenEnd + kTextGap <= at.AnswerLeft && (givenEnd + kTextGap > field.Left || !moved) &&
        fieldEnd <= kMarkColumn &&
        (!hasUnit || (at.ToUnitLeft >= fieldEnd && unitEnd <= kMarkColumn)))
        return {};
    return QString::asprintf(
        "'%s' ... %s: text ends at %d, field %d..%d (written at %d), unit %d..%d", given.c_str(),
        unit.c_str(), givenEnd, at.AnswerLeft, fieldEnd, field.Left, at.ToUnitLeft, unitEnd);
}

// Every pattern band of every direction and unit pair, its draws at their largest and at random.
QString SweepMeasure(const GeneratorTable& table) {
    testing::ExtremeRandom largest(true);
    SeededRandom seeded(4711);
    for (const PairBand& pair : table.Pairs)
        for (const int direction : {0, 1})
            for (const PatternBand& band : direction == 0 ? pair.M : pair.D)
                for (const int draw : {band.Lo, band.Hi})
                    for (RandomSource* digits :
                         std::initializer_list<RandomSource*>{&largest, &seeded}) {
                        ScriptedRandom script({direction, pair.Lo - 1, draw - 1}, digits);
                        const TTaskRecord task = FindMeasureGenerator(table.Name)(script);
                        if (QString f = Fault(task, true); !f.isEmpty()) return f;
                    }
    return {};
}

// Both ends of every direction or kind band, every pattern draw, four seeds for the rest.
QString SweepDecadic(const NamedDecadicGenerator& g) {
    using enum DekTraining;
    const bool units = g.Training == DekDek || g.Training == DezDez;
    std::vector<int> firstDraws{1, 2};
    if (units && g.Level >= 3) {
        const UnitLevel& row = g.Training == DekDek ? DekDekLevel(g.Level) : DezDezLevel(g.Level);
        firstDraws = {1, row.Kind1Hi, row.Kind1Hi + 1, row.Kind2Hi, row.Kind2Hi + 1, 100};
    }
    for (const int first : firstDraws)
        for (int p = 1; p <= 100; ++p)
            for (int seed = 0; seed < 4; ++seed) {
                SeededRandom rest(static_cast<std::uint64_t>(seed * 1000 + p));
                ScriptedRandom script(units ? std::vector{first - 1, 0, p - 1}
                                            : std::vector{first - 1, p - 1},
                                      &rest);
                if (QString f = Fault(g.Generate(script), units); !f.isEmpty()) return f;
            }
    return {};
}

// A painting's text calls: "text size top [colour unless black]", starts and advance ends.
struct Record {
    QStringList Layout;
    QList<int> Starts, Ends;
    QList<QFont> Fonts;
};

class RecordingEngine : public QPaintEngine {
  public:
    RecordingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState& s) override {
        if (s.state() & QPaintEngine::DirtyPen) colour_ = s.pen().color();
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawPath(const QPainterPath&) override {}
    void drawTextItem(const QPointF& p, const QTextItem& item) override {
        const QFontMetrics metrics(item.font());
        Calls.Layout << QStringLiteral("%1 %2 %3%4")
                            .arg(item.text())
                            .arg(item.font().pixelSize())
                            .arg(qRound(p.y()) - metrics.ascent())
                            .arg(colour_.name() == "#000000" ? QString() : " " + colour_.name());
        Calls.Starts << qRound(p.x());
        Calls.Ends << Calls.Starts.back() + metrics.horizontalAdvance(item.text());
        Calls.Fonts << item.font();
    }
    Type type() const override { return QPaintEngine::User; }

    Record Calls;
    QColor colour_;
};

// A 400 x 400 screen image whose painting is recorded instead.
class RecordingDevice : public QImage {
  public:
    RecordingDevice() : QImage(400, 400, QImage::Format_RGB32) {}
    QPaintEngine* paintEngine() const override { return &engine_; }
    mutable RecordingEngine engine_;
};

template <typename Draw> Record Recorded(Draw draw) {
    RecordingDevice device;
    QPainter p(&device);
    draw(p);
    p.end();
    return device.engine_.Calls;
}

} // namespace

class ExerciseWindowTest : public QObject {
    Q_OBJECT

  private slots:
    // tests/data/cases/ui_drill_scenario.csv step by step.
    void drillScenario() {
        test::Program p;
        p.selection.MaxPasses = 3;
        p.selection.TimeDisplay = true;
        auto clock = std::make_shared<ManualClock>();
        p.windows.Einheiten->SetClock(clock);
        auto* w = p.Open(p.windows.Einheiten, &SelectionState::LevelMasse, 4);
        QString evaluated;
        QTimer watch;
        watch.callOnTimeout([&] {
            LatentButton* close = p.windows.Auswertung->btnSchliessen();
            if (QApplication::activeModalWidget() != p.windows.Auswertung || !close->Shown())
                return;
            const ScoreState& score = w->Session().State().Score();
            evaluated = QStringLiteral("%1 %2")
                            .arg(score.TotalTries)
                            .arg(QString::fromStdString(Drill::FormatPoints(score.TotalPoints)));
            close->click();
        });
        watch.start(5);
        QWidget* target = nullptr;
        QString right;
        const auto yes = [](bool b) { return QString(b ? "yes" : "no"); };
        const auto* time = Named<QLabel>(w, "Benötigte Zeit");
        const auto* message = Child<QLabel>(w, "lblAnzeige");
        const auto* timer = Child<QTimer>(w, "Timer1");
        const std::map<std::string, std::function<QString()>> shows = {
            {"time", [&] { return time->isVisible() ? time->text() : "hidden"; }},
            {"ticking", [&] { return yes(timer->isActive()); }},
            {"shown", [&] { return yes(target->isVisible()); }},
            {"pass", [&] { return Child<QLabel>(w, "lblDurchgang")->text(); }},
            {"tries", [&] { return Child<QLabel>(w, "lblAktVersuche")->text(); }},
            {"points", [&] { return Child<QLabel>(w, "lblAktPunkte")->text(); }},
            {"messages", [&] { return p.messages.join('|'); }},
            {"says answer of",
             [&] { return message->text().contains(right) ? "" : message->text(); }},
            {"evaluated", [&] { return evaluated; }}};
        for (const testdata::CsvRow& row : testdata::ReadCsv("cases/ui_drill_scenario.csv")) {
            const std::string& step = row["step"];
            const QString on = QString::fromStdString(row["on"]);
            const QString value = QString::fromStdString(row["value"]);
            const int line = on.toInt();
            target = on == "Weiter"       ? Named<QPushButton>(w, "Weiter")
                     : on == "Auswertung" ? Named<QPushButton>(w, "Auswertung")
                     : line > 0           ? static_cast<QWidget*>(Field(w, line))
                                          : nullptr;
            right = line > 0 ? p.Right(line) : QString();
            const QString text = value == "right" ? right : right == "7" ? "8" : "7";
            const QByteArray where = QByteArray::fromStdString(row.Where() + ": " + step);
            if (shows.count(step) != 0) {
                const QString shown = shows.at(step)();
                QVERIFY2(shown == value, where + " shows " + shown.toUtf8());
            } else if (step == "type") {
                QTest::keyClicks(target, text);
            } else if (step == "answer") {
                Answer(w, line, text);
            } else if (step == "return" || step == "escape" || step == "tab") {
                QTest::keyClick(target, step == "tab"      ? Qt::Key_Tab
                                        : step == "escape" ? Qt::Key_Escape
                                                           : Qt::Key_Return);
            } else if (step == "held") {
                Held(target, value == "Tab" ? Qt::Key_Tab : Qt::Key_Return);
            } else if (step == "click") {
                QTest::mouseClick(target, Qt::LeftButton);
            } else if (step == "press") {
                qobject_cast<QPushButton*>(target)->click();
            } else if (step == "go to") {
                target->setFocus();
            } else if (step == "set") {
                qobject_cast<QLineEdit*>(target)->setText(value);
            } else if (step == "clock" || step == "tick") {
                const int at = value.toInt();
                clock->Advance(at - clock->NowMilliseconds());
                if (step == "tick") w->Timer1Timer();
                QVERIFY2(step == "clock" ||
                             (timer->isActive() &&
                              at + timer->interval() == (at + 100) / 1000 * 1000 + 1000),
                         where);
            } else if (step == "chain") {
                test::WhenModal(nullptr, [](QWidget* chain) { chain->close(); });
                Child<QAction>(w, "menVerwandlung")->trigger();
            } else if (step == "focus") {
                QTRY_VERIFY2(QApplication::focusWidget() == target, where);
            } else {
                QFAIL(where + ": no such step");
            }
        }
        w->menSchliessenClick();
    }

    // cases/ui_admitted_text.csv however text arrives; control characters and
    // line breaks reach no field, a digit does. No time display: no panel.
    void fieldsHoldOnlyAdmittedText() {
        test::Program p;
        p.selection.LevelLM = 3;
        auto* measure = p.Open(p.windows.Einheiten, &SelectionState::LevelFlaeche, 4);
        auto* decadic = p.Open(p.windows.DekEinheiten, &SelectionState::LevelDekNum, 1);
        QVERIFY(!Named<QLabel>(measure, "Benötigte Zeit")->isVisible() &&
                !Child<QTimer>(measure, "Timer1")->isActive());
        for (const int line : {1, 2}) {
            TTaskRecord task = measure->Session().MeasureSheet()[line];
            task.AnswerDecimals = line == 1 ? 2 : 0;
            measure->PutTask(line, task);
        }
        TDekTaskRecord notation = decadic->Session().DekSheet()[1];
        notation.AnswerIsNotation = true;
        decadic->PutTask(1, notation);
        const std::map<std::string, QLineEdit*> fields = {
            {"measure", Field(measure, 1)},
            {"whole", Field(measure, 2)},
            {"decadic", Field(decadic, 1)},
            {"combination", Field(p.Open(p.windows.Kombinationen), 2)},
            {"pass count", Child<QLineEdit>(p.Open(p.windows.Maxanzahl), "edtMaxzahl")}};
        const auto focus = [](QLineEdit* field) {
            QApplication::setActiveWindow(field->window());
            field->setFocus();
        };
        for (const testdata::CsvRow& row : testdata::ReadCsv("cases/ui_admitted_text.csv")) {
            QLineEdit* field = fields.at(row["field"]);
            focus(field);
            QTest::keyClicks(field, QString::fromStdString(row["before"]));
            Arrive(field, QString::fromStdString(row["way"]), QString::fromStdString(row["input"]));
            QVERIFY2(field->text() == QString::fromStdString(row["holds"]),
                     qPrintable(QString::fromStdString(row.Where()) + ": " + field->text()));
            field->clear(); // an empty field is not judged when it is left
        }
        QStringList inputs = {"\r\n", "2\n3", "2"};
        for (const QChar c : QStringLiteral("\t\n\r\x01\x1b\x7f\u0085\u2028\u2029"))
            inputs << c;
        for (const auto& [name, field] : fields) {
            focus(field);
            for (const QString& input : inputs) {
                for (const QString way : {"key", "paste", "ime", "insert"}) {
                    field->setText(QStringLiteral("1"));
                    Arrive(field, way, input);
                    QVERIFY2(field->text() == (input == "2" ? "12" : "1"),
                             qPrintable(QString::fromStdString(name) + " " + way + " U+" +
                                        QString::number(input.back().unicode(), 16)));
                }
            }
            field->clear();
        }
        p.windows.Maxanzahl->close();
        measure->menSchliessenClick();
        decadic->menSchliessenClick();
    }

    // A revealed line explains itself over face and given text, to a screen
    // reader and on the chain. A recognised wrong first try names its rule
    // (never the answer); other answers, the solution and a fresh drill none.
    void revealedLinesAndHints() {
        test::Program p(5);
        p.selection.AreaCode = 5;
        auto* w = p.Open(p.windows.Einheiten, &SelectionState::LevelLaenge, 2);
        TTaskRecord km = w->Session().MeasureSheet()[1], m = km;
        km.GivenText = "3,5", km.FromUnit = "km", km.ToUnit = "m", km.AnswerText = "3500";
        m.GivenText = "4", m.FromUnit = "m", m.ToUnit = "dm", m.AnswerText = "40";
        w->PutTask(1, km);
        w->PutTask(2, m);
        TfrmVerwandlungsketten* chain = p.windows.Verwandlungsketten;
        const auto drawnChain = [&] {
            QImage image;
            test::WhenModal(nullptr, [&](QWidget* modal) {
                image = chain->Client()->grab().toImage();
                modal->close();
            });
            Child<QAction>(w, "menVerwandlung")->trigger();
            return image;
        };
        QWidget* box = Child(w, "pntEinheiten");
        const auto tipAt = [box](int x) {
            const QPoint at(x, LineTop(1) + 10);
            QHelpEvent help(QEvent::ToolTip, at, box->mapToGlobal(at));
            QCoreApplication::sendEvent(box, &help);
            return QToolTip::isVisible() ? QToolTip::text() : QString();
        };
        const auto* hint = Child<QLabel>(w, "lblTipp");
        const QString rule = QStringLiteral("Tipp: Von m nach dm wird die Zahl größer.");
        const auto shows = [&](int line) {
            return hint->text() == rule && hint->isVisible() &&
                   Face(w, line)->toolTip().contains(rule) &&
                   Field(w, line)->accessibleDescription().contains(rule) &&
                   !Face(w, line)->toolTip().contains("40");
        };
        const auto none = [&](int line) {
            return hint->text().isEmpty() && Face(w, line)->toolTip().isEmpty();
        };
        const QImage described = drawnChain();
        Answer(w, 1, QStringLiteral("350"));
        QVERIFY(!Face(w, 1)->toolTip().contains("So geht's") && tipAt(kGivenLeft + 10).isEmpty());
        QTest::keyClick(Field(w, 1), Qt::Key_Return);
        const QString tip = Face(w, 1)->toolTip();
        QVERIFY(tip.contains("drei\u00a0Stellen nach rechts: 3,5\u00a0km = 3500\u00a0m."));
        QCOMPARE(tipAt(kGivenLeft + 10), tip);
        QTRY_VERIFY(tipAt(300).isEmpty());
        QVERIFY(Face(w, 1)->accessibleDescription().startsWith(
            "zweimal falsch, das Ergebnis lautet 3500. So geht's: "));

        Answer(w, 2, QStringLiteral("41"));
        QVERIFY(none(2));
        Answer(w, 2, QStringLiteral("0,4"));
        QVERIFY(hint->text().isEmpty() && Face(w, 2)->toolTip().contains("So geht's"));
        const QImage solved = drawnChain();
        QVERIFY(chain->DrawnSolution() && !chain->DrawnSolution()->Sentences.empty());
        QCOMPARE(chain->DrawnSolution()->Sentences.back(),
                 "Du hängst eine\u00a0Null an: 4\u00a0m = 40\u00a0dm.");
        QVERIFY(solved.height() > described.height() && solved.copy(described.rect()) != described);
        for (int i = 3; i <= kLines; ++i)
            Answer(w, i, p.Right(i));
        Named<QPushButton>(w, "Weiter")->click();
        QVERIFY(Face(w, 1)->toolTip().isEmpty());
        QCOMPARE(drawnChain(), described);

        w->PutTask(1, m);
        w->PutTask(2, m);
        Answer(w, 1, QStringLiteral("0,4"));
        QVERIFY(shows(1));
        QCOMPARE(Child<QLabel>(w, "lblAnzeige")->text(),
                 QStringLiteral("Deine Eingabe ist leider falsch!\nÜberprüfe deine "
                                "Eingabe und versuche es noch einmal."));
        Answer(w, 1, QStringLiteral("40"));
        QVERIFY(none(1));
        Answer(w, 2, QStringLiteral("0,4"));
        QVERIFY(shows(2));
        w->menSchliessenClick();
        p.Open(p.windows.Einheiten, &SelectionState::LevelLaenge, 2);
        QVERIFY(none(2));
        w->menSchliessenClick();
    }

    // "Fehler üben (2)" by keyboard: the twins alone, a twin failed twice once
    // more on a sheet of its own, then the summary.
    void failedTasksComeBackAsTwins() {
        test::Program p(11);
        p.selection.MaxPasses = 1;
        auto* w = p.Open(p.windows.Einheiten, &SelectionState::LevelLaenge, 2);
        const auto fail = [&](int line) {
            for (int i = 0; i < 2; ++i)
                Answer(w, line, p.Right(line) == "7" ? "8" : "7");
        };
        for (int line = 1; line <= kLines; ++line)
            line == 2 || line == 4 ? fail(line) : Answer(w, line, p.Right(line));
        TfrmAuswertung* d = p.windows.Auswertung;
        QString offered;
        test::WhenModal(nullptr, [&](QWidget*) {
            QTRY_VERIFY(d->btnSchliessen()->Shown() && d->btnFehler()->Shown());
            offered =
                QAccessible::queryAccessibleInterface(d->btnFehler())->text(QAccessible::Name);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), d->btnFehler());
            QTest::keyClick(d->btnFehler(), Qt::Key_Space);
        });
        Named<QPushButton>(w, "Auswertung")->click();
        QCOMPARE(offered, "Fehler üben (2)");
        QVERIFY(w->isVisible() && w->Session().Practising());
        for (int line = 1; line <= kLines; ++line)
            QVERIFY(Field(w, line)->isVisible() == (line <= 2) &&
                    Face(w, line)->isVisible() == (line <= 2));
        const auto* pass = Child<QLabel>(w, "lblDurchgang");
        QCOMPARE(pass->text(), "1 / 1");
        Answer(w, 1, p.Right(1));
        fail(2);
        QCOMPARE(pass->text(), "1 / 2");
        Named<QPushButton>(w, "Weiter")->click();
        QVERIFY(Field(w, 1)->isVisible() && !Field(w, 2)->isVisible());
        fail(1);
        QVERIFY(p.messages.isEmpty());
        Named<QPushButton>(w, "Weiter")->click();
        QVERIFY(!w->isVisible() &&
                p.messages == QStringList{"Von 2 Fehleraufgaben hast du jetzt 1 richtig gelöst."});
    }

    // A close box only; each step the evaluation's, the focus on the hidden
    // close button; nothing closes it while it animates, nor an Enter held
    // since "Auswertung"; a fresh Enter, Escape or the close box do then.
    void evaluationClosesOnlyAfterItsAnimation() {
        Windows windows;
        QWidget start;
        auto* dialog = new TfrmAuswertung(windows, &start);
        auto* close = Named<LatentButton>(dialog, "Schließen");
        const Qt::WindowFlags flags = dialog->windowFlags();
        QVERIFY(dialog->windowType() == Qt::Dialog &&
                flags.testFlags(Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                Qt::WindowCloseButtonHint) &&
                !(flags & (Qt::WindowMinMaxButtonsHint | Qt::WindowContextHelpButtonHint)));
        dialog->SetStepInterval(0);
        QStringList steps;
        QString verdictAtStart = QStringLiteral("unset");
        QObject::connect(dialog, &TfrmAuswertung::StepShown, [&](int s) {
            QCOMPARE(qsizetype(s), steps.size());
            QVERIFY(!close->Shown() && dialog->focusWidget() == close);
            steps << Gauges(dialog);
            if (s == 0) verdictAtStart = dialog->lblAnzeige()->text();
            if (s != 10) return;
            QTest::keyClick(dialog, Qt::Key_Escape);
            QTest::keyClick(close, Qt::Key_Space);
            QTest::mouseClick(close, Qt::LeftButton);
            dialog->windowHandle()->close();
            QVERIFY(!dialog->close());
            dialog->reject();
            dialog->accept();
            QVERIFY(dialog->isVisible() && dialog->Animating());
        });
        const auto run = [&](float points, int tries) {
            dialog->SetScore(ScoreState{.TotalPoints = points, .TotalTries = tries});
            steps.clear();
            QSignalSpy finished(dialog, &TfrmAuswertung::AnimationFinished);
            dialog->show();
            if (finished.isEmpty()) QVERIFY(finished.wait(5000));
            const Evaluation e(points, tries);
            QStringList expected;
            for (int s = 0; s < e.StepCount(); ++s)
                expected << Gauges(e.Step(s));
            QCOMPARE(steps, expected);
            QVERIFY(close->Shown() && Gauges(dialog) == Gauges(e.Final()));
            QCOMPARE(dialog->lblAnzeige()->text().toStdString(), std::string(e.Verdict()));
            QCOMPARE(Named<BarGauge>(dialog, "Richtig")->accessibleDescription(),
                     "Richtig: " + QString::fromStdString(e.Final().LabelRight));
            QCOMPARE(Named<QLabel>(dialog, "Punkte und Versuche")->text() + ", " +
                         Named<QLabel>(dialog, "Verlorene Punkte und Versuche")->text(),
                     QString::fromStdString(e.PanelRight() + ", " + e.PanelWrong()));
        };
        run(6.5F, 20);
        QCOMPARE(steps.size(), qsizetype(33));
        Held(close);
        Held(dialog);
        QVERIFY(dialog->isVisible());
        QTest::keyClick(close, Qt::Key_Return);
        QVERIFY(!dialog->isVisible() && dialog->result() == QDialog::Accepted);
        run(15.0F, 15);
        QVERIFY(verdictAtStart.isEmpty());
        QTest::keyClick(dialog, Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
        run(12.5F, 17);
        dialog->windowHandle()->close();
        QVERIFY(!dialog->isVisible());
        run(0.0F, 30);
    }

    void everyTaskKeepsItsTextInSight() {
        QStringList faults;
        for (const NamedDecadicGenerator& g : DecadicGenerators())
            faults << SweepDecadic(g);
        for (const GeneratorTable& table : AllTables())
            faults << SweepMeasure(table);
        faults.removeAll(QString());
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }

    // Nine places push field and unit right; 40 wrong digits, twice, are drawn
    // in red where the field was, stopping before the unit.
    void aLongTaskAndALongWrongAnswerInTheWindow() {
        test::Program p;
        // Kind 3 from "Md" down to "Z": RandNineDigitE1 with 499122234.
        SeededRandom rest(3);
        ScriptedRandom script({40, 0, 0, 9, 0, 399122, 1, 2, 3}, &rest);
        auto* w = p.Open(p.windows.DekEinheiten, &SelectionState::LevelDekDek, 5);
        const TDekTaskRecord r = GenerateDekDek5(script);
        w->PutTask(1, r);
        QCOMPARE(r.GivenText.str(), std::string("4Md 9HM 9ZM 1M 2HT 2ZT 2T 3H 4Z"));
        QLineEdit* field = Field(w, 1);
        QVERIFY(field->x() >= TextEnd(kGivenLeft, r.GivenText.str() + " ") + kTextGap);
        const int unitLeft =
            Placed(r.GivenText.str() + " " + r.FromUnit.str(), r.ToUnit.str(), FieldOf(r))
                .ToUnitLeft;
        QVERIFY(unitLeft >= field->geometry().right() && unitLeft < kMarkColumn);
        for (int attempt = 0; attempt < 2; ++attempt)
            test::Answer(w, 1, QStringLiteral("1234567891").repeated(4));
        QVERIFY(!field->isVisible());
        const QImage shot = test::Child(w, "pntEinheiten")->grab().toImage();
        int red = 0;
        for (int y = 110; y < 170; ++y)
            for (int x = 0; x < shot.width(); ++x)
                if (qRed(shot.pixel(x, y)) - qGreen(shot.pixel(x, y)) > 60 && ++red)
                    QVERIFY2(x < unitLeft, qPrintable(QStringLiteral("red at %1").arg(x)));
        QVERIFY(red > 100);
        w->menSchliessenClick();
    }

    // cases/engine_task_text.csv glyph by glyph, ending where measured. In
    // information text "#" flips the colour without room; bold keeps italics.
    void textRenderer() {
        for (const testdata::CsvRow& row : testdata::ReadCsv("cases/engine_task_text.csv")) {
            const QString text = QString::fromStdString(row["text"]);
            const Record r = Recorded(
                [&](QPainter& p) { DrawTaskText(p, 10, 50, Qt::black, text, row.Int("size")); });
            QVERIFY2(r.Layout.join('|') == QString::fromStdString(row["glyphs"]),
                     qPrintable(QString::fromStdString(row.Where()) + ": " + r.Layout.join('|')));
            QCOMPARE(r.Starts, (QList<int>{10} + r.Ends).mid(0, r.Starts.size()));
            if (!text.contains('#'))
                QCOMPARE(10 + MeasureTaskText(text, row.Int("size")), r.Ends.back());
        }
        const Record r = Recorded([](QPainter& p) {
            QFont font = p.font();
            font.setItalic(true);
            p.setFont(font);
            DrawInfoText(p, 5, 10, Qt::black, Qt::red, 12, "a#b#c#d^2", true);
            DrawInfoText(p, 5, 40, Qt::black, Qt::red, 12, "e", false);
        });
        QCOMPARE(r.Layout, (QStringList{"a 16 10", "b 16 10 #ff0000", "c 16 10", "d 16 10 #ff0000",
                                        "2 12 6 #ff0000", "e 16 40"}));
        QCOMPARE(r.Starts[1], r.Ends[0]);
        QVERIFY(r.Fonts[0].bold() && r.Fonts[0].italic() && !r.Fonts[5].bold() &&
                r.Fonts[5].italic());
    }

    // At twice the density each face and mark keeps its size, clear corners,
    // a filled middle; no two alike.
    void facesAndMarksFollowThePixelRatio() {
        QList<QImage> seen;
        for (int i = 0; i < 6; ++i) {
            const QPixmap picture = i < 4 ? FacePixmap(static_cast<FaceKind>(i), 1.0, 2.0)
                                          : MarkPixmap(static_cast<MarkKind>(i - 3), 1.0, 2.0);
            QCOMPARE(picture.deviceIndependentSize().toSize(),
                     i < 4 ? QSize(63, 69) : QSize(40, 40));
            const QImage image = picture.toImage().convertToFormat(QImage::Format_ARGB32);
            const QPoint far(image.width() - 1, image.height() - 1);
            QVERIFY(image.pixelColor(0, 0).alpha() == 0 && image.pixelColor(far).alpha() == 0 &&
                    image.pixelColor(far / 2).alpha() > 0 && !seen.contains(image));
            seen << image;
        }
    }
};

QTEST_MAIN(ExerciseWindowTest)
#include "ExerciseWindowTest.moc"
