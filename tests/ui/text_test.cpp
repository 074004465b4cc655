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

namespace ui {
namespace {

TEST(TextTest, DecimalNumbersAreReadWholeAndCorrectlyRounded) {
    const struct {
        const char* text;
        std::optional<double> value;
    } cases[] = {
        {"12", 12.0},
        {"-0.5", -0.5},
        {"3.", 3.0},
        {".25", 0.25},
        {"1e-3", 0.001},
        {"2E+8", 2e8},
        {"0.1", 0.1},
        {"9007199254740993", 9007199254740992.0},  // halfway between two doubles: to the even one
        {"1e999", std::nullopt},                   // too large
        {"", std::nullopt},
        {"-", std::nullopt},
        {".", std::nullopt},
        {"+1", std::nullopt},
        {" 1", std::nullopt},
        {"1 ", std::nullopt},
        {"1e", std::nullopt},
        {"1e+", std::nullopt},
        {"0x10", std::nullopt},
        {"inf", std::nullopt},
        {"nan", std::nullopt},
        {"1,5", std::nullopt},
        {"1.2.3", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseDecimal(c.text), c.value) << c.text;

    EXPECT_EQ(ParseDecimalFloat("0.1"), 0.1f);
    EXPECT_EQ(ParseDecimalFloat("10.5"), 10.5f);
    // Read straight to single precision, not through a double: this one rounds differently the two ways.
    EXPECT_EQ(ParseDecimalFloat("1.00000005960464477539062500001"), 1.00000011920928955078125f);
    EXPECT_EQ(ParseDecimalFloat("1e39"), std::nullopt);
    EXPECT_EQ(ParseDecimalFloat("x"), std::nullopt);
}

}  // namespace
}  // namespace ui
