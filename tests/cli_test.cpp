// velkor-cli run in-process: whole outputs, the number notations, and every
// class of error with its exit status. Expected numbers are published
// attenuator tables and hand analyses of the preferred-value pads.

#include "app.h"
#include "base/parts.h"
#include "text/notation.h"
#include "window/calc.h"

#include "copyresults.h"
#include "rows.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using velkor::readImpedance;

using Texts = std::vector<std::string>;
constexpr auto none = std::string::npos;

struct Result {
    int status;
    std::string out, err;
};

Result cli(Texts args)
{
    std::ostringstream out, err;
    const int status = velkor::cli::run(args, out, err);
    return {status, out.str(), err.str()};
}

std::vector<std::string> split(const std::string& s, char sep)
{
    std::vector<std::string> parts;
    std::istringstream in(s);
    for (std::string part; std::getline(in, part, sep);)
        parts.push_back(part);
    return parts;
}

// Each value gives a block of Copy results, a blank line between blocks.
TEST(Text, EachValueIsCopyResults)
{
    const Result r = cli({"6"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, sixdbresults);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(cli({"6", "-z", "50ohm", "6"}).out, r.out + "\n" + r.out);
    const std::string all = cli({"6", "--all"}).out;   // Copy results, then the rest
    EXPECT_EQ(all.substr(0, r.out.size()), r.out);
    EXPECT_NE(all.find("\nBridged-T bridge preferred value: 47R\n"), std::string::npos);
    EXPECT_NE(all.find("\nPi worst-case attenuation at 10 % tolerance: "), std::string::npos);
    // 16.61 ohms carrying sqrt(50) / 50 A.
    EXPECT_NE(all.find("\nPower in T R1, theoretical: 0.332 W\n"), std::string::npos);
}

// Where the window cannot show the inputs, no line is its: the Pi's R3 of
// 150.48 ohms takes 50 / 10^0.6 V^2, 0.0835 W, which the window floors.
TEST(Text, TheWindowsBlockOnlyForWhatTheWindowShows)
{
    const std::string theory = "\nPower in Pi R3, theoretical: 0.0835 W\n";
    EXPECT_NE(cli({"-s", "E48", "6"}).out.find(theory), std::string::npos);
    const std::string pairs = cli({"--pairs", "6"}).out;
    EXPECT_NE(pairs.find(theory), std::string::npos);
    EXPECT_EQ(split(pairs, '\n').at(4), "Parts: one each, or the closest pair");
}

// 6 dB at 5 %: the worst return loss is 32.030 dB, VSWR 1.0514; fed by a
// 1 W generator (2 sqrt(50) V behind 50 ohms) the Pi's input shunt of 150
// ohms takes at most 0.35635 W, at 142.5 ohms with the others at a corner
// (swept by hand over its tolerance).
TEST(Text, WorstCaseRoundedOutward)
{
    const std::string out = cli({"-t", "5", "6"}).out;
    const std::string at = " at 5 % tolerance: ";
    EXPECT_NE(out.find("\nPi worst-case return loss" + at + "Rtn Loss -32.0 dB\n"), none);
    EXPECT_NE(out.find("\nPi worst-case input VSWR" + at + "VSWR 1.06\n"), none);
    EXPECT_NE(out.find("\nPower in Pi R1, worst case" + at + "0.357 W\n"), none);
}

// A line of the text, or a fact of one, that a case shows or leaves out.
struct Said { const char* name; Texts args; std::string text; bool shown = true; };
class Lines : public testing::TestWithParam<Said> {};

TEST_P(Lines, SayWhatTheyMean)
{
    const Result r = cli(GetParam().args);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.find(GetParam().text) != none, GetParam().shown) << r.out;
}

// By hand: 220R in series between 50 ohms passes S21 = 100 / 320, 10.10 dB;
// the shunt of 10 dB is 2500 / (100 (10^0.5 - 1)) = 11.56 ohms. The Pi of
// 6 dB, R1 150.48 ohms, takes 50 uW / 150.48 at sqrt(1 uW x 50 ohms).
INSTANTIATE_TEST_SUITE_P(Cli, Lines, testing::Values(
    Said{"InsertionLossOfASingleResistor", {"--pad", "series_r", "10"},
         "\nSeries resistor insertion loss with preferred values: 10.10 dB\n"},
    Said{"SingleResistorNamedOnce", {"--pad", "shunt_r", "10"}, "\nShunt resistor theoretical value in ohms: 11.56\n"},
    Said{"NoMinimumForSingleResistors", {"--pad", "series_r,shunt_r", "--zin", "75", "--zout", "50", "1"},
         "Minimum attenuation", false},
    Said{"NoAttenuationForASplitter", {"--pad", "splitter", "10"}, "Attenuation:", false},
    Said{"LPadShuntAtTheInput", {"--zin", "50", "--zout", "75"}, "\nL-pad shunt at: the 50 ohm side, the input\n"},
    Said{"UPadShuntAtTheOutput", {"--pad", "u_pad", "--zin", "75", "--zout", "50"},
         "\nU-pad shunt at: the 50 ohm side, the output\n"},
    Said{"Nanowatts", {"-p", "1u", "--pad", "pi", "6"}, "\nPower in Pi R1, theoretical: 332 nW\n"},
    Said{"FlatToHertz", {"--parasitics", "L=1", "6"}, "\nPi flat within 0.1 dB up to: 2.93 Hz\n"},
    Said{"OneBit", {"--steps", "6"}, "Step attenuator: 1 bit of Pi pads"},
    Said{"EightBits", {"--steps", "1", "2", "4", "8", "16", "32", "64", "128"}, "Step attenuator: 8 bits of Pi pads"},
    // A 1 dB bit of 820R 5R6 820R returns 46.7 dB, never 50.
    Said{"StepsBandwidths", {"--steps", "--parasitics", "L=0", "--min-return-loss", "50", "1"},
         "Out ret. dB       Flat to               Matched to\n"},
    Said{"StepsBandwidthCells", {"--steps", "--parasitics", "L=0", "--min-return-loss", "50", "1"},
         "46.7  beyond 1 THz  never (46.7 dB at 0 Hz)\n"},
    Said{"StepsResponses", {"--steps", "--frequency", "1G", "1"},
         "\n\nState 1 (1) response: frequency, insertion loss, input return loss, output return loss\n  1.00 GHz, "},
    Said{"TheStateAsked", {"--steps", "--state", "5", "1", "2", "4"}, "\n    5  101           5.00        4.87"},
    Said{"TheStateAskedAlone", {"--steps", "--state", "5", "1", "2", "4"}, "\n    6  011 ", false},
    Said{"TheStateAskedInCsv", {"--steps", "-f", "csv", "--state", "5", "1", "2", "4"}, "\n5,1,0,1,"},
    Said{"TheStateAskedAloneInCsv", {"--steps", "-f", "csv", "--state", "5", "1", "2", "4"}, "\n6,", false},
    Said{"EachBitsParts", {"--steps", "1", "2"}, "\nBit 2, 2 dB: 470R 12R 470R\n"},
    Said{"EachBitsRating", {"--steps", "--package", "0603", "1", "2"},
         "\nBit 1 parts 0603: R2 0.110 W over the 0.100 W rating\n"},
    Said{"TheStepsPackage", {"--steps", "-f", "json", "--package", "0603", "1"}, "\"pairs\": false, \"package\": \"0603\", "},
    Said{"BitsRated", {"--steps", "-f", "json", "--package", "0603", "1"}, "rating\": [\"R2\"]"},
    Said{"WhatTheBenchesAre", {"-f", "spice", "6"},
         "\n* Test benches: 1 V behind the source impedance, the pad, the load.\n"},
    Said{"ABalancedBench", {"-f", "spice", "--pad", "h_pad", "6"},
         "and\n* half the load stands from each output terminal to ground.\n"},
    Said{"ABalancedStateBench", {"--steps", "--pad", "h_pad", "--state", "1", "-f", "spice", "1"},
         "half the\n* load stands from each output terminal to ground.\n"},
    Said{"ASplittersBench", {"-f", "spice", "--pad", "splitter", "--outputs", "3"},
         "\n* Each further output of a splitter is loaded as the first.\n"},
    Said{"ASplittersOutputsInTurn", {"-f", "spice", "--pad", "splitter", "--outputs", "3"},
         "\n.subckt splitter in out out2 out3 gnd\n"},
    Said{"ThePadFileNamesEachPart", {"-f", "touchstone", "--pad", "pi", "--frequency", "1G", "6"},
         "\n! R1 150R R2 39R R3 150R\n"},
    Said{"TheStateNetlistNamesEachBitIn", {"--steps", "--state", "5", "-f", "spice", "1", "2", "4"},
         "\n* bit3, as built: 220R 22R 220R\n.subckt bit3 in out gnd\n"},
    Said{"TheStateFileNamesEachBitIn", {"--steps", "--state", "5", "-f", "touchstone", "--frequency", "1G", "1", "2", "4"},
         "\n! bit 1, 1 dB: 820R 5R6 820R\n! bit 3, 4 dB: 220R 22R 220R\n"},
    Said{"TheStateFileLeavesTheBitsOut", {"--steps", "--state", "5", "-f", "touchstone", "--frequency", "1G", "1", "2",
                                          "4"}, "! bit 2,", false},
    Said{"SplitterFileSaysTheOthersAreLoaded", {"-f", "touchstone", "--pad", "splitter", "--outputs", "3",
                                                "--frequency", "1G"}, "\n! Port 2 is output 1; outputs 2 to 3 loaded by 50 ohms\n"}),
    rowname);

