#include "text/report.h"

#include "text/writer.h"

#include "base/numtext.h"
#include "text/quantities.h"
#include "window/summary.h"

#include <algorithm>
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
    const std::size_t count = p.theory.size();
    // A resistor by its label after the pad's name; a pad of one resistor
    // is named once.
    const auto label = [&](std::size_t i) {
        return count == 1 ? std::string() : std::string(" ").append(resistorsOf(kind.kind, r.ports).at(i).label);
    };
    std::string out;
    const auto line = [&out](const std::string& what, const std::string& value) {
        out += summaryline(what, value);
    };
    const auto powers = [&](const char* what, const Values& watts, Rounding rounding) {
        for (std::size_t i = 0; i < count; ++i)
            line("Power in " + lower + label(i) + ", " + what, wattsText(watts[i], rounding));
    };
    if (whole) {   // the pads the window does not show, field by field as it would
        if (kind.fansOut)
            line(pad + " outputs", std::to_string(r.ports.outputs));
        if (const std::optional<Node> port = shuntPort(p.kind, r.ports))
            line(pad + " shunt at", "the " + shortest(*port == in ? r.ports.zin : r.ports.zout) + " ohm side, the " +
                                        (*port == in ? "input" : "output"));
        for (std::size_t i = 0; i < count; ++i)
            line(pad + label(i) + " theoretical value in ohms", ohmsText(p.theory[i]));
        powers("theoretical", p.theoryPower, Rounding::nearest);
        for (std::size_t i = 0; i < count; ++i)
            line(pad + label(i) + " preferred value", p.parts[i].code);
        powers("preferred value", p.built.power, Rounding::nearest);
        line(pad + " actual attenuation with preferred values", attenuationText(p.built.atten));
        line(pad + " input VSWR with preferred values", vswrText(p.built.vswr));
        line(pad + " return loss with preferred values", returnLossText(p.built.rho));
    } else if (lines.all && kind.window == InWindow::withoutTheoreticalPowers) {
        powers("theoretical", p.theoryPower, Rounding::nearest);
    }
    const bool further = r.ports.zin != r.ports.zout || lines.all || kind.fansOut;
    if (further)
        line(pad + " output return loss with preferred values", returnLossText(p.built.outRho));
    if (further || kind.byInsertionLoss)   // what it was designed for
        line(pad + " insertion loss with preferred values", decibelText(p.built.insertionLoss));
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
    std::string out;
    if (r.radio->modelled) {
        out += summaryline(pad + " flat within " + shortest(r.radio->flatness) + " dB up to",
                           bandwidthText(radio.bandwidths.flat));
        out += summaryline(pad + " return loss " + shortest(r.radio->minReturnLoss) + " dB or better up to",
                           matchedText(radio.bandwidths.matched, std::min(p.built.returnLoss, p.built.outReturnLoss)));
    }
    if (radio.rating)
        out += ratingLines(pad, *radio.rating, *r.radio->package, resistorsOf(p.kind, r.ports));
    return out + responseTable(pad, r.radio->hertz, radio.response);
}

} // namespace

std::string responseTable(const std::string& what, const std::vector<double>& hertz,
                          const std::vector<SParameters>& response)
{
    if (hertz.empty())
        return {};
    std::string out = what + " response: frequency, insertion loss, input return loss, output return loss\n";
    for (std::size_t i = 0; i < hertz.size(); ++i) {
        const SParameters& s = response[i];
        out += "  " + hertzText(hertz[i]) + ", " + decibelText(-transmissionDecibels(s.s21)) + ", " +
               decibelText(-decibels(s.s11)) + ", " + decibelText(-decibels(s.s22)) + "\n";
    }
    return out;
}

std::string packageWords(const RadioFrequency& radio)
{
    return std::string(radio.package->name) + " chips on a board " + shortest(radio.board.height) +
           " mm above its ground plane, permittivity " + shortest(radio.board.permittivity) +
           "; a part on ground has " + shortest(radio.parts.viaInductance) + " H more, its via's";
}

