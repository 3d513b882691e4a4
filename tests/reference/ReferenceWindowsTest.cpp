// The conversion chain window and the information window on screen: sizes,
// titles, placement, pictures, and what actually lands on the pixels.
#include "drill/Training.h"
#include "reference/ChainGeometry.h"
#include "reference/InfoPages.h"
#include "solution/WorkedSolution.h"
#include "windows/FontU.h"
#include "windows/InformationU.h"
#include "windows/StartU.h"
#include "windows/VerwandlungskettenU.h"

#include <QAction>
#include <QImageReader>
#include <QLabel>
#include <QTest>

#include <map>
#include <memory>
#include <set>
#include <tuple>

namespace quarvel {

class ReferenceWindowsTest : public QObject {
    Q_OBJECT

    AppState state_;
    Windows windows_;
    std::unique_ptr<TfrmStart> start_;

    TfrmVerwandlungsketten* Chain() { return windows_.Verwandlungsketten; }
    TfrmInformation* Info() { return windows_.Information; }

    QImage ShowChain(int area) {
        Chain()->hide();
        state_.Selection.AreaCode = area;
        Chain()->show();
        return Chain()->Client()->grab().toImage();
    }

  private slots:
    void init() {
        state_ = AppState{};
        windows_ = Windows{};
        start_ = std::make_unique<TfrmStart>(state_, windows_, [] { return QSize(1280, 800); });
        windows_.Start = start_.get();
        windows_.Verwandlungsketten = new TfrmVerwandlungsketten(state_, windows_, start_.get());
        windows_.Information = new TfrmInformation(state_, windows_, start_.get());
        // Hidden, as behind an exercise window; its place still counts.
        start_->setGeometry(40, 30, 1016, 722);
    }
    void cleanup() { start_.reset(); }

    void chainIsDrawnAsItsLayoutSays_data() {
        QTest::addColumn<int>("area");
        for (int area = 1; area <= 8; ++area)
            QTest::addRow("AreaCode %d", area) << area;
    }
    // Each training's chain sizes, names and centres the window over the
    // (hidden) start window. Every label is drawn in its colour in the box the
    // layout gives it; every tick and marker is a whole line of its colour
    // with the background on both sides: no label box hides it and no text
    // runs into it.
    void chainIsDrawnAsItsLayoutSays() {
        QFETCH(int, area);
        const QImage image = ShowChain(area);
        const ChainLayout layout = *ChainFor(static_cast<UnitArea>(area));
        QCOMPARE(Chain()->Client()->size(), QSize(layout.Width, ChainClientHeight));
        QCOMPARE(Chain()->windowTitle().toStdString(), layout.Title);
        const QPoint offset = Chain()->frameGeometry().center() - start_->frameGeometry().center();
        QVERIFY(offset.manhattanLength() <= 2);
        const QPoint mid(Chain()->xMid(), Chain()->yMid());
        for (const ChainLabel& label : layout.Labels) {
            const QString text = QString::fromStdString(label.Text);
            const int width = MeasureTaskText(text, label.Size);
            const int top = text.contains(u'^') ? label.Y - SmallSize(label.Size) / 2 : label.Y;
            const int bottom = label.Y + QFontMetrics(TaskFont(label.Size)).height();
            const QRect box(mid.x() + ChainLabelLeft(layout, label, width, top, bottom),
                            mid.y() + top, width, bottom - top);
            int ink = 0;
            for (int y = box.top(); y <= box.bottom(); ++y)
                for (int x = box.left(); x <= box.right(); ++x)
                    ink += image.pixelColor(x, y) == ToColor(label.Colour) ? 1 : 0;
            QVERIFY2(ink >= 5, label.Text.c_str());
        }
        const QColor yellow = ToColor(ChainBackground);
        for (const auto* marks : {&layout.Ticks, &layout.Strokes}) {
            for (const ChainStroke& mark : *marks) {
                // A pen two pixels wide covers the columns x - 1 and x.
                const int x = mid.x() + mark.X - 1;
                for (int dy = mark.Top; dy <= mark.Bottom; ++dy) {
                    const int y = mid.y() + dy;
                    const bool axis = dy == -1 || dy == 0;
                    QVERIFY2(image.pixelColor(x, y) == ToColor(mark.Colour) &&
                                 image.pixelColor(x + 1, y) == ToColor(mark.Colour) &&
                                 (axis || (image.pixelColor(x - 2, y) == yellow &&
                                           image.pixelColor(x + 3, y) == yellow)),
                             qPrintable(QStringLiteral("x %1, y %2").arg(mark.X).arg(dy)));
                }
            }
        }
    }

    // Every showing recomputes the chain; without a training the last one
    // stays, and before any the window is empty.
    void chainWithoutATraining() {
        const QImage image = ShowChain(0);
        QCOMPARE(Chain()->windowTitle(), QStringLiteral("Umwandlungskette"));
        QCOMPARE(image.pixelColor(image.rect().center()), ToColor(ChainBackground));
        ShowChain(7);
        ShowChain(0);
        QCOMPARE(Chain()->windowTitle().toStdString(), ChainFor(static_cast<UnitArea>(7))->Title);
    }

