#pragma once

#include <stdexcept>
#include <string>

namespace ui {

// A stored layout could not be read: what() is "Layout line N: problem".
class LayoutError : public std::runtime_error {
public:
    LayoutError(int line, const std::string& problem)
        : std::runtime_error("Layout line " + std::to_string(line) + ": " + problem), line_(line), problem_(problem) {}

    int Line() const { return line_; }
    const std::string& Problem() const { return problem_; }

private:
    int line_;
    std::string problem_;
};

}  // namespace ui
