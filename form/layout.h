#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "form/texts.h"

// Both windows as they are each time they are loaded, for both editions:
// every control's place in twips (1/1440 inch, 15 to a pixel at 96 dpi), its
// text, font, colours, border and tab index.
namespace form {

struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

// A horizontal rule one pixel high from `left` to `right`, both included.
struct Rule {
    int left;
    int right;
    int y;
};

enum class ControlKind { Button, Label, Picture };

// The platform's own colours, or a colour of the form's own.
struct Colour {
    enum class Source { ButtonFace, ButtonText, WindowText, Fixed };
    Source source;
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
};
inline constexpr Colour kButtonFace{Colour::Source::ButtonFace};
inline constexpr Colour kButtonText{Colour::Source::ButtonText};
inline constexpr Colour kWindowText{Colour::Source::WindowText};
inline constexpr Colour kWhite{Colour::Source::Fixed, 255, 255, 255};
inline constexpr Colour kLightCyan{Colour::Source::Fixed, 128, 255, 255};

// Flat: a plain one-pixel line. Sunken: the platform's sunken 3-D border, two
// pixels (kSunkenBorder twips) on each side.
enum class Border { None, Flat, Sunken };
inline constexpr int kSunkenBorder = 30;
// The platforms draw it two pixels wide whatever the dpi.
inline constexpr int kSunkenBorderPixels = 2;

// The Japanese proportional Gothic face the windows were laid out for, then
// its stand-ins, the first one a machine has: Windows' own name twice, the
// IPA face of Debian's fonts-ipafont-gothic, macOS and iPadOS, ChromeOS.
inline constexpr std::array<std::string_view, 5> kGothicFaces{
    texts::kLayoutFace, "MS PGothic", "IPAPGothic", "Hiragino Sans", "Noto Sans CJK JP"};

// A font of that face; 0 pixels means the platform's default font.
struct Font {
    int pixelsAt96Dpi;
    bool bold;
};

// What a picture says to a screen reader instead of its pixels: the lines
// printed on it, as read-only text, or the rows its drawing gives beside the
// pixels, as a list.
enum class Spoken { PrintedLines, Rows };

// How a picture's texts are fitted to a stand-in face whose widths differ from
// the face they were set for, the texts themselves unchanged: the graph's
// label row spaced out until its last number stands under its tick, or every
// line of the help text spaced alike until the widest ends inside the area.
enum class TextFit { None, LabelRow, HelpText };

struct Control {
    std::string_view name;
    ControlKind kind;
    TwipsRect place;  // outer size, border included, in the window's client area
    std::string_view text;
    Font font;
    Colour foreground;
    Colour background;
    Border border;
    int tabIndex;                       // labels take no focus; the others take it in this order
    std::string_view description = {};  // what a screen reader says besides the name
    std::string_view spokenName = {};   // a picture's name for a screen reader
    // A picture's user scale: the units its inner area spans across and down.
    double scaleWidth = 0.0;
    double scaleHeight = 0.0;
    Spoken spoken = Spoken::PrintedLines;
    TextFit fit = TextFit::None;
};

// A label that shows a value, and the label that names it for a screen reader.
struct Captioned {
    std::string_view value;
    std::string_view caption;
};

struct WindowLayout {
    std::string_view name;  // how the program and both editions call the window
    std::string_view caption;
    TwipsRect client;  // its top-left corner from the screen's top-left
    Rule rule;
    std::span<const Control> controls;  // in stacking order, the last on top
    std::span<const Captioned> captions = {};
    // The label that heads the window for a screen reader; none: its caption.
    std::string_view heading = {};
};

// The graph area's user scale: x from 0 to 130 left to right, y from 0 to 300
// top to bottom.
inline constexpr double kGraphWidthUnits = 130.0;
inline constexpr double kGraphHeightUnits = 300.0;

namespace main_window {
// Captions come before the values whose borders overlap them by one pixel,
// so the values lie on top.
inline constexpr std::array<Control, 12> kControls{{
    {"quitButton",
     ControlKind::Button,
     {0, 0, 855, 375},
     texts::kQuit,
     {15, false},
     kButtonText,
     kButtonFace,
     Border::None,
     5,
     texts::kQuitDescription},
    {"title",
     ControlKind::Label,
     {1920, 0, 4455, 375},
     texts::kTitle,
     {21, true},
     kWindowText,
     kLightCyan,
     Border::Flat,
     9},
    {"helpButton",
     ControlKind::Button,
     {6600, 0, 855, 375},
     texts::kHelp,
     {15, false},
     kButtonText,
     kButtonFace,
     Border::None,
     12,
     texts::kHelpDescription},
    {"initializeButton",
     ControlKind::Button,
     {7440, 0, 855, 375},
     texts::kInitialize,
     {15, false},
     kButtonText,
     kButtonFace,
     Border::None,
     6,
     texts::kInitializeDescription},
    // The system's ordinary dialog font size for the graph's texts.
    {"graph",
     ControlKind::Picture,
     {120, 600, 8055, 5775},
     {},
     {12, false},
     kButtonText,
     kButtonFace,
     Border::Sunken,
     11,
     {},
     texts::kGraphName,
     kGraphWidthUnits,
     kGraphHeightUnits,
     Spoken::Rows,
     TextFit::LabelRow},
    {"customerCaption",
     ControlKind::Label,
     {240, 6600, 1455, 375},
     texts::kCustomerCaption,
     {19, true},
     kButtonText,
     kWhite,
     Border::Sunken,
     8},
    {"customerCount",
     ControlKind::Label,
     {1680, 6600, 1095, 375},
     {},
     {19, false},
     kButtonText,
     kWhite,
     Border::Sunken,
     7},
    {"meanCaption",
     ControlKind::Label,
     {3000, 6840, 2295, 375},
     texts::kMeanCaption,
     {19, true},
     kButtonText,
     kWhite,
     Border::Sunken,
     4},
    {"meanShortage",
     ControlKind::Label,
     {5280, 6840, 1095, 375},
     {},
     {19, false},
     kButtonText,
     kWhite,
     Border::Sunken,
     3},
    {"trialCaption",
     ControlKind::Label,
     {240, 7080, 1455, 375},
     texts::kTrialCaption,
     {19, true},
     kButtonText,
     kWhite,
     Border::Sunken,
     1},
    {"trialCount",
     ControlKind::Label,
     {1680, 7080, 1095, 375},
     {},
     {19, false},
     kButtonText,
     kWhite,
     Border::Sunken,
     2},
    {"startButton",
     ControlKind::Button,
     {6720, 6720, 1335, 615},
     texts::kStart,
     {15, false},
     kButtonText,
     kButtonFace,
     Border::None,
     0,
     texts::kStartDescription},
}};
inline constexpr std::array<Captioned, 3> kCaptions{{{"customerCount", "customerCaption"},
                                                     {"trialCount", "trialCaption"},
                                                     {"meanShortage", "meanCaption"}}};
}  // namespace main_window

inline constexpr WindowLayout kMainWindow{
    "main",         texts::kMainCaption,    {3480, 1485, 8325, 7680},
    {0, 8280, 360}, main_window::kControls, main_window::kCaptions,
    "title"};

namespace help_window {
// Room the help text leaves after its widest line, in pixels.
inline constexpr double kTextRightMargin = 4.0;
// The text area's coordinates are twips from its inner top-left corner.
inline constexpr TwipsRect kTextArea{120, 480, 9015, 6855};
inline constexpr std::array<Control, 2> kControls{{
    {"closeButton",
     ControlKind::Button,
     {8400, 0, 735, 375},
     texts::kClose,
     {0, false},
     kButtonText,
     kButtonFace,
     Border::None,
     0},
    {"helpText",
     ControlKind::Picture,
     kTextArea,
     {},
     {15, false},
     kButtonText,
     kWhite,
     Border::Sunken,
     1,
     {},
     texts::kHelpTextName,
     kTextArea.width - 2.0 * kSunkenBorder,
     kTextArea.height - 2.0 * kSunkenBorder,
     Spoken::PrintedLines,
     TextFit::HelpText},
}};
}  // namespace help_window

inline constexpr WindowLayout kHelpWindow{"help",
                                          texts::kHelpCaption,
                                          {3090, 2040, 9255, 7440},
                                          {120, 9120, 360},
                                          help_window::kControls};

// A window's control by name, found while compiling: a name that is not in
// the table does not compile.
consteval const Control& ControlNamed(const WindowLayout& window, std::string_view name) {
    for (const Control& control : window.controls) {
        if (control.name == name) {
            return control;
        }
    }
    throw "no control of that name";
}

}  // namespace form
