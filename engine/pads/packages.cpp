#include "pads/packages.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace velkor {
namespace {

constexpr double lightSpeed = 299792458;   // m/s
constexpr double metresPerMillimetre = 1e-3;
constexpr double henriesPerNanohenry = 1e-9;
constexpr double viaDrill = 0.3;   // mm
constexpr double fullRatingUpTo = 70, noRatingFrom = 155;   // °C

// 0201 to 1206: body, termination and thickness, land, body capacitance,
// rating; mm, F and W.
constexpr std::array<ChipSize, 5> sizes = {{
    {"0201", 0.6, 0.3, 0.15, 0.23, 0.46, 0.40, 0.021e-12, 0.05},
    {"0402", 1.0, 0.5, 0.25, 0.35, 0.54, 0.64, 0.039e-12, 0.0625},
    {"0603", 1.6, 0.8, 0.3, 0.45, 0.80, 0.95, 0.040e-12, 0.1},
    {"0805", 2.0, 1.25, 0.3, 0.5, 1.025, 1.40, 0.050e-12, 0.125},
    {"1206", 3.2, 1.6, 0.5, 0.6, 1.125, 1.75, 0.050e-12, 0.25},
}};

// Hammerstad and Jensen: the impedance in air of a strip of no thickness,
// `u` times as wide as it is high above its ground plane, ohms.
double airImpedance(double u)
{
    const double f = 6 + (2 * std::numbers::pi - 6) * std::exp(-std::pow(30.666 / u, 0.7528));
    return 60 * std::log(f / u + std::sqrt(1 + (2 / u) * (2 / u)));
}

// Hammerstad and Jensen: the effective permittivity of that strip on a
// dielectric of permittivity `er`.
double effectivePermittivity(double u, double er)
{
    const double a = 1 + std::log((std::pow(u, 4) + (u / 52) * (u / 52)) / (std::pow(u, 4) + 0.432)) / 49 +
                     std::log(1 + std::pow(u / 18.1, 3)) / 18.7;
    const double b = 0.564 * std::pow((er - 0.9) / (er + 3), 0.053);
    return (er + 1) / 2 + (er - 1) / 2 * std::pow(1 + 10 / u, -a * b);
}

// Kirschning, Jansen and Koster: how much longer an open end makes a strip
// look, as a fraction of its height.
double openEnd(double u, double er, double eeff)
{
    const double e81 = std::pow(eeff, 0.81), u8544 = std::pow(u, 0.8544);
    const double x1 = 0.434907 * (e81 + 0.26) * (u8544 + 0.236) / ((e81 - 0.189) * (u8544 + 0.87));
    const double x2 = 1 + std::pow(u, 0.371) / (2.358 * er + 1);
    const double x3 = 1 + 0.5274 * std::atan(0.084 * std::pow(u, 1.9413 / x2)) / std::pow(eeff, 0.9236);
    const double x4 = 1 + 0.0377 * std::atan(0.067 * std::pow(u, 1.456)) * (6 - 5 * std::exp(0.036 * (1 - er)));
    const double x5 = 1 - 0.218 * std::exp(-7.5 * u);
    return x1 * x3 * x5 / x4;
}

// A land of `length` along a strip and `width` across it, mm, `height` mm
// over the ground plane: its capacitance to ground, F.
double landCapacitance(double length, double width, double height, double er)
{
    const double u = width / height, eeff = effectivePermittivity(u, er);
    const double impedance = airImpedance(u) / std::sqrt(eeff);
    const double extended = (length + 2 * openEnd(u, er, eeff) * height) * metresPerMillimetre;
    return std::sqrt(eeff) * extended / (lightSpeed * impedance);
}

} // namespace

std::span<const ChipSize> chipSizes() { return sizes; }

const ChipSize* chipSizeByName(std::string_view name)
{
    const auto at = std::find_if(sizes.begin(), sizes.end(), [name](const ChipSize& s) { return s.name == name; });
    return at == sizes.end() ? nullptr : &*at;
}

Parasitics packageParasitics(const ChipSize& size, Board board)
{
    const double filmHeight = board.height + size.thickness;
    const double span = (size.bodyLength - size.termination) * metresPerMillimetre;
    const double pads = (landCapacitance(size.landLength, size.landWidth, board.height, board.permittivity) +
                         landCapacitance(size.landWidth, size.landLength, board.height, board.permittivity)) / 2;
    const double via = 0.2 * board.height * (1 + std::log(4 * board.height / viaDrill)) * henriesPerNanohenry;
    return {airImpedance(size.bodyWidth / filmHeight) * span / lightSpeed, size.bodyCapacitance, pads, via};
}

double ratingAt(const ChipSize& size, double ambient)
{
    if (ambient <= fullRatingUpTo)
        return size.rating;
    return size.rating * std::max(0.0, (noRatingFrom - ambient) / (noRatingFrom - fullRatingUpTo));
}

PadRating ratePad(const PadResult& pad, const ChipSize& size, double ambient)
{
    PadRating out{{}, ratingAt(size, ambient), {}, nullptr};
    for (std::size_t i = 0; i < pad.parts.size(); ++i) {
        const Part& part = pad.parts[i];
        // Of a pair in series the larger part takes the larger share, side
        // by side the smaller: either way larger / (larger + smaller).
        const double share = part.smaller == 0 ? 1 : part.larger / (part.larger + part.smaller);
        out.partPower.push_back(pad.worst.power[i] * share);
        if (out.partPower.back() > out.rating)
            out.over.push_back(i);
    }
    const double most = *std::max_element(out.partPower.begin(), out.partPower.end());
    for (const ChipSize& s : sizes)
        if (!out.smallest && most <= ratingAt(s, ambient))
            out.smallest = &s;
    return out;
}

} // namespace velkor
