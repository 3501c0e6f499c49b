#include "app.h"

#include "base/numtext.h"
#include "clihelp.h"
#include "text/netlist.h"
#include "text/notation.h"
#include "text/readings.h"
#include "text/report.h"
#include "text/stepsoutput.h"
#include "text/touchstone.h"
#include "window/calc.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <tuple>
#include <ostream>
#include <vector>

namespace velkor::cli {
namespace {

// More values than this in one run is a usage error: a table that size is
// already far past what a script needs, and it bounds the memory a typo in
// a range (0:60:1e-9) could ask for.
constexpr std::size_t maxvalues = 100000;

constexpr const char* program = "velkor-cli";

// A refusal: the message on stderr, naming the argument, and the status.
struct Failure {
    int status;
    std::string message;
};

// An argument quoted in a message, cut to this many characters: a message
// stays one line whatever was pasted into the argument.
constexpr std::size_t quotedLength = 40;

std::string named(std::string_view s)
{
    std::size_t characters = 0, end = 0;
    for (; end < s.size(); ++end)
        if ((static_cast<unsigned char>(s[end]) & 0xC0) != 0x80 && characters++ == quotedLength)
            break;
    return "'" + std::string(s.substr(0, end)) + (end < s.size() ? "\u2026'" : "'");
}

// The options as given.
struct Given {
    std::vector<std::string> db;
    std::string power = "1", zin = "50", zout, series = "E12", tolerance, format = "text";
    std::string pad, parasitics, frequency, flatness = "0.1", minReturnLoss = "20", outputs;
    std::string package, board = "0.2mm,4.3", ambient = "25", state;
    bool pairs = false, all = false, steps = false;
    bool zoutGiven = false, toleranceGiven = false, padGiven = false, parasiticsGiven = false, outputsGiven = false;
    bool packageGiven = false, boardGiven = false, ambientGiven = false;
    bool flatnessGiven = false, minReturnLossGiven = false, stateGiven = false;
};

// Everything the arguments ask for, read and checked, or why not.
struct Request {
    std::vector<double> db;
    std::vector<std::string_view> dbarg;   // the argument each value came from
    double power = 0;
    Ports ports{};
    std::string powerError, zinError, zoutError;   // a value no pad takes: refused once all is read
    Series series = Series::E12;
    Tolerance tolerance;
    bool pairs = false;
    Format format = Format::text;
    TextLines lines;
    std::vector<PadKind> kinds;   // named with --pad, in the engine's order; empty for the default
    bool allKinds = false;        // --pad all: each value's kinds with a design for it, `kinds` any value's
    RadioFrequency radio;
    bool radioAsked = false;      // parasitics or frequencies given
    bool steps = false;           // the values are the bits of a step attenuator
    std::optional<std::size_t> state;   // with steps: that state alone
};

// The most frequencies of one sweep, and of all values' sweeps together.
constexpr std::size_t maxPoints = mostSweepPoints;
constexpr std::size_t maxResponse = 1000000;

// --pad: kinds by their keys, comma-separated, in the engine's order; "all"
// is resolved once the values are read.
std::optional<Failure> readKinds(Request& q, const std::string& text)
{
    if (text == "all") {
        q.allKinds = true;
        return std::nullopt;
    }
    std::vector<bool> asked(padKinds().size());
    for (std::size_t begin = 0; begin <= text.size();) {
        const std::size_t end = std::min(text.find(',', begin), text.size());
        const std::string_view key = std::string_view(text).substr(begin, end - begin);
        begin = end + 1;
        const std::optional<PadKind> k = kindByKey(key);
        if (!k) {
            std::string known;
            for (const PadDescription& d : padKinds())
                (known += known.empty() ? "" : ", ") += d.key;
            return Failure{usage, "--pad " + named(text) + ": " + named(key) + " is not a pad: " + known + " or all"};
        }
        for (std::size_t i = 0; i < asked.size(); ++i)
            asked[i] = asked[i] || padKinds()[i].kind == *k;
    }
    for (std::size_t i = 0; i < asked.size(); ++i)
        if (asked[i])
            q.kinds.push_back(padKinds()[i].kind);
    return std::nullopt;
}

// A number of dB above 0 for --flatness and --min-return-loss.
std::optional<Failure> readLimit(double& to, const char* option, const std::string& text)
{
    const Reading db = readLimitText(text);
    if (!db.error.empty())
        return Failure{usage, option + (" " + named(text)) + ": " + db.error};
    to = db.value;
    return std::nullopt;
}

// --package, and the board and ambient temperature it is rated on.
std::optional<Failure> readPackage(Request& q, const Given& g)
{
    if (!g.packageGiven) {
        for (const auto& [option, given, text] : {std::tuple{"--board", g.boardGiven, &g.board},
                                                  std::tuple{"--ambient", g.ambientGiven, &g.ambient}})
            if (given)
                return Failure{usage, option + (" " + named(*text)) + ": for --package only"};
        return std::nullopt;
    }
    std::string why;
    q.radio.package = readPackageText(g.package, why);
    if (!q.radio.package)
        return Failure{usage, "--package " + named(g.package) + ": " + why};
    const BoardReading board = readBoardText(g.board);
    if (!board.error.empty())
        return Failure{usage, "--board " + named(g.board) + ": " + board.error};
    const Reading ambient = readAmbientText(g.ambient);
    if (!ambient.error.empty())
        return Failure{usage, "--ambient " + named(g.ambient) + ": " + ambient.error};
    q.radio.board = board.board;
    q.radio.ambient = ambient.value;
    q.radio.parts = packageParasitics(*q.radio.package, board.board);
    q.radio.modelled = true;
    return std::nullopt;
}

// The options for radio frequencies: parasitics, frequencies and limits.
std::optional<Failure> readRadio(Request& q, const Given& g)
{
    if (g.padGiven)
        if (std::optional<Failure> f = readKinds(q, g.pad))
            return f;
    if (std::optional<Failure> f = readPackage(q, g))
        return f;
    if (g.parasiticsGiven) {
        // Each value given stands for the package's; L for every part's
        // whole inductance, via included.
        const ParasiticValues v = readParasitics(g.parasitics);
        if (!v.error.empty())
            return Failure{usage, "--parasitics " + named(g.parasitics) + ": " + hinted(g.parasitics, v.error)};
        Parasitics& parts = q.radio.parts;
        if (v.inductance || !q.radio.package)
            parts.viaInductance = 0;
        parts.inductance = v.inductance.value_or(q.radio.package ? parts.inductance : 0);
        parts.capacitance = v.capacitance.value_or(q.radio.package ? parts.capacitance : 0);
        parts.padCapacitance = v.padCapacitance.value_or(q.radio.package ? parts.padCapacitance : 0);
        q.radio.modelled = true;
    }
    if (!g.frequency.empty()) {
        Sweep sweep = readSweep(g.frequency, maxPoints);
        if (!sweep.error.empty())
            return Failure{usage, "--frequency " + named(g.frequency) + ": " + hinted(g.frequency, sweep.error)};
        q.radio.hertz = std::move(sweep.hertz);
    }
    if (std::optional<Failure> f = readLimit(q.radio.flatness, "--flatness", g.flatness))
        return f;
    if (std::optional<Failure> f = readLimit(q.radio.minReturnLoss, "--min-return-loss", g.minReturnLoss))
        return f;
    // Ideal parts are flat and matched at every frequency: a limit has
    // nothing to bound.
    for (const auto& [option, given, text] : {std::tuple{"--flatness", g.flatnessGiven, &g.flatness},
                                              std::tuple{"--min-return-loss", g.minReturnLossGiven, &g.minReturnLoss}})
        if (given && !q.radio.modelled)
            return Failure{usage, option + (" " + named(*text)) +
                                      ": for --parasitics or --package only: ideal parts have no bandwidth to bound"};
    q.radioAsked = q.radio.modelled || !q.radio.hertz.empty();
    return std::nullopt;
}

// --outputs: a splitter's, a whole number from leastOutputs to mostOutputs;
// whether a splitter is among the pads is checked once they are known.
std::optional<Failure> readOutputs(Request& q, const Given& g)
{
    if (!g.outputsGiven)
        return std::nullopt;
    const Reading n = readOutputsText(g.outputs);
    if (!n.error.empty())
        return Failure{usage, "--outputs " + named(g.outputs) + ": " + n.error};
    q.ports.outputs = static_cast<int>(n.value);
    return std::nullopt;
}

std::optional<Failure> readOptions(Request& q, const Given& g)
{
    const Reading pwr = readPowerText(g.power);
    if (pwr.unreadable)
        return Failure{usage, "--power " + named(g.power) + ": " + pwr.error};
    q.power = pwr.value;
    q.powerError = pwr.error;
    for (const auto& [option, text] : {std::pair{"--impedance", &g.zin}, std::pair{"--zout", &g.zout}}) {
        const Reading z = readImpedanceText(text == &g.zout && !g.zoutGiven ? g.zin : *text);
        if (z.unreadable)
            return Failure{usage, option + (" " + named(*text)) + ": " + z.error};
        (text == &g.zin ? q.ports.zin : q.ports.zout) = z.value;
        (text == &g.zin ? q.zinError : q.zoutError) = z.error;
    }
    q.series = seriesByName(g.series).value_or(Series::E12);
    q.tolerance = {seriesTolerance(q.series), g.toleranceGiven};
    if (g.toleranceGiven) {
        const Reading t = readToleranceText(g.tolerance);
        if (!t.error.empty())
            return Failure{usage, "--tolerance " + named(g.tolerance) + ": " + t.error};
        q.tolerance.fraction = t.value;
    }
    q.pairs = g.pairs;
    if (g.all && g.format != "text")
        return Failure{usage, "--all: for --format text only: csv and json carry every result already"};
    q.format = g.format == "csv" ? Format::csv : g.format == "json" ? Format::json
             : g.format == "spice" ? Format::spice : g.format == "touchstone" ? Format::touchstone
             : Format::text;
    q.lines = {g.all, g.padGiven};
    q.steps = g.steps;
    if (std::optional<Failure> f = readRadio(q, g))
        return f;
    return readOutputs(q, g);
}

// What --steps asks beyond the other options: at most mostBits values
// between equal impedances, one pad matched at both ports, text, CSV or
// JSON, and a bounded number of corners.
std::optional<Failure> readSteps(Request& q, const Given& g)
{
    if (q.db.size() > mostBits)
        return Failure{usage, "--steps: " + std::to_string(q.db.size()) + " DB values: a step attenuator has at most " +
                                  std::to_string(mostBits) + " bits"};
    if (q.ports.zin != q.ports.zout)
        return Failure{usage, "--steps: between equal impedances only: leave --zout out"};
    if (q.allKinds || q.kinds.size() > 1)
        return Failure{usage, "--steps: --pad " + named(g.pad) + ": name one pad"};
    if (q.kinds.empty())
        q.kinds = {PadKind::pi};
    if (!steppable(q.kinds.front())) {
        std::string kinds;
        for (const PadDescription& d : padKinds())
            if (steppable(d.kind))
                kinds.append(kinds.empty() ? "" : ", ").append(d.key);
        return Failure{usage, "--steps: --pad " + named(g.pad) + ": each bit is a pad matched at both ports: " + kinds};
    }
    if (g.stateGiven) {
        const std::size_t states = std::size_t(1) << q.db.size();
        const Reading n = readStateText(g.state, states);
        if (!n.error.empty())
            return Failure{usage, "--state " + named(g.state) + ": " + n.error};
        q.state = static_cast<std::size_t>(n.value);
    }
    const bool oneState = q.format == Format::spice || q.format == Format::touchstone;
    if (oneState && !q.state)
        return Failure{usage, "--steps: --format " + g.format + ": write text, csv or json, or one state with --state N"};
    if (q.format == Format::touchstone && q.radio.hertz.empty())
        return Failure{usage, "--format touchstone needs --frequency: one frequency or a sweep"};
    if (const std::string why = cornersRefusal(q.kinds.front(), q.db.size()); q.tolerance.given && !why.empty())
        return Failure{usage, "--steps: --tolerance: " + why};
    return std::nullopt;
}

// --pad all: the kinds that join the ports and, of those that take an
// attenuation, the ones some value has a design for.
void resolveAll(Request& q)
{
    for (const PadDescription& d : padKinds()) {
        const auto designed = [&](double db) { return attenuationRefusal(db, q.ports, d.kind).empty(); };
        if (d.unavailable(q.ports).empty() && (!d.takesDb || std::any_of(q.db.begin(), q.db.end(), designed)))
            q.kinds.push_back(d.kind);
    }
}

// The kinds a value must have a design for: every kind worked out that
// takes an attenuation; under --pad all the one of the least loss between
// the ports, which every value with a design for any kind has, and whose
// refusal says how close a value came.
std::vector<PadKind> designsRequired(const Request& q, const std::vector<PadKind>& kinds)
{
    std::vector<PadKind> out;
    if (!q.allKinds) {
        std::copy_if(kinds.begin(), kinds.end(), std::back_inserter(out), [](PadKind k) { return describe(k).takesDb; });
        return out;
    }
    const PadDescription* closest = nullptr;
    for (const PadDescription& d : padKinds())
        if (d.takesDb && d.unavailable(q.ports).empty() &&
            (!closest || d.leastLoss.of(q.ports) < closest->leastLoss.of(q.ports)))
            closest = &d;
    if (closest)
        out.push_back(closest->kind);
    return out;
}

std::optional<Failure> read(Request& q, const Given& g)
{
    if (std::optional<Failure> f = readOptions(q, g))
        return f;
    for (const std::string& arg : g.db) {
        const DbValues v = readDb(arg, maxvalues);
        if (!v.error.empty())
            return Failure{usage, "DB " + named(arg) + ": " + hinted(arg, v.error)};
        if (q.db.size() + v.values.size() > maxvalues)
            return Failure{usage, "DB " + named(arg) + ": more than " + std::to_string(maxvalues) + " values in all"};
        q.db.insert(q.db.end(), v.values.begin(), v.values.end());
        q.dbarg.insert(q.dbarg.end(), v.values.size(), arg);
    }
    if (g.stateGiven && !q.steps)
        return Failure{usage, "--state " + named(g.state) + ": for --steps only"};
    if (q.steps)
        if (std::optional<Failure> f = readSteps(q, g))
            return f;
    if (q.allKinds)
        resolveAll(q);
    const std::vector<PadKind> kinds = q.kinds.empty() ? defaultKinds(!q.db.empty(), q.ports) : q.kinds;
    const bool takesDb = std::any_of(kinds.begin(), kinds.end(), [](PadKind k) { return describe(k).takesDb; });
    if (q.db.empty() && (kinds.empty() || takesDb))
        return Failure{usage, "DB is required: only the L-pads and the splitter need none"};
    const bool onevalue = q.format == Format::spice || q.format == Format::touchstone;
    if (onevalue && q.db.size() > 1 && !q.steps)   // a step attenuator's state is one circuit
        return Failure{usage, "--format " + g.format + " takes one DB value, not " + std::to_string(q.db.size())};
    if (q.format == Format::touchstone && kinds.size() != 1)
        return Failure{usage, "--format touchstone takes one pad: name it with --pad (pi, t ...)"};
    if (q.format == Format::touchstone && q.radio.hertz.empty())
        return Failure{usage, "--format touchstone needs --frequency: one frequency or a sweep"};
    if (std::max<std::size_t>(q.db.size(), 1) * q.radio.hertz.size() > maxResponse)
        return Failure{usage, "--frequency " + named(g.frequency) + ": more than " + std::to_string(maxResponse) +
                                  " frequencies for all DB values together"};
    if (g.outputsGiven && std::none_of(kinds.begin(), kinds.end(), [](PadKind k) { return describe(k).fansOut; }))
        return Failure{usage, "--outputs " + named(g.outputs) + ": for --pad splitter only" +
                                  (q.allKinds ? ", and a splitter joins equal impedances only" : "")};
    for (PadKind k : q.kinds)
        if (const std::string_view why = describe(k).unavailable(q.ports); !why.empty())
            return Failure{nodesign, "--pad " + named(describe(k).key) + ": " + std::string(why)};
    if (!q.powerError.empty())
        return Failure{nodesign, "--power " + named(g.power) + ": " + q.powerError};
    for (const auto& [option, text, why] : {std::tuple{"--impedance", &g.zin, &q.zinError},
                                            std::tuple{"--zout", &g.zout, &q.zoutError}})
        if (!why->empty())
            return Failure{nodesign, option + (" " + named(g.zoutGiven ? *text : g.zin)) + ": " + *why};
    const std::vector<PadKind> required = designsRequired(q, kinds);
    for (std::size_t i = 0; i < q.db.size(); ++i)
        for (PadKind k : required)
            if (const std::string why = attenuationRefusal(q.db[i], q.ports, k); !why.empty())
                return Failure{nodesign, "DB " + named(q.dbarg[i]) + ": " + why};
    return std::nullopt;
}

// The kinds of --pad all that value `db` has a design for: every kind that
// joins the ports and takes no attenuation, and those that take one above
// their least loss.
std::vector<PadKind> kindsFor(const Request& q, double db)
{
    std::vector<PadKind> out;
    for (PadKind k : q.kinds)
        if (!describe(k).takesDb || attenuationRefusal(db, q.ports, k).empty())
            out.push_back(k);
    return out;
}

// The window's own captions, where it could show these inputs.
std::optional<Captions> windowCaptions(const Request& q, double db)
{
    // Every kind the window shows must be worked out.
    const auto shown = [&q](const PadDescription& d) {
        return d.window == InWindow::no || q.kinds.empty() ||
               std::find(q.kinds.begin(), q.kinds.end(), d.kind) != q.kinds.end();
    };
    if (q.ports.zin != q.ports.zout || seriesDigits(q.series) != 2 || q.pairs ||
        !std::all_of(padKinds().begin(), padKinds().end(), shown))
        return std::nullopt;
    Calc calc;
    calc.loadseries(q.series);
    std::tie(calc.atten, calc.pwr, calc.sysz) = std::tuple(db, q.power, q.ports.zin);
    if (!calc.recalc())
        return std::nullopt;
    return calc.captions;
}

// A choice of names in any case, taken as the name (e24 is E24). An empty
// value passes, to be refused with every other option's.
CLI::Validator oneOf(std::vector<std::string> names)
{
    std::string shown;
    for (const std::string& name : names)
        (shown += shown.empty() ? "{" : ",") += name;
    shown += "}";
    return CLI::Validator(
        [names, shown](std::string& value) -> std::string {
            for (const std::string& name : names)
                if (CLI::detail::to_lower(value) == CLI::detail::to_lower(name))
                    value = name;
            return value.empty() || std::find(names.begin(), names.end(), value) != names.end()
                       ? std::string()
                       : named(value) + " not in " + shown;
        },
        shown);
}

// Results pass through this much text at a time on their way out.
constexpr std::size_t chunk = 1 << 16;

// The results of every value, held until the last is worked out, so that a
// refusal leaves nothing half-written, each value worked out once. Beyond
// this many bytes they wait in a temporary file rather than in memory.
constexpr std::size_t heldInMemory = std::size_t(64) << 20;

class Held {
public:
    Held() = default;
    Held(const Held&) = delete;
    Held& operator=(const Held&) = delete;
    ~Held()
    {
        if (file_)
            std::fclose(file_);
    }

