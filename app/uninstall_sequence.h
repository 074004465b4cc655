#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "app/setup_state.h"
#include "app/system_services.h"

// Removal of an installation, run as "Uninstall.exe" from the installation folder.
namespace app {

// The application's known files in the installation folder, deleted in this order.
inline constexpr std::array<std::u16string_view, 14> kInstalledFiles = {
    u"vlxd.exe",       u"vel-nix",     u"Velnix.exe",  u"runtime-setup.exe", u"bridge.dll",
    u"bridge-usb.dll", u"media-a.dll", u"media-b.dll", u"media-c.dll",       u"media-d.dll",
    u"media-e.dll",    u"audio-a.dll", u"audio-b.dll", u"view-loader.dll"};

// The language files in the sub-folder "lang", each with the extension ".lang".
inline constexpr std::array<std::u16string_view, 7> kLanguageFiles = {
    u"日本語",        u"简体中文",     u"日本語-Github", u"繁體中文(台灣)-Github", u"繁體中文(香港)-Github",
    u"Srpski-Github", u"한국어-Github"};

// Sub-folders removed with everything in them.
inline constexpr std::array<std::u16string_view, 2> kRemovedFolders = {u"wizard", u"driver"};

// The quit request: the running application's file mapping and the message sent to its window.
inline constexpr std::u16string_view kAppMappingName = u"Velnix";
inline constexpr uint32_t kQuitMessage = 1027;  // WM_USER + 3
inline constexpr int kQuitRequestAttempts = 50;
inline constexpr uint32_t kQuitRequestPauseMs = 100;
// How long one request may wait for the window to handle it. A window that does not answer in this time is
// taken for hung and left to taskkill.
inline constexpr uint32_t kQuitRequestTimeoutMs = 3000;

// Asks the running application to quit, at most kQuitRequestAttempts times about 100 ms apart. Ends as soon as
// the application has released its mapping, when the mapping's view cannot be mapped, or when a request is
// not handled within kQuitRequestTimeoutMs.
void AskAppToQuit(SetupServices& services);

// The whole uninstall sequence. The first argument "update" (exactly) makes it silent: no question, no report.
// The switch /S among the arguments makes it silent too, but the report is sent.
// It always ends with services.Process.EndProcess(0): after an answer other than Yes with nothing removed,
// otherwise after the removal and the start of the self-removal script.
void RunUninstall(TSetupState& state, SetupServices& services);

}  // namespace app
