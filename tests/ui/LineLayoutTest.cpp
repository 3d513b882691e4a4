// Nothing the pupil must read lies under an answer field or beyond the try
// marks: every generator's tasks measured with the renderer's own metrics, and
// a long task with a long wrong answer in the real decadic window.
#include "drill/LineLayout.h"
#include "decadic/DecadicGenerators.h"
#include "decadic/DekDekU.h"
#include "decadic/DezDezU.h"
#include "generators/Generators.h"
#include "windows/DekEinheitenU.h"
#include "windows/ExerciseWindow.h"
#include "windows/FontU.h"
#include "windows/Program.h"

#include "../generators/TestSupport.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QTest>

#include <vector>

using namespace quarvel;

namespace {

// What is wrong with a line drawn as the window draws it (empty: nothing).
// The unit is empty on lines without one; `left`, `width` and `unitLeft` are
// the places the generator wrote.
QString Fault(const QString& given, const QString& unit, const LinePlaces& places, int left,
              int width, int unitLeft) {
    QImage image(1, 1, QImage::Format_ARGB32_Premultiplied);
    QPainter canvas(&image);
    const int givenEnd = kGivenLeft + MeasureTaskText(canvas, given, 20);
    const int fieldEnd = places.AnswerLeft + width;
    const QString task = QStringLiteral("'%1' ... %2: ").arg(given, unit);
    if (givenEnd + kTextGap > places.AnswerLeft)
        return task +
               QStringLiteral("text ends at %1, field at %2").arg(givenEnd).arg(places.AnswerLeft);
    const bool fits = givenEnd + kTextGap <= left;
    if (fits && (places.AnswerLeft != left || (!unit.isEmpty() && places.ToUnitLeft != unitLeft)))
        return task + QStringLiteral("moved although it fits");
    if (fieldEnd > kMarkColumn) return task + QStringLiteral("field ends at %1").arg(fieldEnd);
    if (unit.isEmpty()) return {};
    const int unitEnd = places.ToUnitLeft + MeasureTaskText(canvas, unit, 20);
    if (places.ToUnitLeft < fieldEnd || unitEnd > kMarkColumn)
        return task + QStringLiteral("unit at %1..%2, field ends at %3")
                          .arg(places.ToUnitLeft)
                          .arg(unitEnd)
                          .arg(fieldEnd);
    return {};
}

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

// The places the drill window gives a line with these texts.
LinePlaces Placed(const std::string& given, const std::string& unit, int answerLeft, int unitLeft) {
    LineView view;
    view.Given = given;
    view.ToUnit = unit;
    view.AnswerLeft = answerLeft;
    view.ToUnitLeft = unitLeft;
    return PlaceLine(view);
}

// Every pattern band of every direction and unit pair, with the pattern's own
// draws at their largest (the most digits) and at random.
QString SweepMeasure(const GeneratorTable& table) {
    const GeneratorFn generate = FindMeasureGenerator(table.Name);
    testing::ExtremeRandom largest(true);
    SeededRandom seeded(4711);
    for (const PairBand& pair : table.Pairs) {
        for (const int direction : {1, 2}) {
            for (const PatternBand& band : direction == 1 ? pair.M : pair.D) {
                for (const int patternDraw : {band.Lo, band.Hi}) {
                    for (RandomSource* digits : {static_cast<RandomSource*>(&largest),
                                                 static_cast<RandomSource*>(&seeded)}) {
                        AppState state;
                        testing::UseScript(state, {direction - 1, pair.Lo - 1, patternDraw - 1},
                                           digits);
                        generate(state, 1);
                        const TTaskRecord& r = state.TaskSheet[1];
                        const std::string given = r.GivenText.str() + " " + r.FromUnit.str();
                        const QString fault =
                            Fault(Q(given), Q(r.ToUnit.str()),
                                  Placed(given, r.ToUnit.str(), r.AnswerLeft, state.ToUnitLeft),
                                  r.AnswerLeft, state.AnswerWidth, state.ToUnitLeft);
                        if (!fault.isEmpty()) return fault;
                    }
                }
            }
        }
    }
    return {};
}

// Both ends of every direction or kind band, every pattern draw, four seeds
// for the rest (the unit pairs and the digits).
QString SweepDecadic(const NamedDecadicGenerator& g) {
    using enum DekTraining;
    const bool units = g.Training == DekDek || g.Training == DezDez;
    std::vector<int> firstDraws{1, 2};
    if (units && g.Level >= 3) {
        const UnitLevel& row = g.Training == DekDek ? DekDekLevel(g.Level) : DezDezLevel(g.Level);
        firstDraws = {1, row.Kind1Hi, row.Kind1Hi + 1, row.Kind2Hi, row.Kind2Hi + 1, 100};
    }
    for (const int first : firstDraws) {
        for (int p = 1; p <= 100; ++p) {
            for (int seed = 0; seed < 4; ++seed) {
                AppState state;
                state.Selection.LevelDekNum = g.Training == DekNum ? g.Level : 0;
                state.Selection.LevelDekDek = g.Training == DekDek ? g.Level : 0;
                state.Selection.LevelDezNum = g.Training == DezNum ? g.Level : 0;
                state.Selection.LevelDezDez = g.Training == DezDez ? g.Level : 0;
                SeededRandom rest(static_cast<std::uint64_t>(seed * 1000 + p));
                testing::UseScript(state,
                                   units ? std::vector<int>{first - 1, 0, p - 1}
                                         : std::vector<int>{first - 1, p - 1},
                                   &rest);
                g.Generate(state, 1);
                const TDekTaskRecord& r = state.DekTaskSheet[1];
                const std::string given =
                    units ? r.GivenText.str() + " " + r.FromUnit.str() : r.GivenText.str();
                const std::string unit = units ? r.ToUnit.str() : std::string();
                const QString fault =
                    Fault(Q(given), Q(unit), Placed(given, unit, r.AnswerLeft, state.ToUnitLeft),
                          r.AnswerLeft, state.AnswerWidth, state.ToUnitLeft);
                if (!fault.isEmpty()) return fault;
            }
        }
    }
    return {};
}

// Points of the answer's colour, (255, 0, 102), blended into the background.
bool Reddish(QRgb pixel) {
    return qRed(pixel) - qGreen(pixel) > 60;
}

} // namespace

