// The real windows against the hand-made tables: the menu and every level's
// window title, each window's texts and colours as it opens, the faces and
// marks a pupil sees, answer fields that refuse control characters however
// they arrive, the pass count at its limits, and each dialog's focus order.
#include "Tables.h"

#include "../ui/Drive.h"
#include "windows/InformationU.h"
#include "windows/KombinationenU.h"
#include "windows/MaxanzahlU.h"

#include <QAbstractButton>
#include <QAction>
#include <QClipboard>
#include <QGroupBox>
#include <QInputMethodEvent>
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
using test::Program;

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}
QColor ColourOf(const std::string& window, const std::string& element) {
    const Rgb c = tables::Colour(window, element);
    return {c.R, c.G, c.B};
}
QColor TextColour(const QWidget* w) {
    if (const auto* gauge = qobject_cast<const BarGauge*>(w)) return gauge->BarColour();
    return w->palette().color(QPalette::WindowText);
}
const char* const kEw = "exercise windows";

// The evaluation of 6 points in 10 tries once its animation is done; null if
// it never ends.
TfrmAuswertung* OpenEvaluation(Program& p) {
    p.state.Score.TotalPoints = 6.0F;
    p.state.Score.TotalTries = 10;
    QSignalSpy finished(p.windows.Auswertung, &TfrmAuswertung::AnimationFinished);
    p.Open(p.windows.Auswertung);
    return !finished.isEmpty() || finished.wait(5000) ? p.windows.Auswertung : nullptr;
}

void Flatten(const QList<QAction*>& actions, const QString& path,
             QList<std::pair<QString, QAction*>>& items) {
    for (QAction* a : actions) {
        items.append({path, a});
        if (a->menu() != nullptr)
            Flatten(a->menu()->actions(), path.isEmpty() ? a->text() : path + " > " + a->text(),
                    items);
    }
}

// The colour most of the strongly coloured pixels of a picture have, by hue.
QString Hue(const QImage& image) {
    std::map<QString, int> count;
    int total = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.alpha() < 200 || c.hsvSaturation() < 120 || c.value() < 120) continue;
            const int h = c.hsvHue();
            ++total;
            ++count[h < 15 || h >= 340    ? "red"
                    : h < 50              ? "orange"
                    : h >= 80 && h < 160  ? "green"
                    : h >= 190 && h < 260 ? "blue"
                                          : "other"];
        }
    }
    for (const auto& [name, n] : count)
        if (total >= 20 && n * 10 >= total * 6) return name;
    return total < 20 ? QStringLiteral("none") : QStringLiteral("mixed");
}