// A CSV table as rows of cells, found by column name.
struct Table {
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;
    const std::string& at(std::size_t row, const std::string& column) const
    {
        const auto c = std::find(header.begin(), header.end(), column) - header.begin();
        return rows.at(row).at(static_cast<std::size_t>(c));
    }
};

Table csv(const Texts& args)
{
    const Result r = cli(args);
    EXPECT_EQ(r.status, 0) << r.err;
    Table t;
    for (const std::string& line : split(r.out, '\n'))
        (t.header.empty() ? t.header : t.rows.emplace_back()) = split(line, ',');
    return t;
}

TEST(Csv, HeaderThenOneRowOfNumbersPerValue)
{
    const Table t = csv({"-f", "csv", "1:60:1"});   // more than one chunk of output
    const Texts first{"attenuation_db", "power_w", "impedance_ohm", "output_impedance_ohm",
                      "series", "tolerance_percent", "pairs", "pi_theoretical_ohm_1"};
    EXPECT_EQ(Texts(t.header.begin(), t.header.begin() + 8), first);
    EXPECT_EQ(t.header.back(), "bridged_t_worst_case_power_w_4");
    ASSERT_EQ(t.rows.size(), 60u);
    for (std::size_t i = 0; i < 60; ++i) {
        EXPECT_EQ(t.rows[i].size(), t.header.size());
        EXPECT_EQ(t.at(i, "attenuation_db"), std::to_string(i + 1));
        // The bridged-T's arm out carries no current by its design.
        EXPECT_EQ(t.at(i, "bridged_t_theoretical_power_w_2"), "0");
    }
}

// 10 dB, 1 W, 50 ohms, E12 at 5 % by hand. Pi of 100, 68, 100 loaded by
// 50: 100 || 50 = 33.33, plus 68 = 101.33; ratio 3.04, 9.6575 dB; input
// 100 || 101.33 = 50.331, rho 0.3311 / 100.331. At 5 % the attenuation stays
// within 9.27 to 10.05 dB and the return loss above 32.0 dB. T of 27, 33,
// 27: input 27 + 33 || 77 = 50.1, rho 0.1 / 100.1.
TEST(Json, OneObjectWithItsKeysInOrderAndTheNumbersThemselves)
{
    const Result r = cli({"-f", "json", "-t", "5", "10"});
    ASSERT_EQ(r.status, 0);
    const std::string start = "[\n  {\"attenuation_db\": 10, \"power_w\": 1, "
                              "\"impedance_ohm\": 50, \"output_impedance_ohm\": 50, "
                              "\"series\": \"E12\", \"tolerance_percent\": 5, \"pairs\": false, ";
    EXPECT_EQ(r.out.substr(0, start.size()), start);
    const auto all = nlohmann::ordered_json::parse(r.out);
    ASSERT_EQ(all.size(), 1u);
    const auto& o = all[0];
    std::string keys;
    for (const auto& [key, value] : o["pi"].items())
        keys += key + " ";
    EXPECT_EQ(keys, "theoretical_ohm theoretical_power_w preferred_ohm codes attenuation_db vswr "
                    "return_loss_db power_w output_return_loss_db insertion_loss_db worst_case ");
    EXPECT_NEAR(o["pi"]["theoretical_ohm"][1], 71.1512, 1e-4);
    EXPECT_NEAR(o["pi"]["theoretical_power_w"][2], 0.0519494, 1e-7);   // 0.1 W out: not floored
    EXPECT_EQ(o["pi"]["preferred_ohm"], nlohmann::json({100, 68, 100}));
    EXPECT_EQ(o["pi"]["codes"], nlohmann::json({"100R", "68R", "100R"}));
    EXPECT_NEAR(o["pi"]["attenuation_db"], 20 * std::log10(3.04), 1e-9);
    EXPECT_NEAR(o["pi"]["return_loss_db"], 49.6289, 1e-4);
    // 2 sqrt(50) V behind 50 ohms into 50.331 ohms: 200 (50.331 / 100.331)^2 V^2 across R1.
    EXPECT_NEAR(o["pi"]["power_w"][0], 0.5033057761221669, 1e-12);
    EXPECT_NEAR(o["pi"]["worst_case"]["attenuation_db"][0], 9.27, 0.005);
    EXPECT_NEAR(o["pi"]["worst_case"]["attenuation_db"][1], 10.05, 0.005);
    EXPECT_NEAR(o["pi"]["worst_case"]["return_loss_db"], 32.0, 0.1);
    EXPECT_NEAR(o["t"]["return_loss_db"], -20 * std::log10(0.1 / 100.1), 1e-9);
}

