// The Win32 services under Wine: processes, registry, files, shell links, SHA-1, GUIDs, the main-thread call and
// the self-removal script run by the real command interpreter.
#include <windows.h>

#include <wrl/client.h>
#include <objbase.h>
#include <shobjidl.h>

#include <gtest/gtest.h>

#include <atomic>
#include <regex>
#include <string>
#include <thread>

#include "app/install_identity.h"
#include "app/registry_keys.h"
#include "app/self_removal.h"
#include "app/usage_report.h"
#include "platform/win32/services/com_scope.h"
#include "platform/win32/services/main_thread_invoker.h"
#include "platform/win32/services/run_command.h"
#include "platform/win32/wide_text.h"
#include "tests/app/win32_sandbox.h"
#include "ui/text.h"

namespace app {
namespace {

using platform::win32::Wide;
using wine_testing::Sandbox;

std::string U8(std::u16string_view text) { return ui::Utf16ToUtf8(text); }

// The file's bytes; empty when it cannot be read.
std::string FileText(const std::u16string& path) {
    HANDLE file = CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    std::string bytes(GetFileSize(file, nullptr), '\0');
    DWORD read = 0;
    if (!::ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr)) read = 0;
    CloseHandle(file);
    bytes.resize(read);
    return bytes;
}

std::string Pattern(size_t size) {
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>('0' + i % 10);
    return bytes;
}

class Win32ServicesTest : public ::testing::Test {
protected:
    void SetUp() override { sandbox = std::make_unique<Sandbox>(wine_testing::NewSandboxRoot(u"services")); }
    void TearDown() override { services().Files.DeleteTree(sandbox->Root()); }

    SetupServices& services() { return sandbox->Services(); }

    struct RunResult : CommandResult {
        ULONGLONG milliseconds = 0;
    };
    RunResult Run(const std::string& arguments, int32_t limit = 0, OutputEncoding encoding = OutputEncoding::Utf8,
                  std::u16string workDir = u"") {
        const std::u16string command =
            u"\"" + wine_testing::TestExecutableFolder() + u"velnix_test_child.exe\" " + ui::Utf8ToUtf16(arguments);
        const ULONGLONG start = GetTickCount64();
        CommandResult result = services().Processes.RunCommand(
            {.CommandLine = command,
             .WorkDir = workDir.empty() ? wine_testing::TestExecutableFolder() : workDir,
             .Encoding = encoding,
             .TimeLimitSeconds = limit});
        return {std::move(result), GetTickCount64() - start};
    }

    std::unique_ptr<Sandbox> sandbox;
};

TEST_F(Win32ServicesTest, RunCommandCollectsOutputAndExitCode) {
    const RunResult quiet = Run("exit 7");
    EXPECT_EQ(quiet.ExitCode, 7u);
    EXPECT_TRUE(quiet.Output.empty());
    EXPECT_FALSE(quiet.StoppedAtTimeLimit);

    // More than two read buffers and more than the pipe holds, in the order written.
    const RunResult big = Run("write 5000");
    EXPECT_EQ(big.ExitCode, 0u);
    EXPECT_EQ(U8(big.Output), Pattern(5000));

    const RunResult both = Run("streams");
    EXPECT_EQ(U8(both.Output), "outerr");

    const RunResult invalid = Run("invalid");
    EXPECT_EQ(invalid.ExitCode, 0u);
    EXPECT_EQ(invalid.Output.size(), 5u);  // every bad byte became one replacement character
    const RunResult ansi = Run("invalid", 0, OutputEncoding::AnsiCodePage);
    EXPECT_FALSE(ansi.Output.empty());
}

TEST_F(Win32ServicesTest, RunCommandStartsTheChildInTheWorkingFolder) {
    const std::u16string folder = sandbox->Root() + u"work dir \u00E9\\";
    ASSERT_TRUE(services().Files.CreateDirectories(folder));
    const RunResult run = Run("cwd", 0, OutputEncoding::AnsiCodePage, folder);
    EXPECT_EQ(U8(run.Output) + "\\", U8(folder));
}

TEST_F(Win32ServicesTest, RunCommandStopsAChildAtTheTimeLimit) {
    // A child that never writes and never ends: stopped after more than 1 and less than 3 s, plus polling.
    const RunResult silent = Run("silent-forever", 1);
    EXPECT_GE(silent.milliseconds, 900u);
    EXPECT_LT(silent.milliseconds, 8000u);
    EXPECT_TRUE(silent.Output.empty());
    EXPECT_TRUE(silent.StoppedAtTimeLimit);

    // A child that fills exactly one read buffer and then waits: a blocking second read would never return.
    const RunResult full = Run("write-then-wait 2400", 1);
    EXPECT_LT(full.milliseconds, 8000u);
    EXPECT_EQ(U8(full.Output), Pattern(2400));
    EXPECT_TRUE(full.StoppedAtTimeLimit);
}

TEST_F(Win32ServicesTest, RunCommandOfAMissingProgramReturnsWithoutOutput) {
    const CommandResult missing = services().Processes.RunCommand(
        {.CommandLine = u"\"C:\\no such folder\\nothing.exe\" x", .WorkDir = sandbox->Root()});
    EXPECT_FALSE(missing.ExitCode.has_value()) << "it never started";
    EXPECT_TRUE(missing.Output.empty());
    EXPECT_FALSE(missing.StoppedAtTimeLimit);
}

TEST_F(Win32ServicesTest, TaskkillOfAnImageThatDoesNotRunReturns) {
    const CommandResult taskkill =
        services().Processes.RunCommand({.CommandLine = u"taskkill.exe /f /im velnix-test-none.exe",
                                         .WorkDir = sandbox->Root(),
                                         .Encoding = OutputEncoding::AnsiCodePage});
    ASSERT_TRUE(taskkill.ExitCode.has_value());
    EXPECT_NE(*taskkill.ExitCode, 0u);
}

class Win32RegistryTest : public Win32ServicesTest {
protected:
    void SetUp() override {
        Win32ServicesTest::SetUp();
        services().Registry.DeleteKey(kProductKey);
        services().Registry.DeleteKey(kUninstallKey);
    }
    void TearDown() override {
        services().Registry.DeleteKey(kProductKey);
        services().Registry.DeleteKey(kUninstallKey);
        Win32ServicesTest::TearDown();
    }

