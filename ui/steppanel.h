#pragma once
// The pad designer's results for a step attenuator: the chain of its bits,
// a table of the bits, the worst error and least return loss, and a table
// of every state; choosing a state (mouse or keyboard) asks for its
// response. Every number comes from the engine's sheet.

#include "text/stepsheet.h"

#include <QWidget>

#include <functional>

class QTableWidget;

namespace velkor::ui {

class ValueLabel;

/// The chain of bits between the ports: each bit a block with its dB and
/// its parts' codes, between its pair of switches (in, or through).
class StepChain : public QWidget {
public:
    explicit StepChain(QWidget* parent);
    void setChain(std::vector<std::pair<std::string, std::vector<std::string>>> bits);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return {0, sizeHint().height()}; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    std::vector<std::pair<std::string, std::vector<std::string>>> bits_;
};

class StepPanel : public QWidget {
public:
    /// `chosen` runs with the state chosen in the table.
    StepPanel(QWidget* parent, std::function<void(std::size_t)> chosen);

    /// Shows `sheet`, the state `chosen` (0 to 2^bits - 1) chosen in the table.
    void setSheet(const StepSheet& sheet, std::size_t chosen);

    QTableWidget* bits() const { return bits_; }
    QTableWidget* states() const { return states_; }

private:
    StepChain* chain_;
    QTableWidget* bits_;
    QTableWidget* states_;
    ValueLabel* worstError_;
    ValueLabel* leastReturnLoss_;
    std::function<void(std::size_t)> chosen_;
    bool setting_ = false;   ///< filling the tables: a change of row is not the user's
};

} // namespace velkor::ui
