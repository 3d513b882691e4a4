// Whole drills driven through the session as a window drives it, for every
// training and level, checked against a tally kept here from the drill's rules.
#include "drill/DrillSession.h"

#include "FuzzInput.h"

#include <algorithm>
#include <array>

namespace {

using namespace quarvel;
using Kind = ExitResult::Kind;

struct ModelLine {
    std::string Field; // what the field shows
    bool Open = true;
    bool Waiting = false; // a wrong first try, the second to come
    FaceKind Face = FaceKind::Neutral;
};

struct Model {
    std::array<ModelLine, kLines> Lines{};
    int Pass = 1, PassTries = 0, PassHalves = 0, TotalTries = 0, TotalHalves = 0; // in halves
    bool Complete = false;

    int Missing() const {
        return static_cast<int>(std::ranges::count(Lines, "", &ModelLine::Field));
    }
};

// One byte: "Weiter" (a fresh drill once complete), or a line's answer typed and left.
void Step(std::uint8_t op, DrillSession& session, LevelGroup group, Model& model) {
    const int passes = session.State().MaxPasses();
    const int line = 1 + (op >> 3) % kLines;
    ModelLine& m = model.Lines[static_cast<std::size_t>(line - 1)];
    if (op % 6 == 4 && model.Complete) {
        session.Restart();
        model = Model{};
    } else if (op % 6 == 4) {
        const int missing = model.Missing();
        const WeiterResult result = session.Weiter();
        QUARVEL_FUZZ_CHECK(result.Missing == missing);
        QUARVEL_FUZZ_CHECK(result.NextPass == (missing == 0 && model.Pass < passes));
        if (result.NextPass) {
            model.Lines = {};
            ++model.Pass;
            model.PassTries = model.PassHalves = 0;
        }
    } else if (m.Open) { // a closed line has no field to type into
        const std::string expected = group == LevelGroup::Decadic
                                         ? session.DekSheet()[line].AnswerText.str()
                                         : session.MeasureSheet()[line].AnswerText.str();
        // 0: right, 1: wrong, 2: left unchanged, 3: emptied, 5: two commas.
        const std::array<std::string, 6> typed = {expected, "1" + expected, m.Field, "",
                                                  "",       "1,2,3"};
        m.Field = typed[op % 6];
        if (op % 6 != 2) session.Typed(line, m.Field);
        const ExitResult result = session.Exit(line, m.Field);
        if (m.Field.empty() || m.Field == "1,2,3") {
            QUARVEL_FUZZ_CHECK(result.Outcome ==
                               (m.Field.empty() ? Kind::Nothing : Kind::TooManyCommas));
            return;
        }
        const bool right = m.Field == expected;
        const int halves = right ? (m.Waiting ? 1 : 2) : 0;
        ++model.PassTries, ++model.TotalTries, model.PassHalves += halves,
            model.TotalHalves += halves;
        m.Face = !right ? FaceKind::Sad : m.Waiting ? FaceKind::Frowning : FaceKind::Happy;
        if (!right && !m.Waiting) {
            m.Waiting = true;
            QUARVEL_FUZZ_CHECK(result.Outcome == Kind::WrongFirst && result.KeepFocus);
            return;
        }
        m.Waiting = m.Open = false;
        const bool ends = model.Pass == passes && model.Missing() == 0;
        QUARVEL_FUZZ_CHECK(result.DrillComplete == ends);
        model.Complete = model.Complete || ends;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput input(data, size);
    const auto trainings = Trainings();
    const TrainingInfo& info = trainings[input.TakeByte() % trainings.size()];
    const int levels = info.Generators[5] ? 6 : 5;
    const int level = 1 + input.TakeByte() % levels;

    DrillSession session(info.Group, std::make_shared<SeededRandom>(input.TakeInt64()));
    SelectionState selection{.MaxPasses = 3 + input.TakeByte() % 8};
    selection.*info.Level = level;
    session.Open(selection);
    const ScoreState& score = session.State().Score();
    Model model;

    for (const char op : input.Rest) {
        Step(static_cast<std::uint8_t>(op), session, info.Group, model);
        QUARVEL_FUZZ_CHECK(session.State().Pass() == model.Pass &&
                           model.Pass <= selection.MaxPasses);
        QUARVEL_FUZZ_CHECK(score.PassTries == model.PassTries &&
                           score.TotalTries == model.TotalTries);
        QUARVEL_FUZZ_CHECK(static_cast<int>(score.PassPoints * 2.0F) == model.PassHalves &&
                           static_cast<int>(score.TotalPoints * 2.0F) == model.TotalHalves);
        QUARVEL_FUZZ_CHECK(session.EvaluationDue() == model.Complete);
        for (int i = 1; i <= kLines; ++i) {
            const ModelLine& m = model.Lines[static_cast<std::size_t>(i - 1)];
            const DrillLine& shown = session.Line(i);
            QUARVEL_FUZZ_CHECK(shown.Face == m.Face && shown.FieldVisible == m.Open);
            QUARVEL_FUZZ_CHECK(shown.AwaitsSecondTry == m.Waiting && session.View(i).Active);
        }
    }
    return 0;
}
