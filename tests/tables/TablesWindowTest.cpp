// The real windows against the hand-made tables: the menu and every level's
// window title, the faces and marks a pupil sees, the colours and texts of the
// drill and evaluation windows, answer fields that refuse control characters
// however they arrive, the pass count at its limits, and each dialog's focus
// order.
#include "Tables.h"

#include "windows/AuswertungU.h"
#include "windows/DekEinheitenU.h"
#include "windows/EinheitenU.h"
#include "windows/InformationU.h"
#include "windows/KombinationenU.h"
#include "windows/MaxanzahlU.h"
#include "windows/MessageBox.h"
#include "windows/Program.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <map>
#include <tuple>

using namespace quarvel;
using tables::CsvRow;
using tables::Rows;

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}
QString Text(const char* window, const std::string& control) {
    return Q(tables::Text(window, control));
}
QColor ColourOf(const char* window, const char* element) {
    const Rgb c = tables::Colour(window, element);
    return {c.R, c.G, c.B};
}
QColor TextColour(const QWidget* w) {
    return w->palette().color(QPalette::WindowText);
}

// The program as main creates it, with the start window shown and the
// information boxes collected instead of shown.
struct Program {
    AppState state;
    Windows windows;
    std::unique_ptr<TfrmStart> start;
    QStringList messages;

    Program() {
        state.Rng = std::make_shared<SeededRandom>(11);
        start = CreateWindows(state, windows, [] { return QSize(1280, 1024); });
        SetInformationHandler([this](QWidget*, const QString& text) { messages << text; });
        start->show();
        windows.Auswertung->SetStepInterval(0);
    }
    ~Program() { SetInformationHandler({}); }

    // Shows a window as its menu item would, without a nested event loop.
    template <typename W> W* Open(W* window) {
        window->show();
        QApplication::setActiveWindow(window);
        QCoreApplication::processEvents();
        return window;
    }
};

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

// Types into a line's field and presses Enter, as a pupil does.
void Answer(ExerciseWindow* w, int line, const QString& text) {
    QLineEdit* field = w->Field(line);
    field->setFocus();
    field->clear();
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
    QCoreApplication::processEvents();
}

