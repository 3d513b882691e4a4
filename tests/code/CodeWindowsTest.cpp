// Exercise codes in the windows: the pupil's dialog, the coded drill through
// the real drill window, its result code under the evaluation, `quarvel
// --code`, and the worksheet window's codes.

#include "../ui/Drive.h"
#include "arbeitsblatt/ArbeitsblattWindow.h"
#include "arbeitsblatt/Run.h"
#include "windows/KombinationenU.h"
#include "worksheet/TaskRecordJson.h"

#include <QComboBox>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

#include <sstream>
#include <string>
#include <vector>

namespace quarvel {
namespace {

using test::Child;
using test::Program;
using test::WhenModal;

// `quarvel-arbeitsblatt --code CODE --json`, one record a line.
QStringList PrintedRecords(const std::string& code) {
    std::ostringstream out;
    std::ostringstream err;
    const std::vector<std::string_view> args = {"--code", code, "--json"};
    if (RunCommandLine(args, out, err) != 0) qFatal("%s", err.str().c_str());
    return QString::fromStdString(out.str()).split(u'\n', Qt::SkipEmptyParts);
}

// The record of line `line` of the drill window's sheet, without its braces.
QString RecordOf(const ExerciseWindow* w, int line) {
    JsonObject json;
    WriteTask(w->Session().MeasureSheet()[line], true, json);
    const QString text = QString::fromStdString(json.str());
    return text.mid(1, text.size() - 2);
}

// The text of a PDF file, page by page.
QString PdfText(const QString& path) {
    QProcess process;
    process.start(QStringLiteral(PDFTOTEXT),
                  {QStringLiteral("-layout"), path, QStringLiteral("-")});
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// A code with its character at `at` replaced by the next one of the alphabet.
QString Mistyped(const QString& code, int at) {
    QString typo = code;
    const auto k = kCodeAlphabet.find(static_cast<char>(code[at].toLatin1()));
    typo[at] = QLatin1Char(kCodeAlphabet[(k + 1) % kCodeAlphabet.size()]);
    return typo;
}

} // namespace

class CodeWindowsTest : public QObject {
    Q_OBJECT

  private slots:
    // "Übungscode…" comes after the described items of the menu bar; a
    // mistyped code is refused in the dialog, which stays open; the right one
    // opens the drill window of its training with its exercise. The menu's
    // own choices (the pass count) stay as they were, and closing the drill
    // clears its group's levels.
    void dialogRefusesAMistypeAndOpensTheCodedDrill() {
        Program p;
        const QList<QAction*> bar = p.start->menuBar()->actions();
        QCOMPARE(bar.constLast()->objectName(), QStringLiteral("menUebungscode"));
        QCOMPARE(bar.constLast()->text(), QStringLiteral("Übungscode…"));
        QCOMPARE(bar.at(bar.size() - 2)->objectName(), QStringLiteral("menZeit"));

        const Exercise exercise{Training::Alle, 4, 5, 4242};
        const QString code = QString::fromStdString(ExerciseCode(exercise));
        QString refusal;
        bool stayedOpen = false;
        QString fieldAfterRefusal;
        QString opened;
        std::optional<Exercise> drilled;
        int passes = 0;
        WhenModal(nullptr, [&](QWidget* dialog) {
            auto* field = Child<QLineEdit>(dialog, QStringLiteral("edtCode"));
            QTest::keyClicks(field, Mistyped(code, 2));
            QTest::keyClick(field, Qt::Key_Return);
            refusal = Child<QLabel>(dialog, QStringLiteral("lblHinweis"))->text();
            stayedOpen = dialog->isVisible();
            fieldAfterRefusal = field->hasFocus() ? field->selectedText() : QString();
            WhenModal(dialog, [&](QWidget* drill) {
                opened = drill->objectName() + QStringLiteral(": ") + drill->windowTitle();
                auto* w = static_cast<ExerciseWindow*>(drill);
                drilled = w->Session().CurrentExercise();
                passes = w->Session().State().MaxPasses();
                Child<QAction>(drill, QStringLiteral("menSchliessen"))->trigger();
            });
            // Lower case, a blank for the dash: read all the same.
            QTest::keyClicks(field, code.toLower().replace(u'-', u' '));
            QTest::keyClick(field, Qt::Key_Return);
        });
        p.start->MenuItem(QStringLiteral("menUebungscode"))->trigger();

        QCOMPARE(refusal, QStringLiteral("Der Code ist nicht gültig – bitte Zeichen für Zeichen "
                                         "prüfen."));
        QVERIFY(stayedOpen);
        QCOMPARE(fieldAfterRefusal, Mistyped(code, 2)); // selected, to be typed over
        QCOMPARE(opened, QStringLiteral(
                             "TfrmKombinationen: Kombination-Alle metrischen Einheiten: KÖNNER"));
        QVERIFY(drilled == exercise);
        QCOMPARE(passes, 5);
        QVERIFY(p.start->isVisible());
        QCOMPARE(p.start->Selection().MaxPasses, 3);
        QCOMPARE(p.start->Selection().LevelAlle, 0);
    }

