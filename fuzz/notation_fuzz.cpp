// The command line's number readers on any text: a reading is a finite
// value or a refusal, never a crash, and the notations agree with each other
// where they overlap.

#include "text/notation.h"
#include "text/readings.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <locale.h>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace velkor;
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::optional<double> plain = readDecimal(text);
    if (plain) {
        // What the decimal grammar accepts, the C library reads the same.
        static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
        char* end = nullptr;
        if (strtod_l(text.c_str(), &end, c) != *plain || end != text.c_str() + text.size())
            std::abort();
    }
    // A reading that is not finite, or that differs from the plain decimal
    // reading of the same text where that exists, is a failure.
    // Units in any case, after one blank or none, and both ohm signs.
    for (const std::optional<double> got :
         {plain, readPower(text), readImpedance(text), readPower(text + "W"),
          readPower(text + " w"), readImpedance(text + "\u2126"), readImpedance(text + " OHM")})
        if ((got && !std::isfinite(*got)) || (plain && got != plain))
            std::abort();
    const DbValues unit = readDb(text + " dB", 1);
    if (plain && (unit.values.size() != 1 || unit.values[0] != *plain))
        std::abort();
    constexpr std::size_t limit = 1000;
    const DbValues v = readDb(text, limit);
    if (v.values.size() > limit || v.error.empty() == v.values.empty())
        std::abort();
    for (double db : v.values)
        if (!std::isfinite(db))
            std::abort();
    // Frequencies: a sweep read is ascending, finite and within its limit;
    // a plain non-negative decimal is a frequency in hertz.
    const Sweep sweep = readSweep(text, limit);
    if (sweep.hertz.size() > limit || sweep.error.empty() == sweep.hertz.empty() ||
        !std::is_sorted(sweep.hertz.begin(), sweep.hertz.end()) ||
        (plain && *plain >= 0 && *plain <= 1e15 && readFrequency(text + "Hz") != plain))
        std::abort();
    for (double hz : sweep.hertz)
        if (!std::isfinite(hz) || hz < 0)
            std::abort();
    // Boards: a board read lies within its bounds; a plain decimal is
    // millimetres, and micrometres are a thousandth of them.
    const velkor::BoardReading board = readBoardText(text);
    if (board.error.empty() && !(board.board.height >= leastBoardHeight && board.board.height <= mostBoardHeight &&
                                 board.board.permittivity >= leastPermittivity &&
                                 board.board.permittivity <= mostPermittivity))
        std::abort();
    if (plain && (readMillimetres(text) != plain || readMillimetres(text + "mm") != plain))
        std::abort();
    const Reading ambient = readAmbientText(text);
    if (ambient.error.empty() && !(ambient.value >= leastAmbient && ambient.value <= mostAmbient))
        std::abort();
    // Parasitics: read values are finite and not negative.
    const ParasiticValues x = readParasitics(text);
    for (const std::optional<double> value : {x.inductance, x.capacitance, x.padCapacitance})
        if (value && (!std::isfinite(*value) || *value < 0))
            std::abort();
    return 0;
}
