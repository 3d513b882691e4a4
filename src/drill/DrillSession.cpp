#include "drill/DrillSession.h"

#include "core/PlainText.h"
#include "decadic/DekAnswer.h"
#include "drill/Evaluation.h"
#include "drill/Hint.h"
#include "drill/Twin.h"

#include <stdexcept>

namespace quarvel {
namespace {

std::unique_ptr<AnswerRules> RulesFor(LevelGroup group, TTaskSheet& measure,
                                      TDekTaskSheet& decadic) {
    if (group == LevelGroup::Decadic) return std::make_unique<DekAnswerRules>(decadic);
    return std::make_unique<MeasureRules>(measure);
}

std::optional<DekTraining> DekTrainingOf(Training training) {
    switch (training) {
    case Training::DekNum:
        return DekTraining::DekNum;
    case Training::DekDek:
        return DekTraining::DekDek;
    case Training::DezNum:
        return DekTraining::DezNum;
    case Training::DezDez:
        return DekTraining::DezDez;
    default:
        return std::nullopt;
    }
}

// The unit-to-unit trainings of the decadic window draw units; the others a
// bare number.
bool DrawsUnits(std::optional<ChosenTraining> chosen) {
    return chosen && (chosen->Id == Training::DekDek || chosen->Id == Training::DezDez);
}

} // namespace

DrillSession::DrillSession(LevelGroup group, std::shared_ptr<RandomSource> rng)
    : group_(group), rng_(rng), given_(std::move(rng)), rules_(RulesFor(group, measure_, decadic_)),
      drill_(*rules_) {}

void DrillSession::Open(const SelectionState& selection) {
    selection_ = selection;
    exercise_.reset();
    rng_ = given_;
    rng_->Randomize();
    Restart();
}

void DrillSession::OpenExercise(const Exercise& exercise, const SelectionState& base) {
    if (!Codable(exercise) || InfoOf(exercise.Id).Group != group_)
        throw std::invalid_argument("the exercise is not one of this drill window");
    selection_ = ExerciseSelection(exercise, base);
    exercise_ = exercise;
    Restart();
}

std::optional<std::string> DrillSession::ExerciseResultCode() const {
    if (!exercise_ || !EvaluationDue()) return std::nullopt;
    const Evaluation figures(drill_.Score().TotalPoints, drill_.Score().TotalTries);
    return ResultCode({*exercise_, figures.HalfPoints(), figures.Tries()});
}

void DrillSession::Restart() {
    practising_ = false;
    failed_.clear();
    // A coded exercise starts its draws from its seed each time, so a
    // repeated drill is the same exercise again.
    if (exercise_) rng_ = std::make_shared<PortableRandom>(EngineSeed(*exercise_));
    drill_.StartDrill(selection_.MaxPasses);
    ClearSheet();
    FillSheet();
}

WeiterResult DrillSession::Weiter() {
    const WeiterResult result = drill_.Weiter();
    if (result.NextPass) {
        ClearSheet();
        if (practising_) {
            FillPractice();
        } else {
            FillSheet();
        }
    }
    return result;
}

void DrillSession::StartPractice() {
    // More sheets than a round can ever have: the round ends when its tasks
    // are answered, not at a pass count.
    constexpr int kOpenEnded = 1 << 20;
    queue_.clear();
    for (std::size_t i = 0; i < failed_.size(); ++i) {
        std::optional<AnyTask> twin = TwinOf(failed_[i], *rng_);
        queue_.push_back({twin ? std::move(*twin) : failed_[i], i, false});
    }
    solvedOrigin_.assign(failed_.size(), false);
    failed_.clear();
    practising_ = true;
    drill_.StartDrill(kOpenEnded);
    ClearSheet();
    FillPractice();
}

void DrillSession::FillPractice() {
    for (int line = 1; line <= kLines; ++line) {
        auto& practised = practised_.at(static_cast<std::size_t>(line - 1));
        if (queue_.empty()) {
            // A line without a task counts as answered.
            DrillLine& empty = drill_.Line(line);
            empty.FieldVisible = false;
            empty.FieldText = " ";
            continue;
        }
        practised = std::move(queue_.front());
        queue_.pop_front();
        PutTask(line, practised->Task);
        toUnitLeft_ = fields_[static_cast<std::size_t>(line - 1)].ToUnitLeft;
    }
}

bool DrillSession::PracticeDone() const {
    if (!practising_ || !queue_.empty()) return false;
    for (int line = 1; line <= kLines; ++line) {
        if (Line(line).FieldVisible) return false;
    }
    return true;
}

std::string DrillSession::PracticeSummary() const {
    std::size_t right = 0;
    for (const bool solved : solvedOrigin_)
        right += solved ? 1 : 0;
    const std::size_t all = solvedOrigin_.size();
    return "Von " + std::to_string(all) + (all == 1 ? " Fehleraufgabe" : " Fehleraufgaben") +
           " hast du jetzt " + std::to_string(right) + " richtig gelöst.";
}

std::string DrillSession::PassText() const {
    if (!practising_) return drill_.PassText();
    const std::size_t later = (queue_.size() + kLines - 1) / kLines;
    return std::to_string(drill_.Pass()) + " / " +
           std::to_string(drill_.Pass() + static_cast<int>(later));
}

ExitResult DrillSession::Exit(int line, const std::string& fieldText) {
    const ExitResult result = drill_.Exit(line, fieldText);
    if (result.Outcome == ExitResult::Kind::WrongSecond) lastRevealed_ = line;
    const auto& practised = practised_.at(static_cast<std::size_t>(line - 1));
    if (!practising_ && result.Outcome == ExitResult::Kind::WrongSecond) {
        failed_.push_back(TaskOn(line));
    } else if (practised && (result.Outcome == ExitResult::Kind::RightFirst ||
                             result.Outcome == ExitResult::Kind::RightSecond)) {
        solvedOrigin_.at(practised->Origin) = true;
    } else if (practised && result.Outcome == ExitResult::Kind::WrongSecond && !practised->Again) {
        queue_.push_back({practised->Task, practised->Origin, true});
    }
    if (result.Outcome != ExitResult::Kind::Nothing) {
        auto& hint = hints_.at(static_cast<std::size_t>(line - 1));
        hint.reset();
        if (result.Outcome == ExitResult::Kind::WrongFirst) hint = HintFor(TaskOn(line), fieldText);
    }
    return result;
}

std::optional<LineSolution> DrillSession::Solution(int line) const {
    if (line < 1 || line > kLines) return std::nullopt;
    const DrillLine& state = Line(line);
    if (state.Face != FaceKind::Sad || state.FieldVisible) return std::nullopt;
    if (group_ != LevelGroup::Decadic) {
        const TTaskRecord& r = measure_[line];
        auto worked = SolveMeasureTask(r);
        if (!worked) return std::nullopt;
        return LineSolution{std::move(*worked), DiagnoseMeasureAnswer(r, state.FieldText)};
    }
    const std::optional<ChosenTraining> chosen = ChosenIn(selection_, group_);
    const std::optional<DekTraining> training =
        chosen ? DekTrainingOf(chosen->Id) : std::optional<DekTraining>();
    if (!training) return std::nullopt;
    const TDekTaskRecord& r = decadic_[line];
    auto worked = SolveDekTask(r, *training);
    if (!worked) return std::nullopt;
    return LineSolution{std::move(*worked), DiagnoseDekAnswer(r, *training, state.FieldText)};
}

std::string LineSolution::Text() const {
    std::string text = "So geht's:";
    const auto& sentences = std::visit(
        [](const auto& s) -> const std::vector<std::string>& { return s.Sentences; }, Worked);
    for (const std::string& sentence : sentences)
        text += "\n" + sentence;
    if (Mistake) text += "\nDein Fehler: " + Mistake->Sentence;
    return text;
}

void DrillSession::ClearSheet() {
    lastRevealed_ = 0;
    measure_ = {};
    decadic_ = {};
    active_ = {};
    fields_ = {};
    hints_ = {};
    practised_ = {};
    drill_.ClearLines();
}

void DrillSession::FillSheet() {
    // Every level of the group that is set fills the line, in the table's
    // order; the windows see to it that only one is.
    for (int line = 1; line <= kLines; ++line) {
        for (const TrainingInfo& t : Trainings()) {
            if (t.Group != group_) continue;
            const int level = selection_.*t.Level;
            const LineGenerator generate = GeneratorFor(t.Id, level);
            if (!generate) continue;
            PutTask(line, generate(*rng_));
            toUnitLeft_ = fields_[static_cast<std::size_t>(line - 1)].ToUnitLeft;
        }
    }
}

void DrillSession::PutTask(int line, const AnyTask& task) {
    if (const auto* measure = std::get_if<TTaskRecord>(&task)) {
        measure_[line] = *measure;
    } else {
        decadic_[line] = std::get<TDekTaskRecord>(task);
    }
    const auto i = static_cast<std::size_t>(line - 1);
    active_[i] = true;
    hints_[i].reset();
    fields_[i] = FieldOf(task);
}

AnyTask DrillSession::TaskOn(int line) const {
    if (group_ == LevelGroup::Decadic) return decadic_[line];
    return measure_[line];
}

std::optional<char32_t> DrillSession::FilterKey(int line, char32_t key) const {
    if (group_ != LevelGroup::Decadic) {
        if (MeasureKeyAccepted(key, measure_[line].AnswerDecimals)) return key;
        return std::nullopt;
    }
    const std::optional<ChosenTraining> chosen = ChosenIn(selection_, group_);
    if (!chosen) return std::nullopt;
    const TDekTaskRecord& r = decadic_[line];
    return DekKeyFilter(*DekTrainingOf(chosen->Id), r.AnswerIsNotation, r.AnswerHasComma, key);
}

std::string DrillSession::ChainCaption() const {
    switch (group_) {
    case LevelGroup::Decadic:
        return "Stellenwerttabelle";
    case LevelGroup::Measure:
        return "Umwandlungskette";
    case LevelGroup::Combination:
        break;
    }
    return {};
}

std::string DrillSession::Expected(int line) {
    return rules_->TrimmedExpected(line);
}

LineView DrillSession::View(int line) {
    LineView view;
    const DrillLine& state = Line(line);
    const std::string number = std::to_string(line);
    const std::size_t i = static_cast<std::size_t>(line - 1);
    view.Active = active_[i];
    view.AnswerLeft = fields_[i].Left;
    view.AnswerWidth = fields_[i].Width;
    view.ToUnitLeft = toUnitLeft_;
    view.Solved = state.Solved;
    if (group_ == LevelGroup::Decadic) {
        const TDekTaskRecord& r = decadic_[line];
        const std::optional<ChosenTraining> chosen = ChosenIn(selection_, group_);
        const bool units = DrawsUnits(chosen);
        view.Active = view.Active && chosen.has_value();
        view.Given = units ? r.GivenText.str() + " " + r.FromUnit.str() : r.GivenText.str();
        view.ToUnit = units ? r.ToUnit.str() : std::string();
        view.Answer = state.Solved ? r.AnswerText.str() : state.TypedText;
        // The given text of a decimal task may start with a blank; a screen
        // reader need not hear it.
        std::string given = r.GivenText.str();
        given.erase(0, given.find_first_not_of(' '));
        while (!given.empty() && given.back() == ' ')
            given.pop_back();
        if (units) {
            const std::string from = r.FromUnit.empty() ? std::string() : " " + r.FromUnit.str();
            view.Task = "Aufgabe " + number + ": " + given + from + " in " + r.ToUnit.str();
        } else {
            view.Task = "Aufgabe " + number + ": " + given + " " +
                        (r.AnswerIsNotation ? "in Stellenwertschreibweise" : "als Zahl");
        }
    } else {
        const TTaskRecord& r = measure_[line];
        view.Given = r.GivenText.str() + " " + r.FromUnit.str();
        view.ToUnit = r.ToUnit.str();
        view.Answer = state.Solved ? r.AnswerText.str() : state.TypedText;
        view.Task = "Aufgabe " + number + ": " + r.GivenText.str() + " " +
                    PlainText(r.FromUnit.str()) + " in " + PlainText(r.ToUnit.str());
    }
    switch (state.Face) {
    case FaceKind::Neutral:
        view.State = "noch nicht beantwortet";
        break;
    case FaceKind::Happy:
        view.State = "richtig beim ersten Versuch: " + state.TypedText;
        break;
    case FaceKind::Frowning:
        view.State = "richtig beim zweiten Versuch: " + state.TypedText;
        break;
    case FaceKind::Sad:
        view.State = state.FieldVisible ? "falsch, noch ein Versuch"
                                        : "zweimal falsch, das Ergebnis lautet " + Expected(line);
        break;
    }
    view.Prompt = view.State;
    if (state.Face == FaceKind::Neutral) {
        view.Prompt = "Antwort eingeben und mit Enter prüfen";
        // The first line is where every pass begins: it says which pass it is.
        if (line == 1) {
            view.Prompt = "Durchgang " + std::to_string(drill_.Pass()) + " von " +
                          std::to_string(drill_.MaxPasses()) + ". " + view.Prompt;
        }
    }
    return view;
}

} // namespace quarvel
