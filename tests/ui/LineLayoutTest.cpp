// Nothing the pupil must read lies under an answer field or beyond the try
// marks: every generator's tasks measured with the renderer's own metrics, and
// a long task with a long wrong answer in the real decadic window.
#include "Drive.h"

#include "../generators/TestSupport.h"
#include "decadic/DecadicGenerators.h"
#include "decadic/DekDekU.h"
#include "decadic/DezDezU.h"
#include "drill/LineLayout.h"
#include "generators/Generators.h"
#include "windows/FontU.h"

#include <QImage>
#include <QPainter>

#include <vector>

using namespace quarvel;

namespace {

int TextEnd(int left, const std::string& text) {
    QImage image(1, 1, QImage::Format_ARGB32_Premultiplied);
    QPainter canvas(&image);
    return left + MeasureTaskText(canvas, QString::fromStdString(text), 20);
}

// The places the drill window gives a line whose generator wrote `left`,
// `width` and `unitLeft`.
LinePlaces Placed(const std::string& given, const std::string& unit, int left, int unitLeft) {
    LineView view;
    view.Given = given;
    view.ToUnit = unit;
    view.AnswerLeft = left;
    view.ToUnitLeft = unitLeft;
    return PlaceLine(view);
}

// What is wrong with a line as the window draws it (empty: nothing): text
// under the field, a line moved although it fits, the field or the unit
// (empty on lines without one) reaching the try marks.
QString Fault(const std::string& given, const std::string& unit, int left, int width,
              int unitLeft) {
    const LinePlaces places = Placed(given, unit, left, unitLeft);
    const int givenEnd = TextEnd(kGivenLeft, given);
    const int fieldEnd = places.AnswerLeft + width;
    const int unitEnd = unit.empty() ? 0 : TextEnd(places.ToUnitLeft, unit);
    const bool moved =
        places.AnswerLeft != left || (!unit.empty() && places.ToUnitLeft != unitLeft);
    if (givenEnd + kTextGap > places.AnswerLeft || (givenEnd + kTextGap <= left && moved) ||
        fieldEnd > kMarkColumn ||
        (!unit.empty() && (places.ToUnitLeft < fieldEnd || unitEnd > kMarkColumn)))
        return QString::asprintf("'%s' ... %s: text ends at %d, field %d..%d (written at %d), "
                                 "unit %d..%d",
                                 given.c_str(), unit.c_str(), givenEnd, places.AnswerLeft, fieldEnd,
                                 left, places.ToUnitLeft, unitEnd);
    return {};
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
                for (const int draw : {band.Lo, band.Hi}) {
                    for (RandomSource* digits :
                         std::initializer_list<RandomSource*>{&largest, &seeded}) {
                        AppState state;
                        testing::UseScript(state, {direction - 1, pair.Lo - 1, draw - 1}, digits);
                        generate(state, 1);
                        const TTaskRecord& r = state.TaskSheet[1];
                        const QString fault =
                            Fault(r.GivenText.str() + " " + r.FromUnit.str(), r.ToUnit.str(),
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
                const QString fault =
                    Fault(units ? r.GivenText.str() + " " + r.FromUnit.str() : r.GivenText.str(),
                          units ? r.ToUnit.str() : std::string(), r.AnswerLeft, state.AnswerWidth,
                          state.ToUnitLeft);
                if (!fault.isEmpty()) return fault;
            }
        }
    }
    return {};
}

} // namespace

class LineLayoutTest : public QObject {
    Q_OBJECT

  private slots:
    void everyTaskKeepsItsTextInSight_data() {
        QTest::addColumn<QString>("generator");
        for (const NamedDecadicGenerator& g : DecadicGenerators())
            QTest::newRow(g.Name.data()) << QString::fromUtf8(g.Name.data(), g.Name.size());
        for (const GeneratorTable& table : AllTables())
            QTest::newRow(table.Name.data())
                << QString::fromUtf8(table.Name.data(), table.Name.size());
    }
    void everyTaskKeepsItsTextInSight() {
        QFETCH(QString, generator);
        const std::string name = generator.toStdString();
        const NamedDecadicGenerator* decadic = FindDecadicGenerator(name);
        const GeneratorTable* table = decadic == nullptr ? FindTable(name) : nullptr;
        QVERIFY(decadic != nullptr || table != nullptr);
        const QString fault = decadic != nullptr ? SweepDecadic(*decadic) : SweepMeasure(*table);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }

    // The nine places of a Profi task push field and unit right; a wrong
    // answer of 40 digits, twice, is drawn in red (255, 0, 102) where the
    // field was and stops before the unit.
    void aLongTaskAndALongWrongAnswerInTheWindow() {
        test::Program p;
        // Kind 3 from "Md" down to "Z": RandNineDigitE1 with 499122234.
        SeededRandom rest(3);
        p.state.Rng = std::make_shared<ScriptedRandom>(
            std::vector<int>{40, 0, 0, 9, 0, 399122, 1, 2, 3}, &rest);
        auto* w = p.Open(p.windows.DekEinheiten, &SelectionState::LevelDekDek, 5);
        const TDekTaskRecord& r = p.state.DekTaskSheet[1];
        QCOMPARE(r.GivenText.str(), std::string("4Md 9HM 9ZM 1M 2HT 2ZT 2T 3H 4Z"));
        QLineEdit* field = w->Field(1);
        QVERIFY(field->x() >= TextEnd(kGivenLeft, r.GivenText.str() + " ") + kTextGap);
        const int unitLeft = Placed(r.GivenText.str() + " " + r.FromUnit.str(), r.ToUnit.str(),
                                    r.AnswerLeft, p.state.ToUnitLeft)
                                 .ToUnitLeft;
        QVERIFY(unitLeft >= field->geometry().right() && unitLeft < kMarkColumn);
        for (int attempt = 0; attempt < 2; ++attempt)
            test::Answer(w, 1, QStringLiteral("1234567891").repeated(4));
        QVERIFY(!field->isVisible());

        const QImage shot =
            w->findChild<QWidget*>(QStringLiteral("pntEinheiten"))->grab().toImage();
        int red = 0;
        for (int y = 110; y < 170; ++y) {
            for (int x = 0; x < shot.width(); ++x) {
                if (qRed(shot.pixel(x, y)) - qGreen(shot.pixel(x, y)) <= 60) continue;
                ++red;
                QVERIFY2(x < unitLeft, qPrintable(QStringLiteral("red at %1").arg(x)));
            }
        }
        QVERIFY(red > 100);
        w->menSchliessenClick();
    }
};

QTEST_MAIN(LineLayoutTest)
#include "LineLayoutTest.moc"
