#pragma once
// The JSON and CSV writers, and the walk that tells a writer every key and
// value of a row in output order. A writer is told a number (`value`), a
// text, a flag, a missing value (`none`, `maybe`), lists of numbers or
// texts, a response, and the opening and closing of an object; each writer
// gives them its format. Numbers are written as the shortest text that
// reads back as the same double.

#include "base/numtext.h"
#include "text/report.h"

#include <array>
#include <charconv>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velkor::writer {

/// Appends the shortest text that reads back as `x`.
inline void number(std::string& out, double x)
{
    char buffer[32];   // the longest is 24 characters: "-2.2250738585072014e-308"
    out.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, x).ptr);
}

using Numbers = std::span<const double>;
using Texts = std::span<const std::string>;

// The response's columns after the frequency, in dB and degrees.
struct Column {
    std::string_view key;
    double (*of)(const SParameters&);
};
inline constexpr std::array<Column, 6> responseColumns = {{
    {"s11_db", [](const SParameters& s) { return decibels(s.s11); }},
    {"s11_deg", [](const SParameters& s) { return degrees(s.s11); }},
    {"s21_db", [](const SParameters& s) { return transmissionDecibels(s.s21); }},
    {"s21_deg", [](const SParameters& s) { return degrees(s.s21); }},
    {"s22_db", [](const SParameters& s) { return decibels(s.s22); }},
    {"s22_deg", [](const SParameters& s) { return degrees(s.s22); }},
}};

// The parts' parasitics and the limits of the bandwidths, when modelled.
template <class Writer>
void walkRadio(Writer& w, const std::optional<RadioFrequency>& radio)
{
    if (radio && radio->modelled) {
        w.maybeText("package", radio->package ? std::optional(radio->package->name) : std::nullopt);
        if (radio->package) {
            w.open("board");
            w.value("height_mm", radio->board.height);
            w.value("permittivity", radio->board.permittivity);
            w.close();
            w.value("ambient_c", radio->ambient);
        }
        w.open("parasitics");
        w.value("l_h", radio->parts.inductance);
        w.value("c_f", radio->parts.capacitance);
        w.value("cpad_f", radio->parts.padCapacitance);
        if (radio->package)
            w.value("via_l_h", radio->parts.viaInductance);
        w.close();
        w.value("flatness_db", radio->flatness);
        w.value("min_return_loss_db", radio->minReturnLoss);
    }
}

// A row's inputs after its value.
template <class Writer>
void walkInputs(Writer& w, const Row& r)
{
    w.value("power_w", r.power);
    w.value("impedance_ohm", r.ports.zin);
    w.value("output_impedance_ohm", r.ports.zout);
    w.text("series", seriesName(r.series));
    w.value("tolerance_percent", r.tolerance.percent());
    w.flag("pairs", r.pairs);
    walkRadio(w, r.radio);
    if (r.ports.zin != r.ports.zout)
        w.value("minimum_attenuation_db", minimumAttenuation(r.ports));
}

// A pad's parts against their package's rating.
template <class Writer>
void walkRating(Writer& w, const PadRating& rating, const std::vector<Resistor>& resistors)
{
    w.values("part_power_w", rating.partPower);
    w.value("rating_w", rating.rating);
    std::vector<std::string_view> over;
    for (std::size_t i : rating.over)
        over.push_back(resistors[i].label);
    w.labels("over_rating", over);
    w.maybeText("smallest_package", rating.smallest ? std::optional(rating.smallest->name) : std::nullopt);
}

/// Where a pad's shunt arm sits, for a kind whose shunt follows the lower
/// impedance: "input" or "output".
inline std::optional<std::string_view> shuntAt(PadKind k, Ports p)
{
    const std::optional<Node> port = shuntPort(k, p);
    if (!port)
        return std::nullopt;
    return *port == in ? "input" : "output";
}

