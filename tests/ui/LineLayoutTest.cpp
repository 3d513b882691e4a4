// The task lines: nothing the pupil must read lies under an answer field or
// beyond the try marks (every generator's tasks measured with the renderer's
// own metrics, and a long task with a long wrong answer in the real decadic
// window); the renderer itself, checked through a paint device that records
// every text call instead of rasterising it; the faces and marks beside.
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

#include <QFontMetrics>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>

#include <vector>

using namespace quarvel;
using test::Field;

namespace {

int TextEnd(int left, const std::string& text) {
    return left + MeasureTaskText(QString::fromStdString(text), 20);
}

LinePlaces Placed(const std::string& given, const std::string& unit, int left, int unitLeft) {
    LineView view;
    view.Given = given, view.ToUnit = unit, view.AnswerLeft = left, view.ToUnitLeft = unitLeft;
    return PlaceLine(view);
}

// What is wrong with line 1 as the window places it (empty: nothing): text
// under the field, a line moved although it fits, the field or the unit (none
// on lines without one) reaching the try marks.
template <typename Record> QString Fault(const Record& r, bool hasUnit) {
    const std::string given = r.GivenText.str() + (hasUnit ? " " + r.FromUnit.str() : "");
    const std::string unit = hasUnit ? r.ToUnit.str() : "";
    const AnswerField field = FieldOf(r);
    const LinePlaces places = Placed(given, unit, field.Left, field.ToUnitLeft);
    const int givenEnd = TextEnd(kGivenLeft, given);
    const int fieldEnd = places.AnswerLeft + field.Width;
    const int unitEnd = hasUnit ? TextEnd(places.ToUnitLeft, unit) : 0;
    const bool moved =
        places.AnswerLeft != field.Left || (hasUnit && places.ToUnitLeft != field.ToUnitLeft);
    if (givenEnd + kTextGap > places.AnswerLeft || (givenEnd + kTextGap <= field.Left && moved) ||
        fieldEnd > kMarkColumn ||
        (hasUnit && (places.ToUnitLeft < fieldEnd || unitEnd > kMarkColumn)))
        return QString::asprintf("'%s' ... %s: text ends at %d, field %d..%d (written at %d), "
                                 "unit %d..%d",
                                 given.c_str(), unit.c_str(), givenEnd, places.AnswerLeft, fieldEnd,
                                 field.Left, places.ToUnitLeft, unitEnd);
    return {};
}

// Every pattern band of every direction and unit pair, with the pattern's own
// draws at their largest (the most digits) and at random.
QString SweepMeasure(const GeneratorTable& table) {
    testing::ExtremeRandom largest(true);
    SeededRandom seeded(4711);
    RandomSource* const digitSources[] = {&largest, &seeded};
    for (const PairBand& pair : table.Pairs)
        for (const int direction : {0, 1})
            for (const PatternBand& band : direction == 0 ? pair.M : pair.D)
                for (const int draw : {band.Lo, band.Hi})
                    for (RandomSource* digits : digitSources) {
                        ScriptedRandom script({direction, pair.Lo - 1, draw - 1}, digits);
                        const TTaskRecord task = FindMeasureGenerator(table.Name)(script);
                        if (QString f = Fault(task, true); !f.isEmpty()) return f;
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

// The text calls of a painting, each as "text, pixel size, top of its font
// box" (and its colour unless black), where it starts and where its advance ends.
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
    {
        QPainter p(&device);
        draw(p);
    }
    return device.engine_.Calls;
}

} // namespace

class LineLayoutTest : public QObject {
    Q_OBJECT

  private slots:
    void everyTaskKeepsItsTextInSight() {
        QStringList faults;
        for (const NamedDecadicGenerator& g : DecadicGenerators())
            faults << SweepDecadic(g);
        for (const GeneratorTable& table : AllTables())
            faults << SweepMeasure(table);
        faults.removeAll(QString());
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }

    // The nine places of a Profi task push field and unit right; a wrong
    // answer of 40 digits, twice, is drawn in red (255, 0, 102) where the
    // field was and stops before the unit.
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
        const int unitLeft = Placed(r.GivenText.str() + " " + r.FromUnit.str(), r.ToUnit.str(),
                                    FieldOf(r).Left, FieldOf(r).ToUnitLeft)
                                 .ToUnitLeft;
        QVERIFY(unitLeft >= field->geometry().right() && unitLeft < kMarkColumn);
        for (int attempt = 0; attempt < 2; ++attempt)
            test::Answer(w, 1, QStringLiteral("1234567891").repeated(4));
        QVERIFY(!field->isVisible());
        const QImage shot = test::Child(w, "pntEinheiten")->grab().toImage();
        int red = 0;
        for (int y = 110; y < 170; ++y)
            for (int x = 0; x < shot.width(); ++x)
                if (qRed(shot.pixel(x, y)) - qGreen(shot.pixel(x, y)) > 60) {
                    ++red;
                    QVERIFY2(x < unitLeft, qPrintable(QStringLiteral("red at %1").arg(x)));
                }
        QVERIFY(red > 100);
        w->menSchliessenClick();
    }

    // tests/data/cases/engine_task_text.csv row by row. Each glyph starts
    // where the one before it ends; the text ends where it is measured to end
    // (a symbol is measured as its letter plus 3).
    void taskTextGlyphByGlyph() {
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
    }

    // Each "#" flips the colour, taking no room; every call starts over in the
    // normal one. The bold switch keeps the painter's other styles.
    void infoTextColoursAndStyles() {
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

    // Every face and mark keeps its logical size and transparent corners and
    // is drawn over its whole area on a screen of twice the density, not into a
    // corner (a painter left unscaled would do that); no two are alike.
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

QTEST_MAIN(LineLayoutTest)
#include "LineLayoutTest.moc"
