#include "form/spoken.h"

namespace form::spoken {
namespace {

constexpr std::string_view kIndent = "　";  // the full-width space of the indents
constexpr std::string_view kSentenceEnd = "。";

bool IsHeading(std::string_view text) {
    return text.starts_with("【") && text.ends_with("】");
}

int Characters(std::string_view utf8Text) {
    int characters = 0;
    for (const char byte : utf8Text) {
        characters += (static_cast<unsigned char>(byte) & 0xC0U) != 0x80U ? 1 : 0;
    }
    return characters;
}

}  // namespace

std::vector<Entry> HelpReading() {
    std::vector<Entry> entries;
    for (std::size_t line = 0; line < texts::kHelpText.size(); ++line) {
        const std::string_view printedText = texts::kHelpText[line];
        std::string_view text = printedText;
        int column = 0;
        while (text.starts_with(kIndent)) {
            text.remove_prefix(kIndent.size());
            ++column;
        }
        if (text.empty()) {
            continue;
        }
        const Printed printed{static_cast<int>(line), printedText, column, Characters(text)};
        // A line goes on the sentence before it until that sentence has ended.
        if (!entries.empty() && !entries.back().heading && !IsHeading(text) &&
            !std::string_view(entries.back().text).ends_with(kSentenceEnd)) {
            entries.back().text += text;
            entries.back().printed.push_back(printed);
        } else {
            entries.push_back({std::string(text), IsHeading(text), {printed}});
        }
    }
    return entries;
}

}  // namespace form::spoken
