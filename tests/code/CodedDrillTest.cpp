// A coded exercise on screen and on paper: the drill opened with a code shows,
// pass by pass, exactly the tasks `quarvel-arbeitsblatt --code CODE --json`
// prints; the worksheet program makes codes, sheets and the teacher's check.

#include "arbeitsblatt/Run.h"
#include "drill/DrillSession.h"
#include "worksheet/TaskRecordJson.h"

#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace quarvel {
namespace {

struct Ran {
    int Status;
    std::string Out;
    std::string Err;
};

Ran RunArgs(std::vector<std::string_view> args) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunCommandLine(args, out, err);
    return {status, out.str(), err.str()};
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// The record of line `line` as WriteTask writes it, without its braces.
std::string RecordOf(const DrillSession& session, int line) {
    JsonObject json;
    if (session.Group() == LevelGroup::Decadic) {
        WriteTask(session.DekSheet()[line], true, json);
    } else {
        WriteTask(session.MeasureSheet()[line], true, json);
    }
    const std::string text = json.str();
    return text.substr(1, text.size() - 2);
}

// Every line of the drill's passes, one record a task, in order.
std::vector<std::string> DrillRecords(DrillSession& session) {
    std::vector<std::string> records;
    for (int pass = 1; pass <= session.State().MaxPasses(); ++pass) {
        EXPECT_EQ(session.State().Pass(), pass);
        for (int line = 1; line <= kLines; ++line) {
            records.push_back(RecordOf(session, line));
            // Twice wrong: no text any task asks for.
            session.Exit(line, "987654321");
            session.Exit(line, "987654321");
        }
        if (pass < session.State().MaxPasses()) {
            EXPECT_TRUE(session.Weiter().NextPass);
        }
    }
    return records;
}

TEST(CodedDrill, ShowsPassByPassTheTasksOfTheCodesSheet) {
    for (const Exercise& e :
         {Exercise{Training::Laenge, 3, 3, 1234}, Exercise{Training::DekDek, 4, 4, 77},
          Exercise{Training::Alle, 5, 10, 0xFFFFFF}, Exercise{Training::Masse, 6, 3, 5}}) {
        const std::string code = ExerciseCode(e);
        SCOPED_TRACE(code);
        const Ran sheet = RunArgs({"--code", code, "--json"});
        ASSERT_EQ(sheet.Status, 0) << sheet.Err;
        const std::vector<std::string> printed = Lines(sheet.Out);
        ASSERT_EQ(printed.size(), static_cast<std::size_t>(5 * e.Passes));

        // The window's own source of random draws is not the one used.
        DrillSession session(InfoOf(e.Id).Group, std::make_shared<SeededRandom>(99));
        SelectionState base;
        base.MaxPasses = 8;
        session.OpenExercise(e, base);
        ASSERT_EQ(session.CurrentExercise(), e);
        EXPECT_EQ(session.State().MaxPasses(), e.Passes);
        const std::vector<std::string> drilled = DrillRecords(session);
        ASSERT_EQ(drilled.size(), printed.size());
        for (std::size_t i = 0; i < drilled.size(); ++i) {
            const std::string where = "\"Pass\": " + std::to_string(i / 5 + 1) +
                                      ", \"Line\": " + std::to_string(i % 5 + 1) + ",";
            EXPECT_NE(printed[i].find(where), std::string::npos) << printed[i];
            EXPECT_TRUE(printed[i].ends_with(", " + drilled[i] + "}"))
                << "task " << i + 1 << "\nprinted " << printed[i] << "\ndrilled " << drilled[i];
        }

        // Every task twice wrong: no points, two tries a task.
        ASSERT_TRUE(session.EvaluationDue());
        const std::optional<std::string> result = session.ExerciseResultCode();
        ASSERT_TRUE(result);
        const CodeReading<ExerciseResult> read = ReadResultCode(*result);
        ASSERT_TRUE(read) << read.Refusal;
        EXPECT_EQ(*read.Value, (ExerciseResult{e, 0, 10 * e.Passes}));

        // After the evaluation the same exercise begins again.
        session.Restart();
        EXPECT_FALSE(session.ExerciseResultCode());
        EXPECT_EQ(RecordOf(session, 1), drilled[0]);
        EXPECT_EQ(RecordOf(session, 5), drilled[4]);
    }
}

TEST(CodedDrill, OpenWithoutACodeIsRandomAgainAndAForeignExerciseIsRefused) {
    DrillSession session(LevelGroup::Measure, std::make_shared<SeededRandom>(1));
    session.OpenExercise({Training::Laenge, 3, 3, 1234});
    SelectionState selection;
    selection.LevelLaenge = 3;
    session.Open(selection);
    EXPECT_FALSE(session.CurrentExercise());
    EXPECT_THROW(session.OpenExercise({Training::LM, 3, 3, 1}), std::invalid_argument);
    EXPECT_THROW(session.OpenExercise({Training::Laenge, 6, 3, 1}), std::invalid_argument);
}

TEST(WorksheetProgram, MakesCodesAndChecksResultCodes) {
    const struct {
        std::vector<std::string_view> Args;
        int Status;
        std::string Out;
        std::string ErrPart;
    } cases[] = {
        {{"--training", "laenge", "--level", "3", "--passes", "3", "--seed", "1234", "--code"},
         0,
         "5XWP-677V\n",
         ""},
        {{"--code", "--seed=1234", "--level", "3", "--training", "Länge"}, 0, "5XWP-677V\n", ""},
        {{"--training", "masse", "--level", "6", "--passes", "10", "--seed", "16777215", "--code"},
         0,
         "7FSZ-8DNH\n",
         ""},
        {{"--pruefe", "3crwb gj69w-45ept"},
         0,
         "5XWP-677V · Länge · Fortgeschrittener · 13,5 von 15 Punkten (90 %) · 18 Versuche\n",
         ""},
        {{"--pruefe", "3CRWB-GJ69W-45EPX"}, 1, "", "bitte Zeichen für Zeichen prüfen"},
        // Usage errors.
        {{"--training", "laenge", "--level", "3", "--seed", "16777216", "--code"},
         2,
         "",
         "16777215"},
        {{"--training", "laenge", "--level", "3", "--passes", "11", "--code"}, 2, "", "3 bis 10"},
        {{"--training", "laenge", "--level", "3", "--passes", "4", "--json"}, 2, "", "--passes"},
        {{"--training", "laenge", "--level", "3", "--code", "--json"}, 2, "", "--json"},
        {{"--code", "5XWP-677V", "--level", "3", "--json"}, 2, "", "--level"},
        {{"--code", "5XWP-677V"}, 2, "", "nichts zu tun"},
        {{"--code", "5XWP-6O7V", "--json"}, 2, "", "„O“"},
        {{"--pruefe", "3CRWB-GJ69W-45EPT", "--json"}, 2, "", "allein"},
    };
    for (const auto& c : cases) {
        const Ran ran = RunArgs(c.Args);
        SCOPED_TRACE(c.Args.front());
        EXPECT_EQ(ran.Status, c.Status) << ran.Err;
        EXPECT_EQ(ran.Out, c.Out);
        EXPECT_NE(ran.Err.find(c.ErrPart), std::string::npos) << ran.Err;
    }
    // Without --seed every code is a new one.
    const std::vector<std::string_view> fresh = {"--training", "alle", "--level", "1", "--code"};
    EXPECT_NE(RunArgs(fresh).Out, RunArgs(fresh).Out);
}

// The PDF of a ten-pass code: the code on every page, the key on its own.
TEST(WorksheetProgram, PrintsTheCodeOnEveryPageOfItsSheet) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "code_test";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    const std::string pdf = dir.filePath(QStringLiteral("blatt.pdf")).toStdString();
    const std::string code = ExerciseCode({Training::DezDez, 5, 10, 31337});
    const Ran ran = RunArgs({"--code", code, "-o", pdf});
    ASSERT_EQ(ran.Status, 0) << ran.Err;
    QProcess text;
    text.start(QStringLiteral(PDFTOTEXT), {QString::fromStdString(pdf), QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished());
    QStringList pages = QString::fromUtf8(text.readAllStandardOutput()).split(QLatin1Char('\f'));
    pages.removeAll(QString());
    ASSERT_GE(pages.size(), 3); // fifty tasks and their key
    const QString label = QStringLiteral("Übungscode: ") + QString::fromStdString(code);
    for (const QString& page : pages)
        EXPECT_TRUE(page.contains(label)) << page.toStdString();
    EXPECT_TRUE(pages.back().contains(QStringLiteral("Lösungen")));
    EXPECT_TRUE(pages.join(QString()).contains(QStringLiteral("50.")));
}

} // namespace
} // namespace quarvel
