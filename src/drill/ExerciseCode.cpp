#include "drill/ExerciseCode.h"

#include <array>
#include <random>
#include <stdexcept>
#include <vector>

namespace quarvel {
namespace {

constexpr int kBase = 31;
constexpr int kTrainings = 15;
constexpr int kLevels = 6;
constexpr int kPassCounts = 8; // 3..10
constexpr int kFigures = 101;  // half points and tries: 0 .. 10 x 10 passes
constexpr std::uint64_t kExercises =
    std::uint64_t{kTrainings} * kLevels * kPassCounts * kExerciseSeeds;
constexpr int kExerciseDigits = 7;        // 31^7 > kExercises
constexpr int kFigureDigits = 10;         // 31^10 > kExercises x 101 x 101
constexpr int kMarkDigits = 4;            // the keyed check modulo 31^4
constexpr std::uint64_t kMarks = 923'521; // 31^4
constexpr std::size_t kExerciseLength = kExerciseDigits + 1;
constexpr std::size_t kResultLength = kFigureDigits + kMarkDigits + 1;

// The key of the result code's check. Anyone with this program can read it:
// the check stops typos and hand edits, not a determined cheat.
constexpr std::uint64_t kResultKey = 0x51A7'C0DE'9E37'79B9ULL;
constexpr std::uint64_t kResultKey2 = 0xD1B5'4A32'D192'ED03ULL;

// SplitMix64's finaliser: every bit of the input moves about half the output.
constexpr std::uint64_t Mix(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58'476D'1CE4'E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D0'49BB'1331'11EBULL;
    return z ^ (z >> 31);
}

std::uint64_t Mark(std::uint64_t figures) {
    return Mix(Mix(figures ^ kResultKey) + kResultKey2) % kMarks;
}

// The training, level and passes as one number below 720; the seed below it.
std::uint64_t Payload(const Exercise& e) {
    const auto kind =
        (static_cast<std::uint64_t>(e.Id) * kLevels + static_cast<std::uint64_t>(e.Level - 1)) *
            kPassCounts +
        static_cast<std::uint64_t>(e.Passes - 3);
    return kind * kExerciseSeeds + e.Seed;
}

Exercise FromPayload(std::uint64_t payload) {
    Exercise e;
    e.Seed = static_cast<std::uint32_t>(payload % kExerciseSeeds);
    std::uint64_t kind = payload / kExerciseSeeds;
    e.Passes = static_cast<int>(kind % kPassCounts) + 3;
    kind /= kPassCounts;
    e.Level = static_cast<int>(kind % kLevels) + 1;
    e.Id = static_cast<Training>(kind / kLevels);
    return e;
}

// `count` digits of `value`, the most significant first.
void PutDigits(std::uint64_t value, int count, std::vector<int>& digits) {
    const std::size_t start = digits.size();
    digits.resize(start + static_cast<std::size_t>(count));
    for (int i = count - 1; i >= 0; --i) {
        digits[start + static_cast<std::size_t>(i)] = static_cast<int>(value % kBase);
        value /= kBase;
    }
}

std::uint64_t TakeDigits(const std::vector<int>& digits, std::size_t from, int count) {
    std::uint64_t value = 0;
    for (int i = 0; i < count; ++i)
        value =
            value * kBase + static_cast<std::uint64_t>(digits[from + static_cast<std::size_t>(i)]);
    return value;
}

// The weights 1, 2, 3, ... are distinct and not multiples of the prime 31,
// so changing one digit or swapping two different neighbours always changes
// the sum; so does swapping the last digit with the check character.
int CheckDigit(const std::vector<int>& digits) {
    int sum = 0;
    for (std::size_t i = 0; i < digits.size(); ++i)
        sum = (sum + static_cast<int>(i + 1) * digits[i]) % kBase;
    return sum;
}

// The digits with their check character, in groups of `group`.
std::string Written(std::vector<int> digits, std::size_t group) {
    digits.push_back(CheckDigit(digits));
    std::string text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && i % group == 0) text += '-';
        text += kCodeAlphabet[static_cast<std::size_t>(digits[i])];
    }
    return text;
}

