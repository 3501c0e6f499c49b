#pragma once
// The output formats of the command line, and of the pad designer's copies.
// Text repeats the window's captions; CSV and JSON carry the numbers
// themselves, each written as the shortest text that reads back as the same
// double.

#include "pads/pads.h"
#include "pads/radio.h"
#include "window/fields.h"

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace velkor {

enum class Format { text, csv, json, spice, touchstone };

/// One evaluated value: its inputs and every pad worked out from them.
struct Row {
    std::optional<double> db;   ///< none for the L-pad alone
    double power;               ///< W
    Ports ports;                ///< ohms
    Series series;
    Tolerance tolerance;
    bool pairs;                 ///< a resistor may be a pair of parts
    std::vector<PadResult> pads;
    std::optional<RadioFrequency> radio = std::nullopt;   ///< what is asked at radio frequencies, if anything
    std::vector<PadRadio> padRadio = {};                  ///< one for each pad when `radio` is set
};

/// Which further lines the text format gives beyond the window's. Unequal
/// impedances always add the minimum attenuation, each pad's output return
/// loss and insertion loss, and the L-pad; a tolerance given adds the worst
/// case at it.
struct TextLines {
    bool all = false;     ///< everything, the bridged-T or L-pad included
    bool named = false;   ///< the pads were named: each gives its lines
};

/// The text of one row: the window's own `captions` where it could show
/// these inputs (a Pi and T between equal impedances from E6 to E24 parts)
/// and nothing more unless `lines` asks; otherwise each pad's lines under
/// the same names. Lines other than the window's write plain numbers with
/// their units, the worst case rounded outward.
std::string textBlock(const Row& r, const std::optional<Captions>& captions, TextLines lines);

/// A response as text lines under `what` ("Pi"): a line a frequency of
/// insertion loss, input and output return loss, dB; "" without
/// frequencies.
std::string responseTable(const std::string& what, const std::vector<double>& hertz,
                          const std::vector<SParameters>& response);

/// The parts' package and board in words, for the comments of a netlist or
/// a Touchstone file: "0603 chips on a board 0.2 mm above its ground plane,
/// permittivity 4.3; a part on ground has 7.9233e-11 H more, its via's".
std::string packageWords(const RadioFrequency& radio);

/// A pad's parts against their rating: "every part within its 0.100 W
/// rating", or each part over it with its worst-case power rounded up.
std::string ratingWords(const PadRating& rating, const std::vector<Resistor>& resistors);
/// The smallest size that carries every part, or "none of 0201 to 1206".
std::string smallestWords(const PadRating& rating);

/// A pad's parts against their package's rating, as text lines named after
/// the pad ("Pi"): which take more than the rating, and the smallest
/// package that carries every part.
std::string ratingLines(const std::string& pad, const PadRating& rating, const ChipSize& size,
                        const std::vector<Resistor>& resistors);

/// The CSV header line, column names joining the JSON keys with underscores
/// and numbering array elements from 1 ("pi_theoretical_ohm_1"). With
/// `columns`, the columns of a pad of each of those kinds in turn, whichever
/// the row has.
void csvHeader(std::string& out, const Row& r, std::span<const PadKind> columns = {});
/// One CSV line per row; with `columns`, as csvHeader lays them out, empty
/// cells where the row has no pad of a kind.
void csvRow(std::string& out, const Row& r, std::span<const PadKind> columns = {});

/// One JSON object on one line, without a line feed.
void jsonObject(std::string& out, const Row& r);
/// The response as CSV rows of one value, pad and frequency each; with
/// `header`, the header line first. `spill` is handed `out` after each line,
/// to pass a long table on as it grows.
void csvResponse(std::string& out, const Row& r, bool header,
                 const std::function<void(std::string&)>& spill = {});

} // namespace velkor
