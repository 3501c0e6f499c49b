#include "text/designer.h"

#include "text/netlist.h"
#include "text/notation.h"
#include "text/quantities.h"
#include "text/readings.h"
#include "text/stepsoutput.h"
#include "text/touchstone.h"

#include <algorithm>
#include <utility>

namespace velkor {
namespace {

// Reads a box with `read`, keeping its error; the value read, or nothing.
template <class Read>
std::optional<double> take(BoxText& f, Read read)
{
    const Reading r = read(f.text);
    f.error = r.error;
    return r.error.empty() ? std::optional(r.value) : std::nullopt;
}

// The sweep's ends and its count, checked; its frequencies are worked out
// with the pad. An order that runs backwards is the upper end's fault.
bool takeSweep(DesignInputs& in, PadDesign& d)
{
    const std::optional<double> from = take(in.from, readFrequencyText), to = take(in.to, readFrequencyText);
    const std::optional<double> points =
        take(in.points, [](std::string_view text) { return readPointsText(text, mostSweepPoints); });
    if (!from || !to || !points)
        return false;
    in.to.error = sweepRefusal(*from, *to);
    d.sweep = {*from, *to, static_cast<std::size_t>(*points)};
    return in.to.error.empty();
}

// A parasitic of each part, of `key` in `unit`, refused in the words of
// --parasitics.
std::optional<double> takeParasitic(BoxText& f, std::string_view key, std::string_view unit)
{
    return take(f, [&](std::string_view text) { return readParasiticText(text, key, unit); });
}

std::optional<double> takeAttenuation(BoxText& f)
{
    if (f.text.find(':') != std::string::npos) {
        f.error = "one value, not a range";
        return std::nullopt;
    }
    const DbValues v = readDb(f.text, 1);
    f.error = hinted(f.text, v.error);
    return f.error.empty() ? std::optional(v.values.front()) : std::nullopt;
}

// A step attenuator's bits: one to mostBits values, blanks or commas
// between, each read as a DB of one value; a refusal names the bit.
std::optional<std::vector<double>> takeBits(BoxText& f)
{
    std::vector<double> bits;
    std::string_view rest = f.text;
    constexpr std::string_view between = " \t,";
    for (std::size_t start = rest.find_first_not_of(between); start != std::string_view::npos;
         start = rest.find_first_not_of(between)) {
        rest.remove_prefix(start);
        BoxText bit{std::string(rest.substr(0, rest.find_first_of(between)))};
        rest.remove_prefix(bit.text.size());
        if (bits.size() == mostBits) {
            f.error = "at most " + std::to_string(mostBits) + " bits";
            return std::nullopt;
        }
        const std::optional<double> db = takeAttenuation(bit);
        if (!db) {
            f.error = "bit " + std::to_string(bits.size() + 1) + ": " + bit.error;
            return std::nullopt;
        }
        bits.push_back(*db);
    }
    f.error = bits.empty() ? "no value: one to " + std::to_string(mostBits) + " bits, blanks or commas between" : "";
    return f.error.empty() ? std::optional(bits) : std::nullopt;
}

// A step attenuator of the inputs read. Every loss a bit's box takes has a
// design of every kind a bit can be, its ports being equal; one whose values
// leave the range of a double is found when it is worked out.
StepDesign stepsOf(const std::vector<double>& bits, const PadDesign& d, const DesignInputs& in)
{
    const PadRequest& q = d.request;
    StepDesign s{{bits, in.kind, q.power, q.ports.zin, q.series, q.tolerance, q.pairs}, {}, in.state, {}};
    // Under ideal parts as at the command line without parasitics: no
    // bandwidths, no package.
    if (in.partsFrom != PartsFrom::ideal)
        s.request.radio = d.radio;
    return s;
}

// The states of a step attenuator, unless worked out before, and the
// response of the state asked (of the worst error when none was) with the
// parts' parasitics. False when `cancel` stopped it.
bool workOutSteps(StepDesign& s, const RadioFrequency& radio, std::string& why, const Cancel& cancel)
{
    if (!s.result)
        s.result = evaluateSteps(s.request, cancel);
    if (!s.result) {
        why = "a bit's design or the cascade leaves the range of a double";
        return !cancelled(cancel);
    }
    if (!s.state || *s.state >= s.result->states.size())
        s.state = s.result->worstErrorState;
    s.response = stateResponse(*s.result, *s.state, radio.parts, radio.hertz, cancel);
    return !cancelled(cancel);
}

// R1 ... Rn, in the order of the kind's resistors.
std::string designator(std::size_t i) { return std::string("R").append(std::to_string(i + 1)); }

std::string withUnit(std::string number, const char* unit) { return number.append(" ").append(unit); }

} // namespace

std::optional<Parasitics> sizedParts(const DesignInputs& in)
{
    const Reading height = readBoardHeightText(in.boardHeight.text);
    const Reading permittivity = readPermittivityText(in.permittivity.text);
    if (!in.package || !height.error.empty() || !permittivity.error.empty())
        return std::nullopt;
    return packageParasitics(*in.package, {height.value, permittivity.value});
}

std::optional<PadDesign> readDesign(DesignInputs& in)
{
    PadDesign d;
    const bool takesDb = describe(in.kind).takesDb;
    std::optional<double> db;
    if (takesDb && !in.steps)
        db = takeAttenuation(in.db);
    else
        in.db.error.clear();
    std::optional<std::vector<double>> bits;
    if (in.steps)
        bits = takeBits(in.bits);
    else
        in.bits.error.clear();
    std::optional<double> outputs = leastOutputs;
    if (describe(in.kind).fansOut && !in.steps)
        outputs = take(in.outputs, readOutputsText);
    else
        in.outputs.error.clear();
    const std::optional<double> watts = take(in.power, readPowerText);
    const std::optional<double> zin = take(in.zin, readImpedanceText);
    const std::optional<double> zout = in.zout.text.empty() || in.steps ? (in.zout.error.clear(), zin)
                                                                         : take(in.zout, readImpedanceText);
    const bool toleranceGiven = !in.tolerance.text.empty();
    std::optional<double> tolerance = seriesTolerance(in.series);
    if (toleranceGiven)
        tolerance = take(in.tolerance, readToleranceText);
    else
        in.tolerance.error.clear();
    if (in.steps && toleranceGiven && tolerance && bits)
        in.tolerance.error = cornersRefusal(in.kind, bits->size());
    std::optional<double> l = 0, c = 0, cpad = 0, height = 0, permittivity = 0, ambient = 0;
    for (BoxText* f : {&in.inductance, &in.capacitance, &in.padCapacitance, &in.boardHeight, &in.permittivity,
                       &in.ambient})
        f->error.clear();
    if (in.partsFrom == PartsFrom::custom) {
        l = takeParasitic(in.inductance, "L", "H");
        c = takeParasitic(in.capacitance, "C", "F");
        cpad = takeParasitic(in.padCapacitance, "CPAD", "F");
    } else if (in.partsFrom == PartsFrom::package) {
        height = take(in.boardHeight, readBoardHeightText);
        permittivity = take(in.permittivity, readPermittivityText);
        ambient = take(in.ambient, readAmbientText);
    }
    const bool swept = takeSweep(in, d);
    const std::optional<double> flatness = take(in.flatness, readLimitText);
    const std::optional<double> minReturnLoss = take(in.minReturnLoss, readLimitText);
    const bool attenuation = in.steps ? bits.has_value() : !takesDb || db.has_value();
    if (!attenuation || !in.tolerance.error.empty() || !outputs || !watts || !zin || !zout || !tolerance || !l || !c ||
        !cpad || !height || !permittivity || !ambient || !swept || !flatness || !minReturnLoss)
        return std::nullopt;

    const Ports ports{*zin, *zout, static_cast<int>(*outputs)};
    d.request = {db, *watts, ports, in.series, {*tolerance, toleranceGiven}, in.pairs, {in.kind}};
    d.radio = {true, {*l, *c, *cpad}, *flatness, *minReturnLoss};
    if (in.partsFrom == PartsFrom::package) {
        d.radio.package = in.package;
        d.radio.board = {*height, *permittivity};
        d.radio.ambient = *ambient;
        d.radio.parts = packageParasitics(*in.package, d.radio.board);
    }
    if (in.steps)
        d.steps = stepsOf(*bits, d, in);
    else if (const std::string_view why = describe(in.kind).unavailable(ports); !why.empty())
        d.why = why;
    else if (db)
        d.why = attenuationRefusal(*db, ports, in.kind);
    return d;
}

bool designed(const PadDesign& d) { return d.steps ? d.steps->result.has_value() : d.row.has_value(); }

bool workOut(PadDesign& d, const Cancel& cancel)
{
    d.radio.hertz = sweepBetween(d.sweep.from, d.sweep.to, d.sweep.points).hertz;
    if (d.steps)
        return workOutSteps(*d.steps, d.radio, d.why, cancel);
    const PadRequest& q = d.request;
    if (std::optional<std::vector<PadResult>> pads = evaluatePads(q, cancel)) {
        if (std::optional<std::vector<PadRadio>> padRadio = evaluateRadio(*pads, q.ports, d.radio, cancel)) {
            d.row = Row{q.db, q.power, q.ports, q.series, q.tolerance, q.pairs, std::move(*pads), d.radio,
                        std::move(*padRadio)};
            return true;
        }
    }
    if (cancelled(cancel))
        return false;
    d.why = "the pad's values leave the range of a double";
    return true;
}

DesignResults designResults(const PadDesign& d)
{
    const Row& r = *d.row;
    const PadResult& pad = r.pads.front();
    DesignResults out;
    const std::optional<PadRating>& rating = r.padRadio.front().rating;
    for (std::size_t i = 0; i < pad.theory.size(); ++i) {
        const double worst = rating ? rating->partPower[i] : pad.worst.power[i];
        const bool over = rating && std::count(rating->over.begin(), rating->over.end(), i) > 0;
        out.resistors.push_back({designator(i), ohmsText(pad.theory[i], "\u03a9"), pad.parts[i].code,
                                 wattsText(pad.built.power[i]), wattsText(worst, Rounding::up),
                                 over ? "over its " + wattsText(rating->rating) + " rating" : ""});
    }
    std::vector<ResultLine>& f = out.figures;
    f.push_back({"Attenuation as built", decibelText(pad.built.atten)});
    f.push_back({"Insertion loss", decibelText(pad.built.insertionLoss)});
    f.push_back({"Input VSWR", formatPattern(pad.built.vswr, "0.00")});
    f.push_back({"Input return loss", withUnit(formatPattern(pad.built.returnLoss, "0.0"), "dB")});
    f.push_back({"Output return loss", withUnit(formatPattern(pad.built.outReturnLoss, "0.0"), "dB")});
    f.push_back({"Worst-case attenuation", decibelText(pad.worst.attenLow, Rounding::down) + " to " +
                                               decibelText(pad.worst.attenHigh, Rounding::up)});
    f.push_back({"Worst-case VSWR", formatPattern(pad.worst.vswr, "0.00", Rounding::up)});
    f.push_back({"Worst-case return loss", withUnit(formatPattern(pad.worst.returnLoss, "0.0", Rounding::down), "dB")});
    if (r.ports.zin != r.ports.zout)
        f.push_back({"Minimum attenuation", decibelText(minimumAttenuation(r.ports))});
    if (describe(pad.kind).fansOut)
        f.push_back({"Isolation", decibelText(pad.built.isolation)});
    const Bandwidths& b = r.padRadio.front().bandwidths;
    out.flatTo = {"Flat to", bandwidthText(b.flat)};
    out.matchedTo = {"Matched to", matchedText(b.matched, std::min(pad.built.returnLoss, pad.built.outReturnLoss))};
    if (rating)
        out.smallestPackage = {"Smallest package", smallestWords(*rating)};
    Curves& c = out.curves;
    c.hertz = r.radio->hertz;
    for (const SParameters& s : r.padRadio.front().response) {
        c.insertionLoss.push_back(-transmissionDecibels(s.s21));
        c.inputReturnLoss.push_back(-decibels(s.s11));
        c.outputReturnLoss.push_back(-decibels(s.s22));
    }
    return out;
}

std::vector<ResultLine> DesignResults::lines() const
{
    std::vector<ResultLine> out;
    for (const Resistor& r : resistors) {
        out.push_back({r.name + " theoretical", r.theoretical});
        out.push_back({r.name + " preferred", r.preferred});
        out.push_back({r.name + " power", r.power});
        out.push_back({r.name + " worst-case power", r.worstPower, r.overRating});
    }
    out.insert(out.end(), figures.begin(), figures.end());
    out.push_back(flatTo);
    out.push_back(matchedTo);
    if (smallestPackage)
        out.push_back(*smallestPackage);
    return out;
}

std::string resultsText(const PadDesign& d)
{
    if (d.steps)
        return stepsText(*d.steps->result);
    Row row = *d.row;
    row.radio->hertz.clear();
    for (PadRadio& p : row.padRadio)
        p.response.clear();
    return textBlock(row, std::nullopt, {.all = true});
}

std::string resultsJson(const PadDesign& d)
{
    if (d.steps)
        return stepsJson(*d.steps->result);
    std::string out = "[\n  ";
    jsonObject(out, *d.row);
    return out += "\n]\n";
}

std::string spiceText(const PadDesign& d)
{
    if (d.steps)
        return stateNetlist(*d.steps->result, *d.steps->state);
    return netlist(d.request, d.row->pads, d.row->radio);
}

std::string touchstoneText(const PadDesign& d)
{
    if (!d.steps)
        return touchstone(*d.row);
    // The state shown over the sweep, as the command line's --state writes it.
    StepResult r = *d.steps->result;
    r.request.radio = r.request.radio.value_or(RadioFrequency{});
    r.request.radio->hertz = d.radio.hertz;
    r.states.at(*d.steps->state).radio.response = d.steps->response;
    return stateTouchstone(r, *d.steps->state);
}

} // namespace velkor