    // The coded drill through the real window shows, pass by pass, exactly the
    // tasks the worksheet program prints for the code; its evaluation shows a
    // result code with the drill's points and tries. A random drill's
    // evaluation has no such line.
    void codedDrillShowsTheSheetsTasksAndEndsWithAResultCode() {
        Program p;
        const Exercise exercise{Training::Laenge, 3, 3, 1234};
        const std::string code = ExerciseCode(exercise);
        const QStringList printed = PrintedRecords(code);
        QCOMPARE(printed.size(), 15);

        QStringList shown;
        QString resultLine;
        bool selectable = false;
        bool belowVerdict = false;
        WhenModal(nullptr, [&](QWidget* drill) {
            auto* w = static_cast<ExerciseWindow*>(drill);
            for (int pass = 1; pass <= 3; ++pass) {
                for (int line = 1; line <= kLines; ++line) {
                    shown << RecordOf(w, line);
                    // Pass 1 and 3 right at once, pass 2 twice wrong.
                    if (pass == 2) {
                        test::Answer(w, line, QStringLiteral("987654"));
                        test::Answer(w, line, QStringLiteral("987654"));
                    } else {
                        test::Answer(w, line, p.Right(line));
                    }
                }
                if (pass < 3) Child<QPushButton>(w, QStringLiteral("btnWeiter"))->click();
            }
            WhenModal(w, [&](QWidget* evaluation) {
                auto* e = static_cast<TfrmAuswertung*>(evaluation);
                QTRY_VERIFY(!e->Animating());
                resultLine =
                    e->lblErgebniscode()->isVisible() ? e->lblErgebniscode()->text() : QString();
                selectable = e->lblErgebniscode()->textInteractionFlags().testFlag(
                    Qt::TextSelectableByKeyboard);
                belowVerdict =
                    e->lblErgebniscode()->geometry().top() >=
                        e->lblAnzeige()->geometry().bottom() &&
                    e->lblErgebniscode()->geometry().bottom() < e->lblRichtig()->geometry().top();
                e->btnSchliessen()->click();
            });
            Child<QPushButton>(w, QStringLiteral("btnAuswertung"))->click();
            Child<QAction>(drill, QStringLiteral("menSchliessen"))->trigger();
        });
        p.start->StartWithCode(QString::fromStdString(code));

        QCOMPARE(shown.size(), printed.size());
        for (qsizetype i = 0; i < shown.size(); ++i) {
            const QString where = QStringLiteral("\"Pass\": %1, \"Line\": %2,")
                                      .arg(i / kLines + 1)
                                      .arg(i % kLines + 1);
            QVERIFY2(printed[i].contains(where) && printed[i].endsWith(shown[i] + u'}'),
                     qPrintable(printed[i] + QStringLiteral("\nshown: ") + shown[i]));
        }
        QVERIFY2(resultLine.startsWith(QStringLiteral("Ergebniscode: ")), qPrintable(resultLine));
        const CodeReading<ExerciseResult> result = ReadResultCode(resultLine.mid(14).toStdString());
        QVERIFY2(result, result.Refusal.c_str());
        // 10 of 15 points (in halves), 5 + 10 + 5 tries.
        QVERIFY(*result.Value == (ExerciseResult{exercise, 20, 20}));
        QVERIFY(selectable);
        QVERIFY(belowVerdict);

        // A random drill's evaluation: no result code, the dialog its own size.
        TfrmAuswertung* evaluation = p.windows.Auswertung;
        const QSize coded = evaluation->Client()->size();
        evaluation->SetScore(ScoreState{});
        evaluation->show();
        QTRY_VERIFY(!evaluation->Animating());
        QVERIFY(!evaluation->lblErgebniscode()->isVisible());
        QVERIFY(evaluation->Client()->height() < coded.height());
        QCOMPARE(evaluation->Client()->size(), QSize(392, 433));
        evaluation->btnSchliessen()->click();
    }

    // `quarvel --code`: the option is read; a code that cannot be read opens
    // the dialog with the code and the reason; a code that can, its drill.
    void commandLineCode() {
        const ProgramOptions given = ParseProgramOptions(
            {QStringLiteral("quarvel"), QStringLiteral("--code"), QStringLiteral("5XWP-677V")});
        QVERIFY(given.Error.isEmpty());
        QCOMPARE(given.Code, QStringLiteral("5XWP-677V"));
        QCOMPARE(ParseProgramOptions({QStringLiteral("quarvel")}).Code, QString());
        for (const QStringList& wrong :
             {QStringList{QStringLiteral("quarvel"), QStringLiteral("--code")},
              QStringList{QStringLiteral("quarvel"), QStringLiteral("--kode=5XWP-677V")},
              QStringList{QStringLiteral("quarvel"), QStringLiteral("5XWP-677V")}})
            QVERIFY2(!ParseProgramOptions(wrong).Error.isEmpty(), qPrintable(wrong.join(u' ')));
        QVERIFY(ParseProgramOptions({QStringLiteral("quarvel"), QStringLiteral("--help")}).Help);

        Program p;
        QString field;
        QString refusal;
        WhenModal(nullptr, [&](QWidget* dialog) {
            field = Child<QLineEdit>(dialog, QStringLiteral("edtCode"))->text();
            refusal = Child<QLabel>(dialog, QStringLiteral("lblHinweis"))->text();
            Child<QPushButton>(dialog, QStringLiteral("btnAbbrechen"))->click();
        });
        p.start->StartWithCode(QStringLiteral("5XWP-677"));
        QCOMPARE(field, QStringLiteral("5XWP-677"));
        QCOMPARE(refusal, QStringLiteral("Ein Übungscode hat 8 Zeichen, hier sind es 7."));
        QVERIFY(p.start->isVisible());

        // Decadic: the decadic window.
        QString opened;
        WhenModal(nullptr, [&](QWidget* drill) {
            opened = drill->objectName();
            Child<QAction>(drill, QStringLiteral("menSchliessen"))->trigger();
        });
        p.start->StartWithCode(QString::fromStdString(ExerciseCode({Training::DezDez, 2, 3, 7})));
        QCOMPARE(opened, QStringLiteral("TfrmDekEinheiten"));
    }