// The objectName of the focus after each of `presses` presses of Tab.
QStringList FocusChain(int presses, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QStringList chain;
    for (int i = 0; i < presses; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
        QCoreApplication::processEvents();
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

} // namespace

class TablesWindowTest : public QObject {
    Q_OBJECT

  private slots:
    // menu.csv item by item on the start window's menu bar; each of the 76
    // level items opens the window texts.csv names, with its title.
    void menuAndEveryLevelsWindowTitle() {
        Program p(11, QSize(1280, 1024));
        QList<std::pair<QString, QAction*>> items;
        Flatten(p.start->menuBar()->actions(), QString(), items);
        const auto& rows = Rows("menu.csv");
        QCOMPARE(items.size(), qsizetype(rows.size()));
        // "LevelMasse=6" -> the window and title of texts.csv
        std::map<QString, std::pair<QString, QString>> titles;
        for (const CsvRow& row : Rows("texts.csv")) {
            const QString control = Q(row["control"]);
            if (!control.startsWith("caption Level")) continue;
            for (const QString& field : control.section('=', 0, 0).mid(8).split(" or "))
                titles[field + "=" + control.section('=', 1)] = {Q(row["window"]), Q(row["text"])};
        }
        int levels = 0;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const CsvRow& row = rows[i];
            const auto& [path, action] = items[qsizetype(i)];
            const QString shown = path + " | " + action->text() + " | " + action->objectName();
            const QString expected = Q(row["path"] + " | " + row["caption"] + " | " + row["name"]);
            QVERIFY2(shown == expected, qPrintable(Q(row.Where()) + ": " + shown));
            if (row["level"].empty()) continue;
            ++levels;
            const auto want = titles[Q(row["level_field"] + "=" + row["level"])];
            std::pair<QString, QString> opened;
            QTimer::singleShot(0, [&] {
                QWidget* modal = QApplication::activeModalWidget();
                if (modal == nullptr) return;
                opened = {modal->objectName(), modal->windowTitle()};
                modal->findChild<QAction*>("menSchliessen")->trigger();
            });
            action->trigger();
            QVERIFY2(opened == want,
                     qPrintable(Q(row.Where()) + ": " + opened.first + " \"" + opened.second +
                                "\", expected \"" + want.second + "\""));
        }
        QCOMPARE(levels, 76);
    }

    // texts.csv row by row for what each window shows when it opens (the start
    // menu, the level titles and the messages have tests of their own), and
    // cases/tables_widget_colours.csv for the colours it shows them in.
    void textsAndColoursOfEveryWindowAsItOpens() {
        Program p(11, QSize(1280, 1024));
        p.state.Selection.MaxPasses = 4;
        p.state.Selection.LevelLaenge = 1;
        p.state.Selection.LevelLM = 1;
        p.state.Selection.LevelDekNum = 1;
        TfrmAuswertung* evaluation = OpenEvaluation(p);
        QVERIFY(evaluation != nullptr);
        const std::map<std::string, QWidget*> windows = {
            {"TfrmStart", p.start.get()},
            {"TfrmMaxanzahl", p.Open(p.windows.Maxanzahl)},
            {"TfrmEinheiten", p.Open(p.windows.Einheiten)},
            {"TfrmKombinationen", p.Open(p.windows.Kombinationen)},
            {"TfrmDekEinheiten", p.Open(p.windows.DekEinheiten)},
            {"TfrmInformation", p.Open(p.windows.Information)},
            {"TfrmAuswertung", evaluation},
        };
        int compared = 0;
        for (const CsvRow& row : Rows("texts.csv")) {
            const auto window = windows.find(row["window"]);
            const QString control = Q(row["control"]);
            const QString name = control.section(' ', 0, 0);
            const QString when = control.section(' ', 1);
            if (window == windows.end() || (row["window"] == "TfrmStart" && name.startsWith("men")))
                continue;
            if (!when.isEmpty() && when != "at activation" && when != "at the start of a drill" &&
                when != "when the program starts" &&
                when != "at activation (followed by MaxPasses)")
                continue;
            const QString expected = Q(tables::Unescaped(row["text"])) +
                                     (when.endsWith("(followed by MaxPasses)") ? "4" : "");
            const QString shown = Shown(window->second, name);
            ++compared;
            QVERIFY2(shown == expected, qPrintable(Q(row.Where()) + " " + control + ": \"" + shown +
                                                   "\", expected \"" + expected + "\""));
        }
        QCOMPARE(compared, 38);
        QCOMPARE(evaluation->lblAnzeige()->text(),
                 Q(tables::Text("TfrmAuswertung", "lblAnzeige verdict PercentRight 51 to 65")));
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

    // Lines answered right, right at the second try and wrong twice: the
    // message, the faces and marks by their colour names in colours.csv, and
    // the answers painted in place of the closed fields.
    void facesMarksAndPaintedAnswersOfTheDrillWindow() {
        Program p(11, QSize(1280, 1024));
        p.state.Selection.LevelLaenge = 2;
        auto* w = p.Open(p.windows.Einheiten);
        test::Answer(w, 1, p.Right(1));
        test::Answer(w, 2, QStringLiteral("999999"));
        test::Answer(w, 2, p.Right(2));
        test::Answer(w, 3, QStringLiteral("999999"));
        test::Answer(w, 3, QStringLiteral("999999"));
        QCOMPARE(w->lblAnzeige()->text(),
                 Q(tables::WrongTwice("exercise windows lblAnzeige: edtExit",
                                      p.state.TaskSheet[3].AnswerText.str())));
        QCOMPARE(TextColour(w->lblAnzeige()), ColourOf(kEw, "lblAnzeige wrong at the second try"));
        for (const CsvRow& row : Rows("cases/tables_drill_pictures.csv")) {
            auto* label = w->findChild<QLabel*>(Q(row["picture"]));
            QVERIFY2(label != nullptr, row["picture"].c_str());
            const QString hue = Hue(label->grab().toImage());
            const std::string& element = row["element"];
            QVERIFY2(hue == (element.empty() ? "none"
                                             : Q(tables::RowOf("colours.csv", "window", kEw,
                                                               "element", element)["name"])),
                     qPrintable(Q(row.Where()) + ": " + Q(row["picture"]) + " shows " + hue));
        }
        const QImage painted = w->findChild<QWidget*>("pntEinheiten")->grab().toImage();
        const auto inks = [&](const QRect& area, const QColor& colour) {
            int n = 0;
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x)
                    n += painted.pixelColor(x, y) == colour;
            return n;
        };
        const QRect given(0, w->Field(2)->y(), w->Field(2)->x(), w->Field(2)->height());
        const std::tuple<QRect, const char*, const char*> painting[] = {
            {w->Field(1)->geometry(), "TfrmEinheiten", "AnswerText when Solved"},
            {w->Field(3)->geometry(), "TfrmEinheiten", "TypedText when not Solved"},
            {w->Field(1)->geometry(), kEw, "answer drawn in place of a closed field when Solved"},
            {w->Field(3)->geometry(), kEw,
             "answer drawn in place of a closed field when not Solved (TypedText)"},
            {given, "TfrmEinheiten", "GivenText FromUnit and ToUnit"},
        };
        for (const auto& [area, window, element] : painting)
            QVERIFY2(inks(area, ColourOf(window, element)) > 20,
                     (std::string("not drawn in colours.csv ") + window + ", " + element).c_str());
    }

    // Control characters and line breaks never reach an answer field, typed,
    // pasted, composed or inserted.
    void answerFieldsRefuseControlCharacters() {
        Program p(11, QSize(1280, 1024));
        p.state.Selection.LevelFlaeche = 4;
        p.state.Selection.LevelLM = 3;
        p.state.Selection.LevelDekNum = 2;
        const QList<QLineEdit*> fields = {
            p.Open(p.windows.Einheiten)->Field(1), p.Open(p.windows.Kombinationen)->Field(2),
            p.Open(p.windows.DekEinheiten)->Field(3),
            p.Open(p.windows.Maxanzahl)->findChild<QLineEdit*>("edtMaxzahl")};
        // A digit comes through each way, so the ways are sure to arrive.
        QStringList inputs = {"\r\n", "2\n3", "2"};
        for (const char16_t c : u"\t\n\r\x01\x1b\x7f\x85\u2028\u2029")
            if (c != 0) inputs << QString(QChar(c));
        for (QLineEdit* field : fields) {
            QApplication::setActiveWindow(field->window());
            field->setFocus();
            for (const QString& input : inputs) {
                for (const QString way : {"typed", "pasted", "composed", "inserted"}) {
                    field->setText(QStringLiteral("1"));
                    field->end(false);
                    if (way == "typed") {
                        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, input);
                        QCoreApplication::sendEvent(field, &press);
                    } else if (way == "pasted") {
                        QGuiApplication::clipboard()->setText(input);
                        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_V, QString(QChar(0x16)),
                                            Qt::ControlModifier);
                    } else if (way == "composed") {
                        QInputMethodEvent commit;
                        commit.setCommitString(input);
                        QCoreApplication::sendEvent(field, &commit);
                    } else {
                        field->insert(input);
                    }
                    QVERIFY2(field->text() == (input == "2" ? "12" : "1"),
                             qPrintable(field->window()->objectName() + ": " + way + " U+" +
                                        QString::number(input.back().unicode(), 16) + " gives \"" +
                                        field->text().toUtf8().toPercentEncoding() + "\""));
                }
            }
        }
        p.windows.Maxanzahl->close();
    }

    // cases/tables_pass_count.csv typed and left with Tab, then OK.
    void passCountTypedAndLeft() {
        Program p(11, QSize(1280, 1024));
        TfrmMaxanzahl* dialog = p.Open(p.windows.Maxanzahl); // builds its controls
        auto* field = dialog->findChild<QLineEdit*>("edtMaxzahl");
        const QString message = Q(tables::RowOf("pass_count.csv", "name", "message")["value"]);
        for (const CsvRow& row : Rows("cases/tables_pass_count.csv")) {
            const QString where = Q(row.Where() + ": \"" + row["typed"] + "\": ");
            p.messages.clear();
            p.state.Selection.MaxPasses = 5;
            p.Open(dialog);
            field->setFocus();
            field->selectAll();
            QTest::keyClick(field, Qt::Key_Backspace);
            QTest::keyClicks(field, Q(row["typed"]));
            QTest::keyClick(field, Qt::Key_Tab);
            QVERIFY2(p.messages == (row["message"] == "1" ? QStringList{message} : QStringList()),
                     qPrintable(where + "message"));
            QVERIFY2(field->text() == Q(row["text"]), qPrintable(where + "field " + field->text()));
            QVERIFY2(field->hasFocus() == (row["refocus"] == "1"), qPrintable(where + "focus"));
            QTest::mouseClick(dialog->findChild<QPushButton*>("BitBtn2"), Qt::LeftButton);
            QVERIFY2(p.state.Selection.MaxPasses == row.Int("text"),
                     qPrintable(where + "MaxPasses after OK"));
            dialog->close();
        }
    }

    // The focus order of each dialog: the pass count dialog in the order of its
    // controls, the evaluation holding the focus on its one button, the drill
    // window from field to field to the visible button.
    void focusOrderOfEveryDialog() {
        Program p(11, QSize(1280, 1024));
        TfrmMaxanzahl* dialog = p.Open(p.windows.Maxanzahl);
        dialog->findChild<QLineEdit*>("edtMaxzahl")->setText(QStringLiteral("4"));
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

        p.state.Selection.LevelKubik = 1;
        p.Open(p.windows.Einheiten);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("edt1"));
        QCOMPARE(FocusChain(6), (QStringList{"edt2", "edt3", "edt4", "edt5", "btnWeiter", "edt1"}));
    }
};

QTEST_MAIN(TablesWindowTest)
#include "TablesWindowTest.moc"
