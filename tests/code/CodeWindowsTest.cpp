// Exercise codes in the pupil's dialog, the drill window, `quarvel --code`
// and the worksheet window.

#include "../ui/Drive.h"
#include "arbeitsblatt/ArbeitsblattWindow.h"
#include "arbeitsblatt/Run.h"

#include <QComboBox>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

#include <sstream>

namespace quarvel {
namespace {

using test::Child;
using test::Program;
using test::WhenModal;

// What quarvel-arbeitsblatt prints with `args`.
QString RunWorksheetProgram(const std::vector<std::string_view>& args) {
    std::ostringstream out, err;
    if (RunCommandLine(args, out, err) != 0) qFatal("%s", err.str().c_str());
    return QString::fromStdString(out.str());
}

const QString kMistyped = "Der Code ist nicht gültig – bitte Zeichen für Zeichen prüfen.";

QString PdfText(const QString& path) {
    QProcess process;
    process.start(PDFTOTEXT, {"-layout", path, "-"});
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The code with its character at `at` replaced by the next one of the alphabet.
QString Mistyped(QString code, int at) {
    const auto k = kCodeAlphabet.find(static_cast<char>(code[at].toLatin1()));
    code[at] = QLatin1Char(kCodeAlphabet[(k + 1) % kCodeAlphabet.size()]);
    return code;
}

} // namespace

class CodeWindowsTest : public QObject {
    Q_OBJECT

  private slots:
    // "Übungscode…" ends the menu bar. A code it cannot read (dialog or
    // `--code`) stays with its reason to be typed over; a right one opens its
    // exercise, leaving the menu's choices as they were.
    void codeDialogFromMenuAndCommandLine() {
        const auto parse = [](const QString& args) {
            return ParseProgramOptions(("quarvel " + args).split(u' '));
        };
        QVERIFY(parse("--code 5XWP").Code == "5XWP" && parse("--code 5XWP").Error.isEmpty() &&
                parse("--help").Help);
        for (const char* wrong : {"--code", "--kode=5XWP", "5XWP"})
            QVERIFY2(!parse(wrong).Error.isEmpty(), wrong);

        Program p;
        const QList<QAction*> bar = p.start->menuBar()->actions();
        QCOMPARE(bar.constLast()->objectName() + " " + bar.constLast()->text() + " after " +
                     bar.at(bar.size() - 2)->objectName(),
                 "menUebungscode Übungscode… after menZeit");

        const QString code = QString::fromStdString(ExerciseCode({Training::Alle, 4, 5, 4242}));
        QStringList seen; // field, hint, "offen" each time; then the drill opened
        const auto dialog = [&](const QString& mistype, const QString& right) {
            WhenModal(nullptr, [&, mistype, right](QWidget* dialog) {
                auto* field = Child<QLineEdit>(dialog, "edtCode");
                QTest::keyClicks(field, mistype);
                QTest::keyClick(field, Qt::Key_Return);
                seen << field->text() << Child<QLabel>(dialog, "lblHinweis")->text()
                     << (dialog->isVisible() ? "offen" : "");
                WhenModal(dialog, [&seen, right](QWidget* drill) {
                    const DrillSession& session = static_cast<ExerciseWindow*>(drill)->Session();
                    seen << drill->objectName() + u' ' + drill->windowTitle()
                         << QString::number(session.State().MaxPasses());
                    QVERIFY(session.CurrentExercise() ==
                            ReadExerciseCode(right.toStdString()).Value);
                    Child<QAction>(drill, "menSchliessen")->trigger();
                });
                QTest::keyClicks(field, right);
                QTest::keyClick(field, Qt::Key_Return);
            });
        };
        dialog(Mistyped(code, 2), code.toLower().replace(u'-', u' '));
        p.start->MenuItem("menUebungscode")->trigger();
        dialog("", QString::fromStdString(ExerciseCode({Training::DezDez, 2, 3, 7})));
        p.start->StartWithCode("5XWP-677");

        QCOMPARE(
            seen.mid(0, 8),
            QStringList({Mistyped(code, 2), kMistyped, "offen",
                         "TfrmKombinationen Kombination-Alle metrischen Einheiten: KÖNNER", "5",
                         "5XWP-677", "Ein Übungscode hat 8 Zeichen, hier sind es 7.", "offen"}));
        QVERIFY2(seen.value(8).startsWith("TfrmDekEinheiten "), qPrintable(seen.join(u'|')));
        QVERIFY(p.start->isVisible());
        QCOMPARE(p.start->Selection().MaxPasses, 3);
        QCOMPARE(p.start->Selection().LevelAlle, 0);
    }

