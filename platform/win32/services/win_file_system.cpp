#include "platform/win32/services/win_file_system.h"

#include <windows.h>
#include <shlobj.h>

#include <algorithm>
#include <exception>
#include <optional>
#include <utility>
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

bool SetDeletePending(HANDLE file, bool pending) {
    FILE_DISPOSITION_INFO disposition{};
    disposition.DeleteFile = pending ? TRUE : FALSE;
    return SetFileInformationByHandle(file, FileDispositionInfo, &disposition, sizeof(disposition)) != FALSE;
}

// Renames the open file; fails when the target exists or lies on another volume.
bool RenameOpenFile(HANDLE file, const std::wstring& target) {
    std::vector<unsigned char> buffer(sizeof(FILE_RENAME_INFO) + (target.size() + 1) * sizeof(wchar_t));
    auto* rename = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
    rename->ReplaceIfExists = FALSE;
    rename->RootDirectory = nullptr;
    rename->FileNameLength = static_cast<DWORD>(target.size() * sizeof(wchar_t));
    std::copy(target.begin(), target.end(), rename->FileName);
    rename->FileName[target.size()] = L'\0';
    return SetFileInformationByHandle(file, FileRenameInfo, rename, static_cast<DWORD>(buffer.size())) != FALSE;
}

// Copies the rest of from (from its current position) to the end of to; the error on failure, 0 on success.
DWORD CopyBetweenHandles(HANDLE from, HANDLE to) {
    std::vector<char> buffer(1 << 20);
    while (true) {
        DWORD read = 0;
        if (!ReadFile(from, buffer.data(), static_cast<DWORD>(buffer.size()), &read, nullptr)) return GetLastError();
        if (read == 0) return 0;
        DWORD offset = 0;
        while (offset < read) {
            DWORD written = 0;
            if (!::WriteFile(to, buffer.data() + offset, read - offset, &written, nullptr)) return GetLastError();
            if (written == 0) return ERROR_WRITE_FAULT;
            offset += written;
        }
    }
}

// The staged file is held open with its delete pending from the moment it exists: the system removes it when the
// handle closes, which a process that ends in any way does. Kept, the delete is withdrawn and the file renamed
// through the same handle; across volumes its bytes are copied out and the staged file goes as usual.
class Win32TransientCopy final : public app::ITransientCopy {
public:
    Win32TransientCopy(std::u16string from, std::u16string path, UniqueHandle file, app::ISetupLog& log)
        : from_(std::move(from)), path_(std::move(path)), file_(std::move(file)), log_(log) {}
    ~Win32TransientCopy() override {
        Wait();
        file_.Reset();
        if (!kept_) log_.Log(u"Files: transient copy " + path_ + u" let go");
    }

    void Start() {
        thread_ = std::thread([this] {
            UniqueHandle source(CreateFileW(Wide(from_).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE,
                                            nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
            error_ = source ? CopyBetweenHandles(source.Get(), file_.Get()) : GetLastError();
            ok_ = error_ == 0;
        });
    }

    const std::u16string& Path() const override { return path_; }

    bool Wait() override {
        if (thread_.joinable()) {
            thread_.join();
            log_.Log(u"Files: copy " + from_ + u" to " + path_ + u" in the background" +
                     (ok_ ? u"" : u" failed" + ErrorText(error_)));
        }
        return ok_;
    }

    bool KeepAs(std::u16string_view path) override {
        if (!Wait() || kept_) return false;
        const std::wstring target = Wide(path);
        // Between withdrawing the delete and the rename lie two calls to the system, nothing else.
        if (SetDeletePending(file_.Get(), false)) {
            if (RenameOpenFile(file_.Get(), target)) {
                kept_ = true;
                log_.Log(u"Files: move " + path_ + u" to " + std::u16string(path));
                return true;
            }
            const DWORD error = GetLastError();
            if (!SetDeletePending(file_.Get(), true)) {
                log_.Log(u"Files: the delete of " + path_ + u" cannot be asked again" + ErrorText(GetLastError()));
            }
            log_.Log(u"Files: move " + path_ + u" to " + std::u16string(path) + u" failed" + ErrorText(error) +
                     u"; its bytes are copied");
        }
        return CopyOut(target, path);
    }

private:
    bool CopyOut(const std::wstring& target, std::u16string_view path) {
        LARGE_INTEGER start{};
        UniqueHandle out(
            CreateFileW(target.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        DWORD error = out ? 0 : GetLastError();
        if (error == 0 && !SetFilePointerEx(file_.Get(), start, nullptr, FILE_BEGIN)) error = GetLastError();
        if (error == 0) error = CopyBetweenHandles(file_.Get(), out.Get());
        if (out && error != 0) {
            out.Reset();
            DeleteFileW(target.c_str());
        }
        log_.Log(u"Files: copy " + path_ + u" to " + std::u16string(path) +
                 (error == 0 ? u"" : u" failed" + ErrorText(error)));
        return error == 0;
    }

    std::u16string from_;
    std::u16string path_;
    UniqueHandle file_;
    app::ISetupLog& log_;
    bool ok_ = false;
    bool kept_ = false;
    DWORD error_ = 0;
    std::thread thread_;
};

}  // namespace

std::unique_ptr<app::ITransientCopy> Win32FileSystem::StartTransientCopy(std::u16string_view from,
                                                                         std::u16string_view folder,
                                                                         std::u16string_view prefix) {
    std::optional<std::u16string> path = CreateTempFile(folder, prefix);
    if (!path) return nullptr;
    UniqueHandle file(CreateFileW(Wide(*path).c_str(), GENERIC_READ | GENERIC_WRITE | DELETE, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_TEMPORARY, nullptr));
    if (!file || !SetDeletePending(file.Get(), true)) {
        log_.Log(u"Files: cannot hold " + *path + u" as a transient file" + ErrorText(GetLastError()));
        file.Reset();
        RemoveFile(*path);
        return nullptr;
    }
    auto copy = std::make_unique<Win32TransientCopy>(std::u16string(from), *path, std::move(file), log_);
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
