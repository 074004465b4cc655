#pragma once

#include "app/system_services.h"

namespace platform::win32 {

// Files and folders through Kernel32 (and SHCreateDirectoryExW for folder chains).
class Win32FileSystem final : public app::IFileSystem {
public:
    explicit Win32FileSystem(app::ISetupLog& log) : log_(log) {}

    bool FileExists(std::u16string_view path) override;
    bool DirectoryExists(std::u16string_view path) override;
    bool IsDirectoryEmpty(std::u16string_view path) override;
    bool RemoveFile(std::u16string_view path) override;
    bool CopyFileNoReplace(std::u16string_view from, std::u16string_view to) override;
    std::unique_ptr<app::ITransientCopy> StartTransientCopy(std::u16string_view from, std::u16string_view folder,
                                                            std::u16string_view prefix) override;
    bool MoveFileNoReplace(std::u16string_view from, std::u16string_view to) override;
    bool CreateDirectories(std::u16string_view path) override;
    bool RemoveEmptyDirectory(std::u16string_view path) override;
    bool DeleteTree(std::u16string_view path) override;
    bool WriteFile(std::u16string_view path, std::string_view bytes) override;
    std::u16string TempFolder() override;
    std::optional<std::u16string> CreateTempFile(std::u16string_view folder, std::u16string_view prefix) override;
    std::optional<std::u16string> ShortPath(std::u16string_view path) override;

private:
    app::ISetupLog& log_;
};

// Writes the bytes to the file, creating or replacing it.
bool WriteWholeFile(const std::wstring& path, const void* data, size_t size);

}  // namespace platform::win32
