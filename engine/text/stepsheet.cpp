#include "text/stepsheet.h"

#include "base/format.h"
#include "base/numtext.h"
#include "text/quantities.h"
#include "text/report.h"

#include <algorithm>

namespace velkor {
namespace {

// Losses and errors as the text of --steps writes them: dB to 0.01, return
// losses to 0.1.
std::string hundredths(double db, Rounding r = Rounding::nearest) { return formatPattern(db, "0.00", r); }
std::string tenths(double db) { return formatPattern(db, "0.0"); }

std::string joined(const std::vector<std::string>& words)
{
    std::string out;
    for (const std::string& w : words)
        out.append(out.empty() ? "" : " ").append(w);
    return out;
}

} // namespace

StepSheet stepSheet(const PadDesign& d)
{
    const StepDesign& steps = *d.steps;
    const StepResult& r = *steps.result;
    const StepRequest& q = r.request;
    StepSheet out{};
    out.bits.headings = {"Bit", "dB", "Parts", "Loss dB", "Return dB"};
    if (!r.ratings.empty())
        out.bits.headings.insert(out.bits.headings.end(), {"Parts " + std::string(q.radio->package->name),
                                                           "Smallest package"});
    const std::vector<Resistor>& resistors = resistorsOf(q.kind, {q.impedance, q.impedance});
    for (std::size_t bit = 0; bit < r.pads.size(); ++bit) {
        const PadResult& pad = r.pads[bit];
        std::vector<std::string> codes;
        for (const Part& part : pad.parts)
            codes.push_back(part.code);
        out.chain.push_back({shortest(q.bits[bit]), codes});
        std::vector<std::string> row = {std::to_string(bit + 1), shortest(q.bits[bit]), joined(codes),
                                        hundredths(pad.built.insertionLoss), tenths(pad.built.returnLoss)};
        if (!r.ratings.empty())
            row.insert(row.end(), {ratingWords(r.ratings[bit], resistors), smallestWords(r.ratings[bit])});
        out.bits.rows.push_back(std::move(row));
    }

    const bool modelled = q.radio && q.radio->modelled;
    out.states.headings = {"State", "Bits", "Setting dB", "Loss dB", "Error dB", "Return dB", "Out ret. dB"};
    if (modelled)
        out.states.headings.insert(out.states.headings.end(), {"Flat to", "Matched to"});
    if (q.tolerance.given)
        out.states.headings.push_back("Loss range at " + shortest(q.tolerance.percent()) + " %, dB");
    for (const StepState& s : r.states) {
        std::vector<std::string> row = {std::to_string(s.number), s.bits,          hundredths(s.setting),
                                        hundredths(s.insertionLoss), hundredths(s.error), tenths(s.returnLoss),
                                        tenths(s.outputReturnLoss)};
        if (modelled)
            row.insert(row.end(),
                       {bandwidthText(s.radio.bandwidths.flat),
                        matchedText(s.radio.bandwidths.matched, std::min(s.returnLoss, s.outputReturnLoss))});
        StepPoint point{s.setting, s.error, std::nullopt};
        if (s.insertionLossRange) {
            const auto [low, high] = *s.insertionLossRange;
            row.push_back(hundredths(low, Rounding::down) + " to " + hundredths(high, Rounding::up));
            point.errorRange = {low - s.setting, high - s.setting};
        }
        out.states.rows.push_back(std::move(row));
        out.points.push_back(point);
    }

    const StepState& worst = r.states[r.worstErrorState];
    const StepState& least = r.states[r.leastReturnLossState];
    const auto inState = [](const StepState& s) {
        return " in state " + std::to_string(s.number) + " (" + s.bits + ")";
    };
    out.worstError = {"Worst error", hundredths(worst.error) + " dB" + inState(worst)};
    out.leastReturnLoss = {"Least return loss",
                           tenths(std::min(least.returnLoss, least.outputReturnLoss)) + " dB" + inState(least)};
    out.worstErrorState = r.worstErrorState;
    out.leastReturnLossState = r.leastReturnLossState;

    out.shownState = *steps.state;
    Curves& c = out.curves;
    c.hertz = d.radio.hertz;
    for (const SParameters& s : steps.response) {
        c.insertionLoss.push_back(-transmissionDecibels(s.s21));
        c.inputReturnLoss.push_back(-decibels(s.s11));
        c.outputReturnLoss.push_back(-decibels(s.s22));
    }
    return out;
}

} // namespace velkor
