// The decadic window's key filter and answer check on arbitrary texts: only
// keys of the product's alphabet come through, and the judgement agrees with
// the drill's rules and with its own texts.

#include "decadic/DekAnswer.h"
#include "decadic/PlaceValue.h"
#include "engine/AnswerCheck.h"

#include "FuzzInput.h"

#include <algorithm>

namespace {

constexpr std::string_view kAlphabet = "0123456789 ,EZHTMdzhtm\b\r";

void CheckKeys(std::string_view text) {
    using namespace quarvel;
    for (const char c : text) {
        const auto key = static_cast<char32_t>(static_cast<unsigned char>(c));
        for (const DekTraining t :
             {DekTraining::DekNum, DekTraining::DekDek, DekTraining::DezNum, DekTraining::DezDez}) {
            for (int flags = 0; flags < 4; ++flags) {
                const auto out = DekKeyFilter(t, (flags & 1) != 0, (flags & 2) != 0, key);
                if (out)
                    QUARVEL_FUZZ_CHECK(kAlphabet.find(static_cast<char>(*out)) !=
                                       std::string_view::npos);
            }
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quarvel;
    fuzz::FuzzInput input(data, size);
    const std::uint8_t flags = input.TakeByte();
    const std::uint8_t split = input.TakeByte();
    const std::string_view rest = input.Rest();
    const std::size_t cut = rest.empty() ? 0 : split % (rest.size() + 1);
    const std::string_view typed = rest.substr(cut);

    TDekTaskSheet sheet;
    TDekTaskRecord& record = sheet[1];
    record.AnswerText = rest.substr(0, cut);
    record.AnswerIsNotation = (flags & 1) != 0;
    record.AnswerHasComma = (flags & 2) != 0;
    const DekJudgement j = JudgeDekAnswer(typed, record);

    using Kind = DekJudgement::Kind;
    QUARVEL_FUZZ_CHECK((j.Outcome == Kind::Empty) == typed.empty());
    if (j.Outcome == Kind::Empty) return 0;
    QUARVEL_FUZZ_CHECK(j.FieldText == TrimLeadingZeros(TrimTrailingZeros(typed)));
    QUARVEL_FUZZ_CHECK(j.ExpectedText == DekExpectedAnswer(record.AnswerText.str()));
    QUARVEL_FUZZ_CHECK((j.Outcome == Kind::TooManyCommas) == (CountCommas(j.FieldText) > 1));
    QUARVEL_FUZZ_CHECK((j.Outcome == Kind::Right) == (j.TypedText == j.ExpectedText));

    // The drill's rules decide the same.
    DekAnswerRules rules(sheet);
    QUARVEL_FUZZ_CHECK(rules.TrimmedExpected(1) == j.ExpectedText);
    QUARVEL_FUZZ_CHECK(sheet[1].AnswerText.str() == j.ExpectedText);
    if (j.Outcome != Kind::TooManyCommas) {
        QUARVEL_FUZZ_CHECK(rules.ComparedTyped(1, j.FieldText) == j.TypedText);
        // Judging the compared text again changes nothing.
        QUARVEL_FUZZ_CHECK(DekComparedTyped(j.TypedText, record.AnswerIsNotation) == j.TypedText);
    }
    CheckKeys(rest);
    return 0;
}
