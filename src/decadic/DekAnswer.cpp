#include "decadic/DekAnswer.h"

#include "core/AnswerText.h"
#include "decadic/PlaceValue.h"

namespace quarvel {

namespace {

bool IsDigitKey(char32_t key) {
    return key >= U'0' && key <= U'9';
}

bool IsLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool AlwaysAccepted(char32_t key) {
    return IsDigitKey(key) || key == kKeyBackspace || key == kKeyEnter;
}

std::optional<char32_t> DekNumNotationKey(char32_t key) {
    switch (key) {
    case U' ':
    case U'E':
    case U'Z':
    case U'H':
    case U'T':
    case U'M':
    case U'd':
        return key;
    case U'e':
        return U'E';
    case U'z':
        return U'Z';
    case U'h':
        return U'H';
    case U't':
        return U'T';
    case U'm':
        return U'M';
    default:
        return std::nullopt;
    }
}

std::optional<char32_t> DezNumNotationKey(char32_t key) {
    switch (key) {
    case U' ':
    case U'E':
    case U'z':
    case U'h':
    case U't':
    case U'm':
        return key;
    case U'e':
        return U'E';
    case U'Z':
        return U'z';
    case U'H':
        return U'h';
    case U'T':
        return U't';
    case U'M':
        return U'm';
    default:
        return std::nullopt;
    }
}

} // namespace

std::optional<char32_t> DekKeyFilter(DekTraining training, bool answerIsNotation,
                                     bool answerHasComma, char32_t key) {
    if (AlwaysAccepted(key)) return key;
    switch (training) {
    case DekTraining::DekNum:
        if (answerIsNotation) return DekNumNotationKey(key);
        if (key == U' ') return key;
        return std::nullopt;
    case DekTraining::DezNum:
        if (!answerHasComma) return DezNumNotationKey(key);
        if (key == U',' || key == U' ') return key;
        return std::nullopt;
    case DekTraining::DekDek:
    case DekTraining::DezDez:
        return std::nullopt;
    }
    return std::nullopt;
}

std::string DekExpectedAnswer(std::string_view answerText) {
    std::string expected = TrimTrailingZeros(answerText);
    if (!expected.empty() && expected.front() == ' ') expected.erase(0, 1);
    return expected;
}

std::string DekComparedTyped(std::string_view trimmed, bool answerIsNotation) {
    const std::string compared = DropZeroPlaces(NormalizeNotationAnswer(trimmed, answerIsNotation));
    if (!answerIsNotation) return compared;
    // Place symbols in front without a count are zero places: the leading-zero
    // trim has taken their "0" ("0T 3H 5E" arrives as "T 3H 5E", and is shown
    // so in the field for a second try), and a zero place counts nothing
    // wherever it stands.
    std::size_t start = 0;
    while (start < compared.size() && IsLetter(compared[start])) {
        const std::size_t blank = compared.find(' ', start);
        start = blank == std::string::npos ? compared.size() : blank + 1;
    }
    return compared.substr(start);
}

} // namespace quarvel
