#include "form/spoken.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// `count` characters of a UTF-8 text from the byte at `at`, which moves past them.
std::string Take(const std::string& text, std::size_t& at, int count) {
    const std::size_t start = at;
    for (int taken = 0; taken < count && at < text.size(); ++taken) {
        do {
            ++at;
        } while (at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0U) == 0x80U);
    }
    return text.substr(start, at - start);
}

// The help text as read: three section heads, then each sentence whole. Put
// back where its pieces were printed, behind their indents, the reading gives
// every printed line again.
TEST(HelpReading, HeadingsAndWholeSentencesThatGiveThePrintedLinesBack) {
    const std::vector<form::spoken::Entry> reading = form::spoken::HelpReading();
    std::string headings;
    std::vector<std::string> lines(form::texts::kHelpText.size());
    for (const form::spoken::Entry& entry : reading) {
        headings += entry.heading ? entry.text + "/" : "";
        EXPECT_TRUE(entry.heading || entry.text.ends_with("。")) << entry.text;
        std::size_t at = 0;
        for (const form::spoken::Printed& piece : entry.printed) {
            std::string& line = lines.at(static_cast<std::size_t>(piece.line));
            for (int indent = 0; indent < piece.column; ++indent) {
                line += "　";
            }
            line += Take(entry.text, at, piece.length);
            EXPECT_EQ(piece.lineText,
                      form::texts::kHelpText.at(static_cast<std::size_t>(piece.line)));
        }
        EXPECT_EQ(at, entry.text.size()) << entry.text;
    }
    EXPECT_EQ(headings, "【問　　題】/【実験の考え方】/【操作方法】/");
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i], form::texts::kHelpText[i]) << "line " << i + 1;
    }
    // A word the printing broke, "［ＯＫ］ボ" / "タン", is read whole.
    ASSERT_EQ(reading.size(), 17U);
    EXPECT_EQ(reading[14].text,
              "お客人数の設定と実験回数の設定のウィンドウでは、整数を入力して［ＯＫ］ボタンを"
              "クリックします。");
}

}  // namespace
