#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "app/command_line.h"
#include "tests/app/fake_system.h"

namespace app {
namespace {

using testing::U8;

TEST(SetupSwitchesTest, SilentSwitchAndTargetFolderFollowTheNsisConvention) {
    const struct {
        std::u16string line;
        bool silent;
        std::optional<std::u16string> folder;
    } cases[] = {
        {u"\"C:\\Users\\Ann\\Downloads\\VelnixSetup.exe\" /S", true, std::nullopt},
        {u"VelnixSetup.exe", false, std::nullopt},
        // The folder takes the rest of the line, blanks included, without quotes; trailing blanks go.
        {u"VelnixSetup.exe /S /D=C:\\Program Files\\Velnix Apps  ", true, u"C:\\Program Files\\Velnix Apps"},
        {u"VelnixSetup.exe\t/S\t/D=D:\\Velnix", true, u"D:\\Velnix"},
        // Anything after /D= belongs to the folder, so a /S there is no switch.
        {u"VelnixSetup.exe /D=C:\\Apps /S", false, u"C:\\Apps /S"},
        {u"VelnixSetup.exe /S /D=", true, u""},
        // Quoted as a whole, as a program passing a list of arguments writes it.
        {u"VelnixSetup.exe /S \"/D=C:\\Program Files\\Velnix\"", true, u"C:\\Program Files\\Velnix"},
        {u"VelnixSetup.exe /S \"/D=C:\\Velnix\"  ", true, u"C:\\Velnix"},
        // Letter case counts, and only whole arguments count.
        {u"VelnixSetup.exe /s", false, std::nullopt},
        {u"VelnixSetup.exe /SD", false, std::nullopt},
        {u"VelnixSetup.exe x/D=C:\\Apps /S", true, std::nullopt},
        {u"VelnixSetup.exe /d=C:\\Apps", false, std::nullopt},
        // Quotes group an argument; the program's own name never counts, whatever it holds.
        {u"VelnixSetup.exe \"/S\"", true, std::nullopt},
        {u"\"C:\\odd /S dir\\VelnixSetup.exe\"", false, std::nullopt},
        {u"\"C:\\odd dir\\VelnixSetup.exe\" \"a b\" /S", true, std::nullopt},
        {u"VelnixSetup.exe update", false, std::nullopt},
        {u"", false, std::nullopt},
    };
    for (const auto& c : cases) {
        const SetupSwitches switches = ParseSetupSwitches(c.line);
        EXPECT_EQ(switches.Silent, c.silent) << U8(c.line);
        EXPECT_EQ(switches.TargetFolder.has_value(), c.folder.has_value()) << U8(c.line);
        if (switches.TargetFolder && c.folder) {
            EXPECT_EQ(U8(*switches.TargetFolder), U8(*c.folder)) << U8(c.line);
        }
    }
}

TEST(SetupSwitchesTest, OnlyFullFolderPathsAreTargets) {
    const struct {
        std::u16string folder;
        bool full;
    } cases[] = {
        {u"C:\\Apps\\Velnix", true},
        {u"c:\\", true},
        {u"D:\\日本語 100% & more\\", true},
        {u"\\\\server\\share\\Velnix", true},
        {u"", false},
        {u"C:", false},
        {u"C:Apps", false},
        {u"Apps\\Velnix", false},
        {u"\\Apps", false},
        {u"\\\\server", false},
        {u"\\\\server\\", false},
        {u"1:\\Apps", false},
        {u"C:\\Apps\\\"Velnix\"", false},
        {u"C:\\Apps\\Vel:nix", false},
        {u"C:\\Apps\\*", false},
        {u"C:\\Apps\\a|b", false},
        {u"C:\\Apps\\a\tb", false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsFullFolderPath(c.folder), c.full) << U8(c.folder);
}

}  // namespace
}  // namespace app
