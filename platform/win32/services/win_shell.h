#pragma once

#include "app/system_services.h"

namespace platform::win32 {

// Shell folders, drives, the shell's "open" action and shell links (Shell32, Ole32).
class Win32Shell final : public app::IShell {
public:
    explicit Win32Shell(app::ISetupLog& log) : log_(log) {}

    std::optional<std::u16string> FolderPath(app::ShellFolder folder) override;
    std::vector<app::DriveRoot> LogicalDrives() override;
    bool Open(std::u16string_view path, app::Visibility visibility) override;
    bool SaveShortcut(std::u16string_view linkPath, std::u16string_view target, std::u16string_view workDir) override;

private:
    app::ISetupLog& log_;
};

}  // namespace platform::win32
