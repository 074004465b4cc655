#pragma once

#include <optional>
#include <string>
#include <string_view>

// The switches deployment tools pass to an installer, in the convention NSIS set and others follow:
//   VelnixSetup.exe /S [/D=<folder>]     Uninstall.exe /S
namespace app {

struct SetupSwitches {
    // "/S" (exactly, letter case counts) stood among the arguments: no window, no question.
    bool Silent = false;
    // The text after a last argument "/D=", up to the end of the command line without trailing blanks. It takes
    // no quotes and may hold blanks; nothing when there is no such argument. An argument quoted as a whole
    // ("/D=C:\My Apps", as programs that pass a list of arguments write it) gives the folder without the quotes.
    std::optional<std::u16string> TargetFolder;
};

// Reads the switches from the whole command line (program included, as the system hands it over). Arguments
// are separated by blanks or tabs; a double-quoted one may hold blanks. "/D=" counts only at the start of an
// argument, and everything after it belongs to the folder.
SetupSwitches ParseSetupSwitches(std::u16string_view commandLine);

// Whether the folder is a full path: a drive letter, a colon and a backslash, or a UNC path ("\\server\share"),
// without characters a Windows path cannot hold (quotes, wildcards, '<', '>', '|', a second colon).
bool IsFullFolderPath(std::u16string_view folder);

}  // namespace app
