// The real windows against the hand-made tables; the chain and information
// windows drawn as their layouts say; start window and pass count dialog driven.
#include "Tables.h"

#include "../ui/Drive.h"
#include "reference/InfoPages.h"
#include "solution/UnitChain.h"
#include "windows/FontU.h"
#include "windows/VerwandlungskettenU.h"

#include <QClipboard>
#include <QGroupBox>
#include <QImageReader>
#include <QInputMethodEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
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

const auto Q = [](const std::string& text) { return QString::fromStdString(text); };
QColor ColourOf(const std::string& window, const std::string& element) {
    return ToColor(tables::Colour(window, element));
}
QColor TextColour(const QWidget* w) {
    if (const auto* gauge = qobject_cast<const BarGauge*>(w)) return gauge->BarColour();
    return w->palette().color(QPalette::WindowText);
}
const char* const kEw = "exercise windows";

// The evaluation of 6 points in 10 tries once animated; null if it never ends.
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

// The objectName of the focus after each step: Tab, or Shift+Tab for "-".
QStringList FocusChain(const QStringList& steps) {
    QStringList chain;
    for (const QString& step : steps) {
        const QString back = step.startsWith('-') ? "-" : "";
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab,
                        back.isEmpty() ? Qt::NoModifier : Qt::ShiftModifier);
        chain << back + QApplication::focusWidget()->objectName();
    }
    return chain;
}

// What a window shows under a control's name: caption, title or text.
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