    // The worksheet window: the class's code follows training, level, passes
    // and "Neuer Code"; a given code's exercise is what the PDF holds, as the
    // command line prints it; a refused code prints nothing; the check reads
    // a result code.
    void worksheetWindowMakesPrintsAndChecksCodes() {
        ArbeitsblattWindow window(nullptr, [] { return ScreenArea(QSize(1280, 800)); });
        window.show();
        QVERIFY(window.SelectTraining(Training::Flaeche));
        Child<QComboBox>(&window, QStringLiteral("cmbLevel"))->setCurrentIndex(3);
        Child<QSpinBox>(&window, QStringLiteral("spnPasses"))->setValue(7);
        auto* classCode = Child<QLabel>(&window, QStringLiteral("lblClassCode"));
        const auto shownExercise = [classCode] {
            const QString prefix = QStringLiteral("Übungscode für die Klasse: ");
            if (!classCode->text().startsWith(prefix)) return std::optional<Exercise>();
            return ReadExerciseCode(classCode->text().mid(prefix.size()).toStdString()).Value;
        };
        const std::optional<Exercise> first = shownExercise();
        QVERIFY(first && first->Id == Training::Flaeche && first->Level == 4 && first->Passes == 7);
        Child<QPushButton>(&window, QStringLiteral("btnNewCode"))->click();
        const std::optional<Exercise> second = shownExercise();
        QVERIFY(second && second->Seed != first->Seed && second->Passes == 7);

        QTemporaryDir dir;
        const std::string code = "5XWP-677V"; // Länge, Fortgeschrittener, 3 passes
        const QString printed = dir.filePath(QStringLiteral("kommandozeile.pdf"));
        const std::string printedPath = printed.toStdString();
        const std::vector<std::string_view> args = {"--code", code, "-o", printedPath};
        std::ostringstream out;
        std::ostringstream err;
        QVERIFY2(RunCommandLine(args, out, err) == 0, err.str().c_str());

        auto* given = Child<QLineEdit>(&window, QStringLiteral("edtCode"));
        auto* pdf = Child<QPushButton>(&window, QStringLiteral("btnPdf"));
        given->setText(Mistyped(QString::fromStdString(code), 5));
        QVERIFY(!pdf->isEnabled());
        QCOMPARE(Child<QLabel>(&window, QStringLiteral("lblCodeState"))->text(),
                 QStringLiteral("Der Code ist nicht gültig – bitte Zeichen für Zeichen prüfen."));
        given->setText(QStringLiteral("5xwp 677v"));
        QVERIFY(pdf->isEnabled());
        QString suggested;
        window.SetSavePathAsker([&](QWidget*, const QString& path) {
            suggested = path;
            return dir.filePath(QStringLiteral("fenster.pdf"));
        });
        QVERIFY(window.SaveAsPdf());
        QVERIFY2(suggested.endsWith(QStringLiteral("/Übungscode-5XWP-677V.pdf")),
                 qPrintable(suggested));
        const QString text = PdfText(dir.filePath(QStringLiteral("fenster.pdf")));
        QVERIFY(text.contains(QStringLiteral("5XWP-677V")));
        QCOMPARE(text, PdfText(printed));

        auto* result = Child<QLineEdit>(&window, QStringLiteral("edtResult"));
        const QString resultCode =
            QString::fromStdString(ResultCode({{Training::Laenge, 3, 3, 1234}, 27, 17}));
        result->setText(resultCode);
        QCOMPARE(Child<QLabel>(&window, QStringLiteral("lblResult"))->text(),
                 QStringLiteral("5XWP-677V · Länge · Fortgeschrittener · 13,5 von 15 Punkten "
                                "(90 %) · 17 Versuche"));
        result->setText(Mistyped(resultCode, 3));
        QVERIFY(!Child<QLabel>(&window, QStringLiteral("lblResult"))
                     ->text()
                     .startsWith(QStringLiteral("5XWP")));
    }
};

} // namespace quarvel

QTEST_MAIN(quarvel::CodeWindowsTest)
#include "CodeWindowsTest.moc"
