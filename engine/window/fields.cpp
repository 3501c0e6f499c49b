#include "window/fields.h"

namespace velkor {
namespace {

constexpr std::array<std::string_view, fieldcount> names = {
    "ThR(0)", "ThR(1)", "ThR(2)", "ThR(3)", "ThR(4)", "ThR(5)",
    "ThP(0)", "ThP(1)", "ThP(2)",
    "R1Plabel", "R2Plabel", "R3Plabel",
    "R1Tlabel", "R2Tlabel", "R3Tlabel",
    "RealPR1P", "RealPR2P", "RealPR3P",
    "RealPR1T", "RealPR2T", "RealPR3T",
    "TrueAttenP", "TrueAttenT",
    "VSWRP", "VSWRT",
    "RtnlossP", "rtnlosst",
};

constexpr std::array<std::string_view, fieldcount> descriptions = {
    "Pi R1 theoretical value in ohms",
    "Pi R2 theoretical value in ohms",
    "Pi R3 theoretical value in ohms",
    "T R1 theoretical value in ohms",
    "T R2 theoretical value in ohms",
    "T R3 theoretical value in ohms",
    "Power in Pi R1, theoretical",
    "Power in Pi R2, theoretical",
    "Power in Pi R3, theoretical",
    "Pi R1 preferred value",
    "Pi R2 preferred value",
    "Pi R3 preferred value",
    "T R1 preferred value",
    "T R2 preferred value",
    "T R3 preferred value",
    "Power in Pi R1, preferred value",
    "Power in Pi R2, preferred value",
    "Power in Pi R3, preferred value",
    "Power in T R1, preferred value",
    "Power in T R2, preferred value",
    "Power in T R3, preferred value",
    "Pi actual attenuation with preferred values",
    "T actual attenuation with preferred values",
    "Pi input VSWR with preferred values",
    "T input VSWR with preferred values",
    "Pi return loss with preferred values",
    "T return loss with preferred values",
};

} // namespace

std::string_view fielddescription(Field f)
{
    return descriptions[static_cast<std::size_t>(f)];
}

std::string_view fieldname(Field f)
{
    return names[static_cast<std::size_t>(f)];
}

std::optional<Field> fieldbyname(std::string_view name)
{
    for (std::size_t i = 0; i < fieldcount; ++i)
        if (names[i] == name)
            return static_cast<Field>(i);
    return std::nullopt;
}

} // namespace velkor
