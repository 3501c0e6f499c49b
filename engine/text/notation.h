#pragma once
// The number notations of the command line and the pad designer: decimals, SI prefixes, dBm and
// resistor codes. Each reader gives a finite double or nothing; whether the
// value makes sense (its sign, its size) is checked by the caller.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velkor {

/// A plain decimal: optional sign, digits with at most one point, optional
/// exponent E or e with optional sign ("6", "-0.5", ".5", "1e1", "2.5E-3").
/// Nothing for any other text, for inf and nan, and for a value beyond the
/// range of a double (too large, or too small to be told from 0).
std::optional<double> readDecimal(std::string_view text);

/// A number of dB: a decimal with an optional unit dB in any case, after
/// at most one blank ("20", "20dB", "20 dB").
std::optional<double> readDecibels(std::string_view text);

/// A percentage as the fraction it stands for, read in decimal so that it
/// is the double nearest the typed value's hundredth: "5" is 0.05.
std::optional<double> readPercent(std::string_view text);

/// A power in W: a decimal with an optional SI prefix (p n u µ m k M G) and
/// an optional unit W ("1", "250m", "2.5W", "100mW"), or a decimal followed
/// by dBm ("30dBm" is 1 W, "-10dBm" 0.1 mW).
std::optional<double> readPower(std::string_view text);

/// An impedance in ohms: a decimal with an optional SI prefix and an optional
/// unit ohm, ohms or Ω ("50", "75ohm", "4.7k", "1Mohms"), or a resistor code
/// whose letter R, r, k, K, M, G or T stands at the decimal point ("4k7",
/// "R47", "68R", "1M5", "R047"). Every code the window writes reads back.
std::optional<double> readImpedance(std::string_view text);

/// The values of one DB argument: a decimal, or a range FROM:TO:STEP with
/// both ends included, each value computed in decimal from FROM and STEP
/// so that it is the double its own decimal text reads as.
struct DbValues {
    std::vector<double> values;
    std::string error;   ///< why the argument was refused; empty when read
};

/// Reads one DB argument; a range of more than `limit` values is refused.
DbValues readDb(std::string_view text, std::size_t limit);

/// A frequency in Hz, from 0 to 1e15: a decimal with an optional SI prefix
/// k, M, G or T and an optional unit Hz ("100M", "2.4GHz", "1e9").
std::optional<double> readFrequency(std::string_view text);

/// The frequencies of a --frequency argument: one frequency, or
/// START:STOP:POINTS, POINTS frequencies evenly spaced from START to STOP,
/// both included, or START:STOP:POINTS:log (log in any case), evenly on a
/// log scale; each between the ends the nearest decimal of 15 significant
/// digits.
struct Sweep {
    std::vector<double> hertz;
    std::string error;   ///< why the argument was refused; empty when read
};

/// The most frequencies of one sweep.
constexpr std::size_t mostSweepPoints = 100001;

/// Reads a --frequency argument; more than `limit` points is refused.
Sweep readSweep(std::string_view text, std::size_t limit);

/// Why a text is refused as a frequency.
inline constexpr std::string_view notFrequency = "not a frequency up to 1000T: write hertz as 100M, "
                                                 "2.4GHz or 1e9 (M is mega; m, milli, has no place here)";

/// A sweep's count of frequencies: a whole number from 2 to `limit`.
std::optional<std::size_t> readPoints(std::string_view text, std::size_t limit);
/// Why a count of frequencies is refused.
std::string pointsRefusal(std::size_t limit);

/// Why no sweep runs from `start` to `stop` Hz, evenly or on a log scale:
/// START not below STOP, or a log sweep from 0 Hz; "" for one that does.
std::string sweepRefusal(double start, double stop, bool log = false);

/// The `points` (>= 2) frequencies of a sweep from `start` to `stop` Hz,
/// both included, evenly spaced or on a log scale, each between them the
/// nearest decimal of 15 significant digits; refused where START is not
/// below STOP, or a log sweep starts at 0 Hz.
Sweep sweepBetween(double start, double stop, std::size_t points, bool log = false);

/// A height in millimetres: a decimal, plain (mm) or with the unit mm, um
/// or mil: "0.2", "0.2mm", "200um", "8mil" (8 mil is 0.2032 mm).
std::optional<double> readMillimetres(std::string_view text);

/// The values a --parasitics argument gives ("L=0.5n,C=50f,CPAD=80f"), each
/// in H or F; any of them may be missing.
struct ParasiticValues {
    std::optional<double> inductance, capacitance, padCapacitance;
    std::string error;   ///< why the argument was refused; empty when read
};

/// One part's parasitic, a value from 0 to 1 in `unit` (H or F, upper case,
/// optional) with an optional prefix f p n u (or µ) m: "0.5n", "50fF".
std::optional<double> readParasitic(std::string_view text, std::string_view unit);
/// Why a parasitic of key `key` ("L") is refused.
std::string parasiticRefusal(std::string_view key);

/// Reads a --parasitics argument: keys L, C and CPAD, comma-separated, each
/// at most once, each a decimal from 0 to 1 (H or F) with an optional prefix f p n u (or µ) m
/// and an optional unit H or F, upper case.
ParasiticValues readParasitics(std::string_view text);

} // namespace velkor
