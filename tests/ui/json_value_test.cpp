#include "ui/json_value.h"

#include <gtest/gtest.h>

#include <string>

namespace ui {
namespace {

TEST(JsonValueTest, ValidTextIsReadAndWrittenBackWithoutWhiteSpace) {
    const struct {
        const char* text;
        const char* written;
    } cases[] = {
        {"null", "null"},
        {" true ", "true"},
        {"\tfalse\r\n", "false"},
        {"0", "0"},
        {"-12.5e+3", "-12.5e+3"},  // numbers keep their text
        {"1E-7", "1E-7"},
        {"12345678901234567890123", "12345678901234567890123"},
        {"\"\"", "\"\""},
        {"[]", "[]"},
        {"{}", "{}"},
        {"[ 1 , [ ] , { } , \"x\" ]", "[1,[],{},\"x\"]"},
        {"{ \"b\" : 1 , \"a\" : [ true , null ] }", "{\"b\":1,\"a\":[true,null]}"},  // members stay in order
        {"{\"k\":1,\"j\":2,\"k\":3}", "{\"k\":3,\"j\":2}"},                            // a repeated key: last value
        {"\xEF\xBB\xBF{\"a\":1}", "{\"a\":1}"},                                       // byte-order mark
        {"\"\\u00e9\\u4E2D\\ud83d\\uDCF1\\/\"", "\"\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x93\xB1/\""},
        {"\"\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x93\xB1\"", "\"\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x93\xB1\""},
        {"\"\\\"\\\\\\b\\f\\n\\r\\t\\u0001\\u001F\"", "\"\\\"\\\\\\b\\f\\n\\r\\t\\u0001\\u001f\""},
    };
    for (const auto& c : cases) {
        const std::optional<JsonValue> value = ParseJson(c.text);
        ASSERT_TRUE(value.has_value()) << c.text;
        EXPECT_EQ(WriteJson(*value), c.written) << c.text;
        EXPECT_EQ(ParseJson(WriteJson(*value)), value) << c.text;
    }
}

TEST(JsonValueTest, TextThatIsNotExactlyOneJsonValueIsRefused) {
    const char* const cases[] = {
        "",
        "   ",
        "nul",
        "truex",
        "True",
        "1 2",
        "{} {}",
        "01",
        "-",
        "1.",
        ".5",
        "1e",
        "+1",
        "0x10",
        "NaN",
        "[1,]",
        "[1 2]",
        "[",
        "{\"a\":1,}",
        "{\"a\" 1}",
        "{a:1}",
        "{\"a\":}",
        "{,}",
        "'x'",
        "\"unterminated",
        "\"tab\tinside\"",
        "\"\\x\"",
        "\"\\u12\"",
        "\"\\u12G4\"",
        "\"\\ud83d\"",         // a high surrogate alone
        "\"\\ud83dx\"",        // followed by no escape
        "\"\\ud83d\\u0041\"",  // followed by no low surrogate
        "\"\\udcf1\"",         // a low surrogate alone
        "\"\xFF\"",            // not UTF-8
        "\"\xC3\"",            // a sequence cut short
        "\"\xC0\xAF\"",        // an overlong form
        "\"\xED\xA0\x80\"",    // an encoded surrogate
        "\"\xF4\x90\x80\x80\"",  // above U+10FFFF
    };
    for (const char* text : cases) EXPECT_FALSE(ParseJson(text).has_value()) << text;
    EXPECT_FALSE(ParseJson(std::string("[1,\0 2]", 7)).has_value());
}

TEST(JsonValueTest, NestingIsLimitedSoThatNoTextExhaustsTheStack) {
    const auto nested = [](int depth) { return std::string(depth, '[') + std::string(depth, ']'); };
    EXPECT_TRUE(ParseJson(nested(kMaxJsonDepth)).has_value());
    EXPECT_FALSE(ParseJson(nested(kMaxJsonDepth + 1)).has_value());
    EXPECT_FALSE(ParseJson(std::string(1000000, '[')).has_value());
    std::string objects;
    for (int i = 0; i <= kMaxJsonDepth; ++i) objects += "{\"a\":";
    objects += "1" + std::string(kMaxJsonDepth + 1, '}');
    EXPECT_FALSE(ParseJson(objects).has_value());
}

TEST(JsonValueTest, ManyRepeatedKeysKeepTheirFirstPlaceAndLastValue) {
    std::string text = "{";
    for (int i = 0; i < 20000; ++i) text += "\"k" + std::to_string(i % 3) + "\":" + std::to_string(i) + ",";
    text += "\"z\":true}";
    const std::optional<JsonValue> value = ParseJson(text);
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(WriteJson(*value), "{\"k0\":19998,\"k1\":19999,\"k2\":19997,\"z\":true}");
}

TEST(JsonValueTest, ObjectsAreBuiltAndSearchedByKey) {
    JsonValue object = JsonValue::MakeObject();
    object.Set("name", "Velnix");
    object.Set("count", 3);
    object.Set("list", JsonValue::Array{true, nullptr, JsonValue::Number{"1.5"}});
    object.Set("name", "again");  // replaced in place
    EXPECT_EQ(WriteJson(object), "{\"name\":\"again\",\"count\":3,\"list\":[true,null,1.5]}");
    ASSERT_NE(object.Find("count"), nullptr);
    EXPECT_EQ(object.Find("count")->AsNumber()->text, "3");
    EXPECT_EQ(object.Find("missing"), nullptr);
    EXPECT_EQ(JsonValue(1).Find("count"), nullptr);

    JsonValue scalar = false;
    scalar.Set("a", int64_t{-9000000000});  // a value that is not an object becomes one
    EXPECT_EQ(WriteJson(scalar), "{\"a\":-9000000000}");
    EXPECT_EQ(WriteJson(JsonValue()), "null");
    EXPECT_EQ(WriteJson(JsonValue(std::string("a\0b", 3))), "\"a\\u0000b\"");
}

}  // namespace
}  // namespace ui
