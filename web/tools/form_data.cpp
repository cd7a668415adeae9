// Writes the windows' tables and texts as the JSON the page is built with:
//   form_data > form.json
// Everything comes from the headers the desktop reads; places are turned into
// CSS pixels, which are pixels at 96 dpi, by the desktop's own rule.
#include <cstdio>
#include <string>
#include <string_view>

#include "entry/parameter_entry.h"
#include "form/layout.h"
#include "form/raster.h"
#include "form/texts.h"
#include "sound/chime_names.h"

namespace {

namespace texts = form::texts;

constexpr double kCssDpi = 96.0;

std::string Quoted(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string Rect(form::TwipsRect place) {
    const form::PixelRect pixels = form::TwipsToPixels(place, kCssDpi);
    return "{\"left\": " + std::to_string(pixels.x) + ", \"top\": " + std::to_string(pixels.y) +
           ", \"width\": " + std::to_string(pixels.width) +
           ", \"height\": " + std::to_string(pixels.height) + "}";
}

// The platform's colours as the browser's system colours.
std::string Css(form::Colour colour) {
    switch (colour.source) {
        case form::Colour::Source::ButtonFace:
            return Quoted("ButtonFace");
        case form::Colour::Source::ButtonText:
            return Quoted("ButtonText");
        case form::Colour::Source::WindowText:
            return Quoted("WindowText");
        case form::Colour::Source::Fixed:
            break;
    }
    return Quoted("rgb(" + std::to_string(colour.red) + ", " + std::to_string(colour.green) + ", " +
                  std::to_string(colour.blue) + ")");
}

std::string_view Kind(form::ControlKind kind) {
    switch (kind) {
        case form::ControlKind::Button:
            return "button";
        case form::ControlKind::Label:
            return "label";
        case form::ControlKind::Picture:
            break;
    }
    return "picture";
}

std::string_view BorderName(form::Border border) {
    switch (border) {
        case form::Border::None:
            return "none";
        case form::Border::Flat:
            return "flat";
        case form::Border::Sunken:
            break;
    }
    return "sunken";
}

std::string Window(const form::WindowLayout& window) {
    const int ruleLeft = form::TwipsToPixels(window.rule.left, kCssDpi);
    const int ruleRight = form::TwipsToPixels(window.rule.right, kCssDpi);
    std::string out = "{\"caption\": " + Quoted(window.caption) +
                      ", \"clientRect\": " + Rect(window.client) +
                      ", \"rule\": {\"left\": " + std::to_string(ruleLeft) +
                      ", \"right\": " + std::to_string(ruleRight) +
                      ", \"top\": " + std::to_string(form::TwipsToPixels(window.rule.y, kCssDpi)) +
                      "}, \"controls\": [";
    const char* separator = "\n  ";
    for (const form::Control& control : window.controls) {
        out += separator;
        separator = ",\n  ";
        out += "{\"name\": " + Quoted(control.name) + ", \"kind\": " + Quoted(Kind(control.kind)) +
               ", \"rect\": " + Rect(control.place) + ", \"text\": " + Quoted(control.text) +
               ", \"description\": " + Quoted(control.description) +
               ", \"spokenName\": " + Quoted(control.spokenName) + ", \"fontPixels\": " +
               std::to_string(
                   control.font.pixelsAt96Dpi == 0 ? 0 : form::FontPixels(control.font, kCssDpi)) +
               ", \"bold\": " + (control.font.bold ? "true" : "false") +
               ", \"textColour\": " + Css(control.foreground) +
               ", \"background\": " + Css(control.background) +
               ", \"border\": " + Quoted(BorderName(control.border)) +
               ", \"tabIndex\": " + std::to_string(control.tabIndex) + "}";
    }
    return out + "]}";
}

std::string Question(const entry::CountQuestion& question) {
    return "{\"prompt\": " + Quoted(question.prompt) + ", \"title\": " + Quoted(question.title) +
           ", \"defaultText\": " + Quoted(question.defaultText) + "}";
}

}  // namespace

int main() {
    // A CSS font-family list: every face quoted, the browser's own last.
    std::string faces;
    for (const std::string_view face : form::kGothicFaces) {
        faces += Quoted(face) + ", ";
    }
    faces += "sans-serif";
    std::string helpLines;
    for (const std::string_view line : texts::kHelpText) {
        helpLines += (helpLines.empty() ? "" : ", ") + Quoted(line);
    }
    std::printf(
        "{\"faces\": %s,\n\"mainWindow\": %s,\n\"helpWindow\": %s,\n"
        "\"nameSeparator\": %s,\n\"helpText\": [%s],\n\"questions\": [%s, %s],\n"
        "\"endQuestion\": %s, \"endTitle\": %s, \"quitTitle\": %s,\n"
        "\"boxes\": {\"ok\": %s, \"cancel\": %s, \"yes\": %s, \"no\": %s, \"close\": %s},\n"
        "\"doorChime\": %s, \"closingChime\": %s}\n",
        Quoted(faces).c_str(), Window(form::kMainWindow).c_str(), Window(form::kHelpWindow).c_str(),
        Quoted(texts::kNameSeparator).c_str(), helpLines.c_str(),
        Question(entry::kCustomerQuestion).c_str(), Question(entry::kTrialQuestion).c_str(),
        Quoted(texts::kEndQuestion).c_str(), Quoted(texts::kEndTitle).c_str(),
        Quoted(texts::kQuitTitle).c_str(), Quoted(texts::kOk).c_str(),
        Quoted(texts::kCancel).c_str(), Quoted(texts::kYes).c_str(), Quoted(texts::kNo).c_str(),
        Quoted(texts::kClose).c_str(), Quoted(sound::kDoorChime).c_str(),
        Quoted(sound::kClosingChime).c_str());
    return 0;
}
