#include "platform/win32/graphics/dwrite_font_resolver.h"

#include <windows.h>

#include <algorithm>

#include "platform/startup_marks.h"
#include "platform/win32/graphics/hresult_log.h"

namespace platform::win32 {

namespace {

// Requests remembered before the list starts over; a program uses a handful of families.
constexpr size_t kMaxAnswers = 64;

std::wstring SystemMessageFont() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
        LogIfFailed(HRESULT_FROM_WIN32(GetLastError()), u"SystemParametersInfo(SPI_GETNONCLIENTMETRICS)");
        return {};
    }
    return metrics.lfMessageFont.lfFaceName;
}

std::wstring FirstFamilyName(IDWriteFontCollection* collection) {
    if (!collection || collection->GetFontFamilyCount() == 0) return {};
    Microsoft::WRL::ComPtr<IDWriteFontFamily> family;
    Microsoft::WRL::ComPtr<IDWriteLocalizedStrings> names;
    if (!LogIfFailed(collection->GetFontFamily(0, &family), u"IDWriteFontCollection::GetFontFamily") ||
        !LogIfFailed(family->GetFamilyNames(&names), u"IDWriteFontFamily::GetFamilyNames")) {
        return {};
    }
    UINT32 index = 0;
    BOOL exists = FALSE;
    if (FAILED(names->FindLocaleName(L"en-us", &index, &exists)) || !exists) index = 0;
    UINT32 length = 0;
    if (!LogIfFailed(names->GetStringLength(index, &length), u"IDWriteLocalizedStrings::GetStringLength")) return {};
    std::wstring name(length + 1, L'\0');
    if (!LogIfFailed(names->GetString(index, name.data(), length + 1), u"IDWriteLocalizedStrings::GetString")) {
        return {};
    }
    name.resize(length);
    return name;
}

}  // namespace

DWriteFontResolver::DWriteFontResolver(IDWriteFactory* factory) {
    const StartupSpan span("fonts");
    LogIfFailed(factory->GetSystemFontCollection(&collection_, FALSE), u"IDWriteFactory::GetSystemFontCollection");
    messageFont_ = SystemMessageFont();
    const std::wstring candidates[] = {messageFont_,   L"Segoe UI",        L"Tahoma",  L"Arial",
                                       L"DejaVu Sans", L"Liberation Sans", L"Verdana", L"Microsoft Sans Serif"};
    for (const std::wstring& candidate : candidates) {
        if (!candidate.empty() && IsInstalled(candidate)) {
            fallback_ = candidate;
            break;
        }
    }
    if (fallback_.empty()) fallback_ = FirstFamilyName(collection_.Get());
    if (fallback_.empty()) LogGraphics(u"no installed font family found; text cannot be drawn");
    answers_.reserve(kMaxAnswers);
}

bool DWriteFontResolver::IsInstalled(std::wstring_view family) const {
    if (!collection_ || family.empty()) return false;
    // FindFamilyName wants a terminated name; family names are short.
    wchar_t name[LF_FULLFACESIZE * 2] = {};
    if (family.size() >= std::size(name)) return false;
    std::copy(family.begin(), family.end(), name);
    UINT32 index = 0;
    BOOL exists = FALSE;
    return SUCCEEDED(collection_->FindFamilyName(name, &index, &exists)) && exists;
}

const std::wstring& DWriteFontResolver::Resolve(std::u16string_view family) {
    if (family.empty()) return fallback_;
    for (const auto& [requested, resolved] : answers_) {
        if (requested == family) return resolved;
    }
    if (answers_.size() >= kMaxAnswers) answers_.clear();
    const std::wstring wide(family.begin(), family.end());
    if (IsInstalled(wide)) {
        answers_.emplace_back(std::u16string(family), wide);
    } else {
        answers_.emplace_back(std::u16string(family), fallback_);
        std::u16string line = u"font family \"";
        line += family;
        line += u"\" is not installed; drawing with \"";
        line.append(fallback_.begin(), fallback_.end());
        line += u"\"";
        LogGraphics(line);
    }
    return answers_.back().second;
}

}  // namespace platform::win32
