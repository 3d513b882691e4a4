// The decadic key filter and answer check on arbitrary texts: only keys of the
// alphabet come through, and the judgement agrees with the drill's rules.
#include "core/AnswerText.h"
#include "core/BoundedText.h"
#include "decadic/DekAnswer.h"
#include "decadic/PlaceValue.h"
#include "drill/Drill.h"

#include "FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quarvel;
    using Kind = ExitResult::Kind;
    fuzz::FuzzInput input(data, size);
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
        return 0;
    }
    QUARVEL_FUZZ_CHECK(line.FieldText == field && record.AnswerText.str() == expected);
    QUARVEL_FUZZ_CHECK((result.Outcome == Kind::TooManyCommas) == (CountCommas(field) > 1));
    if (result.Outcome == Kind::TooManyCommas) return 0;
    QUARVEL_FUZZ_CHECK((result.Outcome == Kind::RightFirst) == (line.TypedText == expected));
    // Judging the compared text again changes nothing.
    QUARVEL_FUZZ_CHECK(DekComparedTyped(line.TypedText, record.AnswerIsNotation) == line.TypedText);
    return 0;
}
