#pragma once
// The inputs of a pad as typed, read and checked with one message each, so
// that the command line and the pad designer refuse the same text in the
// same words.

#include "pads/packages.h"
#include "pads/padkinds.h"

#include <string>
#include <string_view>

namespace velkor {

/// A value read from its text, or why it was refused.
struct Reading {
    double value = 0;          ///< as read; meaningful unless `unreadable`
    std::string error;         ///< why it was refused; empty when accepted
    bool unreadable = false;   ///< not a value of the notation at all, rather than one no pad takes
};

/// `why`, or the hint to type a hyphen-minus where `text` holds the Unicode
/// minus that word processors and web pages put in its place.
std::string hinted(std::string_view text, std::string why);

/// An input power, W (> 0): "1", "250m", "2.5W", "30dBm".
Reading readPowerText(std::string_view text);
/// A port impedance, ohms (> 0): "50", "75ohm", "4.7k", "4k7".
Reading readImpedanceText(std::string_view text);
/// The parts' tolerance, a percentage from 0 up to but not including 100
/// ("1" or "1%"), as the fraction it stands for.
Reading readToleranceText(std::string_view text);
/// A limit in dB above 0, for the flatness and the least return loss.
Reading readLimitText(std::string_view text);

/// A frequency alone, as one end of a sweep: "100M", "2.4GHz".
Reading readFrequencyText(std::string_view text);
/// A sweep's count of frequencies: a whole number from 2 to `limit`.
Reading readPointsText(std::string_view text, std::size_t limit);
/// One part's parasitic of `key` ("L", "C" or "CPAD"), H or F as `unit`
/// says: a value from 0 to 1, as --parasitics reads it.
Reading readParasiticText(std::string_view text, std::string_view key, std::string_view unit);

/// A board, read or why not.
struct BoardReading {
    Board board;
    std::string error;   ///< why it was refused; empty when read
};
/// A board: its height to the ground plane, from 0.05 to 5 mm ("0.2",
/// "0.2mm", "200um", "8mil"), and after a comma the dielectric's
/// permittivity, 1 to 20 ("0.2mm,4.3"); without one, FR-4's 4.3.
BoardReading readBoardText(std::string_view text);
/// A board's height to its ground plane, mm, from 0.05 to 5: "0.2",
/// "0.2mm", "200um", "8mil".
Reading readBoardHeightText(std::string_view text);
/// A board's permittivity, relative, from 1 to 20: "4.3".
Reading readPermittivityText(std::string_view text);
/// An ambient temperature, °C, from -55 to 155: "25".
Reading readAmbientText(std::string_view text);
/// A package size, 0201 to 1206; nothing, with why in `error`, for another text.
const ChipSize* readPackageText(std::string_view text, std::string& error);

/// A splitter's outputs: a whole number from leastOutputs to mostOutputs.
Reading readOutputsText(std::string_view text);

/// A state of a step attenuator of `states` states: a whole number from 0
/// to states - 1.
Reading readStateText(std::string_view text, std::size_t states);

/// Why no pad of kind `k` and `db` decibels joins the ports (the loss is at
/// or below the kind's least), or "". The Pi and T share their minimum and
/// are named together.
std::string attenuationRefusal(double db, Ports p, PadKind k);

/// Why the states of `bits` bits of kind `k` cannot be taken to the
/// corners of their tolerance (more than mostCornerParts parts), or "".
std::string cornersRefusal(PadKind k, std::size_t bits);

} // namespace velkor
