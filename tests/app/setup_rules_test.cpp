#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/folder_list.h"
#include "app/local_unix_seconds.h"
#include "app/path_text.h"
#include "app/setup_mode.h"
#include "tests/app/fake_system.h"

namespace app {
namespace {

using testing::U8;

TEST(SetupModeTest, OnlyTheNameUninstallExeInAnyCaseSelectsUninstallMode) {
    testing::FakeSystem system;
    const auto lower = [&system](std::u16string_view text) { return system.LowerCase(text); };
    const struct {
        std::u16string name;
        bool uninstall;
    } cases[] = {
        {u"Uninstall.exe", true},      {u"UNINSTALL.EXE", true},      {u"uninstall.exe", true},
        {u"Uninstall (1).exe", false}, {u"Uninstall.exe.bak", false}, {u"VelnixSetup.exe", false},
        {u"Uninstall.ex", false},      {u" Uninstall.exe", false},    {u"", false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsUninstallerFileName(c.name, lower), c.uninstall) << U8(c.name);
}

TEST(SetupModeTest, ChannelTagIsTheNameWithoutItsLastExtensionAfterTheFirstDot) {
    const struct {
        std::u16string path;
        std::u16string tag;
    } cases[] = {
        {u"C:\\Downloads\\setup.exe", u""},
        {u"C:\\Downloads\\setup.web.exe", u"web"},
        {u"C:\\Downloads\\setup.a.b.exe", u"a.b"},
        {u"C:\\Downloads\\setup..exe", u""},
        {u"C:\\Down.loads\\setup.exe", u""},  // dots of the folder do not count
        {u"C:\\Downloads\\VelnixSetup.caf\u00E9.exe", u"caf\u00E9"},
        {u"C:\\Downloads\\setup", u""},
        {u"setup.store", u""},
        {u"C:\\Downloads\\.exe", u""},
    };
    for (const auto& c : cases) EXPECT_EQ(U8(ChannelTagFromPath(c.path)), U8(c.tag)) << U8(c.path);
}

TEST(FolderListTest, OneEntryPerFixedDriveWithTheDefaultFolderOnItsOwnDrive) {
    const std::u16string appData = u"C:\\Users\\Ann\\AppData\\Roaming\\Velnix";
    const struct {
        const char* name;
        std::u16string defaultFolder;
        std::vector<DriveRoot> drives;
        std::vector<std::u16string> expected;
    } cases[] = {
        {"default on the first fixed drive",
         appData,
         {{u"A:\\", DriveType::Removable},
          {u"C:\\", DriveType::Fixed},
          {u"D:\\", DriveType::Fixed},
          {u"E:\\", DriveType::CdRom},
          {u"Z:\\", DriveType::Fixed}},
         {appData, u"D:\\Velnix", u"Z:\\Velnix"}},
        {"default on a later drive",
         u"D:\\Profiles\\Ann\\Roaming\\Velnix",
         {{u"C:\\", DriveType::Fixed}, {u"D:\\", DriveType::Fixed}},
         {u"C:\\Velnix", u"D:\\Profiles\\Ann\\Roaming\\Velnix"}},
        {"application data on a network share",
         u"\\\\server\\home\\Ann\\Roaming\\Velnix",
         {{u"C:\\", DriveType::Fixed}, {u"H:\\", DriveType::Remote}, {u"Z:\\", DriveType::Fixed}},
         {u"C:\\Velnix", u"Z:\\Velnix"}},
        {"roots compare case-sensitively", u"c:\\users\\ann\\Velnix", {{u"C:\\", DriveType::Fixed}}, {u"C:\\Velnix"}},
        {"no fixed drive", appData, {{u"A:\\", DriveType::Removable}, {u"R:\\", DriveType::RamDisk}}, {}},
        {"application data unknown", u"", {{u"C:\\", DriveType::Fixed}}, {u"C:\\Velnix"}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> actual;
        for (const std::u16string& folder : BuildFolderList(c.defaultFolder, c.drives)) actual.push_back(U8(folder));
        std::vector<std::string> expected;
        for (const std::u16string& folder : c.expected) expected.push_back(U8(folder));
        EXPECT_EQ(actual, expected) << c.name;
    }
}

TEST(FolderListTest, ABrowsedFolderIsUsedAsItIsOnlyWhenEmptyOrAnEarlierInstallation) {
    const struct {
        const char* what;
        std::u16string picked;
        std::u16string content;  // a file below the picked folder; empty: none
        std::u16string used;
    } cases[] = {
        {"empty folder", u"D:\\Apps", u"", u"D:\\Apps"},
        {"earlier installation", u"D:\\Apps", u"Velnix.exe", u"D:\\Apps"},
        {"earlier uninstaller", u"D:\\Apps", u"Uninstall.exe", u"D:\\Apps"},
        {"a folder of the user's own", u"C:\\Users\\Ann\\Documents", u"letter.txt",
         u"C:\\Users\\Ann\\Documents\\Velnix"},
        {"a folder with its own wizard", u"D:\\Tools", u"wizard\\setup.ini", u"D:\\Tools\\Velnix"},
        {"a drive root", u"E:\\", u"pagefile.sys", u"E:\\Velnix"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        testing::FakeSystem system;
        system.AddFolder(c.picked.ends_with(u'\\') ? c.picked.substr(0, c.picked.size() - 1) : c.picked);
        if (!c.content.empty()) system.AddFile(WithTrailingBackslash(c.picked) + c.content);
        EXPECT_EQ(testing::U8(BrowsedInstallFolder(c.picked, system)), testing::U8(c.used));
    }
}

TEST(LocalUnixSecondsTest, CountsWallClockSecondsSince1970WithoutTimeZone) {
    const struct {
        platform::LocalDateTime time;
        int64_t seconds;
    } cases[] = {
        {{1970, 1, 1, 0, 0, 0, 0}, 0},
        {{1969, 12, 31, 23, 59, 59, 999}, -1},
        {{2000, 2, 29, 12, 0, 0, 0}, 951825600},
        {{2024, 2, 29, 23, 59, 59, 500}, 1709251199},
        {{2026, 12, 10, 7, 5, 8, 0}, 1796886308},
        {{1900, 3, 1, 0, 0, 0, 0}, -2203891200},
        {{2100, 1, 1, 0, 0, 0, 0}, 4102444800},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LocalUnixSecondsOf(c.time), c.seconds) << c.time.year << "-" << c.time.month << "-" << c.time.day;
    }
}

TEST(PathTextTest, UnquotePathAcceptsQuotedAndUnquotedPaths) {
    const struct {
        std::u16string text;
        std::u16string path;
    } cases[] = {
        {u"C:\\Apps\\Velnix\\Uninstall.exe", u"C:\\Apps\\Velnix\\Uninstall.exe"},
        {u"\"C:\\Users\\Ann Lee\\Velnix\\Uninstall.exe\"", u"C:\\Users\\Ann Lee\\Velnix\\Uninstall.exe"},
        {u"\"C:\\Apps\\Velnix\\Uninstall.exe\" /quiet", u"C:\\Apps\\Velnix\\Uninstall.exe"},
        {u"C:\\Users\\Ann Lee\\Velnix\\Uninstall.exe", u"C:\\Users\\Ann Lee\\Velnix\\Uninstall.exe"},
        {u"\"C:\\unterminated", u"C:\\unterminated"},
        {u"", u""},
    };
    for (const auto& c : cases) EXPECT_EQ(U8(UnquotePath(c.text)), U8(c.path)) << U8(c.text);
}

TEST(PathTextTest, FolderAndFileNameSplitAtTheLastSeparator) {
    EXPECT_EQ(U8(FolderOf(u"C:\\Apps\\Velnix\\Uninstall.exe")), "C:\\Apps\\Velnix\\");
    EXPECT_EQ(U8(FileNameOf(u"C:\\Apps\\Velnix\\Uninstall.exe")), "Uninstall.exe");
    EXPECT_EQ(U8(FolderOf(u"Uninstall.exe")), "");
    EXPECT_EQ(U8(FileNameOf(u"Uninstall.exe")), "Uninstall.exe");
    EXPECT_EQ(U8(WithTrailingBackslash(u"D:\\")), "D:\\");
    EXPECT_EQ(U8(WithTrailingBackslash(u"D:\\Velnix")), "D:\\Velnix\\");
}

}  // namespace
}  // namespace app
