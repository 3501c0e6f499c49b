#include "pads/radio.h"

#include <cmath>

namespace velkor {

std::optional<std::vector<PadRadio>> evaluateRadio(const std::vector<PadResult>& pads, Ports p,
                                                   const RadioFrequency& radio, const Cancel& cancel)
{
    std::vector<PadRadio> out;
    for (const PadResult& pad : pads) {
        PadRadio r;
        if (radio.modelled)
            r.bandwidths = bandwidths(pad, p, radio.parts, radio.flatness, radio.minReturnLoss, cancel);
        r.response = response(pad, p, radio.parts, radio.hertz, cancel);
        if (cancelled(cancel))
            return std::nullopt;
        if (radio.package)
            r.rating = ratePad(pad, *radio.package, radio.ambient);
        for (const SParameters& s : r.response)
            for (const Complex c : {s.s11, s.s21, s.s22})
                if (!std::isfinite(c.real()) || !std::isfinite(c.imag()))
                    return std::nullopt;
        out.push_back(std::move(r));
    }
    return out;
}

} // namespace velkor