// The objectName of the focus after each of `presses` presses of `key`.
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
        Program p;
        QList<std::pair<QString, QAction*>> items;
        Flatten(p.start->menuBar()->actions(), QString(), items);
        const auto& rows = Rows("menu.csv");
        QCOMPARE(items.size(), qsizetype(rows.size()));
        // "LevelMasse=6" -> the window and title of texts.csv
        QMap<QString, std::pair<QString, QString>> titles;
        for (const CsvRow& row : Rows("texts.csv")) {
            const QString control = Q(row["control"]);
            if (!control.startsWith("caption Level")) continue;
            const QString level = control.section('=', 1);
            for (const QString& field : control.section('=', 0, 0).mid(8).split(" or "))
                titles[field + "=" + level] = {Q(row["window"]), Q(row["text"])};
        }
        int levels = 0;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const CsvRow& row = rows[i];
            const auto& [path, action] = items[qsizetype(i)];
            const QByteArray where = QByteArray("menu.csv line ") + QByteArray::number(row.Line) +
                                     " (" + row["name"].c_str() + "): ";
            QVERIFY2(action->objectName() == Q(row["name"]), where + "name");
            QVERIFY2(action->text() == Q(row["caption"]),
                     where + "caption " + action->text().toUtf8() + ", expected " +
                         row["caption"].c_str());
            QVERIFY2(path == Q(row["path"]),
                     where + "path " + path.toUtf8() + ", expected " + row["path"].c_str());
            if (row["level"].empty()) continue;
            ++levels;
            const auto expected = titles.value(Q(row["level_field"] + "=" + row["level"]));
            QString window;
            QString title;
            QTimer::singleShot(0, [&] {
                QWidget* modal = QApplication::activeModalWidget();
                if (modal == nullptr) return;
                window = modal->objectName();
                title = modal->windowTitle();
                modal->findChild<QAction*>("menSchliessen")->trigger();
            });
            action->trigger();
            QVERIFY2(window == expected.first, where + "texts.csv window " + window.toUtf8());
            QVERIFY2(title == expected.second, where + "texts.csv caption " + title.toUtf8() +
                                                   ", expected " + expected.second.toUtf8());
        }
        QCOMPARE(levels, 76);
    }

    // texts.csv row by row for what each window shows when it opens; the
    // start menu, the level titles and the messages have tests of their own.
    void textsOfEveryWindowAsItOpens() {
        Program p;
        p.state.Selection.MaxPasses = 4;
        p.state.Selection.LevelLaenge = 1;
        p.state.Selection.LevelLM = 1;
        p.state.Selection.LevelDekNum = 1;
        const std::map<std::string, QWidget*> windows = {
            {"TfrmStart", p.start.get()},
            {"TfrmMaxanzahl", p.Open(p.windows.Maxanzahl)},
            {"TfrmEinheiten", p.Open(p.windows.Einheiten)},
            {"TfrmKombinationen", p.Open(p.windows.Kombinationen)},
            {"TfrmDekEinheiten", p.Open(p.windows.DekEinheiten)},
            {"TfrmInformation", p.Open(p.windows.Information)},
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
            QString expected = Q(tables::Unescaped(row["text"]));
            if (when.endsWith("(followed by MaxPasses)")) expected += "4";
            const QString shown = Shown(window->second, name);
            ++compared;
            QVERIFY2(shown == expected,
                     qPrintable("texts.csv line " + QString::number(row.Line) + " " +
                                Q(row["window"]) + ", " + control + ": \"" + shown +
                                "\", expected \"" + expected + "\""));
        }
        QCOMPARE(compared, 34);
        p.windows.Maxanzahl->close();
        p.windows.Information->close();
        for (ExerciseWindow* w : std::initializer_list<ExerciseWindow*>{
                 p.windows.Einheiten, p.windows.Kombinationen, p.windows.DekEinheiten})
            w->menSchliessenClick();
    }

    // The faces and marks by their colour names in colours.csv, the messages
    // and colours of the drill window.
    void facesMarksAndColoursOfTheDrillWindow() {
        Program p;
        p.state.Selection.LevelLaenge = 2;
        auto* w = p.Open(p.windows.Einheiten);
        const char* ew = "exercise windows";
        QCOMPARE(w->lblAnzeige()->text(), Text("TfrmEinheiten", "lblAnzeige at activation"));
        QCOMPARE(TextColour(w->lblAnzeige()),
                 ColourOf("TfrmEinheiten", "lblAnzeige at activation"));
        Answer(w, 1, Q(p.state.TaskSheet[1].AnswerText.str()));
        Answer(w, 2, QStringLiteral("999999"));
        Answer(w, 2, Q(p.state.TaskSheet[2].AnswerText.str()));
        Answer(w, 3, QStringLiteral("999999"));
        Answer(w, 3, QStringLiteral("999999"));
        // Line 3's message: the five pieces with the answer between 1 and 2.
        QString wrongTwice;
        for (int piece = 1; piece <= 5; ++piece)
            wrongTwice +=
                Text("message",
                     "exercise windows lblAnzeige: edtExit wrong at the second try piece " +
                         std::to_string(piece) + " of 5 (" + (piece == 1 ? "before" : "after") +
                         " AnswerText)") +
                (piece == 1 ? Q(p.state.TaskSheet[3].AnswerText.str()) : QString());
        QCOMPARE(w->lblAnzeige()->text(), wrongTwice);
        QCOMPARE(TextColour(w->lblAnzeige()), ColourOf(ew, "lblAnzeige wrong at the second try"));

        struct Picture {
            const char* Name;
            const char* Element; // colours.csv, exercise windows
        };
        const Picture pictures[] = {
            {"img1", "imgG smiling face (right at the first try)"},
            {"imgZ11", "imgLstZ image 1 tick (right)"},
            {"img2", "imgO frowning face (right at the second try)"},
            {"imgZ21", "imgLstZ image 0 cross (wrong)"},
            {"imgZ22", "imgLstZ image 1 tick (right)"},
            {"img3", "imgR sad face (wrong at the first try)"},
            {"imgZ31", "imgLstZ image 0 cross (wrong)"},
            {"imgZ32", "imgLstZ image 0 cross (wrong)"},
            {"img4", "imgB neutral face"},
            {"imgZ41", nullptr},
        };
        for (const Picture& picture : pictures) {
            const QString name(picture.Name);
            auto* label = w->findChild<QLabel*>(name);
            QVERIFY(label != nullptr);
            const QString hue = Hue(label->grab().toImage());
            const QString expected = picture.Element
                                         ? Q(tables::RowOf("colours.csv", "window", ew, "element",
                                                           picture.Element)["name"])
                                         : QStringLiteral("none");
            QVERIFY2(hue == expected, QByteArray("colours.csv exercise windows, ") +
                                          (picture.Element ? picture.Element : "an empty mark") +
                                          ": " + picture.Name + " shows " + hue.toUtf8());
        }

        // The painted answers in place of the closed fields, and a given text.
        const QImage painted = w->findChild<QWidget*>("pntEinheiten")->grab().toImage();
        const auto inks = [&](const QRect& area, const QColor& colour) {
            int n = 0;
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x)
                    n += painted.pixelColor(x, y) == colour;
            return n;
        };
        const std::tuple<int, QRect, const char*, const char*> painting[] = {
            {1, w->Field(1)->geometry(), "TfrmEinheiten", "AnswerText when Solved"},
            {3, w->Field(3)->geometry(), "TfrmEinheiten", "TypedText when not Solved"},
            {1, w->Field(1)->geometry(), ew, "answer drawn in place of a closed field when Solved"},
            {3, w->Field(3)->geometry(), ew,
             "answer drawn in place of a closed field when not Solved (TypedText)"},
            {2, QRect(0, w->Field(2)->y(), w->Field(2)->x(), w->Field(2)->height()),
             "TfrmEinheiten", "GivenText FromUnit and ToUnit"},
        };
        for (const auto& [line, area, window, element] : painting)
            QVERIFY2(inks(area, ColourOf(window, element)) > 20,
                     QByteArray("colours.csv ") + window + ", " + element + ": line " +
                         QByteArray::number(line) + " is not drawn in that colour");
        QVERIFY2(TextColour(p.start->findChild<QLabel*>("lblText1")) ==
                     ColourOf("TfrmStart", "lblText1 lblText2 lblVersion font"),
                 "colours.csv TfrmStart lblText1 lblText2 lblVersion font");

        // The boxes below the lines, by their colours.csv rows.
        const std::pair<const char*, const char*> boxes[] = {
            {"grpVersuche", "grpVersuche font"},
            {"lblAktVersuche", "grpVersuche font"},
            {"grpPunkte", "grpPunkte font"},
            {"lblAktPunkte", "grpPunkte font"},
            {"grpDurchgang",
             "grpDurchgang (the window table names the colour without saying what it colours)"},
            {"pnlZeit", "pnlZeit font"},
        };
        for (const auto& [name, element] : boxes)
            QVERIFY2(TextColour(w->findChild<QWidget*>(name)) == ColourOf("TfrmEinheiten", element),
                     QByteArray("colours.csv TfrmEinheiten, ") + element + ": " + name);
        QCOMPARE(w->Client()->palette().color(QPalette::Window),
                 ColourOf("TfrmEinheiten", "background"));
        for (const char* name : {"grpDurchgang", "grpVersuche", "grpPunkte"})
            QCOMPARE(w->findChild<QGroupBox*>(name)->title(), Text("TfrmEinheiten", name));
        QCOMPARE(w->btnWeiter()->text(), Text("TfrmEinheiten", "btnWeiter"));
        QCOMPARE(w->btnAuswertung()->text(), Text("TfrmEinheiten", "btnAuswertung"));
        w->menSchliessenClick();
    }

    // Control characters and line breaks never reach an answer field, typed,
    // pasted, composed or inserted.
    void answerFieldsRefuseControlCharacters() {
        Program p;
        p.state.Selection.LevelFlaeche = 4;
        p.state.Selection.LevelLM = 3;
        p.state.Selection.LevelDekNum = 2;
        const QList<QLineEdit*> fields = {
            p.Open(p.windows.Einheiten)->Field(1), p.Open(p.windows.Kombinationen)->Field(2),
            p.Open(p.windows.DekEinheiten)->Field(3),
            p.Open(p.windows.Maxanzahl)->findChild<QLineEdit*>("edtMaxzahl")};
        const QStringList inputs = {"\t",
                                    "\n",
                                    "\r",
                                    "\r\n",
                                    QString(QChar(0x01)),
                                    QString(QChar(0x1b)),
                                    QString(QChar(0x7f)),
                                    QString(QChar(0x85)),
                                    QString(QChar(0x2028)),
                                    QString(QChar(0x2029)),
                                    "2\n3",
                                    "2"};
        for (QLineEdit* field : fields) {
            QApplication::setActiveWindow(field->window());
            field->setFocus();
            for (const QString& input : inputs) {
                for (const char* way : {"typed", "pasted", "composed", "inserted"}) {
                    field->setText(QStringLiteral("1"));
                    field->end(false);
                    const QString w(way);
                    if (w == "typed") {
                        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, input);
                        QCoreApplication::sendEvent(field, &press);
                    } else if (w == "pasted") {
                        QGuiApplication::clipboard()->setText(input);
                        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_V, QString(QChar(0x16)),
                                            Qt::ControlModifier);
                    } else if (w == "composed") {
                        QInputMethodEvent commit;
                        commit.setCommitString(input);
                        QCoreApplication::sendEvent(field, &commit);
                    } else {
                        field->insert(input);
                    }
                    // A digit comes through each way, so the ways are sure to arrive.
                    const QString kept = input == "2" ? QStringLiteral("12") : QStringLiteral("1");
                    QVERIFY2(field->text() == kept,
                             qPrintable(field->window()->objectName() + " " + field->objectName() +
                                        ": " + w + " U+" +
                                        QString::number(input.back().unicode(), 16) + " gives \"" +
                                        field->text().toUtf8().toPercentEncoding() + "\""));
                }
            }
        }
        p.windows.Maxanzahl->close();
        for (ExerciseWindow* w : std::initializer_list<ExerciseWindow*>{
                 p.windows.Einheiten, p.windows.Kombinationen, p.windows.DekEinheiten})
            w->menSchliessenClick();
    }

    // Typed and left with Tab: pass_count.csv's limits, one beyond each, and
    // the dialog's texts.
    void passCountAtItsLimits() {
        Program p;
        const auto value = [](const char* name) {
            return Q(tables::RowOf("pass_count.csv", "name", name)["value"]);
        };
        const int min = value("min").toInt();
        const int max = value("max").toInt();
        TfrmMaxanzahl* dialog = p.windows.Maxanzahl;
        p.Open(dialog);
        auto* field = dialog->findChild<QLineEdit*>("edtMaxzahl");
        QCOMPARE(field->text(), value("field_text_at_start"));
        QCOMPARE(dialog->windowTitle(), value("caption"));
        QCOMPARE(dialog->windowTitle(), Text("TfrmMaxanzahl", "caption"));
        QCOMPARE(dialog->findChild<QGroupBox*>("grpMax")->title(), value("group_caption"));
        for (const int typed : {min - 1, min, max, max + 1}) {
            const bool accepted = typed >= min && typed <= max;
            const QByteArray where = "pass_count.csv min " + QByteArray::number(min) + ", max " +
                                     QByteArray::number(max) + ": typed " +
                                     QByteArray::number(typed);
            p.messages.clear();
            p.state.Selection.MaxPasses = 5;
            p.Open(dialog);
            field->setFocus();
            field->selectAll();
            QTest::keyClicks(field, QString::number(typed));
            QTest::keyClick(field, Qt::Key_Tab);
            QVERIFY2(p.messages == (accepted ? QStringList() : QStringList{value("message")}),
                     where + ": message");
            QVERIFY2(field->text() ==
                         (accepted ? QString::number(typed) : value("replacement_text")),
                     where + ": field " + field->text().toUtf8());
            QTest::mouseClick(dialog->findChild<QPushButton*>("BitBtn2"), Qt::LeftButton);
            QVERIFY2(p.state.Selection.MaxPasses ==
                         (accepted ? typed : value("replacement_text").toInt()),
                     where + ": MaxPasses after OK");
            dialog->close();
        }
    }

    // The focus order of each dialog: the pass count dialog in the order of its
    // controls, the evaluation holding the focus on its one button, the drill
    // window from field to field to the visible button.
    void focusOrderOfEveryDialog() {
        Program p;
        TfrmMaxanzahl* dialog = p.Open(p.windows.Maxanzahl);
        dialog->findChild<QLineEdit*>("edtMaxzahl")->setText(QStringLiteral("4"));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("edtMaxzahl"));
        QCOMPARE(FocusChain(3), (QStringList{"BitBtn1", "BitBtn2", "edtMaxzahl"}));
        QCOMPARE(FocusChain(3, Qt::ShiftModifier),
                 (QStringList{"BitBtn2", "BitBtn1", "edtMaxzahl"}));
        dialog->close();

        p.state.Score.TotalPoints = 6.0F;
        p.state.Score.TotalTries = 10;
        TfrmAuswertung* evaluation = p.windows.Auswertung;
        QSignalSpy finished(evaluation, &TfrmAuswertung::AnimationFinished);
        p.Open(evaluation);
        QVERIFY(!finished.isEmpty() || finished.wait(5000));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("btnSchliessen"));
        QCOMPARE(FocusChain(2), (QStringList{"btnSchliessen", "btnSchliessen"}));
        // Its texts and colours, while it is up (60 %).
        const char* ev = "TfrmAuswertung";
        QCOMPARE(evaluation->windowTitle(), Text(ev, "caption"));
        QCOMPARE(evaluation->lblAnzeige()->text(),
                 Text(ev, "lblAnzeige verdict PercentRight 51 to 65"));
        const std::pair<QWidget*, const char*> coloured[] = {
            {evaluation->lblAnzeige(), "lblAnzeige (verdict)"},
            {evaluation->lblRichtig(), "lblRichtig font"},
            {evaluation->lblFalsch(), "lblFalsch font"},
            {evaluation->lblPRichtig(), "lblPRichtig and lblPFalsch font"},
            {evaluation->lblPFalsch(), "lblPRichtig and lblPFalsch font"},
            {evaluation->pnlRichtig(), "pnlRichtig font"},
            {evaluation->pnlFalsch(), "pnlFalsch font"},
        };
        for (const auto& [widget, element] : coloured)
            QVERIFY2(TextColour(widget) == ColourOf(ev, element),
                     QByteArray("colours.csv TfrmAuswertung, ") + element);
        QCOMPARE(evaluation->gauRichtig()->BarColour(), ColourOf(ev, "gauRichtig bar"));
        QCOMPARE(evaluation->gauFalsch()->BarColour(), ColourOf(ev, "gauFalsch bar"));
        QCOMPARE(evaluation->lblRichtig()->text(), Text(ev, "lblRichtig"));
        QCOMPARE(evaluation->lblFalsch()->text(), Text(ev, "lblFalsch"));
        QCOMPARE(evaluation->btnSchliessen()->text(), Text(ev, "btnSchliessen"));
        evaluation->btnSchliessen()->click();

        p.state.Selection.LevelKubik = 1;
        ExerciseWindow* drill = p.Open(p.windows.Einheiten);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("edt1"));
        QCOMPARE(FocusChain(6), (QStringList{"edt2", "edt3", "edt4", "edt5", "btnWeiter", "edt1"}));
        drill->menSchliessenClick();
    }
};

QTEST_MAIN(TablesWindowTest)
#include "TablesWindowTest.moc"
