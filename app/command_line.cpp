#include "app/command_line.h"

namespace app {

namespace {

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }

// The position after the program name: quoted up to its closing quote, otherwise up to the first blank.
size_t SkipProgramName(std::u16string_view line) {
    if (!line.empty() && line[0] == u'"') {
        const size_t close = line.find(u'"', 1);
        return close == std::u16string_view::npos ? line.size() : close + 1;
    }
    size_t position = 0;
    while (position < line.size() && !IsBlank(line[position])) ++position;
    return position;
}

}  // namespace

SetupSwitches ParseSetupSwitches(std::u16string_view commandLine) {
    SetupSwitches switches;
    size_t position = SkipProgramName(commandLine);
    while (position < commandLine.size()) {
        while (position < commandLine.size() && IsBlank(commandLine[position])) ++position;
        if (position >= commandLine.size()) break;
        const std::u16string_view rest = commandLine.substr(position);
        // Programs that start others with a list of arguments quote one that holds blanks: "/D=C:\My Apps".
        const bool quoted = rest.starts_with(u"\"/D=");
        if (quoted || rest.starts_with(u"/D=")) {
            std::u16string_view folder = rest.substr(quoted ? 4 : 3);
            while (!folder.empty() && IsBlank(folder.back())) folder.remove_suffix(1);
            if (quoted && folder.ends_with(u'"')) folder.remove_suffix(1);
            switches.TargetFolder = std::u16string(folder);
            break;
        }
        std::u16string argument;
        bool inQuotes = false;
        while (position < commandLine.size() && (inQuotes || !IsBlank(commandLine[position]))) {
            if (commandLine[position] == u'"') {
                inQuotes = !inQuotes;
            } else {
                argument += commandLine[position];
            }
            ++position;
        }
        if (argument == u"/S") switches.Silent = true;
    }
    return switches;
}

bool IsFullFolderPath(std::u16string_view folder) {
    for (size_t i = 0; i < folder.size(); ++i) {
        const char16_t c = folder[i];
        if (c < 0x20 || std::u16string_view(u"<>\"|?*").find(c) != std::u16string_view::npos) return false;
        if (c == u':' && i != 1) return false;
    }
    if (folder.size() >= 3 && folder[1] == u':' && folder[2] == u'\\') {
        const char16_t drive = folder[0];
        return (drive >= u'A' && drive <= u'Z') || (drive >= u'a' && drive <= u'z');
    }
    if (folder.size() > 2 && folder.starts_with(u"\\\\")) {
        // "\\server\share": a server name, then a share name.
        const size_t shareStart = folder.find(u'\\', 2);
        return shareStart != std::u16string_view::npos && shareStart > 2 && shareStart + 1 < folder.size();
    }
    return false;
}

}  // namespace app