    std::optional<std::u16string> Stored(std::u16string_view key, std::u16string_view name) {
        std::unique_ptr<IRegistryKey> open = services().Registry.OpenKey(key, KeyAccess::ReadOnly);
        return open ? open->ReadString(name) : std::nullopt;
    }
};

TEST_F(Win32RegistryTest, TheInstallIdIsCreatedOnceAndReused) {
    TSetupState first;
    first.ChannelTag = u"web";
    LoadInstallIdentity(first, services());
    EXPECT_TRUE(std::regex_match(U8(first.InstallId),
                                 std::regex(R"(\{[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}\})")))
        << U8(first.InstallId);
    EXPECT_EQ(Stored(kProductKey, u"uuid"), first.InstallId);

    TSetupState second;
    second.ChannelTag = u"other";
    LoadInstallIdentity(second, services());
    EXPECT_EQ(U8(second.InstallId), U8(first.InstallId));
    // fl keeps the first channel recorded.
    EXPECT_EQ(Stored(kProductKey, u"fl"), std::u16string(u"web"));

    TSetupState uninstalling;
    ReadStoredIdentity(uninstalling, services());
    EXPECT_EQ(U8(uninstalling.InstallId), U8(first.InstallId));
    EXPECT_EQ(U8(uninstalling.ChannelTag), "web");
}

TEST_F(Win32RegistryTest, ValuesOfAnotherTypeAreReplacedOrLeftAsTheRulesSay) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Velnix", 0, nullptr, 0, KEY_ALL_ACCESS | KEY_WOW64_64KEY,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const DWORD number = 5;
    RegSetValueExW(key, L"uuid", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof(number));
    RegSetValueExW(key, L"fl", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof(number));
    RegCloseKey(key);

    TSetupState state;
    state.ChannelTag = u"web";
    LoadInstallIdentity(state, services());
    EXPECT_EQ(state.InstallId.size(), 38u);
    EXPECT_EQ(Stored(kProductKey, u"uuid"), state.InstallId);
    // A present fl, whatever its type, is not touched.
    EXPECT_EQ(Stored(kProductKey, u"fl"), std::nullopt);
}

