#pragma once

#include <string>

namespace app {

// The five process-wide texts of the setup application. Start-up fills them on the main thread; the install
// worker and the usage reports read them later from pool threads. Nothing guards them: the order of the
// sequences (start-up before the click, the pre-step's hand-over to the main thread before the installation)
// keeps writers and readers apart.
struct TSetupState {
    // Update mode: first the earlier uninstaller's full path, then the target folder with a trailing backslash.
    std::u16string InstallDir;
    // Distribution channel tag (JSON key and registry value "fl").
    std::u16string ChannelTag;
    // Language tag (JSON key "lang"). No step assigns it.
    std::u16string LanguageTag;
    // Per-user install identifier, braced upper-case GUID text (JSON key and registry value "uuid").
    std::u16string InstallId;
    // Text of the resource "ver".
    std::u16string SetupVersion;
};

// The one instance the product uses. The sequences take a TSetupState& so that tests can give them their own.
extern TSetupState SetupState;

}  // namespace app
