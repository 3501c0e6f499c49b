#pragma once
// The pad designer: every pad kind between any two impedances, built from
// any series, with its worst case and its response with real parts. A
// window of the system's own look; every number comes from the engine.

#include "designworker.h"
#include "helpviewer.h"
#include "text/designer.h"

#include <QMainWindow>
#include <QTimer>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class QAction;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLayout;
class QLineEdit;
class QTabBar;

namespace velkor::ui {

struct InputRow;
class ResponsePlot;
class Schematic;
class StepPanel;
class StepPlot;
class ValueLabel;

/// The pad the designer opens with: the main window's, or the defaults.
struct DesignerStart {
    QString db = QStringLiteral("6");
    QString power = QStringLiteral("1");
    QString impedance = QStringLiteral("50");
    Series series = Series::E12;
};

/// A window of its own on the desktop and to a screen reader, as the main
/// window is. What the inputs ask is worked out off the window's thread:
/// typing never waits, and a result shows only while its inputs stand.
class PadDesigner : public QMainWindow {
public:
    explicit PadDesigner(const DesignerStart& start, QWidget* parent = nullptr);
    ~PadDesigner() override;

    /// The design on display: the last the inputs gave with a row; null
    /// before the first.
    const PadDesign* design() const { return shown_ ? &*shown_ : nullptr; }
    /// Whether the results on display are for the inputs as they stand.
    bool current() const { return current_; }
    /// Whether the inputs as they stand are being worked out.
    bool working() const { return asked_ != 0; }

    /// Writes the Touchstone file of the design on display; false, with a
    /// message box saying why, when it cannot or the results are not current.
    bool saveTouchstone(const QString& path);
    /// Whether it designs a step attenuator rather than a pad.
    bool stepMode() const { return inputs_.steps; }
    /// Designs a step attenuator, or a pad, as the choice at the top does.
    void setStepMode(bool steps);
    /// The step attenuator's tables: its bits, and its states.
    StepPanel* stepPanel() const { return steps_; }

    /// Writes the plot as a PNG at the screen's scale; likewise.
    bool savePlotImage(const QString& path);

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    struct Box;
    void buildInputs(QGridLayout* grid, const DesignerStart& start);
    QWidget* buildResults();
    QLayout* buildActions();   ///< the buttons of the copies and saves, in a row
    void restoreSettings();
    void saveSettings() const;

    void refresh();
    void workedOut(std::uint64_t number, PadDesign design);
    void display(PadDesign design);
    void showBusy();
    void whenCurrent(void (PadDesigner::*run)());
    void showDesign();
    void showResults(const DesignResults& results);
    void greyResults(const QString& why);
    void enableResults(bool on);
    void packageChanged();
    void modeChanged();
    void showSteps();
    void chooseState(std::size_t state);
    void ask(PadDesign d, QString busy);
    void showParts();
    void refuse(const QString& what, const QString& why);

    void copyResults();
    void copyJson();
    void copySpice();
    void saveTouchstoneAs();
    void savePlotImageAs();
    void showHelp();

    DesignInputs inputs_;
    std::optional<PadDesign> shown_;
    bool current_ = false;
    std::uint64_t asked_ = 0;   ///< the number of the design being worked out for the inputs; 0 for none
    QTimer busyAfter_;          ///< the busy line waits this long, so that typing does not flicker
    void (PadDesigner::*waitingToRun_)() = nullptr;   ///< a copy or save asked while the inputs were worked out
    bool ready_ = false;   ///< built: the inputs' changes are worked out
    std::vector<Box> boxes_;
    QStringList customParts_;   ///< the L, C and CPAD typed under Custom, kept aside under another package

    QTabBar* mode_ = nullptr;
    std::optional<std::size_t> chosenState_;   ///< the state chosen in the table, shown while the design has it
    QString busyText_;
    bool askingState_ = false;   ///< what is being worked out is a state's response alone
    int otherModeKind_ = 0;   ///< the kind, by its index among all kinds, the other mode had                         ///< what the busy line says is being worked out
    QComboBox* kind_ = nullptr;
    QComboBox* series_ = nullptr;
    QComboBox* package_ = nullptr;
    QCheckBox* pairs_ = nullptr;
    Schematic* schematic_ = nullptr;
    ResponsePlot* plot_ = nullptr;
    StepPanel* steps_ = nullptr;
    StepPlot* stepPlot_ = nullptr;
    QWidget* results_ = nullptr;
    QGridLayout* resistorGrid_ = nullptr;   ///< a row per resistor
    QGridLayout* figureGrid_ = nullptr;     ///< the pad's figures
    QLayout* refusals_ = nullptr;           ///< each refused box's message
    QLabel* why_ = nullptr;
    QLabel* busy_ = nullptr;
    std::vector<ValueLabel*> values_;
    std::vector<QWidget*> resultWidgets_;
    std::vector<QAction*> outputs_;   ///< the copies and saves, idle while the results are not current
    HelpViewer help_{this};
    DesignWorker worker_{this, [this](std::uint64_t number, PadDesign d) { workedOut(number, std::move(d)); }};
};

} // namespace velkor::ui