// Powers from a generator of 1 W available, 2 sqrt(50) V behind 50 ohms,
// by hand. At 10 dB a series resistor of 216.23 ohms passes 2 sqrt(50) /
// 266.23 A, and a shunt of 11.56 ohms across the 50-ohm load sees
// 2 sqrt(50) 9.39 / 59.39 V: 0.43246 W each; built, 220R takes 200 / 270^2
// x 220 W and 12R, across 9.677 ohms, 0.438276 W. The 6 dB Pi of 150R 39R
// 150R: an input of 150 || 76.5 = 50.66 ohms takes 7.1176 V, and at 10 %
// its parts peak at 0.37577, 0.36441 and 0.09607 W (swept by hand).
struct Watts { const char* name; Texts args; std::string at; double watts; };
class Powers : public testing::TestWithParam<Watts> {};

TEST_P(Powers, FromAGeneratorOfThePowerAvailable)
{
    Texts args = GetParam().args;
    args.insert(args.begin(), {"-f", "json"});
    const auto o = nlohmann::json::parse(cli(args).out).at(0);
    EXPECT_NEAR(o.at(nlohmann::json::json_pointer(GetParam().at)).get<double>(), GetParam().watts, 5e-6);
}

INSTANTIATE_TEST_SUITE_P(Cli, Powers, testing::Values(
    Watts{"SeriesDesigned", {"--pad", "series_r", "10"}, "/series_r/theoretical_power_w/0", 0.43246},
    Watts{"ShuntDesigned", {"--pad", "shunt_r", "10"}, "/shunt_r/theoretical_power_w/0", 0.43246},
    Watts{"SeriesBuilt", {"--pad", "series_r", "10"}, "/series_r/power_w/0", 0.4296875},
    Watts{"ShuntBuilt", {"--pad", "shunt_r", "10"}, "/shunt_r/power_w/0", 0.438276},
    Watts{"PiInputShunt", {"--pad", "pi", "6"}, "/pi/power_w/0", 0.33773},
    Watts{"PiInputShuntWorst", {"--pad", "pi", "6"}, "/pi/worst_case/power_w/0", 0.37577},
    Watts{"PiSeriesWorst", {"--pad", "pi", "6"}, "/pi/worst_case/power_w/1", 0.36441},
    Watts{"PiOutputShuntWorst", {"--pad", "pi", "6"}, "/pi/worst_case/power_w/2", 0.09607}),
    rowname);

// The 1 W, 6 dB Pi of 150R 39R 150R at 10 % on 0603 parts (0.1 W): its worst
// case of 0.37577, 0.36441 and 0.09607 W puts R1 and R2 over, and no size
// carries R1 (1206: 0.25 W); at 0.25 W they take a quarter, 0.0939 W at
// most, which 0603 carries and 0402 (0.0625 W) does not. At 125 °C the
// rating is 0.1 W x (155 - 125) / (155 - 70). With pairs R1 is 150R+R47,
// whose 150R takes 150 / 150.47 of the resistor's power.
TEST(Json, PartsAgainstTheirRating)
{
    const auto pi = [](Texts args) {
        args.insert(args.begin(), {"-f", "json", "--package", "0603", "--pad", "pi"});
        args.emplace_back("6");
        return nlohmann::json::parse(cli(args).out).at(0).at("pi");
    };
    const auto full = pi({});
    EXPECT_EQ(full.at("over_rating"), nlohmann::json({"R1", "R2"}));
    EXPECT_EQ(full.at("rating_w"), 0.1);
    EXPECT_TRUE(full.at("smallest_package").is_null());
    EXPECT_EQ(pi({"-p", "0.25"}).at("smallest_package"), "0603");
    EXPECT_NEAR(pi({"--ambient", "125"}).at("rating_w").get<double>(), 0.1 * 30 / 85, 1e-15);
    const auto paired = pi({"--pairs"});
    EXPECT_EQ(paired.at("codes").at(0), "150R+R47");
    EXPECT_NEAR(paired.at("part_power_w").at(0).get<double>() / paired.at("worst_case").at("power_w").at(0).get<double>(),
                150 / 150.47, 1e-12);
    const std::string text = cli({"--package", "0603", "--pad", "pi", "6"}).out;
    EXPECT_NE(text.find("\nPi parts 0603: R1 0.376 W over the 0.100 W rating, R2 0.365 W over it\n"), none);
    EXPECT_NE(text.find("\nPi smallest package that carries every part: none of 0201 to 1206\n"), none);
}

struct Notation { const char* name; Texts args; std::string column; Texts values; };
class Notations : public testing::TestWithParam<Notation> {};

// Each row's values, as the CSV column named gives them.
TEST_P(Notations, ReadAsTheValueTheyStandFor)
{
    Texts args = GetParam().args;
    args.insert(args.begin(), {"-f", "csv"});
    const Table t = csv(args);
    Texts got;
    for (std::size_t i = 0; i < t.rows.size(); ++i)
        got.push_back(t.at(i, GetParam().column));
    EXPECT_EQ(got, GetParam().values);
}

