#pragma once
// The outputs of a step attenuator: text (each bit's parts, a table of the
// states, the summary), one CSV row per state (per state and frequency with
// a response), and one JSON array of one object.

#include "pads/steps.h"

#include <optional>
#include <string>

namespace velkor {

/// Each output of every state, or with `only` of that state alone (0 to
/// 2^bits - 1); the summary is always the whole attenuator's.
std::string stepsText(const StepResult& r, std::optional<std::size_t> only = std::nullopt);
std::string stepsCsv(const StepResult& r, std::optional<std::size_t> only = std::nullopt);
std::string stepsJson(const StepResult& r, std::optional<std::size_t> only = std::nullopt);

} // namespace velkor