TEST_F(Win32RegistryTest, UninstallStringIsReadWithOrWithoutQuotesAndTheEntryDeletedWhole) {
    for (const std::u16string stored :
         {u"C:\\Users\\Ann Lee\\Velnix\\Uninstall.exe", u"\"C:\\Users\\Ann Lee\\Velnix\\Uninstall.exe\""}) {
        std::unique_ptr<IRegistryKey> key = services().Registry.OpenKey(kUninstallKey, KeyAccess::OpenOrCreate);
        ASSERT_TRUE(key);
        ASSERT_TRUE(key->WriteString(u"UninstallString", stored));
        key.reset();
        EXPECT_EQ(U8(ReadRegisteredUninstaller(services())), "C:\\Users\\Ann Lee\\Velnix\\Uninstall.exe");
    }
    HKEY sub = nullptr;
    ASSERT_EQ(
        RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Velnix\\Sub", 0,
                        nullptr, 0, KEY_ALL_ACCESS | KEY_WOW64_64KEY, nullptr, &sub, nullptr),
        ERROR_SUCCESS);
    RegCloseKey(sub);
    EXPECT_TRUE(services().Registry.DeleteKey(kUninstallKey));
    EXPECT_FALSE(services().Registry.OpenKey(kUninstallKey, KeyAccess::ReadOnly));
    EXPECT_TRUE(ReadRegisteredUninstaller(services()).empty());
    EXPECT_FALSE(services().Registry.DeleteKey(kUninstallKey));
}

