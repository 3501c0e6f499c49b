#include "summary.h"

#include "numtext.h"

namespace velkor {
namespace {

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

std::string line(std::string_view what, std::string_view value, std::string_view unit = {})
{
    std::string out(what);
    out += ": ";
    out += trimmed(value);
    out += unit;
    out += '\n';
    return out;
}

} // namespace

std::string summary(const Inputs& in, const Captions& captions)
{
    std::string out = line("Attenuation", signtext(in.atten), " dB") + line("Input power", signtext(in.pwr), " W") +
                      line("System impedance", signtext(in.sysz), " ohms") + line("Series", seriesname(in.series));
    for (std::size_t i = 0; i < fieldcount; ++i)
        out += line(fielddescription(static_cast<Field>(i)), captions[i]);
    return out;
}

} // namespace velkor