INSTANTIATE_TEST_SUITE_P(Cli, Notations, testing::Values(
    Notation{"CodeBelowOne", {"--impedance", "R47", "6"}, "impedance_ohm", {"0.47"}},
    Notation{"OmegaUnit", {"-z", "4.7k\u03a9", "6"}, "impedance_ohm", {"4700"}},
    Notation{"Milliwatts", {"-p", "250m", "6"}, "power_w", {"0.25"}},
    Notation{"MicroSign", {"-p", "2.2\u00b5W", "6"}, "power_w", {"2.2e-06"}},
    Notation{"NegativeDbm", {"--power", "-10dBm", "6"}, "power_w", {"1e-04"}},
    Notation{"FromHasTheFinestDecimals", {"0.25:1:0.5"}, "attenuation_db", {"0.25", "0.75"}},
    Notation{"DecimalRange", {"0.01:0.1:0.01"}, "attenuation_db",
             {"0.01", "0.02", "0.03", "0.04", "0.05", "0.06", "0.07", "0.08", "0.09", "0.1"}},
    Notation{"EndBetweenSteps", {"1:2.95:.5"}, "attenuation_db", {"1", "1.5", "2", "2.5"}},
    Notation{"SeriesAnyCase", {"-s", "e24", "6"}, "pi_codes_2", {"36R"}},
    Notation{"E96Codes", {"-s", "E96", "6"}, "pi_codes_2", {"37R4"}},
    Notation{"GigaWatts", {"-p", "1.5GW", "6"}, "power_w", {"1.5e+09"}},
    // 10^0.3 to 50 digits is 1.99526231496887960135; the nearest double:
    Notation{"DbmBetweenTens", {"-p", "33dBm", "6"}, "power_w", {"1.9952623149688795"}},
    Notation{"TolerancePercent", {"-t", "1%", "6"}, "tolerance_percent", {"1"}},
    Notation{"SeriesOwnTolerance", {"-s", "E192", "6"}, "tolerance_percent", {"0.5"}},
    Notation{"Mega", {"-z", "1M", "6"}, "impedance_ohm", {"1e+06"}},
    Notation{"GreekMu", {"-p", "2.2\u03bcW", "6"}, "power_w", {"2.2e-06"}},
    Notation{"GreekMuInAPart", {"--parasitics", "L=2\u03bc", "6"}, "parasitics_l_h", {"2e-06"}},
    Notation{"NanoWatts", {"-p", "3nW", "6"}, "power_w", {"3e-09"}},
    Notation{"PicoWatts", {"-p", "3pW", "6"}, "power_w", {"3e-12"}},
    Notation{"Mils", {"--package", "0603", "--board", "8mil", "6"}, "board_height_mm", {"0.2032"}},
    Notation{"MilliHenries", {"--parasitics", "L=1m", "6"}, "parasitics_l_h", {"0.001"}},
    Notation{"PicoFarads", {"--parasitics", "C=2p", "6"}, "parasitics_c_f", {"2e-12"}},
    Notation{"PartsNotNamedHaveNone", {"--parasitics", "C=2p", "6"}, "parasitics_l_h", {"0"}},
    Notation{"PartWithoutPrefix", {"--parasitics", "CPAD=3e-14", "6"}, "parasitics_cpad_f", {"3e-14"}},
    Notation{"UnitsInAnyCase", {"-p", "30DBM", "-z", "50OHM", "6"}, "power_w", {"1"}},
    Notation{"DecibelUnit", {"6dB", "6 dB"}, "attenuation_db", {"6", "6"}},
    Notation{"OhmSignAfterCode", {"-z", "4k7\u2126", "6"}, "impedance_ohm", {"4700"}},
    Notation{"LastOfTwiceGiven", {"-z", "75", "-z", "60", "6"}, "impedance_ohm", {"60"}},
    Notation{"NoTolerance", {"-t", "0", "-f", "CSV", "6"}, "tolerance_percent", {"0"}},
    Notation{"CodeOfTwoCharacters", {"-z", "5R", "6"}, "impedance_ohm", {"5"}},
    Notation{"Pairs", {"--pairs", "6"}, "pi_codes_1", {"150R+R47"}},
    Notation{"LPadBeside", {"--zin", "75", "--zout", "50", "10"}, "l_pad_codes_2", {"82R"}},
    Notation{"FlatnessInDb", {"--flatness", "1dB", "--parasitics", "L=0", "6"}, "flatness_db", {"1"}},
    Notation{"MinReturnLossInDb", {"--min-return-loss", "20 dB", "--package", "0603", "6"}, "min_return_loss_db", {"20"}},
    Notation{"LogSweepOnItsDecades", {"--pad", "pi", "--frequency", "1k:1M:4:LOG", "6"}, "frequency_hz",
             {"1000", "10000", "1e+05", "1e+06"}},
    Notation{"ShuntAt", {"--zin", "50", "--zout", "75"}, "l_pad_shunt_at", {"input"}},
    // 207.4 ohms, the Pi's R1 of 10 dB from 75 to 50 ohms, is nearer 220 than 180.
    Notation{"EmptyWhereAValueHasNoPad", {"--pad", "all", "--zin", "75", "--zout", "50", "3", "10"}, "pi_codes_1",
             {"", "220R"}},
    Notation{"EmptyNumbersWhereAValueHasNoPad", {"--pad", "all", "--zin", "75", "--zout", "50", "3", "10"},
             "pi_theoretical_ohm_1", {"", "207.43487733409847"}},
    // pow(10, 23) is a double off 10^23.
    Notation{"DbmAsAnExactPowerOfTen", {"-p", "260dBm", "6"}, "power_w", {"1e+23"}},
    Notation{"FullAfterAnEmptyPad", {"--pad", "all", "--zin", "75", "--zout", "50", "3", "10"}, "l_pad_codes_2",
             {"82R", "82R"}},
    Notation{"Ambient", {"--package", "0603", "--ambient", "85", "6"}, "ambient_c", {"85"}},
    Notation{"FewestOutputs", {"--pad", "splitter", "--outputs", "2"}, "splitter_outputs", {"2"}},
    Notation{"BoardInAir", {"--package", "0603", "--board", "0.2,1", "6"}, "board_permittivity", {"1"}},
    // The thinnest board allowed, 0.05 mm to its ground plane.
    Notation{"Thin", {"--package", "0603", "--board", "0.05", "6"}, "board_height_mm", {"0.05"}},
    // L= is each part's whole L: the package's via is in it.
    Notation{"ViaInTheGivenL", {"--package", "0603", "--parasitics", "L=1n", "6"}, "parasitics_via_l_h", {"0"}},
    // 0.376 and 0.365 W against 0603's 0.1 W (Json.PartsAgainstTheirRating).
    Notation{"OverRatingInOneCell", {"--package", "0603", "--pad", "pi", "6"}, "pi_over_rating", {"R1;R2"}}),
    rowname);

// Every code the window writes is the general two-digit code of its value,
// and reads back as that value.
TEST(Notations, EveryCodeOfTheWindowReadsBack)
{
    for (velkor::Series s : {velkor::Series::E6, velkor::Series::E12, velkor::Series::E24}) {
        velkor::Calc c;
        c.loadseries(s);
        for (double x = 1.05e-5; x < 1e17; x *= 1.07) {
            const double v = c.prefvalue(x);
            const std::string window = c.rescode(v);
            const std::string code = window.substr(window.find_first_not_of(' '));
            EXPECT_EQ(velkor::partCode(v, 2), code) << x;
            EXPECT_EQ(readImpedance(code), v) << code;
        }
    }
}

struct Refusal { const char* name; Texts args; int status; std::string says; };
class Errors : public testing::TestWithParam<Refusal> {};

TEST_P(Errors, NameTheArgumentAndPrintNothing)
{
    const Result r = cli(GetParam().args);
    EXPECT_EQ(r.status, GetParam().status);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err.rfind("velkor-cli: ", 0), 0u) << r.err;
    EXPECT_NE(r.err.find(GetParam().says), std::string::npos) << r.err;
}

