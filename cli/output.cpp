#include "output.h"

#include "numtext.h"
#include "summary.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <span>
#include <string_view>
#include <vector>

namespace velkor::cli {
namespace {

void number(std::string& out, double x) { out += shortest(x); }

// Walks the keys and values of one row in output order, telling a writer
// each key and value; the writers below give them their format.
template <class Writer>
void walk(Writer& w, const Row& r)
{
    if (r.db)
        w.value("attenuation_db", *r.db);
    w.value("power_w", r.pwr);
    w.value("impedance_ohm", r.ports.zin);
    w.value("output_impedance_ohm", r.ports.zout);
    w.text("series", seriesname(r.series));
    w.value("tolerance", r.tolerance);
    if (r.ports.zin != r.ports.zout)
        w.value("minimum_attenuation_db", minimumattenuation(r.ports));
    for (const PadResult& pad : r.pads) {
        w.open(padname(pad.kind));
        w.values("theoretical_ohm", pad.theory);
        w.values("theoretical_power_w", pad.theorypower);
        w.values("preferred_ohm", pad.preferred);
        w.texts("codes", pad.codes);
        w.value("attenuation_db", pad.built.atten);
        w.value("vswr", pad.built.vswr);
        w.value("return_loss_db", pad.built.returnloss);
        w.values("power_w", pad.built.power);
        w.value("output_return_loss_db", pad.built.outreturnloss);
        w.value("insertion_loss_db", pad.built.insertionloss);
        w.open("worst_case");
        w.values("attenuation_db", std::array{pad.worst.attenlow, pad.worst.attenhigh});
        w.value("vswr", pad.worst.vswr);
        w.value("return_loss_db", pad.worst.returnloss);
        w.values("power_w", pad.worst.power);
        w.close();
        w.close();
    }
}

using Numbers = std::span<const double>;
using Texts = std::span<const std::string>;

class Json {
public:
    explicit Json(std::string& out) : out_(out) {}
    void value(std::string_view key, double x) { number(key_(key), x); }
    void text(std::string_view key, std::string_view s) { quoted(key_(key), s); }
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

// Header and rows alike: with header set, writes column names instead of values.
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
            field(s);
    }
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
                field(v[i]);
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
    // Quoted only where the text holds a comma, a quote or a line break.
    void field(std::string_view s)
    {
        if (s.find_first_of(",\"\r\n") == std::string_view::npos) {
            out_ += s;
            return;
        }
        out_ += '"';
        for (char c : s)
            (c == '"' ? out_ += "\"\"" : out_ += c);
        out_ += '"';
    }
    std::string& out_;
    bool header_;
    bool first_ = true;
    std::string prefix_;                // "pi_worst_case_"
    std::vector<std::size_t> opened_;   // the prefix's length before each open
};

// ---- Text

// The window's evaluation of a Pi and a T, as far as its captions read it.
Evaluation windowform(const PadResult& pi, const PadResult& t)
{
    Evaluation e{};
    for (auto [to, from] : {std::pair{&e.pi, &pi}, std::pair{&e.t, &t}}) {
        for (std::size_t i = 0; i < 3; ++i) {
            to->theory[i] = from->theory[i];
            to->theorypower[i] = from->theorypower[i];
            to->codes[i] = from->codes[i];
            to->power[i] = from->built.power[i];
        }
        to->atten = from->built.atten;
        to->rho = from->built.rho;
        to->vswr = from->built.vswr;
    }
    return e;
}

// Names of each kind's resistors in the lines, and of the pad itself.
struct Words {
    const char* pad;     // "Pi", "Bridged-T"
    const char* lower;   // as the second word of a line: "bridged-T"
    std::array<const char*, 4> parts;
};

const Words& words(PadKind k)
{
    static const std::array<Words, 4> all = {{
        {"Pi", "Pi", {"R1", "R2", "R3", ""}},
        {"T", "T", {"R1", "R2", "R3", ""}},
        {"Bridged-T", "bridged-T", {"arm in", "arm out", "bridge", "shunt"}},
        {"L-pad", "L-pad", {"series", "shunt", "", ""}},
    }};
    return all[static_cast<std::size_t>(k)];
}

std::string percent(double fraction)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.12g %%", fraction * 100);
    return buf;
}

// The lines of a pad that the window has no field for.
std::string morelines(const PadResult& p, const Row& r, TextLines lines, bool whole)
{
    const Words& w = words(p.kind);
    const std::string pad = w.pad, lower = w.lower;
    std::string out;
    const auto line = [&out](const std::string& what, const std::string& value) {
        out += summaryline(what, value);
    };
    if (whole) {   // the pads the window does not show, field by field as it would
        for (std::size_t i = 0; i < p.theory.size(); ++i)
            line(pad + " " + w.parts[i] + " theoretical value in ohms", Calc::tidyres(p.theory[i]));
        for (std::size_t i = 0; i < p.theory.size(); ++i)
            line("Power in " + lower + " " + w.parts[i] + ", theoretical", Calc::tidypwr(p.theorypower[i]));
        for (std::size_t i = 0; i < p.theory.size(); ++i)
            line(pad + " " + w.parts[i] + " preferred value", p.codes[i]);
        for (std::size_t i = 0; i < p.theory.size(); ++i)
            line("Power in " + lower + " " + w.parts[i] + ", preferred value", Calc::tidypwr(p.built.power[i]));
        line(pad + " actual attenuation with preferred values", attencaption(p.built.atten));
        line(pad + " input VSWR with preferred values", vswrcaption(p.built.vswr));
        line(pad + " return loss with preferred values", rtnlosscaption(p.built.rho));
    }
    if (r.ports.zin != r.ports.zout || lines.all) {
        line(pad + " output return loss with preferred values", rtnlosscaption(p.built.outrho));
        line(pad + " insertion loss with preferred values", Calc::tidydb(p.built.insertionloss));
    }
    if (lines.worst || lines.all) {
        const std::string at = " at " + percent(r.tolerance) + " tolerance";
        line(pad + " worst-case attenuation" + at,
             Calc::tidydb(p.worst.attenlow) + " to " + Calc::tidydb(p.worst.attenhigh));
        line(pad + " worst-case input VSWR" + at, vswrcaption(p.worst.vswr));
        line(pad + " worst-case return loss" + at, rtnlosscaption(p.worst.rho));
        for (std::size_t i = 0; i < p.theory.size(); ++i)
            line("Power in " + lower + " " + w.parts[i] + ", worst case" + at, Calc::tidypwr(p.worst.power[i]));
    }
    return out;
}

} // namespace

std::string textblock(const Row& r, const std::optional<Captions>& captions, TextLines lines)
{
    const bool unequal = r.ports.zin != r.ports.zout;
    std::string out;
    const Inputs in{r.db.value_or(0), r.pwr, r.ports.zin, r.series,
                    unequal ? std::optional(r.ports.zout) : std::nullopt};
    if (r.db) {
        out = summary(in, captions ? *captions : captionsof(windowform(r.pads[0], r.pads[1])));
    } else {   // the L-pad alone: the inputs but the attenuation, which it sets itself
        const std::string inputs = summaryinputs(in);
        out = inputs.substr(inputs.find('\n') + 1);
    }
    if (unequal)
        out += summaryline("Minimum attenuation", Calc::tidydb(minimumattenuation(r.ports)));
    for (const PadResult& p : r.pads) {
        const bool extra = p.kind == PadKind::lpad || p.kind == PadKind::bridgedt;
        if (!extra || unequal || lines.all)
            out += morelines(p, r, lines, extra);
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

} // namespace velkor::cli
