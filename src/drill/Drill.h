#pragma once
// The drill shared by the three exercise windows: five answer lines, two tries
// per task, points, passes and the end of a drill. The windows show this state
// and pass their events in; nothing here knows about Qt.

#include "core/Rgb.h"
#include "core/TaskRecord.h"
#include "decadic/DekTaskSheet.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace quarvel {

enum class FaceKind { Neutral, Happy, Frowning, Sad };
enum class MarkKind { Empty, Cross, Tick };

// Texts of the message label; "\n" is a line break.
namespace drilltext {
inline constexpr const char* kInstruction =
    "Gib die jeweiligen Zahlen nacheinander ein.\nDrücke die Enter-Taste oder klicke mit der Maus "
    "ins nächste Feld!";
inline constexpr const char* kRightFirst = "Bravo, deine Eingabe ist richtig!";
inline constexpr const char* kRightSecond = "Beim zweiten Versuch ist deine Eingabe richtig!";
inline constexpr const char* kWrongFirst =
    "Deine Eingabe ist leider falsch!\nÜberprüfe deine Eingabe und versuche es noch einmal.";
inline constexpr const char* kTooManyCommas = "Es darf höchstens ein Komma vorhanden sein!";
std::string WrongSecond(const std::string& answer);
std::string MissingEntries(int count);
} // namespace drilltext

inline constexpr Rgb kInstructionColour{153, 102, 51};
inline constexpr Rgb kRightColour{102, 51, 255};
inline constexpr Rgb kWrongColour{255, 0, 102};

struct Message {
    std::string Text;
    Rgb Colour;
};

// The counters of a drill: the pass's and the whole drill's tries and points,
// and which try the next judged answer is.
struct ScoreState {
    std::int32_t TryNumber = 1;
    std::int32_t PassTries = 0;
    float PassPoints = 0.0F;
    float TotalPoints = 0.0F;
    std::int32_t TotalTries = 0;
};

// What one window shows of a line besides the task text.
struct DrillLine {
    std::string FieldText; // the answer field's text
    bool FieldVisible = true;
    std::string TypedText; // the last judged answer, normalised
    FaceKind Face = FaceKind::Neutral;
    MarkKind FirstMark = MarkKind::Empty;
    MarkKind SecondMark = MarkKind::Empty;
    bool AwaitsSecondTry = false;
    bool Solved = false; // answered right, at the first or the second try
};

// How a window's sheet is judged: the measure windows compare trimmed numbers,
// the decadic window also normalises place-value notation.
class AnswerRules {
  public:
    virtual ~AnswerRules() = default;
    // The record's expected answer, trimmed in place first.
    virtual std::string TrimmedExpected(int line) = 0;
    // The typed text after trimming, as it is compared (the decadic window
    // normalises blanks and drops zero places here).
    virtual std::string ComparedTyped(int line, const std::string& trimmed) {
        (void)line;
        return trimmed;
    }
};

// Whether a key may be typed into a measure answer field (Enter included).
bool MeasureKeyAccepted(char32_t key, int answerDecimals);

struct ExitResult {
    enum class Kind { Nothing, TooManyCommas, RightFirst, RightSecond, WrongFirst, WrongSecond };
    Kind Outcome = Kind::Nothing;
    bool KeepFocus = false;       // put the focus back into the field
    bool DrillComplete = false;   // show "Auswertung", hide "Weiter", stop the timer
    std::optional<Message> Label; // a new text for the message label
};

struct WeiterResult {
    int Missing = 0;       // empty fields
    int FocusLine = 1;     // where the focus goes
    bool NextPass = false; // the next pass has begun
};

class Drill {
  public:
    explicit Drill(AnswerRules& rules) : rules_(rules) {}

    std::array<DrillLine, kLines>& Lines() { return lines_; }
    const std::array<DrillLine, kLines>& Lines() const { return lines_; }
    DrillLine& Line(int line) { return lines_.at(static_cast<std::size_t>(line - 1)); }

    // A fresh drill of `maxPasses` passes: counters zero, pass 1.
    void StartDrill(int maxPasses);
    // The window's part of clearing a sheet: fields visible and empty, no marks,
    // neutral faces.
    void ClearLines();
    // The field of `line` now shows `fieldText` (typed, not yet judged).
    void Typed(int line, const std::string& fieldText);
    // The field of `line` lost the focus with `fieldText` in it.
    ExitResult Exit(int line, const std::string& fieldText);
    // "Weiter": counts empty fields; when there are none and this is not the
    // last pass, begins the next pass (the caller clears and refills the sheet).
    WeiterResult Weiter();

    bool Complete() const { return complete_; }
    const ScoreState& Score() const { return score_; }
    int Pass() const { return pass_; }
    int MaxPasses() const { return maxPasses_; }
    bool AllFieldsHoldText() const;
    std::string PassText() const;   // "2 / 3"
    std::string TriesText() const;  // " Versuche "
    std::string PointsText() const; // " Punkte ", one decimal
    static std::string FormatPoints(float points);

  private:
    AnswerRules& rules_;
    std::array<DrillLine, kLines> lines_{};
    ScoreState score_;
    int pass_ = 1;
    int maxPasses_ = 3;
    bool complete_ = false;
};

// The judgement of the measure windows against TaskSheet.
class MeasureRules final : public AnswerRules {
  public:
    explicit MeasureRules(TTaskSheet& sheet) : sheet_(sheet) {}
    std::string TrimmedExpected(int line) override;

  private:
    TTaskSheet& sheet_;
};

// The judgement of the decadic window: the drill trims, refuses two commas,
// counts and scores; these say how a decadic answer is compared.
class DekAnswerRules final : public AnswerRules {
  public:
    explicit DekAnswerRules(TDekTaskSheet& sheet) : sheet_(sheet) {}
    std::string TrimmedExpected(int line) override;
    std::string ComparedTyped(int line, const std::string& trimmed) override;

  private:
    TDekTaskSheet& sheet_;
};

// The elapsed-time display: hours, minutes and seconds with two digits each.
std::string FormatElapsed(std::int64_t seconds);

} // namespace quarvel
