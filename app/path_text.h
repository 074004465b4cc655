#pragma once

#include <string>
#include <string_view>

// Text rules for Windows paths, used by the sequences on paths the system gave them.
namespace app {

// The part after the last backslash (or slash); the whole text when there is none.
std::u16string_view FileNameOf(std::u16string_view path);

// The folder part of a path, up to and including the last backslash (or slash); empty when there is none.
std::u16string_view FolderOf(std::u16string_view path);

// The text with one trailing backslash.
std::u16string WithTrailingBackslash(std::u16string_view folder);

// A path as a registry value may hold it: surrounding double quotes are taken off, an unquoted path is
// returned as it is. A quoted path followed by arguments gives the quoted part.
std::u16string UnquotePath(std::u16string_view text);

// Double quotes around the text.
std::u16string Quoted(std::u16string_view text);

}  // namespace app
