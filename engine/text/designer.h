#pragma once
// The pad designer's sheet: its inputs as typed, read in the command line's
// notations with its messages, and everything it shows, worked out by the
// same engine calls the command line makes, so that the two always agree.

#include "pads/packages.h"
#include "pads/steps.h"
#include "text/report.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace velkor {

/// A box's text and, once read, why it was refused ("" when read).
struct BoxText {
    std::string text;
    std::string error = {};
};

/// Where the parts' parasitics come from.
enum class PartsFrom { ideal, package, custom };

/// The pad designer's inputs.
struct DesignInputs {
    PadKind kind = PadKind::pi;
    BoxText db{"6"};            ///< dB; not read for a kind that takes none
    BoxText outputs{"2"};       ///< a splitter's; not read for another kind
    BoxText power{"1"};         ///< W or dBm
    BoxText zin{"50"};          ///< ohms or a resistor code
    BoxText zout{""};           ///< likewise; empty for the input's impedance
    Series series = Series::E12;
    BoxText tolerance{""};      ///< percent; empty for the series' own
    bool pairs = false;
    /// The parts: a chip size on the board below, ideal parts, or parts
    /// with the three values typed in ("Custom").
    PartsFrom partsFrom = PartsFrom::package;
    const ChipSize* package = chipSizeByName("0603");   ///< with PartsFrom::package
    BoxText boardHeight{"0.2"}, permittivity{"4.3"};   ///< mm, and relative
    BoxText ambient{"25"};                             ///< °C
    BoxText inductance{"0.5n"}, capacitance{"50f"}, padCapacitance{"80f"};   ///< H, F, F
    BoxText from{"10M"}, to{"6G"}, points{"600"};   ///< the sweep: Hz, Hz and a count
    BoxText flatness{"0.1"}, minReturnLoss{"20"};   ///< dB
    /// A step attenuator rather than a pad: `bits` in place of `db` and
    /// `outputs`, between equal impedances (`zout` not read).
    bool steps = false;
    BoxText bits{"1 2 4 8 16 32"};   ///< dB, 1 to mostBits values, blanks or commas between
    /// The state whose response is worked out; none for the worst error's.
    std::optional<std::size_t> state;
};

/// A step attenuator of the designer: its request, and once worked out its
/// states and one state's response over the sweep.
struct StepDesign {
    StepRequest request;   ///< its radio set where the parts have parasitics
    std::optional<StepResult> result;
    std::optional<std::size_t> state;   ///< as asked; the state shown once worked out
    std::vector<SParameters> response;  ///< the state's, at the sweep's frequencies
};

/// The inputs read, and once worked out the pad; or why it has no design.
struct PadDesign {
    PadRequest request;
    RadioFrequency radio;     ///< the parts and the limits asked; the sweep's frequencies once worked out
    /// The sweep asked: its ends, Hz, and its count of frequencies.
    struct {
        double from = 0, to = 0;
        std::size_t points = 0;
    } sweep = {};
    std::optional<Row> row;   ///< the pad and its response, the sweep's and the parts'; none when it has no design
    std::string why;          ///< when there is no row: why, in words
    std::optional<StepDesign> steps;   ///< in place of the pad's row, for a step attenuator
};

/// The parts' parasitics under the size chosen, on the board as typed;
/// nothing while the board's boxes hold no valid values.
std::optional<Parasitics> sizedParts(const DesignInputs& in);

/// Reads every box of `in`, setting each box's error and clearing those of
/// the boxes read; nothing when any box is refused. The pad is not worked
/// out yet: `why` says already where it has no design.
std::optional<PadDesign> readDesign(DesignInputs& in);

/// Whether `d` has its results: a row, or the states of its steps.
bool designed(const PadDesign& d);

/// Works out the pad of a design read and its results at radio
/// frequencies, the long part, the sweep's frequencies among them: sets
/// `row`, or `why` where a value leaves the range of a double. False, with
/// neither set, when `cancel` stopped it.
bool workOut(PadDesign& d, const Cancel& cancel = {});

/// One result as the designer shows it: what it is ("Input VSWR") and its
/// value with its unit ("1.01").
struct ResultLine {
    std::string what, value;
    /// What a screen reader adds after the value, and the window marks:
    /// "over its 0.100 W rating"; "" for most.
    std::string note = {};
};

/// The response over the sweep as losses, dB (positive), at each frequency.
struct Curves {
    std::vector<double> hertz, insertionLoss, inputReturnLoss, outputReturnLoss;
};

/// Everything the designer shows of a design that has a row.
struct DesignResults {
    /// A resistor's values and powers, each with its unit.
    struct Resistor {
        std::string name;          ///< "R1"
        std::string theoretical;   ///< "150.5 Ω"
        std::string preferred;     ///< its code: "150R", "150R+R47"
        std::string power;         ///< as built: "0.333 W"
        std::string worstPower;    ///< at the tolerance, rounded up; with a package, its most loaded part's
        std::string overRating;    ///< with a package: "over its 0.100 W rating"; else ""
    };
    std::vector<Resistor> resistors;   ///< in the kind's order
    /// The pad's figures as built and at the tolerance, in the order shown.
    std::vector<ResultLine> figures;
    ResultLine flatTo, matchedTo;      ///< the bandwidths
    /// With a package: "Smallest package", a size or "none of 0201 to 1206".
    std::optional<ResultLine> smallestPackage;
    Curves curves;

    /// Every result as "what" and value, in the order shown: each
    /// resistor's ("R1 theoretical" ... "R1 worst-case power"), the
    /// figures, the bandwidths, the smallest package.
    std::vector<ResultLine> lines() const;
};

/// The results of a design that has a row.
DesignResults designResults(const PadDesign& d);

/// What the designer copies and saves, each as velkor-cli writes it for the
/// same inputs: the text of --all (without the response table), the JSON,
/// the SPICE netlist and the Touchstone file of the sweep. Of a step
/// attenuator: the text and JSON of --steps without --frequency, and the
/// netlist and Touchstone file of the state shown.
std::string resultsText(const PadDesign& d);
std::string resultsJson(const PadDesign& d);
std::string spiceText(const PadDesign& d);
std::string touchstoneText(const PadDesign& d);

} // namespace velkor
