// The place-value notation on arbitrary input: every reader, writer and operation,
// each taking its parameters afresh from the end of the input; and the decadic
// answer field's keys and judgement.
#include "core/AnswerText.h"
#include "core/BoundedText.h"
#include "decadic/DekAnswer.h"
#include "decadic/PlaceValue.h"
#include "drill/Drill.h"

#include "FuzzInput.h"

#include <algorithm>

namespace {

using namespace quarvel;
using fuzz::FuzzInput;

bool Digits(std::string_view text) {
    return text.find_first_not_of("0123456789") == std::string_view::npos;
}

std::string WithoutBlanks(std::string_view text) {
    std::string out(text);
    std::erase(out, ' ');
    return out;
}

// Single blanks, only between characters.
bool Blanks(const std::string& out) {
    return !out.starts_with(' ') && !out.ends_with(' ') && out.find("  ") == std::string::npos;
}

// Any text parses to a value in range and to a well-formed numeral; a writable
// value reads back from its text, so does a numeral of one integer digit.
void Parse(std::string_view text) {
    const std::int64_t value = ParsePlaceValue(text);
    const std::string written = FormatPlaceValue(value);
    QUARVEL_FUZZ_CHECK(value >= 0 && written.size() <= 34);
    if (value <= kMaxPlaceValue) QUARVEL_FUZZ_CHECK(ParsePlaceValue(written) == value);

    const std::string numeral = ParseDecimalPlaceValue(text);
    const std::size_t comma = numeral.find(',');
    const std::string whole = numeral.substr(0, comma);
    const std::string frac = comma == std::string::npos ? "" : numeral.substr(comma + 1);
    QUARVEL_FUZZ_CHECK(numeral.size() <= 28 && !whole.empty() && Digits(whole) && Digits(frac));
    QUARVEL_FUZZ_CHECK((whole == "0" || whole.front() != '0') && frac.size() <= 8);
    QUARVEL_FUZZ_CHECK(comma == std::string::npos || (!frac.empty() && frac.back() != '0'));
    if (whole.size() == 1) {
        const ExactNumber exact{std::stoll(whole + frac), static_cast<int>(frac.size())};
        QUARVEL_FUZZ_CHECK(ParseDecimalPlaceValue(FormatDecimalPlaceValue(exact, 8)) == numeral);
    }
}

// Normalising keeps every non-blank character in order, separates digits when
// asked and is idempotent; so is dropping zero places, which leaves no "0" token.
void Normalize(FuzzInput input) {
    const std::string dropped = DropZeroPlaces(input.Rest);
    QUARVEL_FUZZ_CHECK(Blanks(dropped) && dropped.size() <= input.Rest.size() &&
                       DropZeroPlaces(dropped) == dropped);
    QUARVEL_FUZZ_CHECK(dropped.find(" 0") == std::string::npos && !dropped.starts_with('0'));

    const bool spaceBeforeDigits = (input.TakeByte() & 1) != 0;
    const std::string out = NormalizeNotationAnswer(input.Rest, spaceBeforeDigits);
    QUARVEL_FUZZ_CHECK(WithoutBlanks(out) == WithoutBlanks(input.Rest) && Blanks(out));
    for (std::size_t i = 1; spaceBeforeDigits && i < out.size(); ++i)
        QUARVEL_FUZZ_CHECK(!Digits(out.substr(i, 1)) || out[i - 1] == ' ');
    QUARVEL_FUZZ_CHECK(NormalizeNotationAnswer(out, spaceBeforeDigits) == out);
}

// Shifting keeps the asked decimals plus sixteen zeros and exactly one new
// comma, whatever the text, the decimals and the shift.
void Shift(FuzzInput input) {
    const int decimals = input.TakeInt();
    const int shift = input.TakeInt();
    const std::string_view text = input.Rest;
    const std::string out = ShiftDecimalDigits(text, decimals, shift);
    const std::size_t comma = text.find(',');
    const std::string kept(comma == std::string_view::npos
                               ? text
                               : text.substr(comma + 1, std::size_t(std::max(decimals, 0))));
    const std::size_t at = std::min(std::size_t(std::max(shift, 0)), kept.size() + 16);
    QUARVEL_FUZZ_CHECK(out.size() == kept.size() + 17 && out[at] == ',');
    QUARVEL_FUZZ_CHECK(out.substr(0, at) + out.substr(at + 1) == kept + std::string(16, '0'));
}

// The formatters and the operations that make tasks harder: bounded texts,
// values that agree with their texts, digit counts that stay.
void Operations(FuzzInput input) {
    const std::int64_t value = input.TakeInt64();
    const int count = input.TakeInt();
    const int decimals = input.TakeInt();
    const int pointShift = input.TakeInt();
    SeededRandom rng(static_cast<std::uint64_t>(input.TakeInt64()));

    const std::string text = FormatPlaceValue(value);
    std::int64_t enlarged = value;
    const std::string more = EnlargePlaceCounts(enlarged, count, rng);
    QUARVEL_FUZZ_CHECK(text.size() <= 34 && more.size() <= text.size() + 3);
    QUARVEL_FUZZ_CHECK(ParsePlaceValue(more) == enlarged);

    const std::int64_t zeroed = ZeroRandomDigits(count, value, rng);
    QUARVEL_FUZZ_CHECK(std::to_string(zeroed).size() == std::to_string(value).size());
    QUARVEL_FUZZ_CHECK((zeroed < 0) == (value < 0));

    const ExactNumber exact{value, pointShift};
    const std::string notation = FormatDecimalPlaceValue(exact, decimals);
    const std::string enlargedNotation = EnlargeDecimalPlaceCounts(exact, decimals, count, rng);
    QUARVEL_FUZZ_CHECK(notation.size() <= 36 && enlargedNotation.size() <= notation.size() + 3);
    ParseDecimalPlaceValue(enlargedNotation);

    const ExactNumber thinned = ZeroRandomDecimalDigits(count, decimals, exact, rng);
    QUARVEL_FUZZ_CHECK(thinned == exact || thinned.Decimals == std::clamp(decimals, 0, 8));
}

// The decadic key filter and answer check: only keys of the alphabet come through,
// and the judgement agrees with the drill's rules.
void Answer(FuzzInput input) {
    using Kind = ExitResult::Kind;
    const std::uint8_t flags = input.TakeByte();
    const std::uint8_t split = input.TakeByte();
    const std::string_view rest = input.Rest;
    const std::size_t cut = rest.empty() ? 0 : split % (rest.size() + 1);
    const std::string_view typed = rest.substr(cut);
    for (const char c : rest) {
        for (int t = 0; t < 16; ++t) {
            const auto out = DekKeyFilter(DekTraining(t / 4), (t & 1) != 0, (t & 2) != 0,
                                          static_cast<unsigned char>(c));
            QUARVEL_FUZZ_CHECK(
                !out ||
                std::string_view("0123456789 ,EZHTMdzhtm\b\r").find(static_cast<char>(*out)) !=
                    std::string::npos);
        }
    }

    // Judged as the window judges: the shared drill with the decadic rules.
    TDekTaskSheet sheet;
    TDekTaskRecord& record = sheet[1];
    record.AnswerText = rest.substr(0, cut);
    record.AnswerIsNotation = (flags & 1) != 0;
    record.AnswerHasComma = (flags & 2) != 0;
    const std::string expected = DekExpectedAnswer(record.AnswerText.str());
    DekAnswerRules rules(sheet);
    Drill drill(rules);
    const ExitResult result = drill.Exit(1, std::string(typed));
    const DrillLine& line = drill.Line(1);
    const std::string field = TrimLeadingZeros(TrimTrailingZeros(typed));
    if (CutText(typed, kAnswerCapacity).empty()) {
        QUARVEL_FUZZ_CHECK(result.Outcome == Kind::Nothing);
        return;
    }
    QUARVEL_FUZZ_CHECK(line.FieldText == field && record.AnswerText.str() == expected);
    QUARVEL_FUZZ_CHECK((result.Outcome == Kind::TooManyCommas) == (CountCommas(field) > 1));
    if (result.Outcome == Kind::TooManyCommas) return;
    QUARVEL_FUZZ_CHECK((result.Outcome == Kind::RightFirst) == (line.TypedText == expected));
    // Judging the compared text again changes nothing.
    QUARVEL_FUZZ_CHECK(DekComparedTyped(line.TypedText, record.AnswerIsNotation) == line.TypedText);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const FuzzInput input(data, size);
    Parse(input.Rest);
    Normalize(input);
    Shift(input);
    Operations(input);
    Answer(input);
    return 0;
}
