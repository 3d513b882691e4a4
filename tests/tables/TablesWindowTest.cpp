// The real windows against the hand-made tables: menu, level titles, texts,
// colours, faces and marks, the pass count and the focus order; the chain and
// information windows drawn as their layouts say.
#include "Tables.h"

#include "../ui/Drive.h"
#include "reference/InfoPages.h"
#include "solution/UnitChain.h"
#include "windows/FontU.h"
#include "windows/VerwandlungskettenU.h"

#include <QGroupBox>
#include <QImageReader>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

#include <map>

using namespace quarvel;
using tables::CsvRow;
using tables::Rows;
using namespace quarvel::test;

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}
QColor ColourOf(const std::string& window, const std::string& element) {
    return ToColor(tables::Colour(window, element));
}
QColor TextColour(const QWidget* w) {
    if (const auto* gauge = qobject_cast<const BarGauge*>(w)) return gauge->BarColour();
    return w->palette().color(QPalette::WindowText);
}
const char* const kEw = "exercise windows";

// The evaluation of 6 points in 10 tries once its animation is done; null if
// it never ends.
TfrmAuswertung* OpenEvaluation(Program& p) {
    p.windows.Auswertung->SetScore(ScoreState{.TotalPoints = 6.0F, .TotalTries = 10});
    QSignalSpy finished(p.windows.Auswertung, &TfrmAuswertung::AnimationFinished);
    p.Open(p.windows.Auswertung);
    return !finished.isEmpty() || finished.wait(5000) ? p.windows.Auswertung : nullptr;
}

// Every menu item as "path | caption | name", with its action.
void Flatten(const QList<QAction*>& actions, const QString& path,
             QList<std::pair<QString, QAction*>>& items) {
    for (QAction* a : actions) {
        items.append({path + " | " + a->text() + " | " + a->objectName(), a});
        if (a->menu() != nullptr)
            Flatten(a->menu()->actions(), path.isEmpty() ? a->text() : path + " > " + a->text(),
                    items);
    }
}

// The colour most of the strongly coloured pixels of a picture have, by hue.
QString Hue(const QImage& image) {
    std::map<QString, int> count;
    int total = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (const QColor c = image.pixelColor(x, y);
                c.alpha() >= 200 && c.hsvSaturation() >= 120 && c.value() >= 120 && ++total)
                ++count[c.hsvHue() < 15 || c.hsvHue() >= 340    ? "red"
                        : c.hsvHue() < 50                       ? "orange"
                        : c.hsvHue() >= 80 && c.hsvHue() < 160  ? "green"
                        : c.hsvHue() >= 190 && c.hsvHue() < 260 ? "blue"
                                                                : "other"];
    for (const auto& [name, n] : count)
        if (total >= 20 && n * 10 >= total * 6) return name;
    return total < 20 ? "none" : "mixed";
}

// The objectName of the focus after each of `presses` presses of Tab.
QStringList FocusChain(int presses, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QStringList chain;
    for (int i = 0; i < presses; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
        chain << QApplication::focusWidget()->objectName();
    }
    return chain;
}

// What a window shows under a control's name: an action's or a button's
// caption, a group box's title, a label's or a field's text.
QString Shown(const QWidget* window, const QString& name) {
    if (name == QLatin1String("caption")) return window->windowTitle();
    const auto actions = window->findChildren<QAction*>(name);
    if (!actions.isEmpty()) return actions.front()->text();
    QObject* o = window->findChild<QObject*>(name);
    if (auto* g = qobject_cast<QGroupBox*>(o)) return g->title();
    if (auto* b = qobject_cast<QAbstractButton*>(o)) return b->text();
    if (auto* l = qobject_cast<QLabel*>(o)) return l->text();
    if (auto* e = qobject_cast<QLineEdit*>(o)) return e->text();
    return QStringLiteral("(nothing named %1)").arg(name);
}

// The pixels of `area` in `colour`.
int Ink(const QImage& image, const QRect& area, const QColor& colour) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += image.pixelColor(x, y) == colour;
    return n;
}

QImage ShowChain(Program& p, int area, std::optional<LineSolution> solution = std::nullopt) {
    p.windows.Verwandlungsketten->hide();
    p.selection.AreaCode = area;
    p.windows.Verwandlungsketten->SetChain(AreaOf(p.selection), std::move(solution));
    p.windows.Verwandlungsketten->show();
    return p.windows.Verwandlungsketten->Client()->grab().toImage();
}

} // namespace

