#include "window/summary.h"

#include "base/numtext.h"

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

} // namespace

std::string summaryline(std::string_view what, std::string_view value, std::string_view unit)
{
    std::string out(what);
    out += ": ";
    out += trimmed(value);
    out += unit;
    out += '\n';
    return out;
}

std::string summaryinputs(const Inputs& in)
{
    std::string out = summaryline("Attenuation", signText(in.atten), " dB");
    out += summaryline("Input power", signText(in.pwr), " W");
    out += summaryline("System impedance", signText(in.sysz), " ohms");
    if (in.zout)
        out += summaryline("Output impedance", signText(*in.zout), " ohms");
    out += summaryline("Series", seriesName(in.series));
    if (in.pairs)
        out += summaryline("Parts", "one each, or the closest pair");
    return out;
}

std::string summary(const Inputs& in, const Captions& captions)
{
    std::string out = summaryinputs(in);
    for (std::size_t i = 0; i < fieldcount; ++i)
        out += summaryline(fielddescription(static_cast<Field>(i)), captions[i]);
    return out;
}

} // namespace velkor
