#pragma once
// The display patterns of the result captions. Internal to the engine.

#include "format.h"

namespace velkor::patterns {

inline constexpr Pattern res = Pattern::parse("###0.0");
inline constexpr Pattern pwr = Pattern::parse("###0.#0 W");
inline constexpr Pattern db = Pattern::parse("##.## dB");
inline constexpr Pattern vswr = Pattern::parse("#.00");
// The same patterns behind their captions' fixed words, in one pass.
inline constexpr Pattern rtnloss = Pattern::parse("Rtn Loss ##.## dB");
inline constexpr Pattern vswrcaption = Pattern::parse("VSWR #.00");
inline constexpr Pattern atten = Pattern::parse("Attenuation ##.## dB");

} // namespace velkor::patterns
