#pragma once
// What the window stores for a number read from each input box, and
// whether a recalculation follows. Values outside a box's limits are
// replaced silently; no input is ever rejected.

namespace velkor {

inline constexpr double attenmax = 60;      ///< dB; a larger attenuation is stored as this
inline constexpr double pwrmax = 100;       ///< W; a larger power is stored as this
inline constexpr double pwrmin = 0.1;       ///< W; a smaller power is replaced by pwrdefault
inline constexpr double pwrdefault = 1;     ///< W
inline constexpr double syszdefault = 50;   ///< ohms; replaces an impedance of 0 or below

/// The value to store for a number read, and whether to recalculate.
struct Accepted {
    double value;
    bool recalc;
};

/// Attenuation in dB: at most attenmax; recalculated only when above 0
/// (a value of 0 or below is stored but leaves the results as they were).
Accepted acceptatten(double db);

/// Input power in W: at most pwrmax; below pwrmin it becomes pwrdefault
/// (not pwrmin). Always recalculated.
Accepted acceptpwr(double watts);

/// System impedance in ohms: 0 or below becomes syszdefault and is not
/// recalculated (the box is written back, and that edit recalculates);
/// anything above 0 is kept and recalculated.
Accepted acceptsysz(double ohms);

} // namespace velkor
