#include "layout.h"

#include <array>

namespace velkor::ui {
namespace {

constexpr Qt::Alignment right = Qt::AlignRight;
constexpr Qt::Alignment centre = Qt::AlignHCenter;

constexpr const char* powertip = "power dissipated in resistor NOT its power rating!";
constexpr const char* outputpowertip = "same as R1 if power could be applied to output port";
constexpr const char* truetip = "Actual attenuation using preferred values below";
constexpr const char* vswrtip = "Input VSWR of attenuator using preferred values";
constexpr const char* rltip = "Return Loss of preferred value attenuator";

using namespace colour;
using enum Kind;
using enum Anchor;

constexpr auto table = std::to_array<Item>({
    // Attenuation and power box.
    {.kind = Frame, .name = "Shape4", .box = {240, 240, 2775, 1335}, .colour = orangebrown, .linewidth = 2},
    {.kind = Label, .name = "Label17", .text = "Attenuator Specification   0.1 - 60 dB, 0.1 - 100 W",
     .box = {360, 240, 2655, 495}, .colour = brown, .align = centre, .wrap = true,
     .tooltip = "Enter your values in the db and W boxes"},
    {.kind = TextBox, .name = "Text1", .text = "6", .box = {600, 915, 615, 360}, .colour = brown,
     .align = centre, .tooltip = "Enter attenuation, 0.1-60dB", .accessible = "Attenuation in dB"},
    {.kind = Label, .name = "Label2", .text = "dB", .box = {1320, 960, 255, 255}, .colour = brown},
    {.kind = TextBox, .name = "Text2", .text = "1.0", .box = {1800, 915, 615, 360}, .colour = brown,
     .align = centre, .tooltip = "Enter input power, 0.1-100W", .accessible = "Input power in W"},
    {.kind = Label, .name = "Label20", .text = "W", .box = {2520, 960, 255, 255}, .colour = brown},

    // Title block.
    {.kind = Label, .name = "Label7", .text = "Velkor", .box = {3720, 120, 2175, 555}, .colour = brown,
     .align = centre, .anchor = Centre, .face = Face::Title},
    {.kind = Label, .name = "Label12", .text = "by Tamsel", .box = {3720, 600, 2175, 375}, .colour = brown,
     .align = centre, .face = Face::Subtitle},

    // Impedance box.
    {.kind = Frame, .name = "Shape5", .box = {3720, 1080, 2175, 855}, .colour = brown, .linewidth = 2},
    {.kind = Label, .name = "Label31", .text = "System Impedance", .box = {3840, 1200, 1995, 240},
     .colour = darkred, .anchor = Left, .tooltip = "Enter the system impedance (usually 50 ohms) in the box"},
    {.kind = TextBox, .name = "systemimpedance", .text = "50", .box = {4320, 1440, 495, 345},
     .colour = darkred, .align = centre, .tooltip = "Enter system impedance, 10-999 ohms",
     .accessible = "System impedance in ohms"},
    {.kind = Label, .name = "Label32", .text = "Ohms", .box = {4920, 1493, 735, 255}, .colour = brown},

    // Series box.
    {.kind = Frame, .name = "Shape3", .box = {6840, 120, 2295, 1455}, .colour = brown, .linewidth = 2},
    {.kind = Label, .name = "Label3", .text = "Preferred Resistor Values", .box = {6960, 120, 2100, 480},
     .colour = brown, .align = centre, .wrap = true,
     .tooltip = "Select practical resistors from E12 or E24 series of preferred values"},
    {.kind = Option, .name = "Option3", .text = " E6 Series", .box = {7200, 600, 1455, 240}, .colour = brown,
     .accessible = "E6 series of preferred values"},
    {.kind = Option, .name = "Option1", .text = " E12 Series", .box = {7200, 840, 1815, 330}, .colour = brown,
     .tooltip = "Values 1.0, 1.2, 1.5, 1.8, 2.2 ...", .accessible = "E12 series of preferred values",
     .checked = true},
    {.kind = Option, .name = "Option2", .text = " E24 Series", .box = {7200, 1080, 1815, 405}, .colour = brown,
     .tooltip = "Values 1.0, 1.1, 1.2, 1.3, 1.5 ...", .accessible = "E24 series of preferred values"},

    // Pi drawing: resistors are gaps in the wires with their names in them.
    {.kind = Line, .name = "Line4", .ends = {240, 2280, 840, 2280}},
    {.kind = Line, .name = "Line5", .ends = {1320, 2280, 1920, 2280}},
    {.kind = Line, .name = "Line7", .ends = {240, 3360, 1920, 3360}},
    {.kind = Line, .name = "Line3", .ends = {720, 2640, 720, 2280}},
    {.kind = Line, .name = "Line1", .ends = {720, 3120, 720, 3360}},
    {.kind = Line, .name = "Line6", .ends = {1440, 2280, 1440, 2640}},
    {.kind = Line, .name = "Line2", .ends = {1440, 3120, 1440, 3360}},
    {.kind = Label, .name = "Label5", .text = "Pi Attenuator", .box = {360, 1800, 1335, 240}, .anchor = Left,
     .tooltip = "Pi attenuator circuit"},
    {.kind = Label, .name = "Label10", .text = "R2", .box = {960, 2160, 375, 255}},
    {.kind = Label, .name = "Label9", .text = "R1", .box = {600, 2760, 255, 255}},
    {.kind = Label, .name = "Label11", .text = "R3", .box = {1320, 2760, 375, 255}},
    {.kind = Label, .name = "Label18", .text = "In", .box = {240, 2640, 255, 375}, .tooltip = "Input port"},
    {.kind = Label, .name = "Label19", .text = "Out", .box = {1680, 2640, 495, 255}, .tooltip = "Output port"},

    // T drawing.
    {.kind = Line, .name = "Line8", .ends = {7200, 2280, 7440, 2280}},
    {.kind = Line, .name = "Line10", .ends = {7920, 2280, 8400, 2280}},
    {.kind = Line, .name = "Line9", .ends = {8880, 2280, 9120, 2280}},
    {.kind = Line, .name = "Line13", .ends = {7200, 3360, 9120, 3360}},
    {.kind = Line, .name = "Line11", .ends = {8160, 2280, 8160, 2640}},
    {.kind = Line, .name = "Line12", .ends = {8160, 3120, 8160, 3360}},
    {.kind = Label, .name = "Label6", .text = "T Attenuator", .box = {7440, 1800, 1305, 240}, .align = centre,
     .anchor = Centre, .tooltip = "T attenuator circuit"},
    {.kind = Label, .name = "Label26", .text = "R1", .box = {7560, 2160, 255, 255}},
    {.kind = Label, .name = "Label28", .text = "R3", .box = {8520, 2160, 375, 255}},
    {.kind = Label, .name = "Label27", .text = "R2", .box = {8040, 2760, 375, 255}},
    {.kind = Label, .name = "Label29", .text = "In", .box = {7200, 2640, 255, 375}, .tooltip = "Input port"},
    {.kind = Label, .name = "Label30", .text = "Out", .box = {8760, 2640, 495, 255}, .tooltip = "Output port"},

    // Theoretical values table: Pi ohms, row names, Pi watts, row names, T ohms.
    // The blanks of the two headings set each word over its column in the
    // window's face (more blanks before the last word than first drawn).
    {.kind = Frame, .name = "Shape1", .box = {2280, 2040, 4575, 1815}, .colour = brown, .linewidth = 4},
    {.kind = Label, .name = "Label1", .text = "Pi         Theoretical Values                  T",
     .box = {2880, 2160, 3195, 240}, .colour = brown, .align = centre, .anchor = Centre},
    {.kind = Label, .name = "Label8", .text = "      Ohms         Power W                 Ohms",
     .box = {2640, 2400, 3735, 375}, .colour = brown},
    {.kind = Label, .name = "ThR(0)", .box = {3270, 2760, 75, 240}, .colour = brown, .align = right,
     .anchor = Right},
    {.kind = Label, .name = "ThR(1)", .box = {3240, 3120, 75, 240}, .colour = brown, .align = right,
     .anchor = Right},
    {.kind = Label, .name = "ThR(2)", .box = {3270, 3480, 75, 240}, .colour = brown, .align = right,
     .anchor = Right},
    {.kind = Label, .name = "Label23", .text = "R1", .box = {3720, 2760, 300, 240}, .colour = brown,
     .anchor = Left},
    {.kind = Label, .name = "Label24", .text = "R2", .box = {3720, 3120, 300, 240}, .colour = brown,
     .anchor = Left},
    {.kind = Label, .name = "Label25", .text = "R3", .box = {3720, 3480, 300, 240}, .colour = brown,
     .anchor = Left},
    {.kind = Label, .name = "ThP(0)", .box = {4575, 2760, 105, 240}, .colour = brown, .align = centre,
     .anchor = Centre, .tooltip = powertip},
    {.kind = Label, .name = "ThP(1)", .box = {4575, 3120, 105, 240}, .colour = brown, .align = centre,
     .anchor = Centre, .tooltip = powertip},
    {.kind = Label, .name = "ThP(2)", .box = {4575, 3480, 105, 240}, .colour = brown, .align = centre,
     .anchor = Centre, .tooltip = powertip},
    {.kind = Label, .name = "Label15", .text = "R1", .box = {5280, 2760, 300, 240}, .colour = brown,
     .anchor = Left},
    {.kind = Label, .name = "Label14", .text = "R2", .box = {5280, 3120, 300, 240}, .colour = brown,
     .anchor = Left},
    {.kind = Label, .name = "Label13", .text = "R3", .box = {5280, 3480, 300, 240}, .colour = brown,
     .anchor = Left},
    {.kind = Label, .name = "ThR(3)", .box = {6000, 2760, 75, 240}, .colour = brown, .anchor = Left},
    {.kind = Label, .name = "ThR(4)", .box = {6000, 3120, 75, 240}, .colour = brown, .anchor = Left},
    {.kind = Label, .name = "ThR(5)", .box = {6000, 3480, 75, 240}, .colour = brown, .anchor = Left},

    // Preferred values table: Pi watts, Pi codes, row names, T codes, T watts.
    {.kind = Frame, .name = "Shape2", .box = {360, 3960, 8775, 2175}, .colour = green, .linewidth = 4},
    {.kind = Label, .name = "TrueAttenP", .text = "TrueAttP", .box = {1800, 4080, 915, 240}, .colour = green,
     .align = right, .anchor = Right, .tooltip = truetip},
    {.kind = Label, .name = "Label16", .text = " Pi        Preferred Values     T   ",
     .box = {3090, 4080, 3165, 240}, .colour = green, .align = centre, .anchor = Centre},
    {.kind = Label, .name = "TrueAttenT", .text = "TrueAttT", .box = {6600, 4080, 915, 240}, .colour = green,
     .anchor = Left, .tooltip = truetip},
    {.kind = Label, .name = "RealPR1P", .text = "P R1 pwr", .box = {1800, 4560, 930, 240}, .colour = green,
     .align = right, .anchor = Right, .tooltip = powertip},
    {.kind = Label, .name = "RealPR2P", .text = "P R2 pwr", .box = {1800, 4920, 930, 240}, .colour = green,
     .align = right, .anchor = Right, .tooltip = powertip},
    {.kind = Label, .name = "RealPR3P", .text = "P R3 pwr", .box = {1800, 5280, 930, 240}, .colour = green,
     .align = right, .anchor = Right, .tooltip = outputpowertip},
    {.kind = Label, .name = "R1Plabel", .text = "R1 P", .box = {3120, 4560, 510, 240}, .colour = green,
     .align = right, .anchor = Right, .tooltip = "R1 nearest preferred value"},
    {.kind = Label, .name = "R2Plabel", .text = "R2 P", .box = {3120, 4920, 510, 240}, .colour = green,
     .align = right, .anchor = Right, .tooltip = "R2nearest preferred value"},
    {.kind = Label, .name = "R3Plabel", .text = "R3 P", .box = {3120, 5280, 510, 240}, .colour = green,
     .align = right, .anchor = Right, .tooltip = "R3 nearest preferred value"},
    {.kind = Label, .name = "Label34", .text = "R1", .box = {4560, 4560, 375, 255}, .colour = green},
    {.kind = Label, .name = "Label33", .text = "R2", .box = {4560, 4920, 375, 255}, .colour = green},
    {.kind = Label, .name = "Label35", .text = "R3", .box = {4560, 5280, 375, 255}, .colour = green},
    {.kind = Label, .name = "R1Tlabel", .text = "T R1", .box = {5520, 4560, 510, 240}, .colour = green,
     .anchor = Left, .tooltip = "preferred value"},
    {.kind = Label, .name = "R2Tlabel", .text = "R2 T", .box = {5520, 4920, 510, 240}, .colour = green,
     .anchor = Left, .tooltip = "R2 nearest preferred value"},
    {.kind = Label, .name = "R3Tlabel", .text = "R3 T", .box = {5520, 5280, 510, 240}, .colour = green,
     .anchor = Left, .tooltip = "R3 nearest preferred value"},
    {.kind = Label, .name = "RealPR1T", .text = "T R1 pwr", .box = {6600, 4560, 930, 240}, .colour = green,
     .anchor = Left, .tooltip = powertip},
    {.kind = Label, .name = "RealPR2T", .text = "T R2 pwr", .box = {6600, 4920, 930, 240}, .colour = green,
     .anchor = Left, .tooltip = powertip},
    {.kind = Label, .name = "RealPR3T", .text = "T R3 pwr", .box = {6600, 5280, 930, 240}, .colour = green,
     .anchor = Left, .tooltip = outputpowertip},
    {.kind = Label, .name = "RtnlossP", .text = "RtnlossP", .box = {480, 5640, 945, 240}, .colour = green,
     .anchor = Left, .tooltip = rltip},
    {.kind = Label, .name = "VSWRP", .text = "VSWRP", .box = {2880, 5640, 840, 240}, .colour = green,
     .align = right, .anchor = Right, .tooltip = vswrtip},
    {.kind = Label, .name = "VSWRT", .text = "VSWRT", .box = {5640, 5640, 840, 240}, .colour = green,
     .anchor = Left, .tooltip = vswrtip},
    {.kind = Label, .name = "rtnlosst", .text = "RtnlossT", .box = {7080, 5640, 945, 240}, .colour = green,
     .anchor = Left, .tooltip = rltip},

});

constexpr auto tabs = std::to_array<const char*>({
    "Option1", "Text1", "Text2", "Option2", "systemimpedance", "Option3",
});

} // namespace

std::span<const Item> items() { return table; }
std::span<const char* const> taborder() { return tabs; }

} // namespace velkor::ui