// A character between the groups, or a blank, that a reader skips: ASCII
// blanks and dashes, and the dashes and the no-break space a word processor
// puts in their place.
std::size_t SkippedLength(std::string_view rest) {
    if (rest.front() == ' ' || rest.front() == '-' || rest.front() == '\t') return 1;
    for (const std::string_view skip :
         {"\u00A0", "\u2010", "\u2011", "\u2012", "\u2013", "\u2014", "\u2212", "\u202F"}) {
        if (rest.starts_with(skip)) return skip.size();
    }
    return 0;
}

// The character at the start of `rest` as it is shown in a refusal.
std::string Named(std::string_view rest) {
    const auto lead = static_cast<unsigned char>(rest.front());
    if (lead < 0x20 || lead == 0x7F) return "ein Steuerzeichen";
    std::size_t length = 1;
    if (lead >= 0xF0) {
        length = 4;
    } else if (lead >= 0xE0) {
        length = 3;
    } else if (lead >= 0xC0) {
        length = 2;
    } else if (lead >= 0x80) {
        return "ein unlesbares Zeichen";
    }
    if (length > rest.size()) return "ein unlesbares Zeichen";
    for (std::size_t i = 1; i < length; ++i) {
        if ((static_cast<unsigned char>(rest[i]) & 0xC0) != 0x80) return "ein unlesbares Zeichen";
    }
    return "„" + std::string(rest.substr(0, length)) + "“";
}

struct Digits {
    std::vector<int> Values;
    std::string Refusal;
};

// The values of the code's characters, or why they are none.
Digits ReadDigits(std::string_view text, std::size_t length, std::string_view what) {
    Digits d;
    std::size_t i = 0;
    while (i < text.size()) {
        const std::string_view rest = text.substr(i);
        if (const std::size_t skip = SkippedLength(rest)) {
            i += skip;
            continue;
        }
        char c = rest.front();
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        const std::size_t value = kCodeAlphabet.find(c);
        if (value == std::string_view::npos || c == '\0') {
            const bool lookAlike = std::string_view("0O1IL").find(c) != std::string_view::npos;
            d.Refusal = "Das Zeichen " + Named(rest) + " kommt in keinem Code vor" +
                        (lookAlike ? ": 0 und O, 1, I und L werden nicht verwendet, damit "
                                     "nichts verwechselt wird."
                                   : ": nur die Ziffern 2 bis 9 und die Buchstaben außer I, L "
                                     "und O.");
            return d;
        }
        d.Values.push_back(static_cast<int>(value));
        ++i;
    }
    if (d.Values.empty()) {
        d.Refusal = "Bitte den " + std::string(what) + " eingeben.";
    } else if (d.Values.size() != length) {
        d.Refusal = "Ein " + std::string(what) + " hat " + std::to_string(length) +
                    " Zeichen, hier sind es " + std::to_string(d.Values.size()) + ".";
    } else {
        const int check = d.Values.back();
        d.Values.pop_back();
        if (CheckDigit(d.Values) != check) d.Refusal = std::string(kCodeMistyped);
    }
    if (!d.Refusal.empty()) d.Values.clear();
    return d;
}

bool FiguresFit(const ExerciseResult& r) {
    const int most = 10 * r.Task.Passes;
    return r.HalfPoints >= 0 && r.HalfPoints <= most && r.Tries >= 0 && r.Tries <= most;
}

} // namespace

bool Codable(const Exercise& e) {
    const auto id = static_cast<int>(e.Id);
    return id >= 0 && id < kTrainings && e.Passes >= 3 && e.Passes <= 10 &&
           e.Seed < kExerciseSeeds && GeneratorFor(e.Id, e.Level);
}

