#include <gtest/gtest.h>

#include <string>

#include "app/self_removal.h"
#include "tests/app/fake_system.h"
#include "ui/text.h"

namespace app {
namespace {

using testing::FakeSystem;
using testing::U8;

TEST(SelfRemovalScriptTest, DeletesTriesAboutOnceASecondGivesUpAndDeletesItself) {
    EXPECT_EQ(U8(SelfRemovalScript(u"C:\\Apps\\Velnix\\Uninstall.exe")),
              "set /a velnix_tries=0\r\n"
              ":try\r\n"
              "del \"C:\\Apps\\Velnix\\Uninstall.exe\"\r\n"
              "if not exist \"C:\\Apps\\Velnix\\Uninstall.exe\" goto done\r\n"
              "set /a velnix_tries+=1\r\n"
              "if %velnix_tries% geq 60 goto done\r\n"
              "ping -n 2 127.0.0.1 >nul\r\n"
              "goto try\r\n"
              ":done\r\n"
              "del \"%~f0\"");
}

TEST(SelfRemovalScriptTest, PathsKeepBlanksAmpersandsAndLettersAndDoublePercentSigns) {
    const struct {
        std::u16string path;
        std::u16string inScript;
    } cases[] = {
        {u"C:\\Users\\Ann Lee\\Velnix\\Uninstall.exe", u"\"C:\\Users\\Ann Lee\\Velnix\\Uninstall.exe\""},
        {u"C:\\100%\\Uninstall.exe", u"\"C:\\100%%\\Uninstall.exe\""},
        {u"C:\\%PATH%\\%%\\Uninstall.exe", u"\"C:\\%%PATH%%\\%%%%\\Uninstall.exe\""},
        {u"C:\\R&D\\Uninstall.exe", u"\"C:\\R&D\\Uninstall.exe\""},
        {u"C:\\Users\\Jos\u00E9\\\u65E5\u672C\\Uninstall.exe",
         u"\"C:\\Users\\Jos\u00E9\\\u65E5\u672C\\Uninstall.exe\""},
    };
    for (const auto& c : cases) {
        const std::u16string script = SelfRemovalScript(c.path, 3);
        EXPECT_NE(script.find(u"del " + c.inScript + u"\r\n"), std::u16string::npos) << U8(c.path);
        EXPECT_NE(script.find(u"if not exist " + c.inScript + u" goto done\r\n"), std::u16string::npos) << U8(c.path);
        EXPECT_NE(script.find(u"geq 3 goto done"), std::u16string::npos);
    }
}

TEST(SelfRemovalScriptTest, EncodingFallsBackToTheShortPathAndThenToUtf8) {
    FakeSystem system;
    const std::u16string ascii = u"C:\\Apps\\Velnix\\Uninstall.exe";
    const std::u16string accented = u"C:\\Users\\Jos\u00E9\\Velnix\\Uninstall.exe";
    const std::u16string japanese = u"C:\\Users\\\u65E5\u672C\\Velnix\\Uninstall.exe";
    system.shortPaths[japanese] = u"C:\\Users\\8B2A~1\\Velnix\\UNINST~1.EXE";

    EXPECT_EQ(EncodeSelfRemovalScript(ascii, system.Services()), U8(SelfRemovalScript(ascii)));
    EXPECT_EQ(EncodeSelfRemovalScript(japanese, system.Services()),
              U8(SelfRemovalScript(u"C:\\Users\\8B2A~1\\Velnix\\UNINST~1.EXE")));
    // No short form: UTF-8 after switching the console to it.
    EXPECT_EQ(EncodeSelfRemovalScript(accented, system.Services()),
              "chcp 65001 >nul\r\n" + U8(SelfRemovalScript(accented)));
    // A console code page that has the letter takes the path as it is.
    system.consoleCodePageLimit = 0xFF;
    const std::string latin = EncodeSelfRemovalScript(accented, system.Services());
    EXPECT_NE(latin.find("Jos\xE9\\"), std::string::npos);
    EXPECT_EQ(latin.find("chcp"), std::string::npos);
}

TEST(ScheduleSelfRemovalTest, ReplacesALeftoverScriptAndStartsItHidden) {
    FakeSystem system;
    const std::u16string script = system.tempFolder + u"_deleteme.bat";
    system.AddFile(script, "old script");
    ScheduleSelfRemoval(system.Services());

    EXPECT_EQ(system.events, (std::vector<std::string>{"delete " + U8(script), "write " + U8(script),
                                                       "open " + U8(script) + " hidden"}));
    const std::string& content = system.files[script];
    EXPECT_EQ(content, U8(SelfRemovalScript(system.executablePath)));
    EXPECT_TRUE(content.ends_with("del \"%~f0\""));
}

TEST(ScheduleSelfRemovalTest, TheFirstFailureSkipsTheRest) {
    {
        FakeSystem system;
        const std::u16string script = system.tempFolder + u"_deleteme.bat";
        system.AddFile(script, "old script");
        system.undeletableFiles.insert(script);
        ScheduleSelfRemoval(system.Services());
        EXPECT_EQ(system.events, (std::vector<std::string>{"delete " + U8(script)}));
        EXPECT_FALSE(system.logLines.empty());
    }
    {
        FakeSystem system;
        const std::u16string script = system.tempFolder + u"_deleteme.bat";
        system.unwritableFiles.insert(script);
        ScheduleSelfRemoval(system.Services());
        EXPECT_EQ(system.events, (std::vector<std::string>{"write " + U8(script)}));
        EXPECT_FALSE(system.logLines.empty());
    }
    {
        FakeSystem system;
        system.tempFolder.clear();
        ScheduleSelfRemoval(system.Services());
        EXPECT_TRUE(system.events.empty());
        EXPECT_FALSE(system.logLines.empty());
    }
}

}  // namespace
}  // namespace app
