#pragma once
// Everything the window shows before any handler runs: one table of items
// with their geometry, colours, fonts, captions and tooltips. Positions are
// in twips, 15 to the logical pixel, from the top-left of the client area.

#include <QColor>
#include <QRect>
#include <Qt>

#include <span>

namespace velkor::ui {

inline constexpr int twipsperpixel = 15;
constexpr int px(int twips) { return twips / twipsperpixel; }

inline constexpr int clientwidth = 9600;    ///< twips (640 pixels)
inline constexpr int clientheight = 6240;   ///< twips (416 pixels)

namespace colour {
inline constexpr QRgb window = qRgb(255, 224, 192);
inline constexpr QRgb brown = qRgb(128, 64, 64);
inline constexpr QRgb orangebrown = qRgb(128, 64, 0);
inline constexpr QRgb darkred = qRgb(128, 0, 0);
inline constexpr QRgb green = qRgb(0, 128, 0);
inline constexpr QRgb text = qRgb(0, 0, 0);   ///< the toolkit's default text colour
inline constexpr QRgb iconground = qRgb(255, 230, 180);
} // namespace colour

enum class Kind { Label, TextBox, Option, Frame, Line };

/// Which edge a label sized to its text keeps as its caption changes.
enum class Anchor { None, Left, Right, Centre };

enum class Face {
    Normal,     ///< 9.75 points bold
    Title,      ///< 24 points bold
    Subtitle,   ///< 13.5 points bold italic
};

/// A box in twips from the top-left of the client area.
struct Box {
    int left = 0, top = 0, width = 0, height = 0;
};

/// The two end points of a line, twips.
struct Ends {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

/// One item of the client area. Rows name only what differs from these
/// defaults: a black, left-aligned, fixed-size label in the normal face.
struct Item {
    Kind kind = Kind::Label;
    const char* name = "";
    const char* text = "";             ///< caption or initial text
    Box box{};                         ///< labels, text boxes, option buttons, frames
    Ends ends{};                       ///< lines
    QRgb colour = colour::text;        ///< text colour; for frames and lines the drawing colour
    Qt::Alignment align = Qt::AlignLeft;
    Anchor anchor = Anchor::None;      ///< labels sized to their text
    Face face = Face::Normal;
    bool wrap = false;
    int linewidth = 1;                 ///< frames, pixels
    const char* tooltip = nullptr;
    const char* accessible = nullptr;  ///< what a screen reader says it is
    bool checked = false;              ///< option buttons: selected at start
};

/// A box in pixels.
inline QRect pixelrect(const Box& b) { return QRect(px(b.left), px(b.top), px(b.width), px(b.height)); }

/// Every item of the client area.
std::span<const Item> items();

/// Names of the controls that take the focus, in tab order; the first has
/// the focus at start.
std::span<const char* const> taborder();

inline constexpr const char* windowtitle = " Velkor - Pi and T Attenuator Calculator by Tamsel";
inline constexpr const char* fontfamily = "Liberation Sans";   ///< falls back to any sans-serif

} // namespace velkor::ui
