#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace app {

// A flat JSON object of text and integer members, kept in the order they were added. Adding a key that is
// already present replaces that member's value in place.
class JsonObject {
public:
    using JsonValue = std::variant<std::u16string, int64_t>;
    using Member = std::pair<std::u16string, JsonValue>;

    void Add(std::u16string_view key, JsonValue value);
    const std::vector<Member>& Members() const { return members_; }
    const JsonValue* Find(std::u16string_view key) const;

private:
    std::vector<Member> members_;
};

// The text of a JSON string (without its quotes) with the report's escapes: \b \t \n \f \r, \" , \/ , \\ ;
// every other code unit below 32 and every one above 127 as \u with four upper-case hexadecimal digits.
// Everything else stands as it is, so the result is plain ASCII.
std::string EscapeJsonText(std::u16string_view text);

// The object as JSON text without any white space between tokens.
std::string WriteJsonText(const JsonObject& object);

}  // namespace app
