#include "platform/win32/services/win_file_system.h"

#include <windows.h>
#include <shlobj.h>

#include <exception>
#include <thread>
#include <vector>

#include "platform/tree_removal.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/wide_text.h"
#include "ui/text.h"

namespace platform::win32 {

namespace {

DWORD Attributes(std::u16string_view path) { return GetFileAttributesW(Wide(path).c_str()); }

std::wstring WithoutTrailingBackslash(std::wstring path) {
    // "C:\" keeps its backslash: without it, it would name the current folder of drive C.
    while (path.size() > 3 && (path.back() == L'\\' || path.back() == L'/')) path.pop_back();
    return path;
}

std::u16string ErrorText(DWORD error) { return u" (error " + DecimalText(error) + u")"; }

// The tree removal's view of the real file system.
class Win32TreeFiles {
public:
    platform::TreeEntryKind Kind(const std::wstring& path) {
        const DWORD attributes = GetFileAttributesW(path.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES) return platform::TreeEntryKind::Missing;
        const bool folder = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) {
            return folder ? platform::TreeEntryKind::FolderLink : platform::TreeEntryKind::FileLink;
        }
        return folder ? platform::TreeEntryKind::Folder : platform::TreeEntryKind::File;
    }

    std::vector<std::wstring> Children(const std::wstring& folder) {
        std::vector<std::wstring> children;
        WIN32_FIND_DATAW entry{};
        HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &entry);
        if (find == INVALID_HANDLE_VALUE) return children;
        do {
            const std::wstring name = entry.cFileName;
            if (name != L"." && name != L"..") children.push_back(folder + L"\\" + name);
        } while (FindNextFileW(find, &entry));
        FindClose(find);
        return children;
    }

    void MakeWritable(const std::wstring& path) {
        const DWORD attributes = GetFileAttributesW(path.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
            SetFileAttributesW(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
        }
    }

    bool RemoveFile(const std::wstring& path) { return DeleteFileW(path.c_str()) != 0; }
    bool RemoveEmptyFolder(const std::wstring& path) { return RemoveDirectoryW(path.c_str()) != 0; }

    bool RemoveLink(const std::wstring& path, platform::TreeEntryKind kind) {
        return (kind == platform::TreeEntryKind::FolderLink ? RemoveDirectoryW(path.c_str())
                                                            : DeleteFileW(path.c_str())) != 0;
    }
};

}  // namespace

bool WriteWholeFile(const std::wstring& path, const void* data, size_t size) {
    UniqueHandle file(
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    const auto* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const DWORD chunk = size > 0x10000000 ? 0x10000000 : static_cast<DWORD>(size);
        DWORD written = 0;
        if (!::WriteFile(file.Get(), bytes, chunk, &written, nullptr) || written == 0) return false;
        bytes += written;
        size -= written;
    }
    return true;
}

