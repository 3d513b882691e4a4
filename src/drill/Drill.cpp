#include "drill/Drill.h"

#include "core/AnswerText.h"
#include "decadic/DekAnswer.h"
#include "drill/Evaluation.h"

#include <cmath>
#include <cstdio>

namespace quarvel {

namespace drilltext {
std::string WrongSecond(const std::string& answer) {
    return "Deine Eingabe ist leider wieder falsch!\nDas Ergebnis lautet " + answer + "!" + "\n" +
           "Vergleiche das Ergebnis mit deiner Eingabe" +
           " und überlege, warum du den Fehler begangen hast!";
}
std::string MissingEntries(int count) {
    return "Es fehlen noch " + std::to_string(count) + " Einträge!";
}
} // namespace drilltext

bool MeasureKeyAccepted(char32_t key, int answerDecimals) {
    if (key == U'\b' || key == U'\r' || key == U'\n') return true;
    if (key >= U'0' && key <= U'9') return true;
    return key == U',' && answerDecimals != 0;
}

void Drill::StartDrill(int maxPasses) {
    score_ = ScoreState{};
    pass_ = 1;
    maxPasses_ = maxPasses;
    complete_ = false;
}

void Drill::ClearLines() {
    for (DrillLine& line : lines_)
        line = DrillLine{};
    score_.TryNumber = 1;
}

bool Drill::AllFieldsHoldText() const {
    for (const DrillLine& line : lines_) {
        if (line.FieldText.empty()) return false;
    }
    return true;
}

void Drill::Typed(int index, const std::string& fieldText) {
    Line(index).FieldText = CutText(fieldText, kAnswerCapacity);
}

ExitResult Drill::Exit(int index, const std::string& fieldText) {
    DrillLine& line = Line(index);
    line.FieldText = CutText(fieldText, kAnswerCapacity);
    ExitResult result;
    if (line.FieldText.empty() || !line.FieldVisible) return result;

    const std::string trimmed = TrimLeadingZeros(TrimTrailingZeros(line.FieldText));
    const std::string expected = rules_.TrimmedExpected(index);
    line.FieldText = trimmed;
    line.TypedText = trimmed;
    if (CountCommas(trimmed) > 1) {
        result.Outcome = ExitResult::Kind::TooManyCommas;
        result.KeepFocus = true;
        return result;
    }
    line.TypedText = rules_.ComparedTyped(index, trimmed);

    ScoreState& score = score_;
    // The second try belongs to the line that was answered wrongly, not to
    // whichever line happens to be judged next.
    const bool secondTry = line.AwaitsSecondTry;
    const bool right = line.TypedText == expected;
    if (right && !secondTry) {
        line.Face = FaceKind::Happy;
        line.FirstMark = MarkKind::Tick;
        score.PassPoints += 1.0F;
        score.TotalPoints += 1.0F;
        result.Outcome = ExitResult::Kind::RightFirst;
        result.Label = Message{drilltext::kRightFirst, kRightColour};
        line.Solved = true;
    } else if (right) {
        line.Face = FaceKind::Frowning;
        line.SecondMark = MarkKind::Tick;
        score.PassPoints += 0.5F;
        score.TotalPoints += 0.5F;
        result.Outcome = ExitResult::Kind::RightSecond;
        result.Label = Message{drilltext::kRightSecond, kRightColour};
        line.Solved = true;
    } else if (!secondTry) {
        line.Face = FaceKind::Sad;
        line.FirstMark = MarkKind::Cross;
        line.AwaitsSecondTry = true;
        score.TryNumber = 2;
        score.TotalTries += 1;
        score.PassTries += 1;
        result.Outcome = ExitResult::Kind::WrongFirst;
        result.Label = Message{drilltext::kWrongFirst, kWrongColour};
        result.KeepFocus = true;
        return result;
    } else {
        line.SecondMark = MarkKind::Cross;
        result.Outcome = ExitResult::Kind::WrongSecond;
        result.Label = Message{drilltext::WrongSecond(expected), kWrongColour};
        line.Solved = false;
    }

    // The task is complete.
    line.AwaitsSecondTry = false;
    bool anyWaiting = false;
    for (const DrillLine& l : lines_)
        anyWaiting = anyWaiting || l.AwaitsSecondTry;
    score.TryNumber = anyWaiting ? 2 : 1;
    line.FieldVisible = false;
    score.PassTries += 1;
    score.TotalTries += 1;
    if (pass_ == maxPasses_ && AllFieldsHoldText()) {
        complete_ = true;
        result.DrillComplete = true;
    }
    return result;
}

WeiterResult Drill::Weiter() {
    WeiterResult result;
    for (int i = kLines; i >= 1; --i) {
        if (Line(i).FieldText.empty()) {
            ++result.Missing;
            result.FocusLine = i;
        }
    }
    // The last pass ends with the evaluation, never with another pass.
    if (result.Missing > 0 || pass_ >= maxPasses_) return result;
    result.NextPass = true;
    ClearLines();
    pass_ += 1;
    score_.PassTries = 0;
    score_.PassPoints = 0.0F;
    return result;
}

std::string Drill::PassText() const {
    return std::to_string(pass_) + " / " + std::to_string(maxPasses_);
}

std::string Drill::TriesText() const {
    return std::to_string(score_.PassTries);
}

std::string Drill::FormatPoints(float points) {
    // Points are whole or half numbers, written as the evaluation writes them.
    return FormatHalfPoints(static_cast<std::int32_t>(std::lround(points * 2.0F)));
}

std::string Drill::PointsText() const {
    return FormatPoints(score_.PassPoints);
}

std::string MeasureRules::TrimmedExpected(int line) {
    TTaskRecord& record = sheet_[line];
    record.AnswerText = TrimTrailingZeros(record.AnswerText.str());
    return record.AnswerText.str();
}

std::string DekAnswerRules::TrimmedExpected(int line) {
    TDekTaskRecord& record = sheet_[line];
    record.AnswerText = DekExpectedAnswer(record.AnswerText.str());
    return record.AnswerText.str();
}

std::string DekAnswerRules::ComparedTyped(int line, const std::string& trimmed) {
    return DekComparedTyped(trimmed, sheet_[line].AnswerIsNotation);
}

std::string FormatElapsed(std::int64_t seconds) {
    if (seconds < 0) seconds = 0;
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%02lld:%02lld:%02lld",
                  static_cast<long long>(seconds / 3600), static_cast<long long>(seconds / 60 % 60),
                  static_cast<long long>(seconds % 60));
    return buffer;
}

} // namespace quarvel
