#pragma once
// One drill from its window's point of view, without Qt: it fills the sheet of
// the window's group (measure, combination or decadic) at the start and on
// "Weiter", says what each line shows and where, forwards each field's
// judgement to the shared Drill, and knows the pass and when the evaluation is
// due. The three drill windows lay out what it says and pass their events in.

#include "core/Random.h"
#include "core/Selection.h"
#include "drill/Drill.h"
#include "drill/ExerciseCode.h"
#include "drill/Training.h"
#include "solution/Diagnosis.h"
#include "solution/WorkedSolution.h"

#include <array>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace quarvel {

// What one task line shows, at the designed positions (before any shift a
// long given text makes).
struct LineView {
    bool Active = false;
    std::string Given;  // drawn at x = kGivenLeft: the value, with its unit
    std::string ToUnit; // drawn at ToUnitLeft; empty where none is drawn
    int ToUnitLeft = 0;
    int AnswerLeft = 0; // the answer field, and the answer drawn in its place
    int AnswerWidth = 0;
    bool Solved = false;
    std::string Answer; // drawn once the field is closed
    std::string Task;   // what a screen reader says for the line
    std::string State;  // how the line stands, in words
    std::string Prompt; // what the answer field tells a screen reader: what to do, or State
};

// How the answer of a line revealed after the second wrong try comes about,
// and what went wrong in the pupil's answer where a typical mistake explains it.
struct LineSolution {
    std::variant<MeasureSolution, DekSolution> Worked;
    std::optional<Diagnosis> Mistake;
    // "So geht's:", the solution's sentences and the mistake, one a line.
    std::string Text() const;
};

// The top of line `line`'s texts.
constexpr int LineTop(int line) {
    return 120 + 100 * (line - 1);
}

class DrillSession {
  public:
    // The tasks come from `rng`.
    DrillSession(LevelGroup group, std::shared_ptr<RandomSource> rng);

    // The window is shown for `selection`: a new random seed, then a fresh
    // drill of the training and level chosen there.
    void Open(const SelectionState& selection);
    // The window is shown for a coded exercise: a drill of its training,
    // level and passes (the rest of the selection from `base`) whose tasks
    // are drawn from the exercise's seed, pass after pass, the same on every
    // machine. Restart draws the same tasks again; Open goes back to random
    // ones. Throws std::invalid_argument for an exercise that is not Codable
    // or not of this session's group.
    void OpenExercise(const Exercise& exercise, const SelectionState& base = {});
    // The coded exercise being drilled; nothing for a random drill.
    const std::optional<Exercise>& CurrentExercise() const { return exercise_; }
    // "Ergebniscode: ..." belongs under the evaluation of a coded drill: its
    // result code once the evaluation is due, otherwise nothing.
    std::optional<std::string> ExerciseResultCode() const;
    // A fresh drill at pass 1 with zero counters and a new sheet (after the
    // evaluation, too).
    void Restart();
    // "Weiter": counts empty fields; when there are none, the next pass begins
    // with a new sheet.
    WeiterResult Weiter();

    void Typed(int line, const std::string& fieldText) { drill_.Typed(line, fieldText); }
    ExitResult Exit(int line, const std::string& fieldText);
    // The key as the field of `line` takes it, or nothing when it is swallowed.
    std::optional<char32_t> FilterKey(int line, char32_t key) const;

    bool EvaluationDue() const { return drill_.Complete(); }
    const Drill& State() const { return drill_; }
    const DrillLine& Line(int line) const {
        return drill_.Lines().at(static_cast<std::size_t>(line - 1));
    }
    LineView View(int line);
    // Only for a line whose answer has been revealed, and only where the
    // solution leads exactly to the expected answer.
    std::optional<LineSolution> Solution(int line) const;
    // The hint for line `line`'s wrong first try, where the mistake is one
    // the program recognises; nothing once the line is judged again, on a new
    // sheet and for any other line.
    const std::optional<std::string>& Hint(int line) const {
        return hints_.at(static_cast<std::size_t>(line - 1));
    }
    // The line of the sheet revealed last; 0 while none is.
    int LastRevealed() const { return lastRevealed_; }
    // Puts `task` on line `line` in place of the drawn one.
    void PutTask(int line, const AnyTask& task);
    // The tasks of the sheet: a measure or a decadic one, by the group.
    const TTaskSheet& MeasureSheet() const { return measure_; }
    const TDekTaskSheet& DekSheet() const { return decadic_; }

    // The tasks of this drill answered wrong twice, in the order they were;
    // kept in memory until the next drill or practice round starts.
    const std::vector<AnyTask>& Failed() const { return failed_; }
    // "Fehler üben": a round of twins of the failed tasks, five to a sheet,
    // judged as in a drill; a twin answered wrong twice comes back once at the
    // end of the round. It ends the drill; its failures are not remembered.
    void StartPractice();
    bool Practising() const { return practising_; }
    // Every task of the round has been answered.
    bool PracticeDone() const;
    // "Von 7 Fehleraufgaben hast du jetzt 6 richtig gelöst."
    std::string PracticeSummary() const;
    // "2 / 3": the pass, or in a practice round its sheet and how many it
    // has as far as it is known.
    std::string PassText() const;

    std::string Caption() const { return DrillCaption(selection_, group_); }
    const SelectionState& Selection() const { return selection_; }
    // "Umwandlungskette", "Stellenwerttabelle", or empty: no chain item.
    std::string ChainCaption() const;
    LevelGroup Group() const { return group_; }

  private:
    void ClearSheet();
    void FillSheet();
    AnyTask TaskOn(int line) const;
    void FillPractice();
    std::string Expected(int line);

    LevelGroup group_;
    std::shared_ptr<RandomSource> rng_;   // the draws of the sheet being filled
    std::shared_ptr<RandomSource> given_; // the source of random drills
    std::optional<Exercise> exercise_;
    SelectionState selection_;
    TTaskSheet measure_;
    TDekTaskSheet decadic_;
    // Lines with a task, and where each line's answer field stands.
    std::array<bool, kLines> active_{};
    std::array<AnswerField, kLines> fields_{};
    std::array<std::optional<std::string>, kLines> hints_{};
    // The units asked for stand in one column on a sheet: where the
    // generator of its last line puts them.
    int toUnitLeft_ = AnswerField().ToUnitLeft;
    std::unique_ptr<AnswerRules> rules_;
    Drill drill_;
    int lastRevealed_ = 0;
    std::vector<AnyTask> failed_;
    // A task of a practice round: which failed task it is the twin of, and
    // whether it comes back after a second wrong try.
    struct Practice {
        AnyTask Task;
        std::size_t Origin = 0;
        bool Again = false;
    };
    bool practising_ = false;
    std::deque<Practice> queue_;
    std::array<std::optional<Practice>, kLines> practised_{};
    std::vector<bool> solvedOrigin_;
};

} // namespace quarvel
