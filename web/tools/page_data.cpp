// Writes what the page is built with from the C++ both editions read, so that
// the page restates nothing:
//   page_data <form.json> <boundary.d.ts>
// form.json holds the windows' tables and the boxes' texts, places in CSS
// pixels (pixels at 96 dpi) by the desktop's own rule. boundary.d.ts declares
// the page's view of it, each object an interface named by where it stands,
// each value a type read from the values written, the kinds of controls and
// borders as the unions of their names, and the program's steps as an enum.
#include <array>
#include <fstream>
#include <iostream>
#include <map>
#include <nlohmann/json.hpp>
#include <set>
#include <string>
#include <string_view>

#include "form/layout.h"
#include "form/raster.h"
#include "form/texts.h"
#include "program/step.h"

namespace {

using nlohmann::ordered_json;
namespace texts = form::texts;

constexpr double kCssDpi = 96.0;

// Names of the tables' kinds, in the order of their enums.
constexpr std::array<std::string_view, 3> kControlKinds{"button", "label", "picture"};
constexpr std::array<std::string_view, 3> kBorders{"none", "flat", "sunken"};
constexpr std::array<std::string_view, 2> kSpokenAs{"lines", "rows"};

template <typename Enum, std::size_t N>
std::string NameOf(Enum value, const std::array<std::string_view, N>& names) {
    return std::string(names.at(static_cast<std::size_t>(value)));
}

ordered_json Rect(form::TwipsRect place) {
    const form::PixelRect pixels = form::TwipsToPixels(place, kCssDpi);
    return {
        {"left", pixels.x}, {"top", pixels.y}, {"width", pixels.width}, {"height", pixels.height}};
}

// The platform's colours as the browser's system colours.
std::string Css(form::Colour colour) {
    switch (colour.source) {
        case form::Colour::Source::ButtonFace:
            return "ButtonFace";
        case form::Colour::Source::ButtonText:
            return "ButtonText";
        case form::Colour::Source::WindowText:
            return "WindowText";
        case form::Colour::Source::Fixed:
            break;
    }
    return "rgb(" + std::to_string(colour.red) + ", " + std::to_string(colour.green) + ", " +
           std::to_string(colour.blue) + ")";
}

ordered_json Control(const form::Control& control) {
    return {{"name", control.name},
            {"kind", NameOf(control.kind, kControlKinds)},
            {"rect", Rect(control.place)},
            {"text", control.text},
            {"description", control.description},
            {"spokenName", control.spokenName},
            {"spokenAs", NameOf(control.spoken, kSpokenAs)},
            {"fontPixels",
             control.font.pixelsAt96Dpi == 0 ? 0 : form::FontPixels(control.font, kCssDpi)},
            {"bold", control.font.bold},
            {"textColour", Css(control.foreground)},
            {"background", Css(control.background)},
            {"border", NameOf(control.border, kBorders)},
            {"tabIndex", control.tabIndex}};
}

ordered_json Window(const form::WindowLayout& window) {
    ordered_json controls = ordered_json::array();
    for (const form::Control& control : window.controls) {
        controls.push_back(Control(control));
    }
    ordered_json captions = ordered_json::array();
    for (const form::Captioned& captioned : window.captions) {
        captions.push_back({{"value", captioned.value}, {"caption", captioned.caption}});
    }
    return {{"name", window.name},
            {"caption", window.caption},
            {"clientRect", Rect(window.client)},
            {"rule",
             {{"left", form::TwipsToPixels(window.rule.left, kCssDpi)},
              {"right", form::TwipsToPixels(window.rule.right, kCssDpi)},
              {"top", form::TwipsToPixels(window.rule.y, kCssDpi)}}},
            {"controls", controls},
            {"captions", captions},
            {"heading", window.heading}};
}

ordered_json Form() {
    // A CSS font-family list: every face quoted, the browser's own last.
    std::string faces;
    for (const std::string_view face : form::kGothicFaces) {
        faces += "\"" + std::string(face) + "\", ";
    }
    faces += "sans-serif";
    return {{"programName", texts::kProgramName},
            {"faces", faces},
            {"windows", {Window(form::kMainWindow), Window(form::kHelpWindow)}},
            {"boxes",
             {{"ok", texts::kOk},
              {"cancel", texts::kCancel},
              {"yes", texts::kYes},
              {"no", texts::kNo},
              {"close", texts::kClose}}}};
}

// The interfaces' names, by the key under which their objects stand.
const std::map<std::string, std::string> kInterfaces{
    {"", "FormData"},          {"windows", "WindowForm"},   {"controls", "ControlForm"},
    {"rect", "PixelRect"},     {"clientRect", "PixelRect"}, {"rule", "RuleForm"},
    {"captions", "Captioned"}, {"boxes", "BoxTexts"}};

template <std::size_t N>
std::string Union(const std::array<std::string_view, N>& names) {
    std::string type;
    for (const std::string_view name : names) {
        type += (type.empty() ? "\"" : " | \"") + std::string(name) + "\"";
    }
    return type;
}

const std::map<std::string, std::string> kUnions{
    {"kind", Union(kControlKinds)}, {"border", Union(kBorders)}, {"spokenAs", Union(kSpokenAs)}};

class Declarations {
public:
    // The type of the value under `key`; objects become interfaces.
    std::string TypeOf(const std::string& key, const ordered_json& value) {
        if (value.is_array()) {
            return TypeOf(key, value.empty() ? ordered_json("") : value.front()) + "[]";
        }
        if (value.is_object()) {
            Declare(kInterfaces.at(key), value);
            return kInterfaces.at(key);
        }
        if (kUnions.contains(key)) {
            return kUnions.at(key);
        }
        return value.is_string() ? "string" : value.is_boolean() ? "boolean" : "number";
    }

    std::string text;

private:
    void Declare(const std::string& name, const ordered_json& object) {
        if (!declared_.insert(name).second) {
            return;
        }
        std::string body = "interface " + name + " {\n";
        for (const auto& [key, value] : object.items()) {
            body += "    " + key + ": " + TypeOf(key, value) + ";\n";
        }
        text += body + "}\n";
    }

    std::set<std::string> declared_;
};

std::string StepKinds() {
    std::string enumeration = "declare const enum StepKind {\n";
    for (std::size_t i = 0; i < program::kStepKindNames.size(); ++i) {
        enumeration +=
            "    " + std::string(program::kStepKindNames[i]) + " = " + std::to_string(i) + ",\n";
    }
    return enumeration + "}\n";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: page_data <form.json> <boundary.d.ts>\n";
        return 2;
    }
    try {
        const ordered_json form = Form();
        std::ofstream(argv[1]) << form.dump(1) << '\n';
        Declarations declarations;
        declarations.TypeOf("", form);
        std::ofstream declared(argv[2]);
        declared << "// Written by page_data from the program's C++; not edited by hand.\n"
                 << declarations.text << StepKinds();
        return declared.good() ? 0 : 1;
    } catch (const std::exception& error) {
        std::cerr << "page_data: " << error.what() << '\n';
        return 1;
    }
}
