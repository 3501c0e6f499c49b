#pragma once
// The result display fields of the window, in the order the engine lists
// them, with the names the window gives their labels.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace velkor {

enum class Field : std::size_t {
    ThR0, ThR1, ThR2, ThR3, ThR4, ThR5,   // theoretical Pi R1..R3, T R1..R3, ohms
    ThP0, ThP1, ThP2,                     // theoretical power in Pi R1..R3, W
    R1Plabel, R2Plabel, R3Plabel,         // resistor codes, preferred Pi
    R1Tlabel, R2Tlabel, R3Tlabel,         // resistor codes, preferred T
    RealPR1P, RealPR2P, RealPR3P,         // power in preferred Pi R1..R3, W
    RealPR1T, RealPR2T, RealPR3T,         // power in preferred T R1..R3, W
    TrueAttenP, TrueAttenT,               // actual attenuation, dB
    VSWRP, VSWRT,                         // input VSWR
    RtnlossP, rtnlosst,                   // input return loss, dB
};

inline constexpr std::size_t fieldcount = 27;

/// The caption of every result field, indexed by Field.
using Captions = std::array<std::string, fieldcount>;

/// The window's name of a field: "ThR(0)" ... "ThP(2)", "R1Plabel" ... "rtnlosst".
std::string_view fieldname(Field f);

/// What a field shows, in words: "Pi R1 theoretical value in ohms".
std::string_view fielddescription(Field f);

/// The field of a window name, if it is one of the 27.
std::optional<Field> fieldbyname(std::string_view name);

} // namespace velkor
