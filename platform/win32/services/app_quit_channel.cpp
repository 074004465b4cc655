#include "platform/win32/services/app_quit_channel.h"

#include <windows.h>

#include <cstring>

#include "platform/win32/unique_handle.h"
#include "platform/win32/wide_text.h"

namespace platform::win32 {

namespace {

class MappedView {
public:
    MappedView(HANDLE mapping, SIZE_T size) : view_(MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, size)) {}
    MappedView(const MappedView&) = delete;
    MappedView& operator=(const MappedView&) = delete;
    ~MappedView() {
        if (view_) UnmapViewOfFile(view_);
    }
    const void* Get() const { return view_; }

private:
    void* view_;
};

}  // namespace

app::QuitRequestResult Win32AppQuitChannel::RequestQuit(std::u16string_view mappingName, uint32_t message,
                                                        uint32_t timeoutMs) {
    UniqueHandle mapping(OpenFileMappingW(FILE_MAP_ALL_ACCESS, FALSE, Wide(mappingName).c_str()));
    if (!mapping) return app::QuitRequestResult::NoApplication;
    MappedView view(mapping.Get(), sizeof(uint32_t));
    if (!view.Get()) {
        log_.Log(u"Quit request: cannot map the view of " + std::u16string(mappingName) + u" (error " +
                 DecimalText(GetLastError()) + u")");
        return app::QuitRequestResult::ViewUnavailable;
    }
    int32_t stored = 0;
    std::memcpy(&stored, view.Get(), sizeof(stored));
    // Window handles are 32-bit values across processes; a 64-bit process sign-extends them.
    const HWND window = reinterpret_cast<HWND>(static_cast<INT_PTR>(stored));
    DWORD_PTR answer = 0;
    const LRESULT sent = SendMessageTimeoutW(window, message, 0, 0, SMTO_ABORTIFHUNG, timeoutMs, &answer);
    const DWORD error = sent ? 0 : GetLastError();
    log_.Log(u"Quit request: message " + DecimalText(message) + u" to window " +
             DecimalText(static_cast<uint32_t>(stored)) +
             (sent ? u" handled" : u" not handled (error " + DecimalText(error) + u")"));
    return sent ? app::QuitRequestResult::Delivered : app::QuitRequestResult::NotDelivered;
}

}  // namespace platform::win32
