#include "text/report.h"

#include "text/writer.h"

#include "base/numtext.h"
#include "text/quantities.h"
#include "window/summary.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <span>
#include <string_view>
#include <vector>

namespace velkor {

using namespace writer;

namespace {

// The lines of a pad that the window has no field for; with `whole`, every
// line of the pad, for a pad the window does not show.
std::string moreLines(const PadResult& p, const Row& r, TextLines lines, bool whole)
{
    const PadDescription& kind = describe(p.kind);
    const std::string pad(kind.lineName), lower(kind.inlineName);
    const auto label = [&](std::size_t i) { return std::string(resistorsOf(kind.kind, r.ports).at(i).label); };
    const std::size_t count = p.theory.size();
    std::string out;
    const auto line = [&out](const std::string& what, const std::string& value) {
        out += summaryline(what, value);
    };
    const auto powers = [&](const char* what, const Values& watts, Rounding rounding) {
        for (std::size_t i = 0; i < count; ++i)
            line("Power in " + lower + " " + label(i) + ", " + what, wattsText(watts[i], rounding));
    };
    if (whole) {   // the pads the window does not show, field by field as it would
        if (kind.fansOut)
            line(pad + " outputs", std::to_string(r.ports.outputs));
        for (std::size_t i = 0; i < count; ++i)
            line(pad + " " + label(i) + " theoretical value in ohms", ohmsText(p.theory[i]));
        powers("theoretical", p.theoryPower, Rounding::nearest);
        for (std::size_t i = 0; i < count; ++i)
            line(pad + " " + label(i) + " preferred value", p.parts[i].code);
        powers("preferred value", p.built.power, Rounding::nearest);
        line(pad + " actual attenuation with preferred values", attenuationText(p.built.atten));
        line(pad + " input VSWR with preferred values", vswrText(p.built.vswr));
        line(pad + " return loss with preferred values", returnLossText(p.built.rho));
    } else if (lines.all && kind.window == InWindow::withoutTheoreticalPowers) {
        powers("theoretical", p.theoryPower, Rounding::nearest);
    }
    if (r.ports.zin != r.ports.zout || lines.all || kind.fansOut) {
        line(pad + " output return loss with preferred values", returnLossText(p.built.outRho));
        line(pad + " insertion loss with preferred values", decibelText(p.built.insertionLoss));
    }
    if (kind.fansOut)
        line(pad + " isolation between outputs with preferred values", decibelText(p.built.isolation));
    if (r.tolerance.given || lines.all) {
        const std::string at = " at " + shortest(r.tolerance.percent()) + " % tolerance";
        line(pad + " worst-case attenuation" + at, decibelText(p.worst.attenLow, Rounding::down) + " to " +
                                                       decibelText(p.worst.attenHigh, Rounding::up));
        line(pad + " worst-case input VSWR" + at, vswrText(p.worst.vswr, Rounding::up));
        line(pad + " worst-case return loss" + at, returnLossText(p.worst.rho, true));
        powers(("worst case" + at).c_str(), p.worst.power, Rounding::up);
    }
    return out;
}

// A pad's bandwidths, and its response as a table of one line a frequency.
std::string radioLines(const PadResult& p, const Row& r, const PadRadio& radio)
{
    const std::string pad(describe(p.kind).lineName);
    const auto upto = [](std::optional<double> hz) {
        return hz ? hertzText(*hz, Rounding::down) : std::string("beyond 1 THz");
    };
    std::string out;
    if (r.radio->modelled) {
        out += summaryline(pad + " flat within " + shortest(r.radio->flatness) + " dB up to",
                           upto(radio.bandwidths.flat));
        out += summaryline(pad + " return loss " + shortest(r.radio->minReturnLoss) + " dB or better up to",
                           upto(radio.bandwidths.matched));
    }
    if (radio.rating)
        out += ratingLines(pad, *radio.rating, *r.radio->package, resistorsOf(p.kind, r.ports));
    if (r.radio->hertz.empty())
        return out;
    out += pad + " response: frequency, insertion loss, input return loss, output return loss\n";
    for (std::size_t i = 0; i < r.radio->hertz.size(); ++i) {
        const SParameters& s = radio.response[i];
        out += "  " + hertzText(r.radio->hertz[i]) + ", " + decibelText(-transmissionDecibels(s.s21)) + ", " +
               decibelText(-decibels(s.s11)) + ", " + decibelText(-decibels(s.s22)) + "\n";
    }
    return out;
}

} // namespace

std::string packageWords(const RadioFrequency& radio)
{
    return std::string(radio.package->name) + " chips on a board " + shortest(radio.board.height) +
           " mm above its ground plane, permittivity " + shortest(radio.board.permittivity) +
           "; a part on ground has " + shortest(radio.parts.viaInductance) + " H more, its via's";
}

std::string ratingLines(const std::string& pad, const PadRating& rating, const ChipSize& size,
                        const std::vector<Resistor>& resistors)
{
    // The worst case rounded outward, as everywhere.
    std::string over;
    for (std::size_t i : rating.over) {
        const std::string part = std::string(resistors[i].label) + " " + wattsText(rating.partPower[i], Rounding::up);
        over += over.empty() ? part + " over the " + wattsText(rating.rating) + " rating" : ", " + part + " over it";
    }
    std::string out = summaryline(pad + " parts " + std::string(size.name),
                                  over.empty() ? "every part within its " + wattsText(rating.rating) + " rating" : over);
    const std::string smallest = rating.smallest ? std::string(rating.smallest->name)
                                                 : "none of " + std::string(chipSizes().front().name) + " to " +
                                                       std::string(chipSizes().back().name);
    return out + summaryline(pad + " smallest package that carries every part", smallest);
}

std::string textBlock(const Row& r, const std::optional<Captions>& captions, TextLines lines)
{
    const bool unequal = r.ports.zin != r.ports.zout;
    const Inputs in{r.db.value_or(0), r.power, r.ports.zin, r.series,
                    unequal ? std::optional(r.ports.zout) : std::nullopt, r.pairs};
    std::string out;
    if (captions) {
        out = summary(in, *captions);
    } else {
        out = summaryinputs(in);
        if (!r.db)   // the L-pad alone sets its own attenuation
            out.erase(0, out.find('\n') + 1);
    }
    if (unequal)
        out += summaryline("Minimum attenuation", decibelText(minimumAttenuation(r.ports)));
    for (std::size_t i = 0; i < r.pads.size(); ++i) {
        const PadResult& p = r.pads[i];
        const bool extra = describe(p.kind).window == InWindow::no;
        if (!extra || unequal || lines.all || lines.named) {
            out += moreLines(p, r, lines, extra || !captions);
            if (r.radio)
                out += radioLines(p, r, r.padRadio[i]);
        }
    }
    return out;
}

void csvHeader(std::string& out, const Row& r)
{
    CsvWriter w(out, true);
    walk(w, r);
    out += '\n';
}

void csvRow(std::string& out, const Row& r)
{
    CsvWriter w(out, false);
    walk(w, r);
    out += '\n';
}

void jsonObject(std::string& out, const Row& r)
{
    JsonWriter w(out);
    out += '{';
    walk(w, r);
    out += '}';
}

void csvResponse(std::string& out, const Row& r, bool header, const std::function<void(std::string&)>& spill)
{
    if (header) {
        out += "attenuation_db,pad";
        responseHeader(out);
        out += '\n';
    }
    for (std::size_t p = 0; p < r.pads.size(); ++p) {
        const std::string_view key = describe(r.pads[p].kind).key;
        for (std::size_t i = 0; i < r.radio->hertz.size(); ++i) {
            if (r.db)
                number(out, *r.db);
            (out += ',') += key;
            responseCells(out, r.radio->hertz[i], r.padRadio[p].response[i]);
            out += '\n';
            if (spill)
                spill(out);
        }
    }
}

} // namespace velkor