std::string ExerciseCode(const Exercise& exercise) {
    if (!Codable(exercise)) throw std::invalid_argument("the exercise cannot be coded");
    std::vector<int> digits;
    PutDigits(Payload(exercise), kExerciseDigits, digits);
    return Written(std::move(digits), 4);
}

CodeReading<Exercise> ReadExerciseCode(std::string_view text) {
    const Digits d = ReadDigits(text, kExerciseLength, "Übungscode");
    if (!d.Refusal.empty()) return {std::nullopt, d.Refusal};
    const std::uint64_t payload = TakeDigits(d.Values, 0, kExerciseDigits);
    const Exercise exercise = FromPayload(payload);
    if (payload >= kExercises || !Codable(exercise))
        return {std::nullopt,
                "Diesen Übungscode gibt es nicht – bitte Zeichen für Zeichen prüfen."};
    return {exercise, {}};
}

std::string ResultCode(const ExerciseResult& result) {
    if (!Codable(result.Task) || !FiguresFit(result))
        throw std::invalid_argument("the result cannot be coded");
    const std::uint64_t figures =
        (Payload(result.Task) * kFigures + static_cast<std::uint64_t>(result.HalfPoints)) *
            kFigures +
        static_cast<std::uint64_t>(result.Tries);
    std::vector<int> digits;
    PutDigits(figures, kFigureDigits, digits);
    PutDigits(Mark(figures), kMarkDigits, digits);
    return Written(std::move(digits), 5);
}

CodeReading<ExerciseResult> ReadResultCode(std::string_view text) {
    const Digits d = ReadDigits(text, kResultLength, "Ergebniscode");
    if (!d.Refusal.empty()) return {std::nullopt, d.Refusal};
    const std::uint64_t figures = TakeDigits(d.Values, 0, kFigureDigits);
    const std::uint64_t mark = TakeDigits(d.Values, kFigureDigits, kMarkDigits);
    ExerciseResult result;
    result.Tries = static_cast<int>(figures % kFigures);
    result.HalfPoints = static_cast<int>(figures / kFigures % kFigures);
    const std::uint64_t payload = figures / kFigures / kFigures;
    result.Task = FromPayload(payload);
    if (mark != Mark(figures) || payload >= kExercises || !Codable(result.Task) ||
        !FiguresFit(result))
        return {std::nullopt, std::string(kResultNotGenuine)};
    return {result, {}};
}

std::uint64_t EngineSeed(const Exercise& exercise) {
    return Mix(Payload(exercise) + 0x9E37'79B9'7F4A'7C15ULL);
}

std::uint32_t FreshExerciseSeed() {
    std::random_device device;
    return static_cast<std::uint32_t>(device()) % kExerciseSeeds;
}

namespace {

// Unfolds the submenus on the way to the level items that set `level`, as
// the start window does when the pupil walks there.
bool Unfold(const std::vector<MenuEntry>& entries, int SelectionState::*level, SelectionState& s) {
    for (const MenuEntry& entry : entries) {
        if (entry.Children.empty()) continue;
        const SelectionState before = s;
        ApplyUnfold(s, entry);
        if (entry.Children.front().Action == MenuAction::ChooseLevel &&
            entry.Children.front().Level == level) {
            return true;
        }
        if (Unfold(entry.Children, level, s)) return true;
        s = before;
    }
    return false;
}

} // namespace

SelectionState ExerciseSelection(const Exercise& exercise, SelectionState base) {
    for (const TrainingInfo& t : Trainings())
        base.*t.Level = 0;
    base.AreaCode = 0;
    base.KombiCategory = 0;
    const TrainingInfo& info = InfoOf(exercise.Id);
    Unfold(StartMenu(), info.Level, base);
    base.*info.Level = exercise.Level;
    base.MaxPasses = exercise.Passes;
    return base;
}

} // namespace quarvel
