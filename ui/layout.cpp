#include "layout.h"

#include <array>

namespace velkor::ui {
namespace {

constexpr Qt::Alignment left = Qt::AlignLeft;
constexpr Qt::Alignment right = Qt::AlignRight;
constexpr Qt::Alignment centre = Qt::AlignHCenter;

constexpr const char* powertip = "power dissipated in resistor NOT its power rating!";
constexpr const char* outputpowertip = "same as R1 if power could be applied to output port";
constexpr const char* truetip = "Actual attenuation using preferred values below";
constexpr const char* vswrtip = "Input VSWR of attenuator using preferred values";
constexpr const char* rltip = "Return Loss of preferred value attenuator";

constexpr Item label(const char* name, const char* text, int l, int t, int w, int h, QRgb c,
                     Qt::Alignment align = left, Anchor anchor = Anchor::None,
                     const char* tooltip = nullptr, const char* accessible = nullptr)
{
    return Item{Kind::Label, name, text, l, t, w, h, c, align, anchor, Face::Normal, false, 1, tooltip, accessible};
}

// A result field: a label whose caption the recalculation replaces.
constexpr Item field(const char* name, const char* text, int l, int t, int w, Qt::Alignment align, QRgb c,
                     const char* tooltip, const char* accessible)
{
    const Anchor a = align == right ? Anchor::Right : align == centre ? Anchor::Centre : Anchor::Left;
    return label(name, text, l, t, w, 240, c, align, a, tooltip, accessible);
}

constexpr Item wrapped(Item i)
{
    i.wrap = true;
    return i;
}

constexpr Item inface(Item i, Face f)
{
    i.face = f;
    return i;
}

constexpr Item textbox(const char* name, const char* text, int l, int t, int w, int h, QRgb c,
                       const char* tooltip, const char* accessible)
{
    return Item{Kind::TextBox, name, text, l, t, w, h, c, centre, Anchor::None, Face::Normal, false, 1, tooltip, accessible};
}

constexpr Item option(const char* name, const char* text, int l, int t, int w, int h, bool checked,
                      const char* tooltip, const char* accessible)
{
    return Item{Kind::Option, name, text, l, t, w, h, colour::brown, left, Anchor::None, Face::Normal, false, 1,
                tooltip, accessible, checked};
}

constexpr Item frame(const char* name, int l, int t, int w, int h, QRgb c, int width)
{
    return Item{Kind::Frame, name, "", l, t, w, h, c, left, Anchor::None, Face::Normal, false, width};
}

constexpr Item line(const char* name, int x1, int y1, int x2, int y2)
{
    return Item{Kind::Line, name, "", x1, y1, x2, y2, colour::text};
}

using namespace colour;

constexpr auto table = std::to_array<Item>({
    // Attenuation and power box.
    frame("Shape4", 240, 240, 2775, 1335, orangebrown, 2),
    wrapped(label("Label17", "Attenuator Specification   0.1 - 60 dB, 0.1 - 100 W", 360, 240, 2655, 495, brown, centre,
                  Anchor::None, "Enter your values in the db and W boxes")),
    textbox("Text1", "6", 600, 915, 615, 360, brown, "Enter attenuation, 0.1-60dB", "Attenuation in dB"),
    label("Label2", "dB", 1320, 960, 255, 255, brown),
    textbox("Text2", "1.0", 1800, 915, 615, 360, brown, "Enter input power, 0.1-100W", "Input power in W"),
    label("Label20", "W", 2520, 960, 255, 255, brown),

    // Title block.
    inface(label("Label7", "Velkor", 3720, 120, 2175, 555, brown, centre, Anchor::Centre), Face::Title),
    inface(label("Label12", "by Tamsel", 3720, 600, 2175, 375, brown, centre), Face::Subtitle),

    // Impedance box.
    frame("Shape5", 3720, 1080, 2175, 855, brown, 2),
    label("Label31", "System Impedance", 3840, 1200, 1995, 240, darkred, left, Anchor::Left,
          "Enter the system impedance (usually 50 ohms) in the box"),
    textbox("systemimpedance", "50", 4320, 1440, 495, 345, darkred, "Enter system impedance, 10-999 ohms",
            "System impedance in ohms"),
    label("Label32", "Ohms", 4920, 1493, 735, 255, brown),

    // Series box.
    frame("Shape3", 6840, 120, 2295, 1455, brown, 2),
    wrapped(label("Label3", "Preferred Resistor Values", 6960, 120, 2100, 480, brown, centre, Anchor::None,
                  "Select practical resistors from E12 or E24 series of preferred values")),
    option("Option3", " E6 Series", 7200, 600, 1455, 240, false, nullptr, "E6 series of preferred values"),
    option("Option1", " E12 Series", 7200, 840, 1815, 330, true, "Values 1.0, 1.2, 1.5, 1.8, 2.2 ...",
           "E12 series of preferred values"),
    option("Option2", " E24 Series", 7200, 1080, 1815, 405, false, "Values 1.0, 1.1, 1.2, 1.3, 1.5 ...",
           "E24 series of preferred values"),

    // Pi drawing: resistors are gaps in the wires with their names in them.
    line("Line4", 240, 2280, 840, 2280),
    line("Line5", 1320, 2280, 1920, 2280),
    line("Line7", 240, 3360, 1920, 3360),
    line("Line3", 720, 2640, 720, 2280),
    line("Line1", 720, 3120, 720, 3360),
    line("Line6", 1440, 2280, 1440, 2640),
    line("Line2", 1440, 3120, 1440, 3360),
    label("Label5", "Pi Attenuator", 360, 1800, 1335, 240, text, left, Anchor::Left, "Pi attenuator circuit"),
    label("Label10", "R2", 960, 2160, 375, 255, text),
    label("Label9", "R1", 600, 2760, 255, 255, text),
    label("Label11", "R3", 1320, 2760, 375, 255, text),
    label("Label18", "In", 240, 2640, 255, 375, text, left, Anchor::None, "Input port"),
    label("Label19", "Out", 1680, 2640, 495, 255, text, left, Anchor::None, "Output port"),

    // T drawing.
    line("Line8", 7200, 2280, 7440, 2280),
    line("Line10", 7920, 2280, 8400, 2280),
    line("Line9", 8880, 2280, 9120, 2280),
    line("Line13", 7200, 3360, 9120, 3360),
    line("Line11", 8160, 2280, 8160, 2640),
    line("Line12", 8160, 3120, 8160, 3360),
    label("Label6", "T Attenuator", 7440, 1800, 1305, 240, text, centre, Anchor::Centre, "T attenuator circuit"),
    label("Label26", "R1", 7560, 2160, 255, 255, text),
    label("Label28", "R3", 8520, 2160, 375, 255, text),
    label("Label27", "R2", 8040, 2760, 375, 255, text),
    label("Label29", "In", 7200, 2640, 255, 375, text, left, Anchor::None, "Input port"),
    label("Label30", "Out", 8760, 2640, 495, 255, text, left, Anchor::None, "Output port"),

    // Theoretical values table: Pi ohms, row names, Pi watts, row names, T ohms.
    // The blanks of the two headings set each word over its column in the
    // window's face (more blanks before the last word than first drawn).
    frame("Shape1", 2280, 2040, 4575, 1815, brown, 4),
    label("Label1", "Pi         Theoretical Values                  T", 2880, 2160, 3195, 240, brown, centre, Anchor::Centre),
    label("Label8", "      Ohms         Power W                 Ohms", 2640, 2400, 3735, 375, brown),
    field("ThR(0)", "", 3270, 2760, 75, right, brown, nullptr, "Pi R1 theoretical value in ohms"),
    field("ThR(1)", "", 3240, 3120, 75, right, brown, nullptr, "Pi R2 theoretical value in ohms"),
    field("ThR(2)", "", 3270, 3480, 75, right, brown, nullptr, "Pi R3 theoretical value in ohms"),
    label("Label23", "R1", 3720, 2760, 300, 240, brown, left, Anchor::Left),
    label("Label24", "R2", 3720, 3120, 300, 240, brown, left, Anchor::Left),
    label("Label25", "R3", 3720, 3480, 300, 240, brown, left, Anchor::Left),
    field("ThP(0)", "", 4575, 2760, 105, centre, brown, powertip, "Power in Pi R1, theoretical"),
    field("ThP(1)", "", 4575, 3120, 105, centre, brown, powertip, "Power in Pi R2, theoretical"),
    field("ThP(2)", "", 4575, 3480, 105, centre, brown, powertip, "Power in Pi R3, theoretical"),
    label("Label15", "R1", 5280, 2760, 300, 240, brown, left, Anchor::Left),
    label("Label14", "R2", 5280, 3120, 300, 240, brown, left, Anchor::Left),
    label("Label13", "R3", 5280, 3480, 300, 240, brown, left, Anchor::Left),
    field("ThR(3)", "", 6000, 2760, 75, left, brown, nullptr, "T R1 theoretical value in ohms"),
    field("ThR(4)", "", 6000, 3120, 75, left, brown, nullptr, "T R2 theoretical value in ohms"),
    field("ThR(5)", "", 6000, 3480, 75, left, brown, nullptr, "T R3 theoretical value in ohms"),

    // Preferred values table: Pi watts, Pi codes, row names, T codes, T watts.
    frame("Shape2", 360, 3960, 8775, 2175, green, 4),
    field("TrueAttenP", "TrueAttP", 1800, 4080, 915, right, green, truetip, "Pi actual attenuation with preferred values"),
    label("Label16", " Pi        Preferred Values     T   ", 3090, 4080, 3165, 240, green, centre, Anchor::Centre),
    field("TrueAttenT", "TrueAttT", 6600, 4080, 915, left, green, truetip, "T actual attenuation with preferred values"),
    field("RealPR1P", "P R1 pwr", 1800, 4560, 930, right, green, powertip, "Power in Pi R1, preferred value"),
    field("RealPR2P", "P R2 pwr", 1800, 4920, 930, right, green, powertip, "Power in Pi R2, preferred value"),
    field("RealPR3P", "P R3 pwr", 1800, 5280, 930, right, green, outputpowertip, "Power in Pi R3, preferred value"),
    field("R1Plabel", "R1 P", 3120, 4560, 510, right, green, "R1 nearest preferred value", "Pi R1 preferred value"),
    field("R2Plabel", "R2 P", 3120, 4920, 510, right, green, "R2nearest preferred value", "Pi R2 preferred value"),
    field("R3Plabel", "R3 P", 3120, 5280, 510, right, green, "R3 nearest preferred value", "Pi R3 preferred value"),
    label("Label34", "R1", 4560, 4560, 375, 255, green),
    label("Label33", "R2", 4560, 4920, 375, 255, green),
    label("Label35", "R3", 4560, 5280, 375, 255, green),
    field("R1Tlabel", "T R1", 5520, 4560, 510, left, green, "preferred value", "T R1 preferred value"),
    field("R2Tlabel", "R2 T", 5520, 4920, 510, left, green, "R2 nearest preferred value", "T R2 preferred value"),
    field("R3Tlabel", "R3 T", 5520, 5280, 510, left, green, "R3 nearest preferred value", "T R3 preferred value"),
    field("RealPR1T", "T R1 pwr", 6600, 4560, 930, left, green, powertip, "Power in T R1, preferred value"),
    field("RealPR2T", "T R2 pwr", 6600, 4920, 930, left, green, powertip, "Power in T R2, preferred value"),
    field("RealPR3T", "T R3 pwr", 6600, 5280, 930, left, green, outputpowertip, "Power in T R3, preferred value"),
    field("RtnlossP", "RtnlossP", 480, 5640, 945, left, green, rltip, "Pi return loss with preferred values"),
    field("VSWRP", "VSWRP", 2880, 5640, 840, right, green, vswrtip, "Pi input VSWR with preferred values"),
    field("VSWRT", "VSWRT", 5640, 5640, 840, left, green, vswrtip, "T input VSWR with preferred values"),
    field("rtnlosst", "RtnlossT", 7080, 5640, 945, left, green, rltip, "T return loss with preferred values"),
});

constexpr auto tabs = std::to_array<const char*>({
    "Option1", "Text1", "Text2", "Option2", "systemimpedance", "Option3",
});

} // namespace

std::span<const Item> items() { return table; }
std::span<const char* const> taborder() { return tabs; }

} // namespace velkor::ui
