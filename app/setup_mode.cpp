#include "app/setup_mode.h"

#include "app/path_text.h"

namespace app {

bool IsUninstallerFileName(std::u16string_view fileName,
                           const std::function<std::u16string(std::u16string_view)>& lowerCase) {
    return lowerCase(fileName) == lowerCase(u"Uninstall.exe");
}

std::u16string ChannelTagFromPath(std::u16string_view executablePath) {
    std::u16string_view name = FileNameOf(executablePath);
    const size_t extension = name.rfind(u'.');
    if (extension != std::u16string_view::npos) name = name.substr(0, extension);
    const size_t firstDot = name.find(u'.');
    if (firstDot == std::u16string_view::npos) return {};
    return std::u16string(name.substr(firstDot + 1));
}

}  // namespace app