std::string ratingWords(const PadRating& rating, const std::vector<Resistor>& resistors)
{
    // The worst case rounded outward, as everywhere.
    std::string over;
    for (std::size_t i : rating.over) {
        const std::string part = (resistors.size() == 1 ? "" : std::string(resistors[i].label) + " ") +
                                 wattsText(rating.partPower[i], Rounding::up);
        over += over.empty() ? part + " over the " + wattsText(rating.rating) + " rating" : ", " + part + " over it";
    }
    return over.empty() ? "every part within its " + wattsText(rating.rating) + " rating" : over;
}

std::string smallestWords(const PadRating& rating)
{
    return rating.smallest ? std::string(rating.smallest->name)
                           : "none of " + std::string(chipSizes().front().name) + " to " +
                                 std::string(chipSizes().back().name);
}

std::string ratingLines(const std::string& pad, const PadRating& rating, const ChipSize& size,
                        const std::vector<Resistor>& resistors)
{
    return summaryline(pad + " parts " + std::string(size.name), ratingWords(rating, resistors)) +
           summaryline(pad + " smallest package that carries every part", smallestWords(rating));
}

std::string textBlock(const Row& r, const std::optional<Captions>& captions, TextLines lines)
{
    const bool unequal = r.ports.zin != r.ports.zout;
    const Inputs in{r.db.value_or(0), r.power, r.ports.zin, r.series,
                    unequal ? std::optional(r.ports.zout) : std::nullopt, r.pairs};
    const auto any = [&r](bool PadDescription::*what) {
        return std::any_of(r.pads.begin(), r.pads.end(), [&](const PadResult& p) { return describe(p.kind).*what; });
    };
    std::string out;
    if (captions) {
        out = summary(in, *captions);
    } else {
        out = summaryinputs(in);
        if (!r.db || !any(&PadDescription::takesDb))   // each pad shown sets its own attenuation
            out.erase(0, out.find('\n') + 1);
    }
    // The least loss of a pad matched at both ports between these impedances.
    if (unequal && any(&PadDescription::matched))
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

namespace {

// A stand-in for a pad of kind `k` that a row has none of: its columns'
// shape, every value empty.
std::pair<PadResult, PadRadio> absentPad(PadKind k, const Row& r)
{
    const std::size_t n = resistorsOf(k, r.ports).size();
    PadResult pad{k, Values(n), Values(n), Values(n), std::vector<Part>(n), {}, {}};
    pad.built.power = pad.worst.power = Values(n);
    PadRadio radio;
    if (r.radio && r.radio->package)
        radio.rating = PadRating{Values(n), 0, {}, nullptr};
    return {std::move(pad), std::move(radio)};
}

// The header's names or a row's cells: the row's pads, or with `columns` a
// pad of each of those kinds, the row's own or empty cells.
void csvLine(std::string& out, const Row& r, bool header, std::span<const PadKind> columns)
{
    CsvWriter w(out, header);
    if (columns.empty()) {
        walk(w, r);
    } else {
        walkHead(w, r, true);
        for (PadKind k : columns) {
            const auto own = std::find_if(r.pads.begin(), r.pads.end(), [k](const PadResult& p) { return p.kind == k; });
            const std::size_t i = static_cast<std::size_t>(own - r.pads.begin());
            if (own != r.pads.end()) {
                walkPad(w, r, *own, i < r.padRadio.size() ? &r.padRadio[i] : nullptr);
                continue;
            }
            const auto [pad, radio] = absentPad(k, r);
            w.blank(true);
            walkPad(w, r, pad, &radio);
            w.blank(false);
        }
    }
    out += '\n';
}

} // namespace

void csvHeader(std::string& out, const Row& r, std::span<const PadKind> columns) { csvLine(out, r, true, columns); }

void csvRow(std::string& out, const Row& r, std::span<const PadKind> columns) { csvLine(out, r, false, columns); }

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
