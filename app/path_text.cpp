#include "app/path_text.h"

namespace app {

namespace {

size_t LastSeparator(std::u16string_view path) { return path.find_last_of(u"\\/"); }

}  // namespace

std::u16string_view FileNameOf(std::u16string_view path) {
    const size_t separator = LastSeparator(path);
    return separator == std::u16string_view::npos ? path : path.substr(separator + 1);
}

std::u16string_view FolderOf(std::u16string_view path) {
    const size_t separator = LastSeparator(path);
    return separator == std::u16string_view::npos ? std::u16string_view{} : path.substr(0, separator + 1);
}

std::u16string WithTrailingBackslash(std::u16string_view folder) {
    std::u16string result(folder);
    if (result.empty() || (result.back() != u'\\' && result.back() != u'/')) result.push_back(u'\\');
    return result;
}

std::u16string UnquotePath(std::u16string_view text) {
    if (text.empty() || text.front() != u'"') return std::u16string(text);
    const size_t closing = text.find(u'"', 1);
    if (closing == std::u16string_view::npos) return std::u16string(text.substr(1));
    return std::u16string(text.substr(1, closing - 1));
}

std::u16string Quoted(std::u16string_view text) {
    std::u16string result;
    result.reserve(text.size() + 2);
    result.push_back(u'"');
    result.append(text);
    result.push_back(u'"');
    return result;
}

}  // namespace app