INSTANTIATE_TEST_SUITE_P(Cli, Errors, testing::Values(
    Refusal{"UnknownOption", {"--bogus", "6"}, 2, "--bogus"},
    Refusal{"UnknownSeries", {"-s", "E8", "6"}, 2, "'E8' not in {E6,E12,E24,E48,E96,E192}"},
    Refusal{"MissingValue", {"6", "--power"}, 2, "--power"},
    Refusal{"NotANumber", {"6", "abc"}, 2, "DB 'abc'"},
    Refusal{"PointAlone", {"-p", ".", "6"}, 2, "--power '.'"},
    Refusal{"MilliIsNoCodeLetter", {"-z", "1m5", "6"}, 2, "--impedance '1m5'"},
    Refusal{"BadPower", {"-p", "1  W", "6"}, 2, "--power '1  W'"},
    Refusal{"EmptyTolerance", {"-t", "", "6"}, 2, "--tolerance '': no value"},
    Refusal{"EmptyZout", {"--zout", "", "6"}, 2, "--zout '': no value"},
    Refusal{"UnicodeMinus", {"\u22126"}, 2, "use the ASCII hyphen-minus (-) for a minus sign"},
    Refusal{"LongArgumentCut", {std::string(100, 'x')}, 2, std::string("'").append(40, 'x').append("\u2026': ")},
    Refusal{"BeyondDouble", {"1e400"}, 2, "DB '1e400'"},
    Refusal{"HalfARange", {"1:3"}, 2, "FROM:TO:STEP"},
    Refusal{"JunkInRange", {"1:3x:1"}, 2, "DB '1:3x:1'"},
    Refusal{"BackwardsRange", {"3:1:1"}, 2, "backwards"},
    Refusal{"ZeroStep", {"1:3:0"}, 2, "step"},
    Refusal{"TooManyValues", {"0:60:1e-9"}, 2, "100000"},
    Refusal{"OneTooManyTogether", {"1:50000:1", "1:50001:1"}, 2, "more than 100000 values in all"},
    Refusal{"UsageBeforeNoDesign", {"0", "x"}, 2, "DB 'x'"},
    Refusal{"ZeroDb", {"6", "0"}, 1, "DB '0': no attenuator for 0 dB"},
    Refusal{"SecondValueAfterALongFirst", {"-f", "json", "--frequency", "0:1G:5000", "6", "1e-320"},
            1, "DB '1e-320'"},
    Refusal{"NegativeDb", {"-3"}, 1, "DB '-3'"},
    Refusal{"RangeThroughZero", {"-1:1:1"}, 1, "-1 dB"},
    Refusal{"ZeroImpedance", {"-z", "0", "6"}, 1, "--impedance '0'"},
    Refusal{"ZeroOutputImpedance", {"--zout", "0", "6"}, 1, "--zout '0': no attenuator for 0 ohms or below"},
    Refusal{"ZeroPower", {"-p", "0", "6"}, 1, "--power '0'"},
    Refusal{"DesignUnderflows", {"1e-320"}, 1, "DB '1e-320'"},
    Refusal{"DesignOverflows", {"-z", "1e300", "6"}, 1, "range of a double"},
    Refusal{"PowersOverflow", {"-p", "1e308", "6"}, 1, "range of a double"},
    Refusal{"TooManyDigitsTo", {"1:1e40:1"}, 2, "digits"},
    Refusal{"NegativeTolerance", {"-t", "-1", "6"}, 2, "--tolerance '-1'"},
    Refusal{"WholeTolerance", {"--tolerance", "100%", "6"}, 2, "--tolerance '100%'"},
    Refusal{"AtTheMinimum", {"--zin", "75", "--zout", "50", "5.7"}, 1, "minimum of 5.7195 dB"},
    Refusal{"HPadBelowTheMinimum", {"--pad", "h_pad", "--zin", "75", "--zout", "50", "3"}, 1,
            "no H-pad for 3 dB between 75 and 50 ohms: the attenuation must be above the minimum of 5.7195 dB"},
    Refusal{"SpiceOneValue", {"-f", "spice", "6", "10"}, 2, "one DB value"},
    Refusal{"NoDbBetweenEqual", {"--zout", "50"}, 2, "DB is required"},
    Refusal{"MilliHertz", {"--frequency", "100m", "6"}, 2, "M is mega"},
    Refusal{"FrequencyJunk", {"--frequency", "fast", "6"}, 2, "--frequency 'fast'"},
    Refusal{"BeyondPetahertz", {"--frequency", "0:2e15:3", "6"}, 2, "up to 1000T"},
    Refusal{"ParasiticAboveOne", {"--parasitics", "L=2", "6"}, 2, "from 0 to 1"},
    Refusal{"StopBelowStart", {"--frequency", "2G:1G:3", "6"}, 2, "START must be below STOP"},
    Refusal{"StopAtStart", {"--frequency", "1G:1G:3", "6"}, 2, "START must be below STOP"},
    Refusal{"OnePoint", {"--frequency", "0:1G:1", "6"}, 2, "POINTS is a count"},
    Refusal{"PointsNotWhole", {"--frequency", "0:1G:2.5", "6"}, 2, "POINTS is a count"},
    Refusal{"PadThatTakesDb", {"--zout", "75", "--pad", "pi"}, 2, "DB is required"},
    Refusal{"TooManyPoints", {"--frequency", "0:1G:100002", "6"}, 2, "100001"},
    Refusal{"LogFromZero", {"--frequency", "0:1G:3:log", "6"}, 2, "above 0 Hz"},
    Refusal{"SweepOfFiveParts", {"--frequency", "1k:1M:4:log:x", "6"}, 2, "a sweep is START:STOP:POINTS"},
    Refusal{"PointsTimesValues", {"--frequency", "0:1G:100001", "1:20:1"}, 2, "1000000"},
    Refusal{"ParasiticKey", {"--parasitics", "R=1", "6"}, 2, "'R' is not L, C or CPAD"},
    Refusal{"NegativeParasitic", {"--parasitics", "C=-1f", "6"}, 2, "--parasitics 'C=-1f'"},
    Refusal{"LowerCaseHenry", {"--parasitics", "L=1nh", "6"}, 2, "--parasitics 'L=1nh'"},
    Refusal{"UnknownPad", {"--pad", "pi,t,x", "6"}, 2, "'x' is not a pad: pi, t, bridged_t, "},
    Refusal{"NoFlatness", {"--flatness", "0", "6"}, 2, "--flatness '0'"},
    Refusal{"PadWithoutDesign", {"--pad", "bridged_t", "--zout", "75", "6"}, 1, "equal impedances"},
    Refusal{"BelowTheMismatch", {"--pad", "series_r", "--zin", "75", "--zout", "50", "0.177"}, 1,
            "no series resistor for 0.177 dB between 75 and 50 ohms: the insertion loss must be above the "
            "mismatch loss of 0.1773 dB"},
    Refusal{"OutputsWithAnotherPad", {"--pad", "pi", "--outputs", "4", "6"}, 2, "splitter only"},
    Refusal{"OneOutput", {"--pad", "splitter", "--outputs", "1"}, 2, "from 2 to 16"},
    Refusal{"SeventeenOutputs", {"--pad", "splitter", "--outputs", "17"}, 2, "from 2 to 16"},
    Refusal{"OutputsNotWhole", {"--pad", "splitter", "--outputs", "2.5"}, 2, "--outputs '2.5'"},
    Refusal{"NineBits", {"--steps", "1", "2", "3", "4", "5", "6", "7", "8", "9"}, 2, "at most 8"},
    Refusal{"StepCorners", {"--steps", "-t", "1", "--pad", "bridged_t", "1", "2", "3", "4", "5", "6", "7"}, 2,
            "28 parts, 2^28 corners: at most 2^24"},
    Refusal{"StepsUnequal", {"--steps", "--zout", "75", "6"}, 2, "between equal impedances only"},
    Refusal{"StepsOfLPads", {"--steps", "--pad", "l_pad_series", "6"}, 2, "matched at both ports"},
    Refusal{"StepsOfTwoPads", {"--steps", "--pad", "pi,t", "6"}, 2, "name one pad"},
    Refusal{"StepsAsSpice", {"--steps", "-f", "spice", "6"}, 2, "write text, csv or json, or one state with --state N"},
    Refusal{"StateWithoutSteps", {"--state", "3", "6"}, 2, "--state '3': for --steps only"},
    Refusal{"StateBeyondTheBits", {"--steps", "--state", "8", "1", "2", "4"}, 2,
            "--state '8': a state is a whole number from 0 to 7 of 8 states"},
    Refusal{"StateJunk", {"--steps", "--state", "1x", "1"}, 2, "--state '1x'"},
    Refusal{"EmptyState", {"--steps", "--state", "", "1"}, 2, "--state '': no value"},
    Refusal{"StateFileWithoutSweep", {"--steps", "--state", "1", "-f", "touchstone", "1"}, 2, "needs --frequency"},
    Refusal{"TouchstoneTwoPads", {"-f", "touchstone", "--frequency", "1G", "6"}, 2, "one pad"},
    Refusal{"TouchstoneNoSweep", {"-f", "touchstone", "--pad", "t", "6"}, 2, "needs --frequency"},
    Refusal{"UnknownPackage", {"--package", "0204", "6"}, 2, "--package '0204': not a package: 0201, 0402"},
    Refusal{"EmptyPackage", {"--package", "", "6"}, 2, "--package '': no value"},
    Refusal{"BoardJunk", {"--package", "0603", "--board", "thin", "6"}, 2, "--board 'thin': not a height"},
    Refusal{"BoardTooThin", {"--package", "0603", "--board", "40um", "6"}, 2, "from 0.05 to 5 mm"},
    Refusal{"BoardTooThick", {"--package", "0603", "--board", "300mil", "6"}, 2, "from 0.05 to 5 mm"},
    Refusal{"BoardInCentimetres", {"--package", "0603", "--board", "0.02cm", "6"}, 2, "--board '0.02cm'"},
    Refusal{"BoardInMegametres", {"--package", "0603", "--board", "1MM", "6"}, 2, "--board '1MM'"},
    Refusal{"PermittivityBelowOne", {"--package", "0603", "--board", "0.2,0.9", "6"}, 2, "from 1 to 20"},
    Refusal{"PermittivityAboveTwenty", {"--package", "0603", "--board", "0.2,21", "6"}, 2, "from 1 to 20"},
    Refusal{"BoardOfThreeFields", {"--package", "0603", "--board", "0.2,4.3,1", "6"}, 2, "--board '0.2,4.3,1'"},
    Refusal{"BoardWithoutPackage", {"--board", "0.2", "6"}, 2, "--board '0.2': for --package only"},
    Refusal{"AmbientWithoutPackage", {"--ambient", "25", "6"}, 2, "--ambient '25': for --package only"},
    Refusal{"TooCold", {"--package", "0603", "--ambient", "-56", "6"}, 2, "from -55 to 155"},
    Refusal{"TooHot", {"--package", "0603", "--ambient", "156", "6"}, 2, "from -55 to 155"},
    Refusal{"AmbientJunk", {"--package", "0603", "--ambient", "warm", "6"}, 2, "--ambient 'warm'"},
    Refusal{"FlatnessOfIdealParts", {"--flatness", "0.5", "6"}, 2, "--flatness '0.5': for --parasitics or --package"},
    Refusal{"MinReturnLossOfIdealParts", {"--min-return-loss", "30", "6"}, 2, "--min-return-loss '30': for --par"},
    Refusal{"OutputsWithNoSplitterAmongAll", {"--pad", "all", "--zout", "75", "--outputs", "3", "6"}, 2,
            "--outputs '3': for --pad splitter only"},
    Refusal{"AllInCsv", {"--all", "-f", "csv", "6"}, 2, "--all: for --format text only"},
    Refusal{"ParasiticGivenTwice", {"--parasitics", "L=0.5n,L=1n", "6"}, 2, "'L' given twice"},
    Refusal{"ParasiticsEndInAComma", {"--parasitics", "L=1n,", "6"}, 2, "'' is not L, C or CPAD"},
    Refusal{"EmptyFormat", {"-f", "", "6"}, 2, "--format '': no value"},
    Refusal{"EmptyOutputs", {"--pad", "splitter", "--outputs", "", "6"}, 2, "--outputs '': no value"},
    Refusal{"EmptyAmbient", {"--package", "0603", "--ambient", "", "6"}, 2, "--ambient '': no value"},
    Refusal{"EmptyMinReturnLoss", {"--min-return-loss", "", "6"}, 2, "--min-return-loss '': no value"},
    Refusal{"Bare", {}, 2, "DB is required: only the L-pads and the splitter need none; try velkor-cli --help"},
    Refusal{"AllBelowEveryLeastLoss", {"--pad", "all", "--zin", "75", "--zout", "50", "0.1"}, 1,
            "DB '0.1': no series resistor for 0.1 dB"}),
    rowname);