TEST_F(Win32ServicesTest, FilesAndFolders) {
    IFileSystem& files = services().Files;
    const std::u16string root = sandbox->Root();
    const std::u16string deep = root + u"a b\\\u00E9\\c\\";
    ASSERT_TRUE(files.CreateDirectories(deep));
    EXPECT_TRUE(files.DirectoryExists(deep));
    EXPECT_TRUE(files.IsDirectoryEmpty(deep));
    ASSERT_TRUE(files.WriteFile(deep + u"read-only.txt", "x"));
    SetFileAttributesW(Wide(deep + u"read-only.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(files.IsDirectoryEmpty(deep));
    EXPECT_TRUE(files.FileExists(deep + u"read-only.txt"));
    EXPECT_FALSE(files.FileExists(deep));  // a folder is not a file
    EXPECT_FALSE(files.RemoveFile(deep + u"read-only.txt"));

    EXPECT_TRUE(files.CopyFileNoReplace(deep + u"read-only.txt", root + u"copy.txt"));
    EXPECT_FALSE(files.CopyFileNoReplace(deep + u"read-only.txt", root + u"copy.txt"));

    // A transient copy of a large file, kept: it is renamed into place. Let go, failed or refused a place taken
    // by another file, it leaves nothing in its folder.
    const std::string large = Pattern(3 * 1024 * 1024 + 17);
    ASSERT_TRUE(files.WriteFile(root + u"large.bin", large));
    ASSERT_TRUE(files.CreateDirectories(root + u"staging"));
    const std::u16string staging = root + u"staging\\";
    {
        std::unique_ptr<ITransientCopy> copy = files.StartTransientCopy(root + u"large.bin", staging, u"tmp");
        ASSERT_TRUE(copy);
        EXPECT_TRUE(copy->Path().starts_with(staging + u"tmp")) << U8(copy->Path());
        EXPECT_TRUE(copy->Path().ends_with(u".tmp")) << U8(copy->Path());
        EXPECT_TRUE(copy->Wait());
        EXPECT_TRUE(copy->Wait());
        EXPECT_TRUE(copy->KeepAs(deep + u"Uninstall.exe"));
        EXPECT_FALSE(copy->KeepAs(deep + u"again.exe"));
    }
    EXPECT_TRUE(FileText(deep + u"Uninstall.exe") == large);
    EXPECT_TRUE(files.IsDirectoryEmpty(staging));
    {
        std::unique_ptr<ITransientCopy> unkept = files.StartTransientCopy(root + u"large.bin", staging, u"tmp");
        ASSERT_TRUE(unkept);
        std::unique_ptr<ITransientCopy> unwaited = files.StartTransientCopy(root + u"large.bin", staging, u"tmp");
        ASSERT_TRUE(unwaited);
        EXPECT_NE(U8(unkept->Path()), U8(unwaited->Path()));
        EXPECT_TRUE(unkept->Wait());
        std::unique_ptr<ITransientCopy> missing = files.StartTransientCopy(root + u"missing.bin", staging, u"tmp");
        ASSERT_TRUE(missing);
        EXPECT_FALSE(missing->Wait());
        EXPECT_FALSE(missing->KeepAs(deep + u"missing.exe"));
        EXPECT_FALSE(files.FileExists(deep + u"missing.exe"));
        std::unique_ptr<ITransientCopy> refused = files.StartTransientCopy(root + u"large.bin", staging, u"tmp");
        ASSERT_TRUE(refused);
        EXPECT_FALSE(refused->KeepAs(root + u"large.bin"));
    }
    EXPECT_TRUE(FileText(root + u"large.bin") == large);
    EXPECT_TRUE(files.IsDirectoryEmpty(staging));
    EXPECT_EQ(files.StartTransientCopy(root + u"large.bin", root + u"no such folder\\", u"tmp"), nullptr);
    // Moving never replaces, and the source goes.
    ASSERT_TRUE(files.WriteFile(root + u"staged.tmp", large));
    ASSERT_TRUE(files.WriteFile(root + u"unwaited.tmp", "other"));
    EXPECT_FALSE(files.MoveFileNoReplace(root + u"staged.tmp", root + u"unwaited.tmp"));
    EXPECT_TRUE(files.FileExists(root + u"staged.tmp"));
    EXPECT_TRUE(files.MoveFileNoReplace(root + u"staged.tmp", deep + u"moved.exe"));
    EXPECT_FALSE(files.FileExists(root + u"staged.tmp"));
    EXPECT_TRUE(FileText(deep + u"moved.exe") == large);

    EXPECT_FALSE(files.RemoveEmptyDirectory(root + u"a b"));
    EXPECT_TRUE(files.DeleteTree(root + u"a b"));
    EXPECT_FALSE(files.DirectoryExists(root + u"a b"));

    const std::u16string temp = services().Files.TempFolder();
    EXPECT_EQ(U8(temp), U8(sandbox->Temp()));
    platform::win32::Win32FileSystem real(services().Log);
    const std::u16string realTemp = real.TempFolder();
    EXPECT_TRUE(realTemp.ends_with(u"\\"));
    EXPECT_EQ(realTemp.find(u'~'), std::u16string::npos) << U8(realTemp);  // the long form

    const std::optional<std::u16string> archive = files.CreateTempFile(temp, u"tmp");
    ASSERT_TRUE(archive);
    EXPECT_TRUE(std::regex_match(U8(archive->substr(temp.size())), std::regex("tmp[0-9A-Fa-f]{1,4}\\.tmp")))
        << U8(*archive);
    EXPECT_TRUE(files.FileExists(*archive));
}

TEST_F(Win32ServicesTest, ShellFoldersDrivesAndShortcuts) {
    platform::win32::Win32Shell shell(services().Log);
    const std::optional<std::u16string> appData = shell.FolderPath(ShellFolder::RoamingAppData);
    ASSERT_TRUE(appData);
    EXPECT_FALSE(appData->ends_with(u"\\"));
    EXPECT_TRUE(services().Files.DirectoryExists(*appData));
    EXPECT_TRUE(shell.FolderPath(ShellFolder::Desktop));
    // taskkill.exe is run from the system folder.
    const std::optional<std::u16string> system = shell.FolderPath(ShellFolder::System);
    ASSERT_TRUE(system);
    EXPECT_TRUE(services().Files.FileExists(*system + u"\\taskkill.exe")) << U8(*system);

    bool fixedC = false;
    for (const DriveRoot& drive : shell.LogicalDrives())
        fixedC = fixedC || (drive.Root == u"C:\\" && drive.Type == DriveType::Fixed);
    EXPECT_TRUE(fixedC);

    const std::u16string folder = sandbox->Root() + u"App \u00E9 100% & co\\";
    const std::u16string link = sandbox->Desktop() + u"\\Velnix.lnk";
    ASSERT_TRUE(shell.SaveShortcut(link, folder + u"Velnix.exe", folder));
    platform::win32::ComScope com;
    Microsoft::WRL::ComPtr<IShellLinkW> loaded;
    ASSERT_TRUE(SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                           reinterpret_cast<void**>(loaded.ReleaseAndGetAddressOf()))));
    Microsoft::WRL::ComPtr<IPersistFile> file;
    ASSERT_TRUE(
        SUCCEEDED(loaded->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(file.ReleaseAndGetAddressOf()))));
    ASSERT_TRUE(SUCCEEDED(file->Load(Wide(link).c_str(), STGM_READ)));
    wchar_t buffer[MAX_PATH] = {};
    ASSERT_TRUE(SUCCEEDED(loaded->GetWorkingDirectory(buffer, MAX_PATH)));
    EXPECT_EQ(U8(platform::win32::FromWide(buffer, wcslen(buffer))), U8(folder));
}

