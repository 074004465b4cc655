#include "platform/win32/services/win_guid.h"

#include <windows.h>
#include <objbase.h>

#include "platform/win32/wide_text.h"

namespace platform::win32 {

std::optional<std::u16string> Win32GuidSource::NewGuidText() {
    GUID guid{};
    if (FAILED(CoCreateGuid(&guid))) {
        log_.Log(u"GUID: CoCreateGuid failed");
        return std::nullopt;
    }
    wchar_t text[40] = {};
    const int length = StringFromGUID2(guid, text, 40);
    if (length <= 1) {
        log_.Log(u"GUID: StringFromGUID2 failed");
        return std::nullopt;
    }
    return FromWide(text, static_cast<size_t>(length - 1));
}

}  // namespace platform::win32