    // Takes `text` once it has grown to a chunk, leaving it empty; false
    // (errno set) when the temporary file cannot take it.
    bool take(std::string& text)
    {
        if (text.size() < chunk)
            return true;
        memory_ += text;
        text.clear();
        if (memory_.size() < heldInMemory)
            return true;
        if (!file_ && !(file_ = std::tmpfile()))
            return false;
        const bool written = std::fwrite(memory_.data(), 1, memory_.size(), file_) == memory_.size();
        memory_.clear();
        return written;
    }

    // Passes everything held, then `rest`, on to `out`; false (errno set)
    // when the temporary file cannot give back what it took.
    bool deliver(const std::string& rest, std::ostream& out)
    {
        if (file_) {
            std::rewind(file_);
            std::vector<char> buffer(chunk);
            while (const std::size_t n = std::fread(buffer.data(), 1, buffer.size(), file_))
                out.write(buffer.data(), std::streamsize(n));
            if (std::ferror(file_))
                return false;
        }
        out << memory_ << rest;
        return true;
    }

private:
    std::string memory_;
    std::FILE* file_ = nullptr;
};

Failure unheld() { return {unwritten, std::string("cannot write the results: ") + std::strerror(errno)}; }

// The row of one value, every pad worked out as asked, or why there is none.
std::optional<Row> rowFor(const Request& q, std::size_t i, std::optional<double> db, Failure& why)
{
    std::optional<std::vector<PadResult>> pads =
        evaluatePads({db, q.power, q.ports, q.series, q.tolerance, q.pairs, q.allKinds && db ? kindsFor(q, *db) : q.kinds});
    if (pads && !q.radioAsked)
        return Row{db, q.power, q.ports, q.series, q.tolerance, q.pairs, std::move(*pads)};
    if (pads)
        if (std::optional<std::vector<PadRadio>> radio = evaluateRadio(*pads, q.ports, q.radio))
            return Row{db, q.power, q.ports, q.series, q.tolerance, q.pairs, std::move(*pads), q.radio,
                       std::move(*radio)};
    why = Failure{nodesign, (db ? "DB " + named(q.dbarg[i]) + ": the " + (pads ? "response" : "design") + " for " +
                                      shortest(*db) + " dB"
                                : std::string("the L-pad")) +
                                " between " + shortest(q.ports.zin) + " and " + shortest(q.ports.zout) +
                                " ohms at " + shortest(q.power) + " W leaves the range of a double"};
    return std::nullopt;
}

// Evaluates every value, holding the results until the last is worked out,
// then writes them to `out`; a refusal leaves nothing written.
std::optional<Failure> evaluate(const Request& q, std::ostream& out)
{
    if (q.steps) {
        const std::optional<StepResult> r =
            evaluateSteps({q.db, q.kinds.front(), q.power, q.ports.zin, q.series, q.tolerance, q.pairs,
                           q.radioAsked ? std::optional(q.radio) : std::nullopt});
        if (!r)
            return Failure{nodesign, "--steps: a bit's design or the cascade leaves the range of a double"};
        switch (q.format) {
        case Format::text: out << stepsText(*r, q.state); break;
        case Format::csv: out << stepsCsv(*r, q.state); break;
        case Format::json: out << stepsJson(*r, q.state); break;
        case Format::spice: out << stateNetlist(*r, *q.state); break;
        case Format::touchstone: out << stateTouchstone(*r, *q.state); break;
        }
        return std::nullopt;
    }
    std::vector<std::optional<double>> values(q.db.begin(), q.db.end());
    if (values.empty())
        values.push_back(std::nullopt);   // the L-pad alone
    const std::span<const PadKind> columns = q.allKinds ? std::span(q.kinds) : std::span<const PadKind>();
    Held held;
    bool holding = true;
    std::string text;
    const auto spill = [&](std::string& t) { holding = holding && held.take(t); };
    if (q.format == Format::json)
        text += "[\n";
    for (std::size_t i = 0; i < values.size(); ++i) {
        Failure why;
        const std::optional<Row> worked = rowFor(q, i, values[i], why);
        if (!worked)
            return why;
        const Row& row = *worked;
        switch (q.format) {
        case Format::text:
            if (i)
                text += '\n';
            text += textBlock(row, values[i] ? windowCaptions(q, *values[i]) : std::nullopt, q.lines);
            break;
        case Format::csv:
            if (!q.radio.hertz.empty()) {
                csvResponse(text, row, i == 0, spill);
                break;
            }
            // --pad all: the columns of every kind any value has, empty
            // where this value has none.
            if (i == 0)
                csvHeader(text, row, columns);
            csvRow(text, row, columns);
            break;
        case Format::json:
            text += "  ";
            jsonObject(text, row);
            text += i + 1 < values.size() ? ",\n" : "\n";
            break;
        case Format::spice:
            text += netlist({values[i], q.power, q.ports, q.series, q.tolerance, q.pairs, q.kinds}, row.pads,
                            row.radio);
            break;
        case Format::touchstone:
            text += touchstone(row);
            break;
        }
        spill(text);
        if (!holding)
            return unheld();
    }
    if (q.format == Format::json)
        text += "]\n";
    if (!held.deliver(text, out))
        return unheld();
    return std::nullopt;
}

// Flushes `out` and tells whether all that was written to it arrived; if
// not, says why on `err`.
int delivered(std::ostream& out, std::ostream& err)
{
    out.flush();
    if (out)
        return ok;
    const int reason = errno;
    err << program << ": cannot write the results: "
        << (reason ? std::strerror(reason) : "the output refused them") << '\n';
    return unwritten;
}

} // namespace

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    CLI::App app{"Designs resistive attenuators (Pi, T, bridged-T, L-pads, single series or shunt\n"
                 "resistors, balanced H-, O- and U-pads) and resistive splitters, rounds them to\n"
                 "preferred values and tells what the pads built from those values really do.",
                 program};
    Given g;
    // As in most programs, an option given twice takes its last value.
    app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    app.add_option("DB", g.db, "attenuation in dB; several values, or a range FROM:TO:STEP")->type_name("");
    std::vector<std::pair<CLI::Option*, const std::string*>> valued;   // options that take a value
    valued.emplace_back(app.add_option("-p,--power", g.power, "input power: W (1, 0.25, 250m) or dBm (30dBm); default 1 W")
        ->type_name("P"), &g.power);
    valued.emplace_back(app.add_option("-z,--impedance,--zin", g.zin,
                                       "input side's impedance in ohms (50, 4k7, R47); default 50")
        ->type_name("Z"), &g.zin);
    CLI::Option* zout = app.add_option("--zout", g.zout, "output side's impedance in ohms; default the input side's")
        ->type_name("Z2");
    valued.emplace_back(zout, &g.zout);
    valued.emplace_back(app.add_option("-s,--series", g.series, "preferred values, E6 to E192; default E12")
        ->type_name("S")
        ->transform(oneOf({"E6", "E12", "E24", "E48", "E96", "E192"})), &g.series);
    CLI::Option* tolerance = app.add_option("-t,--tolerance", g.tolerance,
                                            "parts' tolerance, percent; default the series' own")
        ->type_name("PCT");
    valued.emplace_back(tolerance, &g.tolerance);
    app.add_flag("--pairs", g.pairs, "each resistor one part or the closest pair");
    CLI::Option* pad = app.add_option("--pad", g.pad, "pads to work out, comma-separated (see Pads), or all")
        ->type_name("KINDS");
    valued.emplace_back(pad, &g.pad);
    CLI::Option* outputs = app.add_option("--outputs", g.outputs, "a splitter's outputs, 2 to 16; default 2")
                               ->type_name("N");
    valued.emplace_back(outputs, &g.outputs);
    CLI::Option* parasitics = app.add_option("--parasitics", g.parasitics,
                                             "each part's L, C and pad capacitance: L=0.5n,C=50f,CPAD=80f")
        ->type_name("LIST");
    valued.emplace_back(parasitics, &g.parasitics);
    CLI::Option* package = app.add_option("--package", g.package,
                                          "each part a chip of this size on the board: 0201 to 1206 (see Packages)")
        ->type_name("SIZE");
    valued.emplace_back(package, &g.package);
    CLI::Option* board = app.add_option("--board", g.board,
                                        "with --package: the board's height to ground in mm, and permittivity; "
                                        "default 0.2mm,4.3")
        ->type_name("H[,ER]");
    valued.emplace_back(board, &g.board);
    CLI::Option* ambient = app.add_option("--ambient", g.ambient, "with --package: the ambient temperature, °C; default 25")
        ->type_name("T");
    valued.emplace_back(ambient, &g.ambient);
    valued.emplace_back(app.add_option("--frequency", g.frequency,
                                       "the response at F, or START:STOP:POINTS[:log] (POINTS a count)")
        ->type_name("F"), &g.frequency);
    CLI::Option* flatness = app.add_option("--flatness", g.flatness, "dB of flatness for flat_to_hz; default 0.1")
        ->type_name("DB");
    valued.emplace_back(flatness, &g.flatness);
    CLI::Option* minReturnLoss = app.add_option("--min-return-loss", g.minReturnLoss,
                                                "least return loss for matched_to_hz, dB; default 20")
        ->type_name("DB");
    valued.emplace_back(minReturnLoss, &g.minReturnLoss);
    app.add_flag("--all", g.all, "text: every result of every pad, worst case included");
    app.add_flag("--steps", g.steps, "the DB values are the bits of a step attenuator (at most 8)");
    CLI::Option* state = app.add_option("--state", g.state, "with --steps: that state alone, 0 to 2^bits - 1")
        ->type_name("N");
    valued.emplace_back(state, &g.state);
    valued.emplace_back(app.add_option("-f,--format", g.format, "text (default), csv, json, spice or touchstone")
        ->type_name("FMT")
        ->transform(oneOf({"text", "csv", "json", "spice", "touchstone"})), &g.format);
    app.set_version_flag("--version", std::string(program) + " " VELKOR_VERSION);
    app.footer(clihelp);
    app.get_formatter()->column_width(24);

