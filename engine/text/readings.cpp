#include "text/readings.h"

#include "base/numtext.h"
#include "pads/steps.h"
#include "text/notation.h"

#include <charconv>
#include <cstdio>

#include <optional>

namespace velkor {
namespace {

Reading unreadable(std::string_view text, std::string why) { return {0, hinted(text, std::move(why)), true}; }

} // namespace

std::string hinted(std::string_view text, std::string why)
{
    if (text.find("\u2212") != std::string_view::npos)
        return "use the ASCII hyphen-minus (-) for a minus sign";
    return why;
}

Reading readPowerText(std::string_view text)
{
    const std::optional<double> watts = readPower(text);
    if (!watts)
        return unreadable(text, "not a power: write watts as 1, 0.25, 250m or 2.5W, or 30dBm");
    if (*watts <= 0)
        return {*watts, "no attenuator for a power of 0 W or below"};
    return {*watts, {}};
}

Reading readImpedanceText(std::string_view text)
{
    const std::optional<double> ohms = readImpedance(text);
    if (!ohms)
        return unreadable(text, "not an impedance: write ohms as 50, 75ohm or 4.7k, or a code as 4k7, R47 or 1M5");
    if (*ohms <= 0)
        return {*ohms, "no attenuator for 0 ohms or below"};
    return {*ohms, {}};
}

Reading readToleranceText(std::string_view text)
{
    if (text.ends_with('%'))
        text.remove_suffix(1);
    const std::optional<double> fraction = readPercent(text);
    if (!fraction || *fraction < 0 || *fraction >= 1)
        return unreadable(text, "not a tolerance: write a percentage from 0 to below 100, as 1 or 1%");
    return {*fraction, {}};
}

Reading readLimitText(std::string_view text)
{
    const std::optional<double> db = readDecibels(text);
    if (!db || !(*db > 0))
        return unreadable(text, "not a number of dB above 0: write 0.1, 20 or 20dB");
    return {*db, {}};
}

Reading readFrequencyText(std::string_view text)
{
    const std::optional<double> hertz = readFrequency(text);
    return hertz ? Reading{*hertz, {}} : unreadable(text, std::string(notFrequency));
}

Reading readPointsText(std::string_view text, std::size_t limit)
{
    const std::optional<std::size_t> points = readPoints(text, limit);
    return points ? Reading{double(*points), {}} : unreadable(text, pointsRefusal(limit));
}

Reading readParasiticText(std::string_view text, std::string_view key, std::string_view unit)
{
    const std::optional<double> value = readParasitic(text, unit);
    return value ? Reading{*value, {}} : unreadable(text, parasiticRefusal(key));
}

Reading readBoardHeightText(std::string_view text)
{
    const std::optional<double> mm = readMillimetres(text);
    if (!mm)
        return unreadable(text, "not a height: write millimetres as 0.2, 0.2mm, 200um or 8mil");
    if (!(*mm >= leastBoardHeight && *mm <= mostBoardHeight))
        return {*mm, "the board's height to its ground plane must be from 0.05 to 5 mm"};
    return {*mm, {}};
}

Reading readPermittivityText(std::string_view text)
{
    const std::optional<double> er = readDecimal(text);
    if (!er || !(*er >= leastPermittivity && *er <= mostPermittivity))
        return unreadable(text, "not a permittivity: write a number from 1 to 20, as 4.3");
    return {*er, {}};
}

BoardReading readBoardText(std::string_view text)
{
    const std::size_t comma = text.find(',');
    const Reading height = readBoardHeightText(text.substr(0, comma));
    const Reading er = comma == std::string_view::npos ? Reading{Board{}.permittivity, {}}
                                                       : readPermittivityText(text.substr(comma + 1));
    return {{height.value, er.value}, !height.error.empty() ? height.error : er.error};
}

Reading readAmbientText(std::string_view text)
{
    const std::optional<double> celsius = readDecimal(text);
    if (!celsius || *celsius < leastAmbient || *celsius > mostAmbient)
        return unreadable(text, "not an ambient temperature: write degrees Celsius from -55 to 155, as 25");
    return {*celsius, {}};
}

const ChipSize* readPackageText(std::string_view text, std::string& error)
{
    const ChipSize* size = chipSizeByName(text);
    error.clear();
    if (!size) {
        std::string names;
        for (const ChipSize& s : chipSizes())
            names.append(names.empty() ? "" : &s == &chipSizes().back() ? " or " : ", ").append(s.name);
        error = "not a package: " + names;
    }
    return size;
}

Reading readOutputsText(std::string_view text)
{
    int n = 0;
    const char* end = text.data() + text.size();
    const auto [last, ec] = std::from_chars(text.data(), end, n);
    if (ec != std::errc() || last != end || n < leastOutputs || n > mostOutputs)
        return unreadable(text, "a whole number of outputs from " + std::to_string(leastOutputs) + " to " +
                                    std::to_string(mostOutputs));
    return {double(n), {}};
}

Reading readStateText(std::string_view text, std::size_t states)
{
    std::size_t n = 0;
    const char* end = text.data() + text.size();
    const auto [last, ec] = std::from_chars(text.data(), end, n);
    if (ec != std::errc() || last != end || n >= states)
        return unreadable(text, "a state is a whole number from 0 to " + std::to_string(states - 1) + " of " +
                                    std::to_string(states) + " states");
    return {double(n), {}};
}

std::string attenuationRefusal(double db, Ports p, PadKind k)
{
    const PadDescription& kind = describe(k);
    const double least = kind.leastLoss.of(p);
    if (db > least)
        return {};
    if (least == 0)
        return "no attenuator for " + shortest(db) + " dB: the attenuation must be above 0 dB";
    char fourDecimals[32];
    std::snprintf(fourDecimals, sizeof fourDecimals, "%.4f", least);
    std::string why = "no ";
    why.append(kind.refusedAs.empty() ? kind.inlineName : kind.refusedAs).append(" for ").append(shortest(db));
    why.append(" dB between ").append(shortest(p.zin)).append(" and ").append(shortest(p.zout));
    why.append(" ohms: ").append(kind.leastLoss.rule).append(" ");
    return why.append(fourDecimals).append(" dB");
}

std::string cornersRefusal(PadKind k, std::size_t bits)
{
    const std::size_t parts = partsOfAllBits(k, bits);
    if (parts <= mostCornerParts)
        return "";
    return "the state of every bit has " + std::to_string(parts) + " parts, 2^" + std::to_string(parts) +
           " corners: at most 2^" + std::to_string(mostCornerParts) +
           " (8 bits of Pi or T, 6 of bridged-T or O-pads, 4 of H-pads)";
}

} // namespace velkor