bool Win32FileSystem::FileExists(std::u16string_view path) {
    const DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32FileSystem::DirectoryExists(std::u16string_view path) {
    const DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32FileSystem::IsDirectoryEmpty(std::u16string_view path) {
    if (!DirectoryExists(path)) return false;
    WIN32_FIND_DATAW entry{};
    HANDLE find = FindFirstFileW((WithoutTrailingBackslash(Wide(path)) + L"\\*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return false;
    bool empty = true;
    do {
        const std::wstring name = entry.cFileName;
        if (name != L"." && name != L"..") empty = false;
    } while (empty && FindNextFileW(find, &entry));
    FindClose(find);
    return empty;
}

bool Win32FileSystem::RemoveFile(std::u16string_view path) {
    const bool ok = DeleteFileW(Wide(path).c_str());
    log_.Log(u"Files: delete " + std::u16string(path) + (ok ? u"" : u" failed" + ErrorText(GetLastError())));
    return ok;
}

bool Win32FileSystem::CopyFileNoReplace(std::u16string_view from, std::u16string_view to) {
    const bool ok = CopyFileW(Wide(from).c_str(), Wide(to).c_str(), TRUE);
    log_.Log(u"Files: copy " + std::u16string(from) + u" to " + std::u16string(to) +
             (ok ? u"" : u" failed" + ErrorText(GetLastError())));
    return ok;
}

namespace {

// CopyFileW on a thread of its own, joined by Wait or at the latest by the destructor.
class Win32FileCopy final : public app::IFileCopy {
public:
    Win32FileCopy(std::u16string_view from, std::u16string_view to, app::ISetupLog& log)
        : from_(from), to_(to), log_(log) {}
    ~Win32FileCopy() override { Wait(); }

    void Start() {
        thread_ = std::thread([this] {
            ok_ = CopyFileW(Wide(from_).c_str(), Wide(to_).c_str(), FALSE) != FALSE;
            error_ = ok_ ? 0 : GetLastError();
        });
    }

    bool Wait() override {
        if (thread_.joinable()) {
            thread_.join();
            log_.Log(u"Files: copy " + from_ + u" to " + to_ + u" in the background" +
                     (ok_ ? u"" : u" failed" + ErrorText(error_)));
        }
        return ok_;
    }

private:
    std::u16string from_;
    std::u16string to_;
    app::ISetupLog& log_;
    bool ok_ = false;
    DWORD error_ = 0;
    std::thread thread_;
};

}  // namespace

std::unique_ptr<app::IFileCopy> Win32FileSystem::StartCopy(std::u16string_view from, std::u16string_view to) {
    auto copy = std::make_unique<Win32FileCopy>(from, to, log_);
    try {
        copy->Start();
    } catch (const std::exception& error) {
        log_.Log(u"Files: cannot start copying " + std::u16string(from) + u" (" + ui::Utf8ToUtf16(error.what()) + u")");
        return nullptr;
    }
    return copy;
}

bool Win32FileSystem::MoveFileNoReplace(std::u16string_view from, std::u16string_view to) {
    const bool ok = MoveFileExW(Wide(from).c_str(), Wide(to).c_str(), MOVEFILE_COPY_ALLOWED);
    log_.Log(u"Files: move " + std::u16string(from) + u" to " + std::u16string(to) +
             (ok ? u"" : u" failed" + ErrorText(GetLastError())));
    return ok;
}

bool Win32FileSystem::CreateDirectories(std::u16string_view path) {
    const int result = SHCreateDirectoryExW(nullptr, WithoutTrailingBackslash(Wide(path)).c_str(), nullptr);
    const bool ok = result == ERROR_SUCCESS || result == ERROR_ALREADY_EXISTS || result == ERROR_FILE_EXISTS;
    log_.Log(u"Files: create folder " + std::u16string(path) +
             (ok ? u"" : u" failed" + ErrorText(static_cast<DWORD>(result))));
    return ok && DirectoryExists(path);
}

bool Win32FileSystem::RemoveEmptyDirectory(std::u16string_view path) {
    const bool ok = RemoveDirectoryW(WithoutTrailingBackslash(Wide(path)).c_str());
    log_.Log(u"Files: remove folder " + std::u16string(path) + (ok ? u"" : u" failed" + ErrorText(GetLastError())));
    return ok;
}

bool Win32FileSystem::DeleteTree(std::u16string_view path) {
    Win32TreeFiles files;
    const bool ok = platform::RemoveTree(files, WithoutTrailingBackslash(Wide(path)));
    log_.Log(u"Files: remove folder tree " + std::u16string(path) + (ok ? u"" : u" incomplete"));
    return ok;
}

bool Win32FileSystem::WriteFile(std::u16string_view path, std::string_view bytes) {
    const bool ok = WriteWholeFile(Wide(path), bytes.data(), bytes.size());
    log_.Log(u"Files: write " + std::u16string(path) + (ok ? u"" : u" failed" + ErrorText(GetLastError())));
    return ok;
}

std::u16string Win32FileSystem::TempFolder() {
    std::vector<wchar_t> shortForm(MAX_PATH + 1);
    DWORD length = GetTempPathW(static_cast<DWORD>(shortForm.size()), shortForm.data());
    if (length > shortForm.size()) {
        shortForm.resize(length + 1);
        length = GetTempPathW(static_cast<DWORD>(shortForm.size()), shortForm.data());
    }
    if (length == 0 || length > shortForm.size()) {
        log_.Log(u"Files: no temporary folder" + ErrorText(GetLastError()));
        return {};
    }
    std::wstring folder(shortForm.data(), length);
    std::vector<wchar_t> longForm(MAX_PATH + 1);
    DWORD longLength = GetLongPathNameW(folder.c_str(), longForm.data(), static_cast<DWORD>(longForm.size()));
    if (longLength > longForm.size()) {
        longForm.resize(longLength + 1);
        longLength = GetLongPathNameW(folder.c_str(), longForm.data(), static_cast<DWORD>(longForm.size()));
    }
    if (longLength > 0 && longLength < longForm.size()) folder.assign(longForm.data(), longLength);
    if (folder.back() != L'\\') folder.push_back(L'\\');
    return FromWide(folder);
}

std::optional<std::u16string> Win32FileSystem::CreateTempFile(std::u16string_view folder, std::u16string_view prefix) {
    wchar_t name[MAX_PATH + 1] = {};
    if (GetTempFileNameW(Wide(folder).c_str(), Wide(prefix).c_str(), 0, name) == 0) {
        log_.Log(u"Files: no temporary file in " + std::u16string(folder) + ErrorText(GetLastError()));
        return std::nullopt;
    }
    log_.Log(u"Files: temporary file " + FromWide(name));
    return FromWide(name);
}

std::optional<std::u16string> Win32FileSystem::ShortPath(std::u16string_view path) {
    const std::wstring wide = Wide(path);
    const DWORD needed = GetShortPathNameW(wide.c_str(), nullptr, 0);
    if (needed == 0) return std::nullopt;
    std::vector<wchar_t> buffer(needed + 1);
    const DWORD length = GetShortPathNameW(wide.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0 || length >= buffer.size()) return std::nullopt;
    return FromWide(buffer.data(), length);
}

}  // namespace platform::win32
