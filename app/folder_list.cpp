#include "app/folder_list.h"

namespace app {

std::vector<std::u16string> BuildFolderList(std::u16string_view defaultFolder, const std::vector<DriveRoot>& drives) {
    std::vector<std::u16string> folders;
    for (const DriveRoot& drive : drives) {
        if (drive.Type != DriveType::Fixed) continue;
        if (!drive.Root.empty() && defaultFolder.starts_with(drive.Root)) {
            folders.emplace_back(defaultFolder);
        } else {
            folders.push_back(drive.Root + u"Velnix");
        }
    }
    return folders;
}

}  // namespace app
