#include "app/self_removal.h"

#include "ui/text.h"

namespace app {

std::u16string EscapeBatchPercent(std::u16string_view path) {
    std::u16string out;
    out.reserve(path.size());
    for (const char16_t unit : path) {
        out.push_back(unit);
        if (unit == u'%') out.push_back(u'%');
    }
    return out;
}

std::u16string SelfRemovalScript(std::u16string_view filePath, int tries) {
    std::u16string quoted = u"\"";
    quoted.append(EscapeBatchPercent(filePath)).push_back(u'"');
    const std::u16string limit = [tries] {
        const std::string digits = std::to_string(tries);
        return std::u16string(digits.begin(), digits.end());
    }();
    // The counter makes the loop give up on a file that can never be deleted (read-only, locked for good);
    // ping to the loopback address is the command interpreter's way of waiting about a second.
    return u"set /a velnix_tries=0\r\n"
           u":try\r\n"
           u"del " +
           quoted +
           u"\r\n"
           u"if not exist " +
           quoted +
           u" goto done\r\n"
           u"set /a velnix_tries+=1\r\n"
           u"if %velnix_tries% geq " +
           limit +
           u" goto done\r\n"
           u"ping -n 2 127.0.0.1 >nul\r\n"
           u"goto try\r\n"
           u":done\r\n"
           u"del \"%~f0\"";
}

std::string EncodeSelfRemovalScript(std::u16string_view filePath, SetupServices& services, int tries) {
    if (std::optional<std::string> bytes = services.Process.ToConsoleCodePage(SelfRemovalScript(filePath, tries))) {
        return *bytes;
    }
    if (std::optional<std::u16string> shortPath = services.Files.ShortPath(filePath)) {
        if (std::optional<std::string> bytes =
                services.Process.ToConsoleCodePage(SelfRemovalScript(*shortPath, tries))) {
            return *bytes;
        }
    }
    services.Log.Log(u"Setup: the removal script is written as UTF-8 for " + std::u16string(filePath));
    return ui::Utf16ToUtf8(u"chcp 65001 >nul\r\n" + SelfRemovalScript(filePath, tries));
}

std::u16string SelfRemovalScriptPath(SetupServices& services) {
    const std::u16string folder = services.Files.TempFolder();
    return folder.empty() ? std::u16string() : folder + u"_deleteme.bat";
}

void ScheduleRemovalOf(std::u16string_view filePath, SetupServices& services, int tries) {
    const std::u16string scriptPath = SelfRemovalScriptPath(services);
    if (scriptPath.empty()) {
        services.Log.Log(u"Setup: no temporary folder for the removal script");
        return;
    }
    if (services.Files.FileExists(scriptPath) && !services.Files.RemoveFile(scriptPath)) {
        services.Log.Log(u"Setup: the old removal script cannot be deleted: " + scriptPath);
        return;
    }
    if (!services.Files.WriteFile(scriptPath, EncodeSelfRemovalScript(filePath, services, tries))) {
        services.Log.Log(u"Setup: the removal script cannot be written: " + scriptPath);
        return;
    }
    if (!services.Shell.Open(scriptPath, Visibility::Hidden)) {
        services.Log.Log(u"Setup: the removal script cannot be started: " + scriptPath);
        return;
    }
    services.Log.Log(u"Setup: removal script started for " + std::u16string(filePath));
}

void ScheduleSelfRemoval(SetupServices& services) {
    ScheduleRemovalOf(services.Process.ExecutablePath(), services, kSelfRemovalTries);
}

}  // namespace app
