#include "window/inputs.h"

namespace velkor {

Accepted acceptatten(double db)
{
    if (db > attenmax)
        db = attenmax;
    return {db, db > 0};
}

Accepted acceptpwr(double watts)
{
    if (watts > pwrmax)
        watts = pwrmax;
    if (watts < pwrmin)
        watts = pwrdefault;
    return {watts, true};
}

Accepted acceptsysz(double ohms)
{
    if (ohms <= 0)
        return {syszdefault, false};
    return {ohms, true};
}

} // namespace velkor
