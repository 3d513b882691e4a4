#pragma once
// The worked solution of a dumped task as data a program can check: Steps and
// CommaShift and the sentences of "So geht's" for every task, Diagnosis and
// DiagnosisKind for a typed answer.

#include "drill/Training.h"
#include "worksheet/Json.h"

#include <optional>
#include <string>

namespace quarvel::taskdump {

// Steps: [fromUnit, toUnit, factor] along the chain for a measure task, [place,
// digit] of the expected answer for a decadic one; null where no solution leads
// to the record's answer.
void WriteSolution(const AnyTask& task, const std::optional<std::string>& typed, JsonObject& out);

} // namespace quarvel::taskdump
