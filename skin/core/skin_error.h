#pragma once

#include <stdexcept>
#include <string>

namespace skin {

// What the skin library raises for a programming error or unreadable data. The message is UTF-8 and, where
// the library defines one, its fixed text (for example "无效版本号").
class SkinError : public std::runtime_error {
public:
    explicit SkinError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace skin