TEST(Text, OutputImpedanceFollowsSystemImpedance)
{
    const std::string out = cli({"10", "--zout", "75"}).out;
    const std::vector<std::string> lines = split(out, '\n');
    EXPECT_EQ(lines.at(3), "Output impedance: 75 ohms");
    EXPECT_EQ(lines.at(6), "Pi R1 theoretical value in ohms: 77.11");   // at the 50-ohm side
    EXPECT_EQ(lines.at(9), "Power in Pi R1, theoretical: 0.648 W");     // 50 V^2 into 77.11 ohms
    // Pi of 82, 82, 220 ohms: input 82 || (82 + 220 || 75) = 51.43 ohms.
    EXPECT_NE(out.find("\nPi input VSWR with preferred values: VSWR 1.03\n"), std::string::npos);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "Minimum attenuation: 5.72 dB"), 1);
}

// A step attenuator's states in the order of their numbers, bit i the i-th
// value's, with the summary after them.
TEST(Json, StepStates)
{
    const auto all = nlohmann::ordered_json::parse(cli({"--steps", "-f", "json", "-t", "1", "1", "2", "4"}).out);
    const auto& steps = all.at(0).at("steps");
    std::vector<std::string> keys;
    for (const auto& [key, value] : steps.items())
        keys.push_back(key);
    EXPECT_EQ(keys, Texts({"pad", "power_w", "impedance_ohm", "series", "tolerance_percent", "pairs", "pads", "states",
                           "worst_error_db", "worst_error_state", "least_return_loss_db", "least_return_loss_state"}));
    EXPECT_FALSE(steps.at("pads").at(2).contains("power_w"));   // the inputs once, above
    const auto& state = steps.at("states").at(6);
    EXPECT_EQ(state.at("bits"), "011");
    EXPECT_EQ(state.at("setting_db"), 6);
    EXPECT_EQ(state.at("error_db"), state.at("insertion_loss_db").get<double>() - 6);
    const auto worst = steps.at("worst_error_state").get<std::size_t>();
    EXPECT_EQ(steps.at("worst_error_db"), steps.at("states").at(worst).at("error_db"));
    // The text's range, rounded outward.
    const auto range = state.at("insertion_loss_range_db");
    char outward[32];
    std::snprintf(outward, sizeof outward, "%.2f to %.2f", std::floor(range[0].get<double>() * 100) / 100,
                  std::ceil(range[1].get<double>() * 100) / 100);
    const std::string text = cli({"--steps", "-t", "1", "1", "2", "4"}).out;
    EXPECT_NE(text.find("\nBit 1, 1 dB: 820R 5R6 820R\n"), none) << text;   // 869.6, 5.77, 869.6 ohms
    EXPECT_NE(text.find("%, dB\n    0  000 "), none) << text;
    EXPECT_NE(text.find(std::string(outward) + "\n"), std::string::npos) << outward << "\n" << text;
}