TEST_F(Win32ServicesTest, Sha1GuidLowerCaseAndConsoleCodePage) {
    const struct {
        std::string input;
        std::string digest;
    } vectors[] = {
        {"", "da39a3ee5e6b4b0d3255bfef95601890afd80709"},
        {"abc", "a9993e364706816aba3e25717850c26c9cd0d89d"},
        {"web{0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0}2.01700000000Velnix", "3e82f08c51c3352501252d860e7ff82d07e5a6d5"},
    };
    for (const auto& v : vectors) {
        const std::optional<Sha1Digest> digest = services().Crypto.Sha1(v.input);
        ASSERT_TRUE(digest);
        EXPECT_EQ(HexDigest(*digest), v.digest) << v.input;
    }
    const std::optional<std::u16string> a = services().Guids.NewGuidText();
    const std::optional<std::u16string> b = services().Guids.NewGuidText();
    ASSERT_TRUE(a && b);
    EXPECT_NE(*a, *b);
    EXPECT_EQ(U8(services().Process.LowerCase(u"UNINSTALL.EXE")), "uninstall.exe");
    EXPECT_EQ(U8(services().Process.LowerCase(u"Uninstall.exe")), "uninstall.exe");
    EXPECT_TRUE(services().Process.ToConsoleCodePage(u"C:\\Jos\u00E9 & 100%"));
    EXPECT_FALSE(services().Process.ToConsoleCodePage(u"C:\\\u65E5\u672C"));
}

TEST_F(Win32ServicesTest, MainThreadInvokerRunsPoolWorkOnTheMainThreadAndWaits) {
    platform::win32::MainThreadInvoker invoker(services().Log);
    const DWORD mainThread = GetCurrentThreadId();
    std::atomic<DWORD> ranOn{0};
    std::atomic<bool> returned{false};
    std::thread worker([&] {
        invoker.InvokeAndWait([&] { ranOn = GetCurrentThreadId(); });
        returned = true;
    });
    // The main thread serves the call from its message loop.
    const ULONGLONG end = GetTickCount64() + 10000;
    while (!returned && GetTickCount64() < end) {
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT | QS_SENDMESSAGE);
    }
    worker.join();
    EXPECT_TRUE(returned);
    EXPECT_EQ(ranOn.load(), mainThread);
}

// ---- the self-removal script under the real command interpreter ----

class SelfRemovalTest : public Win32ServicesTest {};

TEST_F(SelfRemovalTest, DeletesFilesWhosePathsHoldBlanksLettersPercentAndAmpersand) {
    const struct {
        const char* name;
        std::u16string folder;
    } cases[] = {
        // Letters of the console code page: the path is written as it is, % doubled.
        {"console code page", u"Apps\\Jos\u00E9 %PATH% 100% & R&D\\"},
        // Letters outside it: the short form of the path stands in.
        {"short form", u"Apps\\\u65E5\u672C %x% & y\\"},
    };
    for (const auto& c : cases) {
        const std::u16string folder = sandbox->Root() + c.folder;
        ASSERT_TRUE(services().Files.CreateDirectories(folder)) << c.name;
        const std::u16string target = folder + u"Uninstall.exe";
        ASSERT_TRUE(services().Files.WriteFile(target, "uninstaller")) << c.name;
        // A leftover script from an earlier run is replaced.
        ASSERT_TRUE(services().Files.WriteFile(sandbox->Temp() + u"_deleteme.bat", "leftover"));
        ScheduleRemovalOf(target, services());
        EXPECT_TRUE(wine_testing::WaitFor([&] { return !services().Files.FileExists(target); }, 20000)) << c.name;
        EXPECT_TRUE(wine_testing::WaitFor(
            [&] { return !services().Files.FileExists(sandbox->Temp() + u"_deleteme.bat"); }, 20000))
            << c.name;
        EXPECT_TRUE(services().Files.DirectoryExists(folder)) << c.name;
    }
}

TEST_F(SelfRemovalTest, GivesUpOnAFileThatCannotBeDeletedAndStillDeletesItself) {
    const std::u16string target = sandbox->Root() + u"Uninstall.exe";
    ASSERT_TRUE(services().Files.WriteFile(target, "uninstaller"));
    SetFileAttributesW(Wide(target).c_str(), FILE_ATTRIBUTE_READONLY);
    const ULONGLONG start = GetTickCount64();
    ScheduleRemovalOf(target, services(), /*tries=*/3);
    EXPECT_TRUE(
        wine_testing::WaitFor([&] { return !services().Files.FileExists(sandbox->Temp() + u"_deleteme.bat"); }, 30000));
    EXPECT_GE(GetTickCount64() - start, 1500u);  // it did wait between the tries
    EXPECT_TRUE(services().Files.FileExists(target));
    SetFileAttributesW(Wide(target).c_str(), FILE_ATTRIBUTE_NORMAL);
}

}  // namespace
}  // namespace app