// The pass count dialog, `text` in its focused field.
struct PassCountOpen : Program {
    TfrmMaxanzahl* dialog = windows.Maxanzahl;
    QLineEdit* field;
    explicit PassCountOpen(const QString& text) {
        field = Named<QLineEdit>(Open(dialog), "Anzahl der Durchgänge");
        field->setText(text);
        field->setFocus();
    }
};

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
    // menu.csv item by item; each of the 76 levels opens texts.csv's window and title.
    void menuAndEveryLevelsWindowTitle() {
        Program p(11, QSize(1280, 1024));
        QList<std::pair<QString, QAction*>> items;
        QList<QAction*> bar = p.start->menuBar()->actions();
        bar.removeLast(); // the exercise code's item (tests/code)
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

    // texts.csv and cases/tables_widget_colours.csv as each window opens.
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
        // Focus order of the dialogs and the drill (-: Shift+Tab).
        for (const auto& [window, order] :
             {std::pair<QWidget*, QString>{p.windows.Maxanzahl,
                                           "edtMaxzahl BitBtn1 BitBtn2 edtMaxzahl -BitBtn2 "
                                           "-BitBtn1 -edtMaxzahl"},
              {evaluation, "btnSchliessen btnSchliessen btnSchliessen"},
              {p.windows.Einheiten, "edt1 edt2 edt3 edt4 edt5 btnWeiter edt1"}}) {
            QApplication::setActiveWindow(window);
            const QStringList want = order.split(' ');
            QCOMPARE(QApplication::focusWidget()->objectName(), want[0]);
            QCOMPARE(FocusChain(want.mid(1)), want.mid(1));
        }
        evaluation->btnSchliessen()->click();
        p.windows.Maxanzahl->close();
        p.windows.Information->close();
    }

    // Right, right at the second try, wrong twice: message, faces, marks, answers.
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
        const QImage painted = Child(w, "pntEinheiten")->grab().toImage();
        const QRect given(0, Field(w, 2)->y(), Field(w, 2)->x(), Field(w, 2)->height());
        for (const CsvRow& row : Rows("cases/win-painted-answers.csv"))
            QVERIFY2(Ink(painted,
                         row["area"] == "given" ? given : Field(w, row.Int("area"))->geometry(),
                         ColourOf(row["window"], row["element"])) > 20,
                     row.Where().c_str());
    }

    // cases/tables_pass_count.csv typed and left with Tab, then OK;
    // cases/app_pass_count_keys.csv: the keys and buttons that judge the field.
    void passCountDialog() {
        const QString message = Q(tables::RowOf("pass_count.csv", "name", "message")["value"]);
        for (const CsvRow& row : Rows("cases/tables_pass_count.csv")) {
            PassCountOpen open{QString()};
            QTest::keyClicks(open.field, Q(row["typed"]));
            QTest::keyClick(open.field, Qt::Key_Tab);
            QVERIFY2(open.messages ==
                             (row["message"] == "1" ? QStringList{message} : QStringList()) &&
                         open.field->text() == Q(row["text"]) &&
                         open.field->hasFocus() == (row["refocus"] == "1"),
                     qPrintable(Q(row.Where()) + ": " + open.field->text()));
            QTest::mouseClick(Child<QPushButton>(open.dialog, "BitBtn2"), Qt::LeftButton);
            QVERIFY2(open.dialog->Passes() == row.Int("text"), row.Where().c_str());
        }
        for (const CsvRow& row : Rows("cases/app_pass_count_keys.csv")) {
            PassCountOpen open(Q(row["typed"]));
            QWidget* widget = Named(open.dialog, Q(row["on"]));
            widget->setFocus(Qt::TabFocusReason);
            const QString key = Q(row["key"]);
            key == "click" ? QTest::mouseClick(widget, Qt::LeftButton)
                           : QTest::keyClick(widget, QKeySequence(key)[0].key(),
                                             key == "Enter" ? Qt::KeypadModifier : Qt::NoModifier);
            const int passes = row.Int("passes");
            QVERIFY2(open.dialog->isVisible() == (passes == 0) &&
                         (open.dialog->result() == QDialog::Accepted ? open.dialog->Passes() : 4) ==
                             (passes == 0 ? 4 : passes) &&
                         open.field->text().toStdString() == row["field"] &&
                         open.messages.size() == (row["field"] != row["typed"]),
                     row.Where().c_str());
        }
        // Only digits arrive, however they come; the context menu, another
        // window or the close box taking the focus judge nothing.
        PassCountOpen open{QString()};
        QTest::keyClicks(open.field, "a-+ ,.1x");
        QInputMethodEvent composed; // an Arabic-Indic digit, then an ASCII one
        for (const char16_t* text : {u"\u0663", u"1"}) {
            composed.setCommitString(QString::fromUtf16(text));
            QApplication::sendEvent(open.field, &composed);
        }
        QGuiApplication::clipboard()->setText("-7"); // Ctrl+V with its control character
        QTest::sendKeyEvent(QTest::Click, open.field, Qt::Key_V, QString(QChar(0x16)),
                            Qt::ControlModifier);
        QWidget* popup = nullptr;
        QTimer::singleShot(0, [&] {
            if ((popup = QApplication::activePopupWidget())) popup->close();
        });
        // Through the window, which turns the press into a context menu event.
        const QPoint inField = open.field->mapTo(open.dialog, open.field->rect().center());
        QTest::mouseClick(open.dialog->windowHandle(), Qt::RightButton, {}, inField);
        QVERIFY(qobject_cast<QMenu*>(popup) != nullptr);
        QApplication::setActiveWindow(open.start.get());
        open.dialog->close();
        QVERIFY(open.field->text() == "11" && open.messages.isEmpty());
    }

    // Maximised on 1024 x 768 only; unfolding a menu chooses area or category;
    // the time switch; the background's black rows and blue lines (line k at
    // y = 5k covers y-3 .. y+3). Only the pass count dialog opens over the
    // start window, and its count reaches the drills; closing a drill clears
    // its level.
    void startWindow() {
        Program p(7, QSize(1024, 768));
        QVERIFY(p.start->windowState() & Qt::WindowMaximized);
        p.start->Submenu("menFlaeche")->aboutToShow();
        p.start->Submenu("menKombitraining4")->aboutToShow();
        QAction* time = p.start->MenuItem("menZeitart");
        time->trigger();
        QVERIFY(p.start->Selection().AreaCode == 7 && p.start->Selection().KombiCategory == 4 &&
                p.start->Selection().TimeDisplay && time->text() == "Aus");
        const QImage image = p.start->centralWidget()->grab().toImage();
        for (int y : {0, 7, 714})
            QCOMPARE(image.pixelColor(3, y), QColor(Qt::black));
        for (int y : {2, 101, 716})
            QCOMPARE(image.pixelColor(3, y), QColor(0, 0, 60 + (y + 3) / 5));

        Program q;
        QVERIFY(!(q.start->windowState() & Qt::WindowMaximized));
        for (const char* item : {"menMasse0", "menDurchgang"}) {
            bool startShown = false;
            QTimer::singleShot(0, [&] {
                startShown = q.start->isVisible();
                if (QApplication::activeModalWidget() != q.windows.Maxanzahl)
                    return (void)QApplication::activeModalWidget()->close();
                Named<QLineEdit>(q.windows.Maxanzahl, "Anzahl der Durchgänge")->setText("5");
                Named<QPushButton>(q.windows.Maxanzahl, "OK")->click();
            });
            q.start->MenuItem(item)->trigger();
            QVERIFY(startShown == (item == std::string_view("menDurchgang")) &&
                    q.start->isVisible());
            for (const auto group :
                 {LevelGroup::Measure, LevelGroup::Decadic, LevelGroup::Combination})
                QCOMPARE(DrillCaption(q.start->Selection(), group), std::string());
        }
        QCOMPARE(q.start->Selection().MaxPasses, 5);
    }

    // Empty at first; each training's chain sizes, names and centres the window
    // (without one the last stays); labels, ticks and markers in their colours.
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

        // A revealed line on its units' chain: units framed, arrows with
        // factors, a bridge where litres meet cubic units.
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

    // Each opening on page 1; each item its page, title and pictures (JPEGs).
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
        // Each line ends before the edge, the next column and a picture beside it.
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