// A state of one bit in is that bit's pad alone at radio frequencies: the
// ideal throughs round it change nothing.
TEST(Json, StepStateAtRadioFrequencies)
{
    const Texts parts{"-f", "json", "--parasitics", "L=0.5n,C=50f,CPAD=80f", "--frequency", "1G"};
    Texts steps = parts, pad = parts;
    steps.insert(steps.end(), {"--steps", "1", "2"});
    pad.insert(pad.end(), {"--pad", "pi", "2"});
    const auto state = nlohmann::json::parse(cli(steps).out).at(0).at("steps").at("states").at(2);
    const auto alone = nlohmann::json::parse(cli(pad).out).at(0).at("pi");
    EXPECT_EQ(state.at("flat_to_hz"), alone.at("flat_to_hz"));
    EXPECT_EQ(state.at("matched_to_hz"), alone.at("matched_to_hz"));
    EXPECT_NEAR(state.at("response").at("s21_db").at(0), alone.at("response").at("s21_db").at(0), 1e-12);
    EXPECT_NEAR(state.at("response").at("s11_db").at(0), alone.at("response").at("s11_db").at(0), 1e-9);
}

// A 2-way splitter of 18R arms by hand: 52 ohms in, 2/102 A from 2 V behind
// 50 ohms, 0.6667 V at the junction and 0.4902 V out of the 1 V a direct
// connection gives: 6.19 dB; between its outputs the same, by symmetry.
TEST(Text, SplitterOutputsAndIsolation)
{
    const std::string out = cli({"--pad", "splitter"}).out;
    EXPECT_EQ(split(out, '\n').at(3), "Splitter outputs: 2");
    EXPECT_NE(out.find("\nSplitter insertion loss with preferred values: 6.19 dB\n"), none) << out;
    EXPECT_NE(out.find("\nSplitter isolation between outputs with preferred values: 6.19 dB\n"), none) << out;
}

// One row a state and frequency, in the order of their numbers.
TEST(Csv, StepStates)
{
    const Table t = csv({"--steps", "-f", "csv", "--frequency", "1G:2G:2", "1", "2"});
    ASSERT_EQ(t.rows.size(), 8u);
    // A column a bit, so that 010 cannot read as 10.
    EXPECT_EQ(Texts(t.header.begin(), t.header.begin() + 4), Texts({"state", "bit1", "bit2", "frequency_hz"}));
    EXPECT_EQ(Texts(t.rows[3].begin(), t.rows[3].begin() + 4), Texts({"1", "1", "0", "2e+09"}));
    EXPECT_EQ(csv({"--steps", "-f", "csv", "--parasitics", "L=0", "--frequency", "1G", "1"}).at(1, "matched_to_hz"),
              "");
    EXPECT_EQ(csv({"--steps", "-f", "csv", "--parasitics", "L=0", "1"}).at(1, "flat_to_hz"), "");
    EXPECT_NE(csv({"--steps", "-f", "csv", "-t", "1", "1"}).at(1, "insertion_loss_range_db_1"), "");
    // Every bit's parts against their rating, the last bit's too.
    const Table rated = csv({"--steps", "-f", "csv", "--package", "0603", "1", "2"});
    EXPECT_NE(rated.at(1, "bit1_smallest_package"), "");
    EXPECT_NE(rated.at(1, "bit2_smallest_package"), "");
}

// --pad all: every kind with a design, in the engine's order.
TEST(Json, AllPadsWithADesign)
{
    const auto keys = [](Texts args, std::size_t row = 0) {
        args.insert(args.begin(), {"-f", "json", "--pad", "all"});
        std::vector<std::string> found;
        const auto rows = nlohmann::ordered_json::parse(cli(args).out);
        for (const auto& [key, value] : rows.at(row).items())
            if (value.is_object() && key != "parasitics")
                found.push_back(key);
        return found;
    };
    EXPECT_EQ(keys({"6"}), Texts({"pi", "t", "bridged_t", "series_r", "shunt_r", "l_pad_series", "l_pad_shunt",
                                  "h_pad", "o_pad", "splitter"}));
    // Between 75 and 50 ohms a single resistor exists from 0.1773 dB, the Pi and T from 5.7195 dB.
    EXPECT_EQ(keys({"--zin", "75", "--zout", "50", "0.2"}), Texts({"l_pad", "series_r", "shunt_r", "u_pad"}));
    EXPECT_EQ(keys({"--zin", "75", "--zout", "50"}), Texts({"l_pad", "u_pad"}));
    // Each value its own: 10 dB keeps the Pi and T that 3 dB has none of.
    EXPECT_EQ(keys({"--zin", "75", "--zout", "50", "3", "10"}, 1),
              Texts({"pi", "t", "l_pad", "series_r", "shunt_r", "h_pad", "o_pad", "u_pad"}));
}

// Its own block: the inputs but the attenuation, then the L-pad; 600 to 50
// ohms from the handbook's table: 574.5 and 52.2 ohms.
TEST(Text, LPadAlone)
{
    const std::vector<std::string> lines = split(cli({"--zin", "600", "--zout", "50"}).out, '\n');
    ASSERT_EQ(lines.size(), 19u);   // 5 of inputs, 14 of the L-pad
    EXPECT_EQ(lines[0], "Input power: 1 W");
    EXPECT_EQ(lines[5], "L-pad shunt at: the 50 ohm side, the output");
    EXPECT_EQ(lines[6], "L-pad series theoretical value in ohms: 574.5");
    EXPECT_EQ(lines[7], "L-pad shunt theoretical value in ohms: 52.22");
}

// A range's values counted before they are made: 0, 2, 4, 6, 8 is five;
// its numbers stepped exactly in up to 37 digits.
TEST(Ranges, CountAgainstTheLimit)
{
    EXPECT_EQ(velkor::readDb("0:8:2", 5).values.size(), 5u);
    EXPECT_EQ(velkor::readDb("0:10:2", 5).error, "more than 5 values");
    EXPECT_EQ(velkor::readDb("5:5:1", 5).values, std::vector<double>({5}));   // FROM at TO: one value
    EXPECT_EQ(velkor::readDb("1:1.000000000000000000000000000000000001:1", 5).error, "");
}

