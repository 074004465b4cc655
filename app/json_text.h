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
class TJsonObject {
public:
    using TValue = std::variant<std::u16string, int64_t>;
    using TMember = std::pair<std::u16string, TValue>;

    void Add(std::u16string_view key, TValue value);
    const std::vector<TMember>& Members() const { return members_; }
    const TValue* Find(std::u16string_view key) const;

private:
    std::vector<TMember> members_;
};

// The text of a JSON string (without its quotes) with the report's escapes: \b \t \n \f \r, \" , \/ , \\ ;
// every other code unit below 32 and every one above 127 as \u with four upper-case hexadecimal digits.
// Everything else stands as it is, so the result is plain ASCII.
std::string EscapeJsonText(std::u16string_view text);

// The object as JSON text without any white space between tokens.
std::string WriteJsonText(const TJsonObject& object);

}  // namespace app
