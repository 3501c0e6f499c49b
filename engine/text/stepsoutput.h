#pragma once
// The outputs of a step attenuator: text (each bit's parts, a table of the
// states, the summary), one CSV row per state (per state and frequency with
// a response), and one JSON array of one object.

#include "pads/steps.h"

#include <string>

namespace velkor {

std::string stepsText(const StepResult& r);
std::string stepsCsv(const StepResult& r);
std::string stepsJson(const StepResult& r);

} // namespace velkor
