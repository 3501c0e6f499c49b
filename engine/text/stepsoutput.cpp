#include "text/stepsoutput.h"

#include "base/numtext.h"
#include "text/quantities.h"
#include "text/report.h"

namespace velkor {
namespace {

// A step's text columns: what each holds and how wide it is written.
constexpr int stateWidth = 5, bitsMargin = 2, numberWidth = 12;

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

void csvNumber(std::string& out, double x) { (out += ',') += shortest(x); }

} // namespace

std::string stepsText(const StepResult& r)
{
    const StepRequest& q = r.request;
    std::string out = heading(r);
    for (std::size_t bit = 0; bit < r.pads.size(); ++bit) {
        out.append("Bit ").append(std::to_string(bit + 1)).append(", ").append(shortest(q.bits[bit])).append(" dB:");
        for (const Part& part : r.pads[bit].parts)
            out.append(" ").append(part.code);
        out += '\n';
    }
    const std::size_t bitsWidth = std::max<std::size_t>(q.bits.size(), 4) + bitsMargin;
    const auto column = [](const char* name) { return padded(name, numberWidth); };
    out += '\n' + padded("State", stateWidth) + "  " + padded("Bits", bitsWidth, false) + column("Setting dB") +
           column("Loss dB") + column("Error dB") + column("Return dB") + column("Out ret. dB");
    if (q.tolerance.given)
        out += "  Loss range at " + shortest(q.tolerance.percent()) + " %, dB";
    out += '\n';
    for (const StepState& s : r.states) {
        out += padded(std::to_string(s.number), stateWidth) + "  " + padded(s.bits, bitsWidth, false) +
               padded(dbText(s.setting), numberWidth) + padded(dbText(s.insertionLoss), numberWidth) +
               padded(dbText(s.error), numberWidth) + padded(loss(s.returnLoss), numberWidth) +
               padded(loss(s.outputReturnLoss), numberWidth);
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
    return out;
}

std::string stepsCsv(const StepResult& r)
{
    const StepRequest& q = r.request;
    const bool response = q.radio && !q.radio->hertz.empty();
    const bool modelled = q.radio && q.radio->modelled;
    std::string out = "state,bits,";
    if (response) {
        out += "frequency_hz,s11_db,s11_deg,s21_db,s21_deg,s22_db,s22_deg\n";
        for (const StepState& s : r.states)
            for (std::size_t i = 0; i < q.radio->hertz.size(); ++i) {
                const SParameters& p = s.radio.response[i];
                out += std::to_string(s.number) + ',' + s.bits;
                for (double x : {q.radio->hertz[i], decibels(p.s11), degrees(p.s11), transmissionDecibels(p.s21),
                                 degrees(p.s21), decibels(p.s22), degrees(p.s22)})
                    csvNumber(out, x);
                out += '\n';
            }
        return out;
    }
    out += "setting_db,insertion_loss_db,error_db,return_loss_db,output_return_loss_db";
    if (q.tolerance.given)
        out += ",insertion_loss_range_db_1,insertion_loss_range_db_2";
    if (modelled)
        out += ",flat_to_hz,matched_to_hz";
    out += '\n';
    for (const StepState& s : r.states) {
        out += std::to_string(s.number) + ',' + s.bits;
        for (double x : {s.setting, s.insertionLoss, s.error, s.returnLoss, s.outputReturnLoss})
            csvNumber(out, x);
        if (s.insertionLossRange)
            for (double x : *s.insertionLossRange)
                csvNumber(out, x);
        if (modelled)
            for (const std::optional<double>& hz : {s.radio.bandwidths.flat, s.radio.bandwidths.matched}) {
                out += ',';
                if (hz)
                    out += shortest(*hz);
            }
        out += '\n';
    }
    return out;
}

std::string stepsJson(const StepResult& r)
{
    const StepRequest& q = r.request;
    const Ports ports{q.impedance, q.impedance};
    std::string out = "[\n  {\"steps\": {\"pad\": \"";
    out.append(describe(q.kind).key).append("\", \"power_w\": ").append(shortest(q.power));
    out.append(", \"impedance_ohm\": ").append(shortest(q.impedance));
    out.append(", \"series\": \"").append(seriesName(q.series)).append("\", \"tolerance_percent\": ");
    out.append(shortest(q.tolerance.percent())).append(", \"pairs\": ").append(q.pairs ? "true" : "false");
    if (q.radio && q.radio->modelled) {
        out += ", ";
        jsonRadio(out, q.radio);
    }
    out += ", \"pads\": [";
    for (std::size_t bit = 0; bit < r.pads.size(); ++bit) {
        out += bit ? ", " : "";
        jsonPads(out, Row{q.bits[bit], q.power, ports, q.series, q.tolerance, q.pairs, {r.pads[bit]}});
    }
    out += "], \"states\": [";
    for (const StepState& s : r.states) {
        out += s.number ? ", " : "";
        out.append("{\"state\": ").append(std::to_string(s.number)).append(", \"bits\": \"").append(s.bits);
        out.append("\", \"setting_db\": ").append(shortest(s.setting));
        out.append(", \"insertion_loss_db\": ").append(shortest(s.insertionLoss));
        out.append(", \"error_db\": ").append(shortest(s.error));
        out.append(", \"return_loss_db\": ").append(shortest(s.returnLoss));
        out.append(", \"output_return_loss_db\": ").append(shortest(s.outputReturnLoss));
        if (s.insertionLossRange) {
            out.append(", \"insertion_loss_range_db\": [").append(shortest((*s.insertionLossRange)[0]));
            out.append(", ").append(shortest((*s.insertionLossRange)[1])).append("]");
        }
        if (q.radio && q.radio->modelled)
            for (const auto& [key, hz] : {std::pair{"flat_to_hz", s.radio.bandwidths.flat},
                                          std::pair{"matched_to_hz", s.radio.bandwidths.matched}})
                out.append(", \"").append(key).append("\": ").append(hz ? shortest(*hz) : "null");
        if (q.radio && !q.radio->hertz.empty()) {
            out += ", ";
            jsonResponse(out, q.radio->hertz, s.radio.response);
        }
        out += '}';
    }
    const StepState& worst = r.states[r.worstErrorState];
    const StepState& least = r.states[r.leastReturnLossState];
    out.append("], \"worst_error_db\": ").append(shortest(worst.error));
    out.append(", \"worst_error_state\": ").append(std::to_string(worst.number));
    out.append(", \"least_return_loss_db\": ").append(shortest(std::min(least.returnLoss, least.outputReturnLoss)));
    out.append(", \"least_return_loss_state\": ").append(std::to_string(least.number));
    return out += "}}\n]\n";
}

} // namespace velkor
