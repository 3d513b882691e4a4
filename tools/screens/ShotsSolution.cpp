#include "Shots.h"

#include "solution/DecimalText.h"
#include "solution/UnitChain.h"
#include "solution/WorkedSolution.h"
#include "windows/DekEinheitenU.h"
#include "windows/EinheitenU.h"

#include <QAction>
#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QTest>
#include <QTimer>
#include <QToolTip>

#include <functional>

namespace quarvel::screens {

namespace {

// A drill whose sheet has a line the pupil fails twice; `wanted` picks the
// line among the sheets of a few seeds.
struct Failed {
    ExerciseWindow* Window = nullptr;
    int Line = 0;
};

Failed FailLine(Shots& shots, ExerciseWindow* w, int SelectionState::*level, int value, int area,
                const std::function<bool(int)>& wanted, const std::function<QString(int)>& wrong) {
    SelectionState selection = shots.Selection;
    selection.AreaCode = area;
    selection.*level = value;
    for (std::uint64_t seed = 1; seed < 200; ++seed) {
        shots.Rng.Seed(seed);
        w->Begin(selection);
        w->show();
        QApplication::setActiveWindow(w);
        QCoreApplication::processEvents();
        for (int line = 1; line <= kLines; ++line) {
            if (!wanted(line)) continue;
            auto* field = w->findChild<QLineEdit*>(QStringLiteral("edt%1").arg(line));
            for (int attempt = 0; attempt < 2; ++attempt) {
                field->setFocus();
                QCoreApplication::processEvents();
                field->clear();
                QTest::keyClicks(field, wrong(line));
                QTest::keyClick(field, Qt::Key_Return);
                QCoreApplication::processEvents();
            }
            return {w, line};
        }
        w->menSchliessenClick();
    }
    std::fprintf(stderr, "screens: no sheet with the wanted task\n");
    return {};
}

// The chain window as the drill's menu item opens it.
void SaveChain(Shots& shots, const Failed& failed, const QString& name) {
    if (failed.Window == nullptr) return;
    QTimer::singleShot(0, [&shots, name] {
        QWidget* chain = QApplication::activeModalWidget();
        shots.Save(chain, name);
        chain->close();
    });
    failed.Window->findChild<QAction*>(QStringLiteral("menVerwandlung"))->trigger();
    failed.Window->menSchliessenClick();
}

// The window with the tooltip that a rest of the mouse at `at` (in `widget`)
// brings up, drawn over it where it stands.
void SaveTooltip(Shots& shots, ExerciseWindow* w, QWidget* widget, const QPoint& at,
                 const QString& name) {
    QHelpEvent help(QEvent::ToolTip, at, widget->mapToGlobal(at));
    QCoreApplication::sendEvent(widget, &help);
    QCoreApplication::processEvents();
    QWidget* tip = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->inherits("QTipLabel") && top->isVisible()) tip = top;
    }
    w->adjustSize();
    QImage window = w->grab().toImage();
    if (tip != nullptr) {
        const QPoint place = tip->mapToGlobal(QPoint()) - w->mapToGlobal(QPoint());
        const qreal ratio = window.devicePixelRatio();
        const QRect all = QRect(QPoint(), w->size()).united(QRect(place, tip->size()));
        QImage both(all.size() * ratio, QImage::Format_ARGB32);
        both.setDevicePixelRatio(ratio);
        both.fill(Qt::white);
        QPainter painter(&both);
        painter.drawImage(-all.topLeft(), window);
        painter.drawPixmap(place - all.topLeft(), tip->grab());
        painter.end();
        window = both;
    } else {
        std::fprintf(stderr, "screens: no tooltip for %s\n", qPrintable(name));
    }
    const QString path = shots.Folder + QStringLiteral("/") + name + QStringLiteral(".png");
    window.save(path);
    std::printf("%s\n", qPrintable(path));
    QToolTip::hideText();
}

// The given value moved by `places`, as a pupil who moved the comma so far
// would type it; the comma only where the field takes one.
QString Shifted(const TTaskRecord& r, int places) {
    const std::string text = ShiftedDecimal(*ReadDecimal(r.GivenText.str()), places);
    if (r.AnswerDecimals == 0 && text.find(',') != std::string::npos) return QStringLiteral("1");
    return QString::fromStdString(text);
}

} // namespace