// A sweep counts its points and includes both ends; prefixes k to T; a log
// sweep may start below 1 Hz.
TEST(Ranges, SweepsOfPoints)
{
    EXPECT_EQ(velkor::readSweep("10k:2.4GHz:2", 9).hertz, std::vector<double>({1e4, 2.4e9}));
    EXPECT_EQ(velkor::readSweep("0:1T:3", 9).hertz, std::vector<double>({0, 5e11, 1e12}));
    EXPECT_EQ(velkor::readSweep("1k:1M:4:log", 9).hertz.at(1), 1e4);
    EXPECT_EQ(velkor::readSweep("0.5:5:2:log", 9).hertz, std::vector<double>({0.5, 5}));
    EXPECT_EQ(velkor::readSweep("0:2e-8:3", 9).hertz.at(1), 1e-8);   // 10^-22 of its 15 digits
}

// The program with its standard output where a write fails: a full disk, a
// closed descriptor, a reader gone with SIGPIPE ignored.
struct Unwritable { const char* name; std::string redirected; std::string reason; };
class Writes : public testing::TestWithParam<Unwritable> {};

TEST_P(Writes, FailIsStatusThreeWithTheReason)
{
    const std::string err = testing::TempDir() + "velkor_cli_write_" + GetParam().name + std::to_string(getpid());
    const std::string script = "trap '' PIPE; exec 2>" + err + "; " + GetParam().redirected +
                               "; exit \\${PIPESTATUS[0]}";
    const int status = std::system(("bash -c \"" + script + "\"").c_str());
    EXPECT_EQ(WEXITSTATUS(status), 3);
    std::ostringstream said;
    said << std::ifstream(err).rdbuf();
    std::remove(err.c_str());
    EXPECT_EQ(said.str(), "velkor-cli: cannot write the results: " + GetParam().reason + "\n");
}

const std::string program = VELKOR_CLI;
INSTANTIATE_TEST_SUITE_P(Program, Writes, testing::Values(
    Unwritable{"Text", program + " 6 >/dev/full", "No space left on device"},
    Unwritable{"Csv", program + " -f csv 6 >/dev/full", "No space left on device"},
    Unwritable{"Help", program + " --help >/dev/full", "No space left on device"},
    Unwritable{"Version", program + " --version >/dev/full", "No space left on device"},
    Unwritable{"Closed", program + " 6 >&-", "Bad file descriptor"},
    Unwritable{"ReaderGone", program + " -f csv 1:60:0.01 | head -c 1 >/dev/null", "Broken pipe"}),
    rowname);

// The limit on values counts them all: exactly as many as it allows pass.
TEST(Limits, AsManyValuesAsAllowed)
{
    const Result r = cli({"-f", "csv", "--pad", "series_r", "0.001:50:0.001", "0.001:50:0.001"});
    EXPECT_EQ(r.status, 0) << r.err;
}

// Ideal parts given as parasitics of 0: every frequency is 0 Hz.
TEST(Json, IdealPartsAreFlatEverywhere)
{
    const Result r = cli({"-f", "json", "--pad", "t", "--parasitics", "L=0,C=0,CPAD=0",
                          "--frequency", "0:10G:5", "6"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto row = nlohmann::json::parse(r.out)[0];
    EXPECT_EQ(row["min_return_loss_db"], 20);
    // null: none named
    EXPECT_EQ(row.value("package", nlohmann::json("absent")), nlohmann::json());
    const auto& t = row["t"];
    EXPECT_TRUE(t["flat_to_hz"].is_null());
    const auto& s21 = t["response"]["s21_db"];
    ASSERT_EQ(s21.size(), 5u);
    EXPECT_EQ(s21.front(), s21.back());
}

// By hand: 220R with 1 nH in series between 50 ohms at 1 GHz passes
// S21 = 100 / (320 + j 6.2832), a phase of -atan(6.2832 / 320).
TEST(Json, PhaseInDegrees)
{
    const Result r = cli({"-f", "json", "--pad", "series_r", "--parasitics", "L=1n", "--frequency", "1G", "10"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto row = nlohmann::json::parse(r.out).at(0);
    EXPECT_NEAR(row.at("series_r").at("response").at("s21_deg").at(0).get<double>(), -1.12485545915033, 1e-12);
}

// Ideal parts stay flat and matched past the search's end; the Pi of 150,
// 39 and 150 ohms (input 150 || 76.5 = 50.66 ohms) has a return loss of
// 43.64 dB, so never 50 dB; its insertion loss is 6.14 dB at every frequency.
// CSV and JSON keep 0 Hz for never.
TEST(Text, BandwidthsAndResponse)
{
    const std::string out = cli({"--pad", "pi", "--parasitics", "L=0", "--min-return-loss", "50",
                                 "--frequency", "1G:2G:2", "6"}).out;
    EXPECT_NE(out.find("\nPi flat within 0.1 dB up to: beyond 1 THz\n"), std::string::npos) << out;
    EXPECT_NE(out.find("\nPi return loss 50 dB or better up to: never (43.6 dB at 0 Hz)\n"), none) << out;
    EXPECT_NE(out.find("\nPi response: frequency, insertion loss, input return loss, output return loss\n"
                       "  1.00 GHz, 6.14 dB, 43.64 dB, 43.64 dB\n  2.00 GHz, 6.14 dB, 43.64 dB, 43.64 dB\n"),
              std::string::npos) << out;
    const Table t = csv({"-f", "csv", "--pad", "pi", "--parasitics", "L=0",
                         "--min-return-loss", "50", "6"});
    EXPECT_EQ(t.at(0, "pi_flat_to_hz"), "");
    EXPECT_EQ(t.at(0, "pi_matched_to_hz"), "0");
}

// One row a value, pad and frequency, in that order.
TEST(Csv, ResponseRowsForPlotting)
{
    const Table t = csv({"-f", "csv", "--pad", "t,pi", "--frequency", "0:1G:2", "6", "10"});
    EXPECT_EQ(t.header, split("attenuation_db,pad,frequency_hz,s11_db,s11_deg,s21_db,s21_deg,"
                              "s22_db,s22_deg", ','));
    ASSERT_EQ(t.rows.size(), 8u);
    EXPECT_EQ(Texts(t.rows[3].begin(), t.rows[3].begin() + 3), Texts({"6", "t", "1e+09"}));
    EXPECT_EQ(Texts(t.rows[4].begin(), t.rows[4].begin() + 3), Texts({"10", "pi", "0"}));
    // The 10 dB Pi of 100, 68 and 100 ohms: A + B/50 + 50 C + D = 6.06, S21 = 2 / 6.06.
    EXPECT_NEAR(std::stod(t.at(4, "s21_db")), -20 * std::log10(3.03), 1e-12);
}

TEST(Help, ExamplesAndExitStatusOnStdout)
{
    const Result r = cli({"--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("velkor-cli -f csv 1:30:1"), std::string::npos);
    EXPECT_EQ(cli({"--version"}).out, "velkor-cli 1.0\n");
}

} // namespace
