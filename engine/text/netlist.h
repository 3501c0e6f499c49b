#pragma once
// Pads as SPICE netlists that a circuit simulator runs as they are.

#include "pads/pads.h"
#include "pads/radio.h"
#include "pads/steps.h"

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

/// One state (0 to 2^bits - 1) of a step attenuator as built: each bit
/// switched in a subcircuit ("bit1", "bit2" ...), in one test bench named
/// "state<N>" with the bits in between the source and the load in their
/// order, a wire for each bit out; `ngspice -b` prints
/// "state<N>_attenuation_db" and "state<N>_input_ohm", and with the
/// request's frequencies a line "state<N>_s21_db HZ DB" at each.
std::string stateNetlist(const StepResult& r, std::size_t state);

} // namespace velkor
