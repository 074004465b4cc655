#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace ui {

// A JSON value: null, a boolean, a number, a UTF-8 string, an array or an object. A number keeps its JSON
// text, so that it is written back exactly as it was read. An object keeps its members in the order they were
// added, each key once.
class JsonValue {
public:
    struct Number {
        std::string text;
        bool operator==(const Number&) const = default;
    };
    using Array = std::vector<JsonValue>;
    using Member = std::pair<std::string, JsonValue>;
    using Object = std::vector<Member>;

    JsonValue() = default;
    JsonValue(std::nullptr_t) {}
    JsonValue(bool value) : value_(value) {}
    JsonValue(int64_t value) : value_(Number{std::to_string(value)}) {}
    JsonValue(int value) : JsonValue(static_cast<int64_t>(value)) {}
    JsonValue(std::string value) : value_(std::move(value)) {}
    JsonValue(const char* value) : value_(std::string(value)) {}
    JsonValue(Array value) : value_(std::move(value)) {}
    JsonValue(Object value) : value_(std::move(value)) {}
    JsonValue(Number value) : value_(std::move(value)) {}

    static JsonValue MakeObject() { return JsonValue(Object{}); }

    bool IsNull() const { return std::holds_alternative<std::monostate>(value_); }
    bool IsBool() const { return std::holds_alternative<bool>(value_); }
    bool IsNumber() const { return std::holds_alternative<Number>(value_); }
    bool IsString() const { return std::holds_alternative<std::string>(value_); }
    bool IsArray() const { return std::holds_alternative<Array>(value_); }
    bool IsObject() const { return std::holds_alternative<Object>(value_); }

    // nullptr when the value is of another type.
    const bool* AsBool() const { return std::get_if<bool>(&value_); }
    const Number* AsNumber() const { return std::get_if<Number>(&value_); }
    const std::string* AsString() const { return std::get_if<std::string>(&value_); }
    const Array* AsArray() const { return std::get_if<Array>(&value_); }
    Array* AsArray() { return std::get_if<Array>(&value_); }
    const Object* AsObject() const { return std::get_if<Object>(&value_); }
    Object* AsObject() { return std::get_if<Object>(&value_); }

    // The member of an object with that key; nullptr when there is none or the value is not an object.
    const JsonValue* Find(std::string_view key) const;
    // Sets a member of an object, replacing the value of a key already present in place. A value that is not an
    // object becomes an empty object first.
    void Set(std::string_view key, JsonValue value);

    bool operator==(const JsonValue&) const = default;

private:
    std::variant<std::monostate, bool, Number, std::string, Array, Object> value_;
};

// Reads text that is exactly one JSON value (white space around it allowed, and a UTF-8 byte-order mark before
// it). Strings must be valid UTF-8 and
// their escapes must not leave a surrogate unpaired; a key that repeats keeps its last value. Values nested more
// than kMaxJsonDepth arrays and objects deep are refused, so that no text can exhaust the stack. nullopt for
// anything else.
constexpr int kMaxJsonDepth = 256;
std::optional<JsonValue> ParseJson(std::string_view text);

// The value as JSON text without white space between tokens. Strings are written as UTF-8 with the escapes
// \" \\ \b \f \n \r \t and \u00xx for the other control characters.
std::string WriteJson(const JsonValue& value);

}  // namespace ui
