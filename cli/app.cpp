#include "app.h"

#include "notation.h"
#include "output.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <charconv>
#include <optional>
#include <ostream>

namespace velkor::cli {
namespace {

// More values than this in one run is a usage error: a table that size is
// already far past what a script needs, and it bounds the memory a typo in
// a range (0:60:1e-9) could ask for.
constexpr std::size_t maxvalues = 100000;

constexpr const char* program = "velkor-cli";

constexpr const char* footer = R"(Numbers:
  DB     a decimal with optional sign and exponent: 6, 0.5, 1e1 (E or e is
         always an exponent); or a range FROM:TO:STEP with both ends included:
         1:30:0.5, 0.01:60:0.01. Each value is the decimal you would type.
  power  a decimal with an optional SI prefix p n u (or µ) m k M G and an
         optional unit W: 1, 0.25, 250m, 250mW, 2.5W (m is milli, M is mega);
         or decibels above a milliwatt: 30dBm = 1 W, -10dBm = 0.1 mW.
  ohms   a decimal with an optional SI prefix and an optional unit ohm, ohms
         or Ω: 50, 75ohm, 4.7k, 1Mohms; or a resistor code with its letter at
         the decimal point: 4k7, 4K7, R47, 68R, 1M5, R047 (R r k K M G T).
  Not numbers: 1m5, 4.7.1, inf, nan, values beyond the range of a double.

Output:
  text   for one value, exactly what the window's Copy results gives; for
         several, one such block each, separated by a blank line.
  csv    a header row, then one row of numbers per value.
  json   an array with one object per value: the inputs, then "pi" and "t",
         each with theoretical_ohm, theoretical_power_w, preferred_ohm, codes,
         attenuation_db, vswr, return_loss_db (positive) and power_w.
  Resistors are listed as drawn: Pi input shunt, series, output shunt;
  T input series arm, shunt, output series arm.

Examples:
  velkor-cli 6                            every result for 6 dB, 1 W, 50 ohms, E12
  velkor-cli -z 75 -s E24 3 6 10          three attenuators at 75 ohms, E24 parts
  velkor-cli -f csv 1:30:1 > pads.csv     a table from 1 to 30 dB
  velkor-cli -f json -p 30dBm 10 | jq '.[0].pi.codes'

Exit status:
  0  the results were written
  1  a value has no design: 0 dB or below, a power or an impedance of 0 or
     below, or a design beyond the range of a double
  2  a usage error: an unknown option or series, a missing option value, an
     argument that is not a number, an empty or backwards range, a step of 0
     or below, or more than 100000 values)";

std::string shortest(double x)
{
    char buf[32];
    return {buf, std::to_chars(buf, buf + sizeof buf, x).ptr};
}

// A refusal: the message on stderr, naming the argument, and the status.
struct Failure {
    int status;
    std::string message;
};

std::string named(std::string_view s) { return "'" + std::string(s) + "'"; }

// Everything the arguments ask for, read and checked, or why not.
struct Request {
    std::vector<double> db;
    std::vector<std::string_view> dbarg;   // the argument each value came from
    double pwr = 0, sysz = 0;
    Series series = Series::E12;
    Format format = Format::text;
};

std::optional<Failure> read(Request& q, const std::vector<std::string>& dbs, const std::string& power,
                            const std::string& impedance)
{
    const std::optional<double> pwr = readpower(power);
    if (!pwr)
        return Failure{usage, "--power " + named(power) +
                                  ": not a power: write watts as 1, 0.25, 250m or 2.5W, or 30dBm"};
    const std::optional<double> sysz = readimpedance(impedance);
    if (!sysz)
        return Failure{usage, "--impedance " + named(impedance) +
                                  ": not an impedance: write ohms as 50, 75ohm or 4.7k, or a code as 4k7, R47 or 1M5"};
    q.pwr = *pwr;
    q.sysz = *sysz;
    for (const std::string& arg : dbs) {
        const Values v = readdb(arg, maxvalues);
        if (!v.error.empty())
            return Failure{usage, "DB " + named(arg) + ": " + v.error};
        if (q.db.size() + v.values.size() > maxvalues)
            return Failure{usage, "DB " + named(arg) + ": more than " + std::to_string(maxvalues) + " values in all"};
        q.db.insert(q.db.end(), v.values.begin(), v.values.end());
        q.dbarg.insert(q.dbarg.end(), v.values.size(), arg);
    }
    if (q.pwr <= 0)
        return Failure{nodesign, "--power " + named(power) + ": no attenuator for a power of 0 W or below"};
    if (q.sysz <= 0)
        return Failure{nodesign, "--impedance " + named(impedance) + ": no attenuator for 0 ohms or below"};
    for (std::size_t i = 0; i < q.db.size(); ++i)
        if (q.db[i] <= 0)
            return Failure{nodesign, "DB " + named(q.dbarg[i]) + ": no attenuator for " + shortest(q.db[i]) +
                                         " dB: the attenuation must be above 0 dB"};
    return std::nullopt;
}

// Evaluates every value into `out`; nothing is written elsewhere.
std::optional<Failure> evaluate(const Request& q, std::string& out)
{
    Calc calc;
    calc.loadseries(q.series);
    calc.pwr = q.pwr;
    calc.sysz = q.sysz;
    if (q.format == Format::csv)
        csvheader(out);
    if (q.format == Format::json)
        out += "[\n";
    for (std::size_t i = 0; i < q.db.size(); ++i) {
        calc.atten = q.db[i];
        const std::optional<Evaluation> e = calc.evaluate();
        if (!e)
            return Failure{nodesign, "DB " + named(q.dbarg[i]) + ": the design for " + shortest(q.db[i]) +
                                         " dB at " + shortest(q.sysz) + " ohms and " + shortest(q.pwr) +
                                         " W leaves the range of a double"};
        const Row row{{q.db[i], q.pwr, q.sysz, q.series}, *e};
        switch (q.format) {
        case Format::text:
            calc.recalc();
            if (i)
                out += '\n';
            out += summary(row.in, calc.captions);
            break;
        case Format::csv:
            csvrow(out, row);
            break;
        case Format::json:
            out += "  ";
            jsonobject(out, row);
            out += i + 1 < q.db.size() ? ",\n" : "\n";
            break;
        }
    }
    if (q.format == Format::json)
        out += "]\n";
    return std::nullopt;
}

} // namespace

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    CLI::App app{"Designs resistive Pi and T attenuators, rounds them to preferred values\n"
                 "and tells what the attenuators built from those values really do.",
                 program};
    std::vector<std::string> dbs;
    std::string power = "1", impedance = "50", series = "E12", format = "text";
    app.add_option("DB", dbs, "attenuation in dB; several values, or a range FROM:TO:STEP")
        ->required()
        ->type_name("");
    app.add_option("-p,--power", power, "input power: W (1, 0.25, 250m) or dBm (30dBm); default 1 W")
        ->type_name("P");
    app.add_option("-z,--impedance", impedance, "system impedance in ohms (50, 75, 4k7, R47, 1M5); default 50")
        ->type_name("Z");
    app.add_option("-s,--series", series, "preferred values: E6, E12 or E24; default E12")
        ->type_name("S")
        ->transform(CLI::IsMember({"E6", "E12", "E24"}, CLI::ignore_case));
    app.add_option("-f,--format", format, "text (default), csv or json")
        ->type_name("F")
        ->transform(CLI::IsMember({"text", "csv", "json"}, CLI::ignore_case));
    app.set_version_flag("--version", std::string(program) + " " VELKOR_VERSION);
    app.footer(footer);
    app.get_formatter()->column_width(24);

    try {
        std::vector<std::string> reversed(args.rbegin(), args.rend());   // CLI11 takes them last first
        app.parse(reversed);
    } catch (const CLI::ParseError& e) {
        const bool asked = e.get_exit_code() == static_cast<int>(CLI::ExitCodes::Success);
        if (!asked)
            err << program << ": ";
        app.exit(e, out, err);
        return asked ? ok : usage;
    }

    Request q;
    q.series = series == "E6" ? Series::E6 : series == "E24" ? Series::E24 : Series::E12;
    q.format = format == "csv" ? Format::csv : format == "json" ? Format::json : Format::text;
    std::string text;
    std::optional<Failure> failure = read(q, dbs, power, impedance);
    if (!failure)
        failure = evaluate(q, text);
    if (failure) {
        err << program << ": " << failure->message << '\n';
        return failure->status;
    }
    out << text << std::flush;
    return ok;
}

} // namespace velkor::cli