    try {
        std::vector<std::string> reversed(args.rbegin(), args.rend());   // CLI11 takes them last first
        app.parse(reversed);
    } catch (const CLI::ParseError& e) {
        const bool asked = e.get_exit_code() == static_cast<int>(CLI::ExitCodes::Success);
        if (!asked)
            err << program << ": ";
        errno = 0;
        app.exit(e, out, err);
        return asked ? delivered(out, err) : usage;
    }
    g.zoutGiven = zout->count() > 0;
    g.toleranceGiven = tolerance->count() > 0;
    g.padGiven = pad->count() > 0;
    g.parasiticsGiven = parasitics->count() > 0;
    g.outputsGiven = outputs->count() > 0;
    g.packageGiven = package->count() > 0;
    g.boardGiven = board->count() > 0;
    g.ambientGiven = ambient->count() > 0;
    g.flatnessGiven = flatness->count() > 0;
    g.minReturnLossGiven = minReturnLoss->count() > 0;
    g.stateGiven = state->count() > 0;

    Request q;
    std::optional<Failure> failure;
    // A value left empty, as an unset shell variable leaves it, is a
    // mistake rather than a wish for the default.
    for (const auto& [option, value] : valued)
        if (!failure && option->count() > 0 && value->empty())
            failure = Failure{usage, option->get_name() + " '': no value: give one, or leave the option out"};
    if (!failure)
        failure = read(q, g);
    errno = 0;
    if (!failure)
        failure = evaluate(q, out);
    if (failure) {
        err << program << ": " << failure->message << (args.empty() ? "; try velkor-cli --help" : "") << '\n';
        return failure->status;
    }
    return delivered(out, err);
}

} // namespace velkor::cli
