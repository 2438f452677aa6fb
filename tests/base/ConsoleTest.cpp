#include <gtest/gtest.h>

#include <string>

#include "base/Console.h"
#include "tests/support/StdoutCapture.h"

namespace {

using namespace std::string_literals;

TEST(Console, OrdinaryTextInAnyScriptIsShownAsItIs) {
    for (const std::string& text :
         {"levels/x.toml"s, "Grüße aus Köln"s, "日本語のレベル"s, "emoji \xf0\x9f\x98\x80 ok"s,
          "no-break\xc2\xa0space, U+00A0"s, "back\\slash"s, ""s}) {
        EXPECT_EQ(shownText(text), text);
    }
}

// C0 controls and DEL as bytes, C1 controls as code points; bytes that are not UTF-8 (a raw
// C1 byte, a cut, overlong, surrogate or too large sequence) each as a byte.
TEST(Console, ControlsAndBytesThatAreNotUtf8AreEscaped) {
    const std::pair<std::string, std::string> cases[] = {
        {"x\x1b[2J\x1b]0;title\x07.toml", "x\\x1b[2J\\x1b]0;title\\x07.toml"},
        {"a\nb\rc\td\x7f"s + '\0', "a\\x0ab\\x0dc\\x09d\\x7f\\x00"},
        {"csi \xc2\x9b"
         "2J, pad \xc2\x80, osc \xc2\x9d",
         "csi \\u009b2J, pad \\u0080, osc \\u009d"},
        {"raw \x9b"
         "2J",
         "raw \\x9b2J"},
        {"cut \xe6\x97", "cut \\xe6\\x97"},
        {"cut \xe6\x97 mid", "cut \\xe6\\x97 mid"},
        {"overlong \xc0\xaf \xe0\x80\xaf", "overlong \\xc0\\xaf \\xe0\\x80\\xaf"},
        {"surrogate \xed\xa0\x80", "surrogate \\xed\\xa0\\x80"},
        {"past \xf4\x90\x80\x80", "past \\xf4\\x90\\x80\\x80"},
        {"\xff\xfe", "\\xff\\xfe"},
        {"ü\xc2", "ü\\xc2"},
    };
    for (const auto& [text, shown] : cases) {
        EXPECT_EQ(shownText(text), shown);
    }
}

// Every line the game prints goes through the same door: text is shown, numbers are written
// as the stream writes them.
TEST(Console, ALineShowsItsTextAndWritesItsNumbers) {
    StdoutCapture console;
    const std::string name = "evil\x1b[2J";
    printLine("ERROR::LEVEL::NOT_FOUND: ", name, " ", 3, " ", 0.5f, " ", std::string_view("\x07"),
              '\n');
    printLines("first\nsecond \x1b\n");
    EXPECT_EQ(console.text(),
              "ERROR::LEVEL::NOT_FOUND: evil\\x1b[2J 3 0.5 \\x07\\x0a\nfirst\nsecond \\x1b\n\n");
}

}  // namespace
