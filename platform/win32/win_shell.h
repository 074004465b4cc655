#pragma once

#include "app/system_services.h"

namespace platform::win32 {

// Shell folders, drives, the shell's "open" action and shell links (Shell32, Ole32).
class TWin32Shell final : public app::IShell {
public:
    explicit TWin32Shell(app::ISetupLog& log) : log_(log) {}

    std::optional<std::u16string> FolderPath(app::TShellFolder folder) override;
    std::vector<app::TDriveRoot> LogicalDrives() override;
    bool Open(std::u16string_view path, bool show) override;
    bool SaveShortcut(std::u16string_view linkPath, std::u16string_view target,
                      std::u16string_view workDir) override;

private:
    app::ISetupLog& log_;
};

}  // namespace platform::win32