void ShotsSolution(Shots& shots) {
    const auto& sheet = shots.Wins.Einheiten->Session().MeasureSheet();
    const auto shift = [&sheet](int line) {
        const auto solution = SolveMeasureTask(sheet[line]);
        return solution ? solution->CommaShift : 0;
    };
    const auto kinds = [&sheet](int line, UnitKind from, UnitKind to) {
        return KindOfUnit(sheet[line].FromUnit.str()) == from &&
               KindOfUnit(sheet[line].ToUnit.str()) == to;
    };
    TfrmEinheiten* einheiten = shots.Wins.Einheiten;

    // A length converted the wrong way round; its tooltip over the face and
    // over the given text.
    Failed length = FailLine(
        shots, einheiten, &SelectionState::LevelLaenge, 3, 5,
        [&](int line) { return shift(line) <= -2; },
        [&](int line) { return Shifted(sheet[line], -shift(line)); });
    if (length.Window != nullptr) {
        auto* face = length.Window->findChild<QLabel*>(QStringLiteral("img%1").arg(length.Line));
        SaveTooltip(shots, length.Window, face, face->rect().center(),
                    QStringLiteral("sogehts-tooltip-gesicht"));
        QWidget* box = length.Window->findChild<QWidget*>(QStringLiteral("pntEinheiten"));
        // A point of the given text, laid out at 1 and shown at the window's scale.
        const QPoint given =
            length.Window->Scale().Map(QRect(130, LineTop(length.Line) + 12, 1, 1)).topLeft();
        SaveTooltip(shots, length.Window, box, given, QStringLiteral("sogehts-tooltip-aufgabe"));
    }
    SaveChain(shots, length, QStringLiteral("sogehts-kette-laenge"));

    // An area converted with the factor of lengths.
    SaveChain(shots,
              FailLine(
                  shots, einheiten, &SelectionState::LevelFlaeche, 3, 7,
                  [&](int line) { return std::abs(shift(line)) >= 4; },
                  [&](int line) { return Shifted(sheet[line], shift(line) / 2); }),
              QStringLiteral("sogehts-kette-flaeche"));

    // Litre and cubic units, litre taken for cubic decimetre.
    SaveChain(shots,
              FailLine(
                  shots, einheiten, &SelectionState::LevelGemischt, 4, 8,
                  [&](int line) { return kinds(line, UnitKind::Litre, UnitKind::Cubic); },
                  [&](int line) { return Shifted(sheet[line], shift(line) - 3); }),
              QStringLiteral("sogehts-kette-gemischt"));
    SaveChain(shots,
              FailLine(
                  shots, einheiten, &SelectionState::LevelGemischt, 5, 8,
                  [&](int line) { return kinds(line, UnitKind::Cubic, UnitKind::Litre); },
                  [&](int line) { return Shifted(sheet[line], shift(line) + 3); }),
              QStringLiteral("sogehts-kette-gemischt-2"));

    // Decimal tasks: one between two units, one in place-value notation.
    TfrmDekEinheiten* dek = shots.Wins.DekEinheiten;
    const auto& dekSheet = dek->Session().DekSheet();
    Failed units = FailLine(
        shots, dek, &SelectionState::LevelDezDez, 4, 4,
        [&](int line) { return !dekSheet[line].FromUnit.empty(); },
        [&](int line) { return QString::fromStdString(dekSheet[line].GivenText.str()).trimmed(); });
    if (units.Window != nullptr) {
        auto* face = units.Window->findChild<QLabel*>(QStringLiteral("img%1").arg(units.Line));
        SaveTooltip(shots, units.Window, face, face->rect().center(),
                    QStringLiteral("sogehts-tooltip-dezimal"));
    }
    SaveChain(shots, units, QStringLiteral("sogehts-kette-dezimal"));
    SaveChain(shots,
              FailLine(
                  shots, dek, &SelectionState::LevelDezNum, 4, 3,
                  [&](int line) { return dekSheet[line].AnswerIsNotation; },
                  [](int) { return QStringLiteral("1z"); }),
              QStringLiteral("sogehts-kette-dezimal-stellen"));
}

} // namespace quarvel::screens