    // A selectable result code below the verdict; a random drill has none.
    void codedDrillEndsWithAResultCode() {
        Program p;
        const Exercise exercise{Training::Laenge, 3, 3, 1234};
        QLabel* resultLine = nullptr;
        QString result;
        WhenModal(nullptr, [&](QWidget* drill) {
            auto* w = static_cast<ExerciseWindow*>(drill);
            for (int pass = 1; pass <= 3; ++pass) {
                for (int line = 1; line <= kLines; ++line) {
                    test::Answer(w, line, pass == 2 ? "987654" : p.Right(line));
                    if (pass == 2) test::Answer(w, line, "987654"); // twice wrong
                }
                if (pass < 3) Child<QPushButton>(w, "btnWeiter")->click();
            }
            WhenModal(w, [&](QWidget* evaluation) {
                auto* e = static_cast<TfrmAuswertung*>(evaluation);
                QTRY_VERIFY(!e->Animating());
                resultLine = e->lblErgebniscode();
                const QRect r = resultLine->geometry();
                if (resultLine->isVisible() &&
                    resultLine->textInteractionFlags() & Qt::TextSelectableByKeyboard &&
                    r.top() >= e->lblAnzeige()->geometry().bottom() &&
                    r.bottom() < e->lblRichtig()->geometry().top())
                    result = resultLine->text(); // shown, selectable, below the verdict
                e->btnSchliessen()->click();
            });
            Child<QPushButton>(w, "btnAuswertung")->click();
            Child<QAction>(drill, "menSchliessen")->trigger();
        });
        p.start->StartWithCode(QString::fromStdString(ExerciseCode(exercise)));
        QVERIFY2(result.startsWith("Ergebniscode: "), qPrintable(result));
        const CodeReading<ExerciseResult> read = ReadResultCode(result.mid(14).toStdString());
        QVERIFY2(read, read.Refusal.c_str());
        QVERIFY(*read.Value == (ExerciseResult{exercise, 20, 20})); // 10 of 15; 5 + 10 + 5 tries

        TfrmAuswertung* evaluation = p.windows.Auswertung;
        const int codedHeight = evaluation->Client()->height();
        evaluation->SetScore(ScoreState{});
        evaluation->show();
        QTRY_VERIFY(!evaluation->Animating());
        QVERIFY(!resultLine->isVisible() && evaluation->Client()->height() < codedHeight);
        QCOMPARE(evaluation->Client()->size(), QSize(392, 433));
        evaluation->btnSchliessen()->click();
    }

    // The class's code follows the choices and "Neuer Code"; a given code's
    // PDF is the command line's, the code on every page; a refused code prints
    // nothing; the check reads a result code.
    void worksheetWindowMakesPrintsAndChecksCodes() {
        ArbeitsblattWindow window(nullptr, [] { return ScreenArea(QSize(1280, 800)); });
        window.show();
        QVERIFY(window.SelectTraining(Training::Flaeche));
        Child<QComboBox>(&window, "cmbLevel")->setCurrentIndex(3);
        Child<QSpinBox>(&window, "spnPasses")->setValue(7);
        auto* classCode = Child<QLabel>(&window, "lblClassCode");
        const auto shownExercise = [classCode] {
            const QString text = classCode->text();
            return text.startsWith("Übungscode für die Klasse: ")
                       ? ReadExerciseCode(text.mid(27).toStdString()).Value.value_or(Exercise{})
                       : Exercise{};
        };
        const Exercise first = shownExercise();
        QVERIFY(first.Id == Training::Flaeche && first.Level == 4 && first.Passes == 7);
        Child<QPushButton>(&window, "btnNewCode")->click();
        QVERIFY(shownExercise().Seed != first.Seed && shownExercise().Passes == 7);

        QTemporaryDir dir;
        const QString code = "7FSZ-8DNH"; // Maße, 6, ten passes
        const QString printed = dir.filePath("kommandozeile.pdf");
        RunWorksheetProgram({"--code", code.toStdString(), "-o", printed.toStdString()});
        QStringList pages = PdfText(printed).split(u'\f', Qt::SkipEmptyParts);
        QVERIFY(pages.size() >= 3); // fifty tasks and their key
        for (const QString& page : pages)
            QVERIFY2(page.contains("Übungscode: " + code), qPrintable(page));
        QVERIFY(pages.constLast().contains("Lösungen") && pages.join("").contains("50."));

        auto* given = Child<QLineEdit>(&window, "edtCode");
        auto* pdf = Child<QPushButton>(&window, "btnPdf");
        given->setText(Mistyped(code, 5));
        QVERIFY(!pdf->isEnabled());
        QCOMPARE(Child<QLabel>(&window, "lblCodeState")->text(), kMistyped);
        given->setText("7fsz 8dnh");
        QVERIFY(pdf->isEnabled());
        QString suggested;
        window.SetSavePathAsker([&](QWidget*, const QString& path) {
            suggested = path;
            return dir.filePath("fenster.pdf");
        });
        QVERIFY(window.SaveAsPdf());
        QVERIFY2(suggested.endsWith("/Übungscode-7FSZ-8DNH.pdf"), qPrintable(suggested));
        QCOMPARE(PdfText(dir.filePath("fenster.pdf")), PdfText(printed));

        auto* result = Child<QLineEdit>(&window, "edtResult");
        auto* checked = Child<QLabel>(&window, "lblResult");
        result->setText("3CRWB-GJ69W-45EPT");
        QCOMPARE(
            checked->text(),
            "5XWP-677V · Länge · Fortgeschrittener · 13,5 von 15 Punkten (90 %) · 18 Versuche");
        result->setText("3CRWB-GJ69W-45EPV");
        QVERIFY(!checked->text().startsWith("5XWP"));
    }
};

} // namespace quarvel

QTEST_MAIN(quarvel::CodeWindowsTest)
#include "CodeWindowsTest.moc"
