#pragma once

#include <dwrite.h>
#include <wrl/client.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace platform::win32 {

// Finds the installed font family to draw a requested family with. A family that is not installed would draw
// no text at all on some systems, so it is replaced by the first installed of: the system's message font, the
// common Windows user-interface families and common free sans-serif families, and finally any installed
// family. Answers are remembered, and each replacement is logged once.
class DWriteFontResolver {
public:
    explicit DWriteFontResolver(IDWriteFactory* factory);

    // The installed family to use for the requested one (an empty request gets the fallback). The answer stays
    // valid until the next call.
    const std::wstring& Resolve(std::u16string_view family);
    // The family used for requests that are not installed.
    const std::wstring& Fallback() const { return fallback_; }
    // The system's message font family as the system names it (it may not be installed under that name).
    const std::wstring& MessageFontFamily() const { return messageFont_; }
    // Whether a family of that name is installed.
    bool IsInstalled(std::wstring_view family) const;

private:
    Microsoft::WRL::ComPtr<IDWriteFontCollection> collection_;
    std::wstring messageFont_;
    std::wstring fallback_;
    std::vector<std::pair<std::u16string, std::wstring>> answers_;
};

}  // namespace platform::win32