// One pad of a row, with its results at radio frequencies where the row
// asks for them.
template <class Writer>
void walkPad(Writer& w, const Row& r, const PadResult& pad, const PadRadio* radio)
{
    const bool fansOut = describe(pad.kind).fansOut;
    w.open(describe(pad.kind).key);
    if (fansOut)
        w.value("outputs", r.ports.outputs);
    w.values("theoretical_ohm", pad.theory);
    w.values("theoretical_power_w", pad.theoryPower);
    w.values("preferred_ohm", pad.preferred);
    std::vector<std::string> codes;
    for (const Part& part : pad.parts)
        codes.push_back(part.code);
    w.texts("codes", codes);
    if (const std::optional<std::string_view> at = shuntAt(pad.kind, r.ports))
        w.text("shunt_at", *at);
    w.value("attenuation_db", pad.built.atten);
    w.value("vswr", pad.built.vswr);
    w.value("return_loss_db", pad.built.returnLoss);
    w.values("power_w", pad.built.power);
    w.value("output_return_loss_db", pad.built.outReturnLoss);
    w.value("insertion_loss_db", pad.built.insertionLoss);
    if (fansOut)
        w.value("isolation_db", pad.built.isolation);
    w.open("worst_case");
    w.values("attenuation_db", std::array{pad.worst.attenLow, pad.worst.attenHigh});
    w.value("vswr", pad.worst.vswr);
    w.value("return_loss_db", pad.worst.returnLoss);
    w.values("power_w", pad.worst.power);
    w.close();
    if (radio && radio->rating)
        walkRating(w, *radio->rating, resistorsOf(pad.kind, r.ports));
    if (r.radio && r.radio->modelled) {
        w.maybe("flat_to_hz", radio->bandwidths.flat);
        w.maybe("matched_to_hz", radio->bandwidths.matched);
    }
    if (r.radio && !r.radio->hertz.empty())
        w.response(r.radio->hertz, radio->response);
    w.close();
}

// A row's value, and with `inputs` the inputs after it.
template <class Writer>
void walkHead(Writer& w, const Row& r, bool inputs)
{
    if (r.db)
        w.value("attenuation_db", *r.db);
    if (inputs)
        walkInputs(w, r);
}

// Walks the keys and values of one row in output order, telling a writer
// each key and value; the writers below give them their format. Without
// `inputs`, only the value and the pads.
template <class Writer>
void walk(Writer& w, const Row& r, bool inputs = true)
{
    walkHead(w, r, inputs);
    for (std::size_t p = 0; p < r.pads.size(); ++p)
        walkPad(w, r, r.pads[p], p < r.padRadio.size() ? &r.padRadio[p] : nullptr);
}


/// The cells of a response at one frequency after a row's first cells:
/// ",HZ,S11_DB,S11_DEG,...".
inline void responseCells(std::string& out, double hertz, const SParameters& s)
{
    out += ',';
    number(out, hertz);
    for (const Column& c : responseColumns) {
        out += ',';
        number(out, c.of(s));
    }
}

/// The names of those cells: ",frequency_hz,s11_db,...".
inline void responseHeader(std::string& out)
{
    out += ",frequency_hz";
    for (const Column& c : responseColumns)
        (out += ',') += c.key;
}

class JsonWriter {
public:
    explicit JsonWriter(std::string& out) : out_(out) {}
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
    /// Names, a list of them.
    void labels(std::string_view key, std::span<const std::string_view> v) { list(key_(key), v, quoted); }
    void maybeText(std::string_view key, std::optional<std::string_view> s)
    {
        if (s)
            text(key, *s);
        else
            none(key);
    }
    void open(std::string_view key)
    {
        key_(key) += '{';
        first_ = true;
    }
    void close() { out_ += '}'; }
    /// A list of objects, each begun by `item` and ended by `close`.
    void openList(std::string_view key)
    {
        key_(key) += '[';
        firstItem_ = true;
    }
    void item()
    {
        out_ += firstItem_ ? "{" : ", {";
        firstItem_ = false;
        first_ = true;
    }
    void closeList() { out_ += ']'; }

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
    bool firstItem_ = true;
};

// Header and rows alike: with header set, writes column names instead of
// values. No field needs quoting: series names, codes ("150R+R47",
// "470R||220R") and flags hold no comma, quote or line break.
class CsvWriter {
public:
    CsvWriter(std::string& out, bool header) : out_(out), header_(header) {}
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
    /// Names, one cell of them joined by ';'.
    void labels(std::string_view key, std::span<const std::string_view> v)
    {
        if (!cell(key))
            return;
        for (std::size_t i = 0; i < v.size(); ++i)
            (out_ += i ? ";" : "") += v[i];
    }
    void maybeText(std::string_view key, std::optional<std::string_view> s)
    {
        if (cell(key) && s)
            out_ += *s;
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
    /// While set, a row's cells are left empty: a pad the row has none of,
    /// under the columns another row's pad gives.
    void blank(bool empty) { blank_ = empty; }

private:
    // Starts a cell; in the header writes its name, and returns whether
    // the cell takes a value.
    bool cell(std::string_view key, std::size_t element = 0)
    {
        if (!first_)
            out_ += ',';
        first_ = false;
        if (!header_)
            return !blank_;
        (out_ += prefix_) += key;
        if (element)
            (out_ += '_') += std::to_string(element);
        return false;
    }
    std::string& out_;
    bool header_;
    bool blank_ = false;
    bool first_ = true;
    std::string prefix_;                // "pi_worst_case_"
    std::vector<std::size_t> opened_;   // the prefix's length before each open
};

} // namespace velkor::writer