class TablesWindowTest : public QObject {
    Q_OBJECT

  private slots:
    // menu.csv item by item on the start window's menu bar; each of the 76
    // level items opens the window texts.csv names, with its title.
    void menuAndEveryLevelsWindowTitle() {
        Program p(11, QSize(1280, 1024));
        QList<std::pair<QString, QAction*>> items;
        QList<QAction*> bar = p.start->menuBar()->actions();
        // The exercise code's item follows the described ones (tests/code).
        QCOMPARE(bar.takeLast()->objectName(), QStringLiteral("menUebungscode"));
        Flatten(bar, QString(), items);
        const auto& rows = Rows("menu.csv");
        QCOMPARE(items.size(), qsizetype(rows.size()));
        std::map<QString, QString> titles; // "LevelMasse=6" -> "window: title"
        for (const CsvRow& row : Rows("texts.csv"))
            if (const QString control = Q(row["control"]); control.startsWith("caption Level"))
                for (const QString& field : control.section('=', 0, 0).mid(8).split(" or "))
                    titles[field + "=" + control.section('=', 1)] =
                        Q(row["window"] + ": " + row["text"]);
        int levels = 0;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const CsvRow& row = rows[i];
            const auto& [shown, action] = items[qsizetype(i)];
            QVERIFY2(shown == Q(row["path"] + " | " + row["caption"] + " | " + row["name"]),
                     qPrintable(Q(row.Where()) + ": " + shown));
            if (row["level"].empty()) continue;
            ++levels;
            QString opened;
            QTimer::singleShot(0, [&] {
                if (QWidget* modal = QApplication::activeModalWidget()) {
                    opened = modal->objectName() + ": " + modal->windowTitle();
                    modal->findChild<QAction*>("menSchliessen")->trigger();
                }
            });
            action->trigger();
            const QString want = titles[Q(row["level_field"] + "=" + row["level"])];
            QVERIFY2(opened == want, qPrintable(Q(row.Where()) + ": " + opened + ", not " + want));
        }
        QCOMPARE(levels, 76);
    }

    // texts.csv for what each window shows as it opens, and
    // cases/tables_widget_colours.csv for the colours.
    void textsAndColoursOfEveryWindowAsItOpens() {
        Program p(11, QSize(1280, 1024));
        p.selection.MaxPasses = 4;
        p.selection.LevelLaenge = p.selection.LevelLM = p.selection.LevelDekNum = 1;
        TfrmAuswertung* evaluation = OpenEvaluation(p);
        QVERIFY(evaluation != nullptr);
        const std::map<std::string, QWidget*> windows = {
            {"TfrmStart", p.start.get()},
            {"TfrmMaxanzahl", p.Open(p.windows.Maxanzahl)},
            {"TfrmEinheiten", p.Open(p.windows.Einheiten)},
            {"TfrmKombinationen", p.Open(p.windows.Kombinationen)},
            {"TfrmDekEinheiten", p.Open(p.windows.DekEinheiten)},
            {"TfrmInformation", p.Open(p.windows.Information)},
            {"TfrmAuswertung", evaluation}};
        const QStringList opening = {"", "at activation", "at the start of a drill",
                                     "when the program starts",
                                     "at activation (followed by MaxPasses)"};
        int compared = 0;
        for (const CsvRow& row : Rows("texts.csv")) {
            const auto window = windows.find(row["window"]);
            const QString control = Q(row["control"]);
            const QString name = control.section(' ', 0, 0), when = control.section(' ', 1);
            if (window == windows.end() || !opening.contains(when) ||
                (window->first == "TfrmStart" && name.startsWith("men")))
                continue;
            const QString expected = Q(tables::Unescaped(row["text"])) +
                                     (when.endsWith("(followed by MaxPasses)") ? "4" : "");
            const QString shown = Shown(window->second, name);
            ++compared;
            QVERIFY2(shown == expected, qPrintable(Q(row.Where()) + ": " + shown));
        }
        QCOMPARE(compared, 38);
        for (const CsvRow& row : Rows("cases/tables_widget_colours.csv")) {
            const auto* widget = windows.at(row["window"])->findChild<QWidget*>(Q(row["widget"]));
            QVERIFY2(widget != nullptr &&
                         TextColour(widget) == ColourOf(row["colours_window"], row["element"]),
                     qPrintable(Q(row.Where()) + ": colours.csv " + Q(row["element"])));
        }
        QCOMPARE(p.windows.Einheiten->Client()->palette().color(QPalette::Window),
                 ColourOf("TfrmEinheiten", "background"));
        evaluation->btnSchliessen()->click();
        p.windows.Maxanzahl->close();
        p.windows.Information->close();
    }

    // Lines right, right at the second try and wrong twice: the message, the
    // faces and marks by colours.csv's names, the answers painted in place of
    // the closed fields.
    void facesMarksAndPaintedAnswersOfTheDrillWindow() {
        Program p(11, QSize(1280, 1024));
        auto* w = p.Open(p.windows.Einheiten, &SelectionState::LevelLaenge, 2);
        const std::pair<int, QString> answers[] = {
            {1, p.Right(1)}, {2, "999999"}, {2, p.Right(2)}, {3, "999999"}, {3, "999999"}};
        for (const auto& [line, typed] : answers)
            test::Answer(w, line, typed);
        const auto* message = Child<QLabel>(w, "lblAnzeige");
        QCOMPARE(message->text(),
                 Q(tables::WrongTwice("exercise windows lblAnzeige: edtExit",
                                      w->Session().MeasureSheet()[3].AnswerText.str())));
        QCOMPARE(TextColour(message), ColourOf(kEw, "lblAnzeige wrong at the second try"));
        for (const CsvRow& row : Rows("cases/tables_drill_pictures.csv")) {
            const QString hue = Hue(Child(w, Q(row["picture"]))->grab().toImage());
            const std::string& element = row["element"];
            QVERIFY2(hue == (element.empty() ? "none"
                                             : Q(tables::RowOf("colours.csv", "window", kEw,
                                                               "element", element)["name"])),
                     qPrintable(Q(row.Where()) + ": " + hue));
        }
        const QImage painted = w->findChild<QWidget*>("pntEinheiten")->grab().toImage();
        const QRect given(0, Field(w, 2)->y(), Field(w, 2)->x(), Field(w, 2)->height());
        const std::tuple<QRect, const char*, const char*> painting[] = {
            {Field(w, 1)->geometry(), "TfrmEinheiten", "AnswerText when Solved"},
            {Field(w, 3)->geometry(), "TfrmEinheiten", "TypedText when not Solved"},
            {Field(w, 1)->geometry(), kEw, "answer drawn in place of a closed field when Solved"},
            {Field(w, 3)->geometry(), kEw,
             "answer drawn in place of a closed field when not Solved (TypedText)"},
            {given, "TfrmEinheiten", "GivenText FromUnit and ToUnit"}};
        for (const auto& [area, window, element] : painting)
            QVERIFY2(Ink(painted, area, ColourOf(window, element)) > 20, element);
    }

    // cases/tables_pass_count.csv typed and left with Tab, then OK.
    void passCountTypedAndLeft() {
        Program p(11, QSize(1280, 1024));
        TfrmMaxanzahl* dialog = p.Open(p.windows.Maxanzahl); // builds its controls
        auto* field = Child<QLineEdit>(dialog, "edtMaxzahl");
        const QString message = Q(tables::RowOf("pass_count.csv", "name", "message")["value"]);
        for (const CsvRow& row : Rows("cases/tables_pass_count.csv")) {
            const QString where = Q(row.Where() + ": ");
            p.messages.clear();
            p.Open(dialog);
            field->setFocus();
            field->clear();
            QTest::keyClicks(field, Q(row["typed"]));
            QTest::keyClick(field, Qt::Key_Tab);
            QVERIFY2(p.messages == (row["message"] == "1" ? QStringList{message} : QStringList()),
                     qPrintable(where + "message"));
            QVERIFY2(field->text() == Q(row["text"]), qPrintable(where + "field " + field->text()));
            QVERIFY2(field->hasFocus() == (row["refocus"] == "1"), qPrintable(where + "focus"));
            QTest::mouseClick(dialog->findChild<QPushButton*>("BitBtn2"), Qt::LeftButton);
            QVERIFY2(dialog->Passes() == row.Int("text"), qPrintable(where + "OK"));
            dialog->close();
        }
    }

    // The pass count dialog in the order of its controls, the evaluation
    // holding the focus on its one button, the drill window from field to
    // field to the visible button.
    void focusOrderOfEveryDialog() {
        Program p(11, QSize(1280, 1024));
        TfrmMaxanzahl* dialog = p.Open(p.windows.Maxanzahl);
        Child<QLineEdit>(dialog, "edtMaxzahl")->setText(QStringLiteral("4"));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("edtMaxzahl"));
        QCOMPARE(FocusChain(3), (QStringList{"BitBtn1", "BitBtn2", "edtMaxzahl"}));
        QCOMPARE(FocusChain(3, Qt::ShiftModifier),
                 (QStringList{"BitBtn2", "BitBtn1", "edtMaxzahl"}));
        dialog->close();
        TfrmAuswertung* evaluation = OpenEvaluation(p);
        QVERIFY(evaluation != nullptr);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("btnSchliessen"));
        QCOMPARE(FocusChain(2), (QStringList{"btnSchliessen", "btnSchliessen"}));
        evaluation->btnSchliessen()->click();
        p.Open(p.windows.Einheiten, &SelectionState::LevelKubik, 1);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("edt1"));
        QCOMPARE(FocusChain(6), (QStringList{"edt2", "edt3", "edt4", "edt5", "btnWeiter", "edt1"}));
    }

    // Before any training the chain window is empty; each training's chain
    // sizes, names and centres it over the (hidden) start window; without a
    // training the last one stays. Every label is drawn in its colour in its
    // box; every tick and marker is a whole line of its colour between
    // background: no label box hides it.
    void chainIsDrawnAsItsLayoutSays() {
        Program p(11);
        p.start->setGeometry(40, 30, 1016, 722);
        p.start->hide(); // as behind an exercise window; its place still counts
        auto* chain = p.windows.Verwandlungsketten;
        QImage image = ShowChain(p, 0);
        QCOMPARE(chain->windowTitle(), QStringLiteral("Umwandlungskette"));
        QCOMPARE(image.pixelColor(image.rect().center()), ToColor(ChainBackground));
        const QColor yellow = ToColor(ChainBackground);
        for (int area = 1; area <= 8; ++area) {
            image = ShowChain(p, area);
            const ChainLayout layout = ChainFor(static_cast<UnitArea>(area)).value();
            QCOMPARE(chain->Client()->size(), QSize(layout.Width, ChainClientHeight));
            QCOMPARE(chain->windowTitle().toStdString(), layout.Title);
            QVERIFY((chain->frameGeometry().center() - p.start->frameGeometry().center())
                        .manhattanLength() <= 2);
            const QPoint mid(chain->xMid(), chain->yMid());
            for (const ChainLabel& label : layout.Labels) {
                const QString text = Q(label.Text);
                const int width = MeasureTaskText(text, label.Size);
                const int top = text.contains(u'^') ? label.Y - SmallSize(label.Size) / 2 : label.Y;
                const int bottom = label.Y + QFontMetrics(TaskFont(label.Size)).height();
                const QRect box(mid.x() + ChainLabelLeft(layout, label, width, top, bottom),
                                mid.y() + top, width, bottom - top);
                QVERIFY2(Ink(image, box, ToColor(label.Colour)) >= 5, label.Text.c_str());
            }
            for (const auto* marks : {&layout.Ticks, &layout.Strokes})
                for (const ChainStroke& mark : *marks)
                    for (int dy = mark.Top, x = mid.x() + mark.X - 1; dy <= mark.Bottom; ++dy)
                        QVERIFY2(image.pixelColor(x, mid.y() + dy) == ToColor(mark.Colour) &&
                                     image.pixelColor(x + 1, mid.y() + dy) ==
                                         ToColor(mark.Colour) &&
                                     (dy == -1 || dy == 0 ||
                                      (image.pixelColor(x - 2, mid.y() + dy) == yellow &&
                                       image.pixelColor(x + 3, mid.y() + dy) == yellow)),
                                 qPrintable(QStringLiteral("x %1, y %2").arg(mark.X).arg(dy)));
        }
        ShowChain(p, 0);
        QCOMPARE(chain->windowTitle().toStdString(), ChainFor(UnitArea::Volumen)->Title);

        // A revealed line is drawn on its units' chain, also on a sheet of
        // mixed kinds: its path's units framed, an arrow with its factor above
        // for each step, a bridge where litres meet cubic units.
        for (const CsvRow& row : Rows("cases/tables_chain_solutions.csv")) {
            const int area = row.Int("area");
            MeasureSolution worked;
            worked.Steps = ChainPath(row["from"], row["to"]).value();
            ShowChain(p, area, LineSolution{worked, std::nullopt});
            QCOMPARE(chain->windowTitle().toStdString(), ChainFor(UnitArea(row.Int("own")))->Title);
            const ChainSolution& drawn = *chain->DrawnSolution();
            QStringList framed, arrows;
            for (const ChainLabel& l : drawn.Framed)
                framed << Q(l.Text);
            for (const ChainArrow& a : drawn.Arrows)
                for (const ChainLabel& l : drawn.Labels)
                    if (l.X == (a.From + a.To) / 2 && l.Y < a.Y)
                        arrows << QStringLiteral("%1>%2 %3").arg(a.From).arg(a.To).arg(Q(l.Text));
            for (const ChainLabel& l : drawn.Labels)
                if (l.Text.find(" = ") != std::string::npos) arrows << Q(l.Text);
            QCOMPARE(framed.join(' ') + " | " + arrows.join(", "), Q(row["drawn"]));
            ShowChain(p, area);
            QCOMPARE(chain->windowTitle().toStdString(), ChainFor(UnitArea(area))->Title);
        }
    }

    // Every opening starts on page 1; each menu item shows its page, title and
    // pictures only, JPEGs decoded at their size when their page first shows.
    void informationWindow() {
        Program p(11);
        TfrmInformation* info = p.windows.Information;
        const std::pair<const char*, int> items[] = {{"menMasseM", 4},  {"", 1},
                                                     {"menLaengeG", 1}, {"menEinheiten", 5},
                                                     {"menLaengeM", 3}, {"menMasseG", 2}};
        info->show();
        for (const auto& [item, page] : items) {
            if (*item == 0) info->hide();
            *item == 0 ? info->show() : info->findChild<QAction*>(item)->trigger();
            QCOMPARE(info->windowTitle().toStdString(), InfoPageFor(page)->Title);
            for (const InfoPicture& pic : InfoPictures()) {
                const QLabel* label = info->Picture(pic.Number);
                QCOMPARE(label->isVisible(), pic.Page == page);
                QCOMPARE(label->geometry(), QRect(pic.Left, pic.Top, pic.Width, pic.Height));
                if (pic.Page == page) QCOMPARE(label->pixmap().size(), label->size());
                QCOMPARE(
                    QImageReader(QStringLiteral(":/pictures/img%1.jpg").arg(pic.Number)).format(),
                    QByteArray("jpeg"));
            }
        }
        // Each line ends before the window edge, the next column of its row
        // and any picture beside it (a raised character SmallSize / 2 up).
        const int height = QFontMetrics(TaskFont(InfoTextSize)).height();
        for (int page = 1; page <= InfoPageCount; ++page) {
            for (const InfoLine& line : InfoPageFor(page)->Lines) {
                const QString text = Q(line.Text).remove(u'#');
                const int top = text.contains(u'^') ? line.Y - SmallSize(InfoTextSize) / 2 : line.Y;
                int limit = InfoClientWidth - 10;
                for (const InfoLine& other : InfoPageFor(page)->Lines)
                    if (other.Y == line.Y && other.X > line.X) limit = std::min(limit, other.X - 4);
                for (const InfoPicture& pic : InfoPictures())
                    if (pic.Page == page && pic.Left > line.X && pic.Top < line.Y + height &&
                        top < pic.Top + pic.Height)
                        limit = std::min(limit, pic.Left - 6);
                QVERIFY2(line.X + MeasureTaskText(text, InfoTextSize) <= limit,
                         qPrintable(QStringLiteral("page %1: %2").arg(page).arg(text)));
            }
        }
    }
};

QTEST_MAIN(TablesWindowTest)
#include "TablesWindowTest.moc"
