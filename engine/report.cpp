#include "report.h"

#include "numtext.h"
#include "quantities.h"
#include "summary.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <span>
#include <string_view>
#include <vector>

namespace velkor {
namespace {

void number(std::string& out, double x) { out += shortest(x); }

using Numbers = std::span<const double>;
using Texts = std::span<const std::string>;

// The response's columns after the frequency, in dB and degrees.
struct Column {
    std::string_view key;
    double (*of)(const SParameters&);
};
constexpr std::array<Column, 6> responseColumns = {{
    {"s11_db", [](const SParameters& s) { return decibels(s.s11); }},
    {"s11_deg", [](const SParameters& s) { return degrees(s.s11); }},
    {"s21_db", [](const SParameters& s) { return transmissionDecibels(s.s21); }},
    {"s21_deg", [](const SParameters& s) { return degrees(s.s21); }},
    {"s22_db", [](const SParameters& s) { return decibels(s.s22); }},
    {"s22_deg", [](const SParameters& s) { return degrees(s.s22); }},
}};

// The parts' parasitics and the limits of the bandwidths, when modelled.
template <class Writer>
void walkRadio(Writer& w, const RadioFrequency* radio)
{
    if (radio && radio->modelled) {
        w.none("package");
        w.open("parasitics");
        w.value("l_h", radio->parts.inductance);
        w.value("c_f", radio->parts.capacitance);
        w.value("cpad_f", radio->parts.padCapacitance);
        w.close();
        w.value("flatness_db", radio->flatness);
        w.value("min_return_loss_db", radio->minReturnLoss);
    }
}

// A row's inputs after its value.
template <class Writer>
void walkInputs(Writer& w, const Row& r)
{
    w.value("power_w", r.pwr);
    w.value("impedance_ohm", r.ports.zin);
    w.value("output_impedance_ohm", r.ports.zout);
    w.text("series", seriesname(r.series));
    w.value("tolerance_percent", r.tolerancePercent);
    w.flag("pairs", r.pairs);
    walkRadio(w, r.radio);
    if (r.ports.zin != r.ports.zout)
        w.value("minimum_attenuation_db", minimumAttenuation(r.ports));
}

template <class Writer>
void walkPads(Writer& w, const Row& r)
{
    const bool modelled = r.radio && r.radio->modelled;
    for (std::size_t p = 0; p < r.pads.size(); ++p) {
        const PadResult& pad = r.pads[p];
        const bool fansOut = describe(pad.kind).fansOut;
        w.open(describe(pad.kind).key);
        if (fansOut)
            w.value("outputs", r.ports.outputs);
        w.values("theoretical_ohm", pad.theory);
        w.values("theoretical_power_w", pad.theorypower);
        w.values("preferred_ohm", pad.preferred);
        std::vector<std::string> codes;
        for (const Part& part : pad.parts)
            codes.push_back(part.code);
        w.texts("codes", codes);
        w.value("attenuation_db", pad.built.atten);
        w.value("vswr", pad.built.vswr);
        w.value("return_loss_db", pad.built.returnloss);
        w.values("power_w", pad.built.power);
        w.value("output_return_loss_db", pad.built.outreturnloss);
        w.value("insertion_loss_db", pad.built.insertionloss);
        if (fansOut)
            w.value("isolation_db", pad.built.isolation);
        w.open("worst_case");
        w.values("attenuation_db", std::array{pad.worst.attenlow, pad.worst.attenhigh});
        w.value("vswr", pad.worst.vswr);
        w.value("return_loss_db", pad.worst.returnloss);
        w.values("power_w", pad.worst.power);
        w.close();
        if (modelled) {
            w.maybe("flat_to_hz", r.padRadio[p].bandwidths.flat);
            w.maybe("matched_to_hz", r.padRadio[p].bandwidths.matched);
        }
        if (r.radio && !r.radio->hertz.empty())
            w.response(r.radio->hertz, r.padRadio[p].response);
        w.close();
    }
}

// Walks the keys and values of one row in output order, telling a writer
// each key and value; the writers below give them their format. Without
// `inputs`, only the value and the pads.
template <class Writer>
void walk(Writer& w, const Row& r, bool inputs = true)
{
    if (r.db)
        w.value("attenuation_db", *r.db);
    if (inputs)
        walkInputs(w, r);
    walkPads(w, r);
}


class Json {
public:
    explicit Json(std::string& out) : out_(out) {}
    void value(std::string_view key, double x) { number(key_(key), x); }
    void text(std::string_view key, std::string_view s) { quoted(key_(key), s); }
    void flag(std::string_view key, bool b) { key_(key) += b ? "true" : "false"; }
    void none(std::string_view key) { key_(key) += "null"; }
    void maybe(std::string_view key, std::optional<double> x)
    {
        if (x)
            value(key, *x);
        else
            none(key);
    }
    void response(Numbers hertz, std::span<const SParameters> s)
    {
        open("response");
        values("frequency_hz", hertz);
        std::vector<double> column(s.size());
        for (const auto& [key, of] : responseColumns) {
            for (std::size_t i = 0; i < s.size(); ++i)
                column[i] = of(s[i]);
            values(key, column);
        }
        close();
    }
    void values(std::string_view key, Numbers v) { list(key_(key), v, number); }
    void texts(std::string_view key, Texts v) { list(key_(key), v, quoted); }
    void open(std::string_view key)
    {
        key_(key) += '{';
        first_ = true;
    }
    void close() { out_ += '}'; }

private:
    // Codes and series names are plain ASCII without quotes or backslashes.
    static void quoted(std::string& out, std::string_view s) { (out += '"').append(s) += '"'; }
    template <class List, class Item>
    static void list(std::string& out, List v, Item item)
    {
        out += '[';
        for (std::size_t i = 0; i < v.size(); ++i) {
            if (i)
                out += ", ";
            item(out, v[i]);
        }
        out += ']';
    }
    std::string& key_(std::string_view key)
    {
        out_ += first_ ? "\"" : ", \"";
        first_ = false;
        return (out_ += key) += "\": ";
    }
    std::string& out_;
    bool first_ = true;
};

// Header and rows alike: with header set, writes column names instead of
// values. No field needs quoting: series names, codes ("150R+R47",
// "470R||220R") and flags hold no comma, quote or line break.
class Csv {
public:
    Csv(std::string& out, bool header) : out_(out), header_(header) {}
    void value(std::string_view key, double x)
    {
        if (cell(key))
            number(out_, x);
    }
    void text(std::string_view key, std::string_view s)
    {
        if (cell(key))
            out_ += s;
    }
    void flag(std::string_view key, bool b) { text(key, b ? "true" : "false"); }
    void none(std::string_view key) { cell(key); }
    void maybe(std::string_view key, std::optional<double> x)
    {
        if (cell(key) && x)
            number(out_, *x);
    }
    // The response has rows of its own (csvResponse).
    void response(Numbers, std::span<const SParameters>) {}
    void values(std::string_view key, Numbers v)
    {
        for (std::size_t i = 0; i < v.size(); ++i)
            if (cell(key, i + 1))
                number(out_, v[i]);
    }
    void texts(std::string_view key, Texts v)
    {
        for (std::size_t i = 0; i < v.size(); ++i)
            if (cell(key, i + 1))
                out_ += v[i];
    }
    void open(std::string_view key)
    {
        opened_.push_back(prefix_.size());
        (prefix_ += key) += '_';
    }
    void close()
    {
        prefix_.resize(opened_.back());
        opened_.pop_back();
    }

private:
    // Starts a cell; in the header writes its name and returns false.
    bool cell(std::string_view key, std::size_t element = 0)
    {
        if (!first_)
            out_ += ',';
        first_ = false;
        if (!header_)
            return true;
        (out_ += prefix_) += key;
        if (element)
            (out_ += '_') += std::to_string(element);
        return false;
    }
    std::string& out_;
    bool header_;
    bool first_ = true;
    std::string prefix_;                // "pi_worst_case_"
    std::vector<std::size_t> opened_;   // the prefix's length before each open
};

// ---- Text

// The lines of a pad that the window has no field for; with `whole`, every
// line of the pad, for a pad the window does not show.
std::string morelines(const PadResult& p, const Row& r, TextLines lines, bool whole)
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
        powers("theoretical", p.theorypower, Rounding::nearest);
        for (std::size_t i = 0; i < count; ++i)
            line(pad + " " + label(i) + " preferred value", p.parts[i].code);
        powers("preferred value", p.built.power, Rounding::nearest);
        line(pad + " actual attenuation with preferred values", attenuationText(p.built.atten));
        line(pad + " input VSWR with preferred values", vswrText(p.built.vswr));
        line(pad + " return loss with preferred values", returnLossText(p.built.rho));
    } else if (lines.all && p.kind == PadKind::t) {   // the window shows the Pi's alone
        powers("theoretical", p.theorypower, Rounding::nearest);
    }
    if (r.ports.zin != r.ports.zout || lines.all || kind.fansOut) {
        line(pad + " output return loss with preferred values", returnLossText(p.built.outrho));
        line(pad + " insertion loss with preferred values", decibelText(p.built.insertionloss));
    }
    if (kind.fansOut)
        line(pad + " isolation between outputs with preferred values", decibelText(p.built.isolation));
    if (lines.worst || lines.all) {
        const std::string at = " at " + shortest(r.tolerancePercent) + " % tolerance";
        line(pad + " worst-case attenuation" + at, decibelText(p.worst.attenlow, Rounding::down) + " to " +
                                                       decibelText(p.worst.attenhigh, Rounding::up));
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

std::string textblock(const Row& r, const std::optional<Captions>& captions, TextLines lines)
{
    const bool unequal = r.ports.zin != r.ports.zout;
    const Inputs in{r.db.value_or(0), r.pwr, r.ports.zin, r.series,
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
        const bool extra = p.kind != PadKind::pi && p.kind != PadKind::t;
        if (!extra || unequal || lines.all || lines.named) {
            out += morelines(p, r, lines, extra || !captions);
            if (r.radio)
                out += radioLines(p, r, r.padRadio[i]);
        }
    }
    return out;
}

void csvheader(std::string& out, const Row& r)
{
    Csv w(out, true);
    walk(w, r);
    out += '\n';
}

void csvrow(std::string& out, const Row& r)
{
    Csv w(out, false);
    walk(w, r);
    out += '\n';
}

void jsonobject(std::string& out, const Row& r)
{
    Json w(out);
    out += '{';
    walk(w, r);
    out += '}';
}

void jsonPads(std::string& out, const Row& r)
{
    Json w(out);
    out += '{';
    walk(w, r, false);
    out += '}';
}

void jsonRadio(std::string& out, const RadioFrequency* radio)
{
    Json w(out);
    walkRadio(w, radio);
}

void jsonResponse(std::string& out, const std::vector<double>& hertz, const std::vector<SParameters>& response)
{
    Json w(out);
    w.response(hertz, response);
}

} // namespace velkor

namespace velkor {

bool evaluateRadio(Row& r)
{
    r.padRadio.clear();
    if (!r.radio)
        return true;
    bool finite = true;
    for (const PadResult& pad : r.pads) {
        PadRadio radio;
        if (r.radio->modelled)
            radio.bandwidths = bandwidths(pad, r.ports, r.radio->parts, r.radio->flatness, r.radio->minReturnLoss);
        radio.response = response(pad, r.ports, r.radio->parts, r.radio->hertz);
        for (const SParameters& s : radio.response)
            for (const Complex c : {s.s11, s.s21, s.s22})
                finite = finite && std::isfinite(c.real()) && std::isfinite(c.imag());
        r.padRadio.push_back(std::move(radio));
    }
    return finite;
}

void csvResponse(std::string& out, const Row& r, bool header, const std::function<void(std::string&)>& spill)
{
    if (header) {
        out += "attenuation_db,pad,frequency_hz";
        for (const Column& c : responseColumns)
            (out += ',') += c.key;
        out += '\n';
    }
    for (std::size_t p = 0; p < r.pads.size(); ++p) {
        const std::string_view key = describe(r.pads[p].kind).key;
        for (std::size_t i = 0; i < r.radio->hertz.size(); ++i) {
            if (r.db)
                number(out, *r.db);
            (out += ',') += key;
            out += ',';
            number(out, r.radio->hertz[i]);
            for (const Column& c : responseColumns) {
                out += ',';
                number(out, c.of(r.padRadio[p].response[i]));
            }
            out += '\n';
            if (spill)
                spill(out);
        }
    }
}

} // namespace velkor
