#include "drill/DrillSession.h"

#include "core/PlainText.h"
#include "decadic/DekAnswer.h"

namespace quarvel {
namespace {

std::unique_ptr<AnswerRules> RulesFor(AppState& state, LevelGroup group) {
    if (group == LevelGroup::Decadic) return std::make_unique<DekAnswerRules>(state.DekTaskSheet);
    return std::make_unique<MeasureRules>(state.TaskSheet);
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

DrillSession::DrillSession(AppState& state, LevelGroup group)
    : state_(state), group_(group), rules_(RulesFor(state, group)), drill_(state, *rules_) {}

void DrillSession::Open() {
    state_.Rng->Randomize();
    Restart();
}

void DrillSession::Restart() {
    drill_.StartDrill();
    ClearSheet();
    FillSheet();
}

WeiterResult DrillSession::Weiter() {
    const WeiterResult result = drill_.Weiter();
    if (result.NextPass) {
        ClearSheet();
        FillSheet();
    }
    return result;
}

ExitResult DrillSession::Exit(int line, const std::string& fieldText) {
    const ExitResult result = drill_.Exit(line, fieldText);
    if (result.Outcome == ExitResult::Kind::WrongSecond) lastRevealed_ = line;
    return result;
}

std::optional<LineSolution> DrillSession::Solution(int line) const {
    if (line < 1 || line > kLines) return std::nullopt;
    const DrillLine& state = Line(line);
    if (state.Face != FaceKind::Sad || state.FieldVisible) return std::nullopt;
    if (group_ != LevelGroup::Decadic) {
        const TTaskRecord& r = state_.TaskSheet[line];
        auto worked = SolveMeasureTask(r);
        if (!worked) return std::nullopt;
        return LineSolution{std::move(*worked), DiagnoseMeasureAnswer(r, state.FieldText)};
    }
    const std::optional<ChosenTraining> chosen = ChosenIn(state_.Selection, group_);
    const std::optional<DekTraining> training =
        chosen ? DekTrainingOf(chosen->Id) : std::optional<DekTraining>();
    if (!training) return std::nullopt;
    const TDekTaskRecord& r = state_.DekTaskSheet[line];
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
    ClearTaskSheet(state_, group_);
    drill_.ClearLines();
}

void DrillSession::FillSheet() {
    // Every level of the group that is set fills the line, in the table's
    // order; the windows see to it that only one is.
    for (int line = 1; line <= kLines; ++line) {
        for (const TrainingInfo& t : Trainings()) {
            if (t.Group != group_) continue;
            const int level = state_.Selection.*t.Level;
            if (GeneratorFor(t.Id, level) != nullptr) FillTaskLine(state_, t.Id, level, line);
        }
        widths_[static_cast<std::size_t>(line - 1)] = state_.AnswerWidth;
    }
}

std::optional<char32_t> DrillSession::FilterKey(int line, char32_t key) const {
    if (group_ != LevelGroup::Decadic) {
        if (MeasureKeyAccepted(key, state_.TaskSheet[line].AnswerDecimals)) return key;
        return std::nullopt;
    }
    const std::optional<ChosenTraining> chosen = ChosenIn(state_.Selection, group_);
    if (!chosen) return std::nullopt;
    const TDekTaskRecord& r = state_.DekTaskSheet[line];
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
    if (group_ == LevelGroup::Decadic) {
        const TDekTaskRecord& r = state_.DekTaskSheet[line];
        const std::optional<ChosenTraining> chosen = ChosenIn(state_.Selection, group_);
        const bool units = DrawsUnits(chosen);
        view.Active = r.Active && chosen.has_value();
        view.Given = units ? r.GivenText.str() + " " + r.FromUnit.str() : r.GivenText.str();
        view.ToUnit = units ? r.ToUnit.str() : std::string();
        view.AnswerLeft = r.AnswerLeft;
        view.Solved = r.Solved;
        view.Answer = r.Solved ? r.AnswerText.str() : state.TypedText;
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
        const TTaskRecord& r = state_.TaskSheet[line];
        view.Active = r.Active;
        view.Given = r.GivenText.str() + " " + r.FromUnit.str();
        view.ToUnit = r.ToUnit.str();
        view.AnswerLeft = r.AnswerLeft;
        view.Solved = r.Solved;
        view.Answer = r.Solved ? r.AnswerText.str() : state.TypedText;
        view.Task = "Aufgabe " + number + ": " + r.GivenText.str() + " " +
                    PlainText(r.FromUnit.str()) + " in " + PlainText(r.ToUnit.str());
    }
    view.ToUnitLeft = state_.ToUnitLeft;
    view.AnswerWidth = widths_[static_cast<std::size_t>(line - 1)];
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
            view.Prompt = "Durchgang " + std::to_string(state_.Selection.CurrentPass) + " von " +
                          std::to_string(state_.Selection.MaxPasses) + ". " + view.Prompt;
        }
    }
    return view;
}

} // namespace quarvel
