#pragma once

#include <string>
#include <string_view>

#include "app/system_services.h"

// Removal of the running uninstaller's own file by a small batch script that outlives the process.
namespace app {

// How often the script tries to delete the file, about a second apart, before it gives up.
inline constexpr int kSelfRemovalTries = 60;

// Where the script goes: the temporary folder followed by "_deleteme.bat"; empty when there is no temporary folder.
std::u16string SelfRemovalScriptPath(SetupServices& services);

// The path as it must stand in a batch file: every '%' doubled, so the command interpreter does not expand it.
std::u16string EscapeBatchPercent(std::u16string_view path);

// The script text, lines separated by CR LF and no line end after the last one: it deletes the file, and while
// the file still exists waits about a second and tries again, at most `tries` times; then it deletes itself.
std::u16string SelfRemovalScript(std::u16string_view filePath, int tries = kSelfRemovalTries);

// The script bytes for filePath: in the console code page the command interpreter reads batch files with;
// when the path has characters that code page lacks, with the path's short form; failing that, as UTF-8 with
// a first line switching the console to UTF-8.
std::string EncodeSelfRemovalScript(std::u16string_view filePath, SetupServices& services,
                                    int tries = kSelfRemovalTries);

// Writes the script for filePath as TempFolder + "_deleteme.bat", replacing a leftover one, and has the shell
// open it hidden. The first failure skips the rest; it is logged and nothing else is reported.
void ScheduleRemovalOf(std::u16string_view filePath, SetupServices& services, int tries = kSelfRemovalTries);

// ScheduleRemovalOf the running executable. Called right before the process ends.
void ScheduleSelfRemoval(SetupServices& services);

}  // namespace app
