#include "ui/text.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

TEST(TextTest, Utf8RoundTrips) {
    for (const std::u16string& text : {std::u16string(u""), std::u16string(u"plain"), std::u16string(u"无效版本号"),
                                       std::u16string(u"C:\\Users\\Zoë\\100%"), std::u16string(u"\U0001F4F1 phone")}) {
        EXPECT_EQ(Utf8ToUtf16(Utf16ToUtf8(text)), text);
    }
    EXPECT_EQ(Utf16ToUtf8(u"\U0001F4F1"), "\xF0\x9F\x93\xB1");
}

TEST(TextTest, MalformedInputBecomesReplacementCharacters) {
    struct Case {
        std::string utf8;
        std::u16string expected;
    };
    const Case cases[] = {
        {"a\xFF"
         "b",
         u"a\uFFFDb"},
        {"\xE4\xB8", u"\uFFFD"},      // truncated sequence
        {"\xC0\xAF", u"\uFFFD"},      // overlong
        {"\xED\xA0\x80", u"\uFFFD"},  // encoded surrogate
        {"\xE4\xB8"
         "x",
         u"\uFFFDx"},  // broken sequence followed by text
    };
    for (const Case& c : cases) EXPECT_EQ(Utf8ToUtf16(c.utf8), c.expected) << c.utf8;
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, u'\xD800') + u"x"), "\xEF\xBF\xBDx");
}

TEST(TextTest, TrimAndCut) {
    EXPECT_EQ(TrimBlanks(u" \t a b \r\n"), u"a b");
    EXPECT_EQ(TrimBlanks(u" \t "), u"");
    EXPECT_EQ(CutText(u"abcdef", 3), u"abc");
    EXPECT_EQ(CutText(u"ab", 3), u"ab");
}

}  // namespace
}  // namespace ui
