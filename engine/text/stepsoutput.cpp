#include "text/stepsoutput.h"

#include "base/numtext.h"
#include "text/quantities.h"
#include "text/report.h"
#include "text/writer.h"

#include <array>
#include <cstring>

namespace velkor {

using namespace writer;

namespace {

// A step's text columns: what each holds and how wide it is written.
constexpr int stateWidth = 5, bitsMargin = 2, numberWidth = 12, columnGap = 2;
constexpr const char* flatHeading = "Flat to";
constexpr const char* matchedHeading = "Matched to";

std::string padded(std::string text, std::size_t width, bool right = true)
{
    if (text.size() < width)
        text.insert(right ? 0 : text.size(), width - text.size(), ' ');
    return text;
}

std::string dbText(double db, Rounding r = Rounding::nearest) { return formatPattern(db, "0.00", r); }
std::string loss(double db, Rounding r = Rounding::nearest) { return formatPattern(db, "0.0", r); }

// The inputs every output repeats.
std::string heading(const StepResult& r)
{
    const StepRequest& q = r.request;
    std::string out = "Step attenuator: ";
    out.append(std::to_string(q.bits.size())).append(q.bits.size() == 1 ? " bit" : " bits").append(" of ");
    out.append(describe(q.kind).lineName).append(" pads between ").append(shortest(q.impedance));
    out.append(" ohms, ").append(seriesName(q.series)).append(q.pairs ? " parts and pairs" : " parts");
    out.append(", ").append(shortest(q.power)).append(" W\n");
    return out;
}

// A state's bandwidths, where the parts have parasitics.
template <class Writer>
void walkBandwidths(Writer& w, const StepState& s, const StepRequest& q)
{
    if (q.radio && q.radio->modelled) {
        w.maybe("flat_to_hz", s.radio.bandwidths.flat);
        w.maybe("matched_to_hz", s.radio.bandwidths.matched);
    }
}

// A state's number and its bits: as one text, or with `eachBit` as a number
// 0 or 1 a bit, bit1 to bitN, which a spreadsheet cannot take for a number
// of its own (010 for 10).
template <class Writer>
void walkNumber(Writer& w, const StepState& s, bool eachBit)
{
    w.value("state", s.number);
    if (!eachBit)
        w.text("bits", s.bits);
    for (std::size_t bit = 0; bit < s.bits.size() && eachBit; ++bit)
        w.value("bit" + std::to_string(bit + 1), s.bits[bit] == '1' ? 1 : 0);
}

// A state's keys and values, as the writers take them.
template <class Writer>
void walkState(Writer& w, const StepState& s, const StepRequest& q, bool eachBit)
{
    walkNumber(w, s, eachBit);
    w.value("setting_db", s.setting);
    w.value("insertion_loss_db", s.insertionLoss);
    w.value("error_db", s.error);
    w.value("return_loss_db", s.returnLoss);
    w.value("output_return_loss_db", s.outputReturnLoss);
    if (s.insertionLossRange)
        w.values("insertion_loss_range_db", *s.insertionLossRange);
    walkBandwidths(w, s, q);
    if (q.radio && !q.radio->hertz.empty())
        w.response(q.radio->hertz, s.radio.response);
}

// A step attenuator's keys and values: its inputs, each bit's pad, each
// state, and the summary.
void walkSteps(JsonWriter& w, const StepResult& r, std::optional<std::size_t> only)
{
    const StepRequest& q = r.request;
    w.text("pad", describe(q.kind).key);
    w.value("power_w", q.power);
    w.value("impedance_ohm", q.impedance);
    w.text("series", seriesName(q.series));
    w.value("tolerance_percent", q.tolerance.percent());
    w.flag("pairs", q.pairs);
    walkRadio(w, q.radio);
    w.openList("pads");
    for (std::size_t bit = 0; bit < r.pads.size(); ++bit) {
        w.item();
        Row row{q.bits[bit], q.power, {q.impedance, q.impedance}, q.series, q.tolerance, q.pairs, {r.pads[bit]}};
        if (!r.ratings.empty())
            row.padRadio.push_back({{}, {}, r.ratings[bit]});
        walk(w, row, false);
        w.close();
    }
    w.closeList();
    w.openList("states");
    for (const StepState& s : r.states) {
        if (only && s.number != *only)
            continue;
        w.item();
        walkState(w, s, q, false);
        w.close();
    }
    w.closeList();
    const StepState& worst = r.states[r.worstErrorState];
    const StepState& least = r.states[r.leastReturnLossState];
    w.value("worst_error_db", worst.error);
    w.value("worst_error_state", worst.number);
    w.value("least_return_loss_db", std::min(least.returnLoss, least.outputReturnLoss));
    w.value("least_return_loss_state", least.number);
}

} // namespace

std::string stepsText(const StepResult& r, std::optional<std::size_t> only)
{
    const auto shown = [only](const StepState& s) { return !only || s.number == *only; };
    const StepRequest& q = r.request;
    std::string out = heading(r);
    for (std::size_t bit = 0; bit < r.pads.size(); ++bit) {
        out.append("Bit ").append(std::to_string(bit + 1)).append(", ").append(shortest(q.bits[bit])).append(" dB:");
        for (const Part& part : r.pads[bit].parts)
            out.append(" ").append(part.code);
        out += '\n';
    }
    for (std::size_t bit = 0; bit < r.ratings.size(); ++bit)
        out += ratingLines("Bit " + std::to_string(bit + 1), r.ratings[bit], *q.radio->package,
                           resistorsOf(q.kind, {q.impedance, q.impedance}));
    // With parasitics, each state's bandwidths in columns as wide as their
    // widest cell.
    const bool modelled = q.radio && q.radio->modelled;
    std::vector<std::array<std::string, 2>> bandwidths;
    std::array<std::size_t, 2> widths = {std::strlen(flatHeading), std::strlen(matchedHeading)};
    for (const StepState& s : r.states) {
        if (!modelled)
            break;
        bandwidths.push_back({bandwidthText(s.radio.bandwidths.flat),
                              matchedText(s.radio.bandwidths.matched, std::min(s.returnLoss, s.outputReturnLoss))});
        for (std::size_t i = 0; i < widths.size(); ++i)
            widths[i] = std::max(widths[i], bandwidths.back()[i].size());
    }
    const std::size_t bitsWidth = std::max<std::size_t>(q.bits.size(), 4) + bitsMargin;
    const auto column = [](const char* name) { return padded(name, numberWidth); };
    out += '\n' + padded("State", stateWidth) + "  " + padded("Bits", bitsWidth, false) + column("Setting dB") +
           column("Loss dB") + column("Error dB") + column("Return dB") + column("Out ret. dB");
    if (modelled)
        out += padded(flatHeading, widths[0] + columnGap) + padded(matchedHeading, widths[1] + columnGap);
    if (q.tolerance.given)
        out += "  Loss range at " + shortest(q.tolerance.percent()) + " %, dB";
    out += '\n';
    for (std::size_t i = 0; i < r.states.size(); ++i) {
        const StepState& s = r.states[i];
        if (!shown(s))
            continue;
        out += padded(std::to_string(s.number), stateWidth) + "  " + padded(s.bits, bitsWidth, false) +
               padded(dbText(s.setting), numberWidth) + padded(dbText(s.insertionLoss), numberWidth) +
               padded(dbText(s.error), numberWidth) + padded(loss(s.returnLoss), numberWidth) +
               padded(loss(s.outputReturnLoss), numberWidth);
        if (modelled)
            out += padded(bandwidths[i][0], widths[0] + columnGap) + padded(bandwidths[i][1], widths[1] + columnGap);
        if (s.insertionLossRange)
            out += "  " + dbText((*s.insertionLossRange)[0], Rounding::down) + " to " +
                   dbText((*s.insertionLossRange)[1], Rounding::up);
        out += '\n';
    }
    const StepState& worst = r.states[r.worstErrorState];
    const StepState& least = r.states[r.leastReturnLossState];
    out += "\nWorst error: " + dbText(worst.error) + " dB in state " + std::to_string(worst.number) + " (" +
           worst.bits + ")\n";
    out += "Least return loss: " + loss(std::min(least.returnLoss, least.outputReturnLoss)) + " dB in state " +
           std::to_string(least.number) + " (" + least.bits + ")\n";
    for (const StepState& s : r.states)
        if (q.radio && !q.radio->hertz.empty() && shown(s))
            out.append("\n").append(responseTable("State " + std::to_string(s.number) + " (" + s.bits + ")",
                                                  q.radio->hertz, s.radio.response));
    return out;
}

std::string stepsCsv(const StepResult& r, std::optional<std::size_t> only)
{
    const StepRequest& q = r.request;
    std::string out;
    // A state's number, its bits and its bandwidths, or their names.
    const auto state = [&q, &out](const StepState& s, bool header) {
        CsvWriter w(out, header);
        walkNumber(w, s, true);
        walkBandwidths(w, s, q);
    };
    if (q.radio && !q.radio->hertz.empty()) {   // a row a state and frequency
        state(r.states.front(), true);
        responseHeader(out);
        out += '\n';
        for (const StepState& s : r.states)
            for (std::size_t i = 0; i < q.radio->hertz.size() && (!only || s.number == *only); ++i) {
                state(s, false);
                responseCells(out, q.radio->hertz[i], s.radio.response[i]);
                out += '\n';
            }
        return out;
    }
    const auto& resistors = resistorsOf(q.kind, {q.impedance, q.impedance});
    for (bool header : {true, false})
        for (const StepState& s : r.states) {
            if (!header && only && s.number != *only)
                continue;
            CsvWriter w(out, header);
            walkState(w, s, q, true);
            // Each bit's parts against their rating, the same on every row.
            for (std::size_t bit = 0; bit < r.ratings.size(); ++bit) {
                w.open("bit" + std::to_string(bit + 1));
                walkRating(w, r.ratings[bit], resistors);
                w.close();
            }
            out += '\n';
            if (header)
                break;
        }
    return out;
}

std::string stepsJson(const StepResult& r, std::optional<std::size_t> only)
{
    std::string out = "[\n  {";
    JsonWriter w(out);
    w.open("steps");
    walkSteps(w, r, only);
    w.close();
    return out += "}\n]\n";
}

} // namespace velkor
