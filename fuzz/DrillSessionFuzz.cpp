// Whole drills driven through the session as a window drives it: typing,
// leaving fields, "Weiter", the evaluation and a fresh drill, for every
// training and level. The counters, faces and the end of the drill are checked
// against a running tally kept here from the drill's rules alone.

#include "drill/DrillSession.h"

#include "FuzzInput.h"

#include <array>
#include <string>

namespace {

using namespace quarvel;

enum class Typed { Nothing, Right, Wrong, Commas };

struct ModelLine {
    std::string Field; // what the field shows
    Typed Kind = Typed::Nothing;
    bool Open = true;
    bool Waiting = false; // a wrong first try, the second to come
    FaceKind Face = FaceKind::Neutral;
};

struct Model {
    std::array<ModelLine, kLines> Lines{};
    int Pass = 1;
    int PassTries = 0;
    int PassHalves = 0; // points in halves
    int TotalTries = 0;
    int TotalHalves = 0;
    bool Complete = false;

    void NewSheet() { Lines = {}; }
    void NewDrill() {
        NewSheet();
        Pass = 1;
        PassTries = PassHalves = TotalTries = TotalHalves = 0;
        Complete = false;
    }
    ModelLine& At(int line) { return Lines[static_cast<std::size_t>(line - 1)]; }
    bool AllHoldText() const {
        for (const ModelLine& l : Lines) {
            if (l.Field.empty()) return false;
        }
        return true;
    }
};

std::string Expected(const AppState& state, LevelGroup group, int line) {
    return group == LevelGroup::Decadic ? state.DekTaskSheet[line].AnswerText.str()
                                        : state.TaskSheet[line].AnswerText.str();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput input(data, size);
    const auto trainings = Trainings();
    const TrainingInfo& info = trainings[input.TakeByte() % trainings.size()];
    const int levels = info.Generators[5] != nullptr ? 6 : 5;
    const int level = 1 + input.TakeByte() % levels;

    AppState state;
    state.Rng = std::make_shared<SeededRandom>(static_cast<std::uint64_t>(input.TakeInt64()));
    state.Selection.*info.Level = level;
    state.Selection.MaxPasses = 3 + input.TakeByte() % 8;
    DrillSession session(state, info.Group);
    session.Open();
    Model model;

    for (std::string_view ops = input.Rest(); !ops.empty(); ops.remove_prefix(1)) {
        const auto op = static_cast<std::uint8_t>(ops.front());
        const int line = 1 + (op >> 3) % kLines;
        ModelLine& m = model.At(line);
        const std::string expected = Expected(state, info.Group, line);
        switch (op % 6) {
        case 0: // a right, a wrong or an unchanged answer, then the field is left
        case 1:
        case 2:
        case 3: // the field emptied and left
        case 5: // two commas
        {
            if (!m.Open) break; // a closed line has no field to type into
            switch (op % 6) {
            case 0:
                m.Field = expected;
                m.Kind = Typed::Right;
                break;
            case 1:
                m.Field = "1" + expected;
                m.Kind = Typed::Wrong;
                break;
            case 3:
                m.Field.clear();
                m.Kind = Typed::Nothing;
                break;
            case 5:
                m.Field = "1,2,3";
                m.Kind = Typed::Commas;
                break;
            default:
                break;
            }
            if (op % 6 != 2) session.Typed(line, m.Field);
            const ExitResult result = session.Exit(line, m.Field);
            if (m.Kind == Typed::Nothing || m.Kind == Typed::Commas) {
                QUARVEL_FUZZ_CHECK(result.Outcome == (m.Kind == Typed::Nothing
                                                          ? ExitResult::Kind::Nothing
                                                          : ExitResult::Kind::TooManyCommas));
                break;
            }
            const bool right = m.Kind == Typed::Right;
            ++model.PassTries;
            ++model.TotalTries;
            if (right) {
                const int halves = m.Waiting ? 1 : 2;
                model.PassHalves += halves;
                model.TotalHalves += halves;
                m.Face = m.Waiting ? FaceKind::Frowning : FaceKind::Happy;
            } else {
                m.Face = FaceKind::Sad;
            }
            if (!right && !m.Waiting) {
                m.Waiting = true;
                QUARVEL_FUZZ_CHECK(result.Outcome == ExitResult::Kind::WrongFirst && result.KeepFocus);
                break;
            }
            m.Waiting = false;
            m.Open = false;
            const bool ends = model.Pass == state.Selection.MaxPasses && model.AllHoldText();
            QUARVEL_FUZZ_CHECK(result.DrillComplete == ends);
            model.Complete = model.Complete || ends;
            break;
        }
        default: { // "Weiter", or "Auswertung" once the drill is complete
            if (model.Complete) {
                session.Restart();
                model.NewDrill();
                break;
            }
            int missing = 0;
            for (const ModelLine& l : model.Lines) missing += l.Field.empty() ? 1 : 0;
            const WeiterResult result = session.Weiter();
            QUARVEL_FUZZ_CHECK(result.Missing == missing);
            QUARVEL_FUZZ_CHECK(result.NextPass == (missing == 0 && model.Pass < state.Selection.MaxPasses));
            if (result.NextPass) {
                model.NewSheet();
                ++model.Pass;
                model.PassTries = model.PassHalves = 0;
            }
            break;
        }
        }

        QUARVEL_FUZZ_CHECK(state.Selection.CurrentPass == model.Pass);
        QUARVEL_FUZZ_CHECK(model.Pass <= state.Selection.MaxPasses);
        QUARVEL_FUZZ_CHECK(state.Score.PassTries == model.PassTries);
        QUARVEL_FUZZ_CHECK(state.Score.TotalTries == model.TotalTries);
        QUARVEL_FUZZ_CHECK(static_cast<int>(state.Score.PassPoints * 2.0F) == model.PassHalves);
        QUARVEL_FUZZ_CHECK(static_cast<int>(state.Score.TotalPoints * 2.0F) == model.TotalHalves);
        QUARVEL_FUZZ_CHECK(session.EvaluationDue() == model.Complete);
        for (int i = 1; i <= kLines; ++i) {
            const DrillLine& shown = session.Line(i);
            QUARVEL_FUZZ_CHECK(shown.Face == model.At(i).Face);
            QUARVEL_FUZZ_CHECK(shown.FieldVisible == model.At(i).Open);
            QUARVEL_FUZZ_CHECK(shown.AwaitsSecondTry == model.At(i).Waiting);
            QUARVEL_FUZZ_CHECK(session.View(i).Active);
        }
    }
    return 0;
}
