#pragma once
// The calculator's one window: inputs, series buttons, result fields,
// circuit drawings and menus, and the handlers that feed the engine.

#include "anchoredlabel.h"
#include "helpviewer.h"
#include "window/calc.h"
#include "window/inputs.h"
#include "window/summary.h"

#include <QMainWindow>

#include <array>
#include <memory>

class QAction;
class QLineEdit;
class QRadioButton;

namespace velkor::ui {

class PadDesigner;

class Form1 : public QMainWindow {
public:
    /// Builds every control from the layout table and runs Form_Load, so
    /// the first results are in place before the window is shown.
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    /// The calculation state the handlers feed.
    const Calc& state() const { return calc_; }
    /// How many recalculations the handlers have asked for so far.
    int recalccount() const { return recalcs_; }
    /// The help layer behind the Help command.
    const HelpViewer& helpviewer() const { return CommonDialog1; }
    /// The results on display as plain text, as "Copy results" puts them on
    /// the clipboard.
    QString results() const;
    /// The pads on display (Pi, T and bridged-T as built) as a SPICE netlist,
    /// as "Copy SPICE netlist" puts it on the clipboard.
    QString spicenetlist() const;
    /// The pad designer, once opened; null before.
    PadDesigner* paddesigner() const { return designer_.get(); }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildmenus();
    void buildclient();
    void buildlabel(const Item& item, QWidget* client);
    QWidget* buildinput(const Item& item, QWidget* client);
    void connecthandlers();

    void recalc();
    void take(double& input, Accepted a);
    void selectseries(Series s);
    double readbox(const QLineEdit* box) const;
    void writeimpedance();

    void Form_Load();
    void Text1_Change();
    void Text2_Change();
    void systemimpedance_Change();
    void systemimpedance_Edited();
    void systemimpedance_Finished();
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void about_Click();
    void helpinfo_Click();
    void Quit_Click();
    void copyresults_Click();
    void copyspice_Click();
    void paddesigner_Click();
    void openmenus();

    Calc calc_;
    int recalcs_ = 0;
    Series series_ = Series::E12;   ///< the series last loaded
    Inputs shown_;                  ///< what the results on display were calculated from
    bool edited_ = false;           ///< the impedance box's next change is the user's edit, already handled
    HelpViewer CommonDialog1{this};

    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLineEdit* systemimpedance = nullptr;
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
    QRadioButton* Option3 = nullptr;
    QAction* Quit = nullptr;
    QAction* about = nullptr;
    QAction* helpinfo = nullptr;
    QMenu* help = nullptr;
    QAction* copyresults = nullptr;
    QAction* copyspice = nullptr;
    QAction* designer = nullptr;
    std::unique_ptr<PadDesigner> designer_;   ///< built when first opened
    std::array<AnchoredLabel*, fieldcount> fields_{};
};

} // namespace velkor::ui