class LineLayoutTest : public QObject {
    Q_OBJECT

  private slots:
    void everyTaskKeepsItsTextInSight_data() {
        QTest::addColumn<QString>("generator");
        for (const NamedDecadicGenerator& g : DecadicGenerators())
            QTest::newRow(g.Name.data()) << Q(std::string(g.Name));
        for (const GeneratorTable& table : AllTables())
            QTest::newRow(table.Name.data()) << Q(std::string(table.Name));
    }

    void everyTaskKeepsItsTextInSight() {
        QFETCH(QString, generator);
        const std::string name = generator.toStdString();
        const NamedDecadicGenerator* decadic = FindDecadicGenerator(name);
        const QString fault =
            decadic != nullptr ? SweepDecadic(*decadic) : SweepMeasure(*FindTable(name));
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }

    // The nine places of a Profi task push field and unit right; a wrong
    // answer of 40 digits, twice, is drawn in red where the field was and
    // stops before the unit.
    void aLongTaskAndALongWrongAnswerInTheWindow() {
        AppState state;
        Windows windows;
        const auto start = CreateWindows(state, windows, [] { return QSize(1280, 800); });
        start->show();
        // Kind 3 from "Md" down to "Z": RandNineDigitE1 with 499122234.
        SeededRandom rest(3);
        state.Rng = std::make_shared<ScriptedRandom>(
            std::vector<int>{40, 0, 0, 9, 0, 399122, 1, 2, 3}, &rest);
        state.Selection.LevelDekDek = 5;
        TfrmDekEinheiten* w = windows.DekEinheiten;
        w->show();
        QApplication::setActiveWindow(w);
        QCoreApplication::processEvents();
        QCOMPARE(Q(state.DekTaskSheet[1].GivenText.str()),
                 QStringLiteral("4Md 9HM 9ZM 1M 2HT 2ZT 2T 3H 4Z"));

        QImage scratch(1, 1, QImage::Format_ARGB32_Premultiplied);
        QPainter canvas(&scratch);
        const int givenEnd =
            kGivenLeft +
            MeasureTaskText(canvas, QStringLiteral("4Md 9HM 9ZM 1M 2HT 2ZT 2T 3H 4Z "), 20);
        QLineEdit* field = w->Field(1);
        QVERIFY2(field->x() >= givenEnd + kTextGap, qPrintable(QString::number(field->x())));
        const int unitLeft = Placed(state.DekTaskSheet[1].GivenText.str() + " " +
                                        state.DekTaskSheet[1].FromUnit.str(),
                                    state.DekTaskSheet[1].ToUnit.str(),
                                    state.DekTaskSheet[1].AnswerLeft, state.ToUnitLeft)
                                 .ToUnitLeft;
        QVERIFY(unitLeft >= field->geometry().right() && unitLeft < kMarkColumn);

        const QString wrong = QStringLiteral("1234567891").repeated(4);
        for (int attempt = 0; attempt < 2; ++attempt) {
            field->setFocus();
            QCoreApplication::processEvents();
            field->selectAll();
            QTest::keyClicks(field, wrong);
            QTest::keyClick(field, Qt::Key_Return);
            QCoreApplication::processEvents();
        }
        QVERIFY(!field->isVisible());

        auto* paintBox = w->findChild<QWidget*>(QStringLiteral("pntEinheiten"));
        const QImage shot = paintBox->grab().toImage();
        int red = 0;
        for (int y = 110; y < 170; ++y) {
            for (int x = 0; x < shot.width(); ++x) {
                if (!Reddish(shot.pixel(x, y))) continue;
                ++red;
                QVERIFY2(x < unitLeft,
                         qPrintable(QStringLiteral("red at %1, unit at %2").arg(x).arg(unitLeft)));
            }
        }
        QVERIFY(red > 100);
        w->menSchliessenClick();
    }
};

QTEST_MAIN(LineLayoutTest)
#include "LineLayoutTest.moc"
