#pragma once
// Pads as SPICE netlists that a circuit simulator runs as they are.

#include "pads/pads.h"
#include "pads/radio.h"

#include <optional>
#include <string>

namespace velkor {

/// A netlist of the pads as built: each a subcircuit named after the pad
/// ("pi", "t", "bridged_t", "l_pad") with ports in, out and gnd, then a
/// test bench for each (a 1 V source behind zin ohms, the pad, a load of
/// zout ohms), and a control block after which `ngspice -b` prints
/// "<pad>_attenuation_db = ..." and "<pad>_input_ohm = ..." for each pad.
/// The first line, a comment, names the request.
///
/// With `radio` modelled, each part's L and C and each node's pad
/// capacitance stand in the subcircuits; with frequencies, the control block
/// runs an AC analysis at each and prints a line "<pad>_s21_db HZ DB" for
/// each pad, S21 in dB with ports of zin and zout.
std::string netlist(const PadRequest& q, const std::vector<PadResult>& pads,
                    const std::optional<RadioFrequency>& radio = std::nullopt);

} // namespace velkor
