#include "fields.h"

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

} // namespace

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