    // A revealed line is drawn with its path on the chain its units stand on,
    // also where the sheet mixes kinds (an area task on a mixed volume sheet,
    // whose window opens for volume): the window takes that chain, both units
    // of every step are framed, and each step has its arrow or bridge.
    void revealedLineIsDrawnOnItsOwnChain() {
        const std::map<UnitKind, int> chainOf = {{UnitKind::Length, 5},
                                                 {UnitKind::Mass, 6},
                                                 {UnitKind::Area, 7},
                                                 {UnitKind::Cubic, 8},
                                                 {UnitKind::Litre, 8}};
        const std::tuple<Training, int, int> trainings[] = {
            {Training::Laenge, 5, 5}, {Training::Masse, 6, 6}, {Training::Flaeche, 5, 7},
            {Training::Kubik, 5, 8},  {Training::Liter, 5, 8}, {Training::Gemischt, 5, 8}};
        state_.Rng = std::make_shared<SeededRandom>(11);
        std::set<std::tuple<int, std::string, std::string>> seen;
        for (const auto& [training, levels, area] : trainings) {
            for (int n = 0; n < 100 * levels; ++n) {
                const int line = n % kLines + 1;
                FillTaskLine(state_, training, n / 100 + 1, line);
                const TTaskRecord& record = state_.TaskSheet[line];
                const std::string from = record.FromUnit.str();
                const std::string task = from + " in " + record.ToUnit.str();
                if (!seen.insert({area, from, record.ToUnit.str()}).second) continue;
                const std::optional<MeasureSolution> worked = SolveMeasureTask(record);
                QVERIFY2(worked && !worked->Steps.empty(), task.c_str());
                Chain()->SetSolution(LineSolution{*worked, std::nullopt});
                ShowChain(area);
                const auto own = static_cast<UnitArea>(chainOf.at(*KindOfUnit(from)));
                QVERIFY2(Chain()->windowTitle().toStdString() == ChainFor(own)->Title,
                         task.c_str());
                const ChainSolution& drawn = *Chain()->DrawnSolution();
                std::size_t bridges = 0;
                for (const ChainLabel& label : drawn.Labels)
                    bridges += label.Text.find(" = ") != std::string::npos ? 1 : 0;
                QVERIFY2(drawn.Arrows.size() + bridges == worked->Steps.size(), task.c_str());
                for (const ChainStep& step : worked->Steps)
                    for (const std::string& unit : {step.From, step.To})
                        QVERIFY2(std::any_of(drawn.Framed.begin(), drawn.Framed.end(),
                                             [&](const ChainLabel& l) { return l.Text == unit; }),
                                 (task + ": " + unit).c_str());
            }
            Chain()->SetSolution(std::nullopt);
            ShowChain(area);
            QCOMPARE(Chain()->Layout()->Title, ChainFor(static_cast<UnitArea>(area))->Title);
        }
    }

    // Every opening starts on page 1; each menu item shows its page with its
    // title and its pictures only, JPEGs of the listed size decoded when their
    // page is first shown.
    void infoPagesShowTheirPicturesOnly() {
        const std::pair<const char*, int> items[] = {{nullptr, 1},      {"menMasseM", 4},
                                                     {"menLaengeG", 1}, {"menEinheiten", 5},
                                                     {"menLaengeM", 3}, {"menMasseG", 2}};
        Info()->show();
        Info()->findChild<QAction*>("menMasseM")->trigger();
        Info()->hide();
        Info()->show();
        for (const auto& [item, page] : items) {
            if (item != nullptr) Info()->findChild<QAction*>(item)->trigger();
            QCOMPARE(Info()->windowTitle().toStdString(), InfoPageFor(page)->Title);
            for (const InfoPicture& p : InfoPictures()) {
                const QLabel* label = Info()->Picture(p.Number);
                QCOMPARE(label->isVisible(), p.Page == page);
                QCOMPARE(label->geometry(), QRect(p.Left, p.Top, p.Width, p.Height));
                if (p.Page == page) QCOMPARE(label->pixmap().size(), label->size());
            }
        }
        for (const InfoPicture& p : InfoPictures())
            QCOMPARE(QImageReader(QStringLiteral(":/pictures/img%1.jpg").arg(p.Number)).format(),
                     QByteArray("jpeg"));
    }

    // Each line ends before the window edge, the next column of its row and
    // any picture beside it.
    void infoLinesFitTheirRoom() {
        const int height = QFontMetrics(TaskFont(InfoTextSize)).height();
        for (int page = 1; page <= InfoPageCount; ++page) {
            const InfoPage* content = InfoPageFor(page);
            for (const InfoLine& line : content->Lines) {
                const QString text = QString::fromStdString(line.Text).remove(u'#');
                const int right = line.X + MeasureTaskText(text, InfoTextSize);
                // A raised character reaches SmallSize div 2 above the line.
                const int top = text.contains(u'^') ? line.Y - SmallSize(InfoTextSize) / 2 : line.Y;
                int limit = InfoClientWidth - 10;
                for (const InfoLine& other : content->Lines)
                    if (other.Y == line.Y && other.X > line.X) limit = std::min(limit, other.X - 4);
                for (const InfoPicture& p : InfoPictures()) {
                    const bool beside = p.Page == page && p.Left > line.X &&
                                        p.Top < line.Y + height && top < p.Top + p.Height;
                    if (beside) limit = std::min(limit, p.Left - 6);
                }
                QVERIFY2(right <= limit,
                         qPrintable(QStringLiteral("page %1: %2").arg(page).arg(text)));
            }
        }
    }
};

} // namespace quarvel

QTEST_MAIN(quarvel::ReferenceWindowsTest)
#include "ReferenceWindowsTest.moc"
