// The install and uninstall sequences with the real system under Wine: the embedded payload extracted by the
// embedded 7za.exe, Uninstall.exe, shortcuts, the uninstall entry, the stand-in application started and asked
// to quit, taskkill, and the self-removal script. The user's folders are moved into a sandbox; the registry
// and the processes are the Wine session's own.
//
// This executable doubles as the uninstaller: the installation copies it as Uninstall.exe, and started under
// that name it runs the uninstall sequence against the sandbox named by VELNIX_TEST_SANDBOX, as the product
// would.
#include <windows.h>

#include <wrl/client.h>
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <gtest/gtest.h>

#include <atomic>
#include <deque>
#include <mutex>
#include <string>
#include <vector>

#include "app/install_identity.h"
#include "app/install_worker.h"
#include "app/path_text.h"
#include "app/registry_keys.h"
#include "app/setup_mode.h"
#include "app/startup.h"
#include "app/uninstall_sequence.h"
#include "platform/system.h"
#include "platform/win32/services/com_scope.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/wide_text.h"
#include "tests/app/win32_sandbox.h"
#include "ui/text.h"

namespace app {
namespace {

using platform::win32::Wide;
using wine_testing::Sandbox;
using wine_testing::WaitFor;

std::string U8(std::u16string_view text) { return ui::Utf16ToUtf8(text); }

std::u16string EnvironmentText(const wchar_t* name) {
    wchar_t value[4096] = {};
    const DWORD length = GetEnvironmentVariableW(name, value, 4096);
    return length > 0 && length < 4096 ? platform::win32::FromWide(value, length) : std::u16string();
}

bool AppMappingExists() {
    platform::win32::UniqueHandle mapping(OpenFileMappingW(FILE_MAP_READ, FALSE, L"Velnix"));
    return static_cast<bool>(mapping);
}

// A process started by the test, ended by the test if it is still running at the end.
class Child {
public:
    Child(const std::u16string& commandLine) {
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        std::wstring command = Wide(commandLine);
        PROCESS_INFORMATION info{};
        // A start right after the previous instance was killed has been seen to fail once on a loaded machine;
        // a few tries keep that from failing the test, and the error is kept for the message.
        for (int attempt = 0; attempt < 5; ++attempt) {
            if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                               &info)) {
                process_.Reset(info.hProcess);
                CloseHandle(info.hThread);
                error_ = 0;
                return;
            }
            error_ = GetLastError();
            Sleep(300);
        }
    }
    ~Child() {
        if (Running()) TerminateProcess(process_.Get(), 1);
    }
    bool Started() const { return process_.Valid(); }
    // The system error of a failed start (0 when it started).
    DWORD Error() const { return error_; }
    bool Running() const { return process_.Valid() && WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT; }

private:
    platform::win32::UniqueHandle process_;
    DWORD error_ = 0;
};

std::u16string ShortcutWorkingFolder(const std::u16string& link, std::u16string* target) {
    platform::win32::ComScope com;
    Microsoft::WRL::ComPtr<IShellLinkW> shellLink;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(shellLink.ReleaseAndGetAddressOf()))))
        return {};
    Microsoft::WRL::ComPtr<IPersistFile> file;
    if (FAILED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(file.ReleaseAndGetAddressOf()))))
        return {};
    if (FAILED(file->Load(Wide(link).c_str(), STGM_READ))) return {};
    // The target as the shell resolves it, from the link's item list (Wine's GetPath gives the ANSI copy of it,
    // which loses letters outside the ANSI code page).
    wchar_t buffer[MAX_PATH] = {};
    LPITEMIDLIST items = nullptr;
    if (SUCCEEDED(shellLink->GetIDList(&items)) && items) {
        SHGetPathFromIDListW(items, buffer);
        CoTaskMemFree(items);
    }
    *target = platform::win32::FromWide(buffer, wcslen(buffer));
    shellLink->GetWorkingDirectory(buffer, MAX_PATH);
    return platform::win32::FromWide(buffer, wcslen(buffer));
}

class SetupSequenceTest : public ::testing::Test {
protected:
    void SetUp() override {
        sandbox = std::make_unique<Sandbox>(wine_testing::NewSandboxRoot(u"sequence"));
        services().Registry.DeleteKey(kUninstallKey);
        services().Registry.DeleteKey(kProductKey);
        EndApplication();
        // The uninstaller copies started by the update pre-step find the sandbox through the environment.
        SetEnvironmentVariableW(L"VELNIX_TEST_SANDBOX", Wide(sandbox->Root()).c_str());
    }

    void TearDown() override {
        EndApplication();
        services().Registry.DeleteKey(kUninstallKey);
        services().Registry.DeleteKey(kProductKey);
        WaitFor([&] { return services().Files.DeleteTree(sandbox->Root()); }, 10000);
    }

    SetupServices& services() { return sandbox->Services(); }

    void EndApplication() {
        for (const char16_t* image : {u"Velnix.exe", u"vlxd.exe"}) {
            services().Processes.RunCommand({.CommandLine = u"taskkill.exe /f /im " + std::u16string(image),
                                             .WorkDir = sandbox->Root(),
                                             .Encoding = OutputEncoding::AnsiCodePage});
        }
        WaitFor([] { return !AppMappingExists(); }, 10000);
    }

    // Runs the installation into the folder on this thread; the application it opens at the end is running
    // when it returns.
    void Install(const std::u16string& folder) {
        TSetupState state;
        state.SetupVersion = u"2.0";
        state.InstallDir = folder;
        const int endsBefore = sandbox->endCalls;
        ASSERT_EQ(RunInstallation(state, services()), InstallOutcome::Finished);
        EXPECT_EQ(sandbox->endCalls, endsBefore + 1);
        ASSERT_TRUE(WaitFor(AppMappingExists, 20000)) << "the installed Velnix.exe did not start";
    }

    std::vector<std::u16string> ListedPayload(const std::u16string& folder) const {
        std::vector<std::u16string> paths;
        for (std::u16string_view name : kInstalledFiles) paths.push_back(folder + std::u16string(name));
        for (std::u16string_view language : kLanguageFiles) {
            paths.push_back(folder + u"lang\\" + std::u16string(language) + u".lang");
        }
        paths.push_back(folder + u"wizard\\wizard.txt");
        paths.push_back(folder + u"driver\\x64\\driver.inf");
        return paths;
    }

    std::unique_ptr<Sandbox> sandbox;
};

TEST_F(SetupSequenceTest, InstallsIntoAPathWithBlanksLettersPercentAndAmpersandAndRemovesItAgain) {
    const std::u16string folder = sandbox->Root() + u"Apps\\Velnix Jos\u00E9 \u65E5\u672C 100% & R&D\\";
    Install(folder);

    for (const std::u16string& path : ListedPayload(folder)) EXPECT_TRUE(services().Files.FileExists(path)) << U8(path);
    // The extractor and the archive are gone again.
    EXPECT_FALSE(services().Files.FileExists(sandbox->Temp() + u"7za.exe"));
    WIN32_FIND_DATAW entry{};
    HANDLE find = FindFirstFileW(Wide(sandbox->Temp() + u"tmp*.tmp").c_str(), &entry);
    EXPECT_EQ(find, INVALID_HANDLE_VALUE);
    if (find != INVALID_HANDLE_VALUE) FindClose(find);
    // Uninstall.exe is a copy of the running executable.
    WIN32_FILE_ATTRIBUTE_DATA self{};
    WIN32_FILE_ATTRIBUTE_DATA copy{};
    ASSERT_TRUE(GetFileAttributesExW(Wide(services().Process.ExecutablePath()).c_str(), GetFileExInfoStandard, &self));
    ASSERT_TRUE(GetFileAttributesExW(Wide(folder + u"Uninstall.exe").c_str(), GetFileExInfoStandard, &copy));
    EXPECT_EQ(self.nFileSizeLow, copy.nFileSizeLow);
    // Both shortcuts point at Velnix.exe and start in the installation folder.
    for (const std::u16string& link :
         {sandbox->Desktop() + u"\\Velnix.lnk", sandbox->StartMenuPrograms() + u"\\Velnix.lnk"}) {
        std::u16string target;
        EXPECT_EQ(U8(ShortcutWorkingFolder(link, &target)), U8(folder)) << U8(link);
        EXPECT_EQ(U8(target), U8(folder + u"Velnix.exe")) << U8(link);
    }
    // The uninstall entry with its five values; the uninstaller quoted.
    {
        std::unique_ptr<IRegistryKey> entry = services().Registry.OpenKey(kUninstallKey, KeyAccess::ReadOnly);
        ASSERT_TRUE(entry);
        EXPECT_EQ(U8(entry->ReadString(u"DisplayIcon").value_or(u"-")), U8(folder + u"Velnix.exe"));
        EXPECT_EQ(U8(entry->ReadString(u"DisplayName").value_or(u"-")), "Velnix");
        EXPECT_EQ(U8(entry->ReadString(u"DisplayVersion").value_or(u"-")), "2.0");
        EXPECT_EQ(U8(entry->ReadString(u"Publisher").value_or(u"-")), "https://velnix.app");
        EXPECT_EQ(entry->ReadString(u"UninstallString").value_or(u"-"), u"\"" + folder + u"Uninstall.exe\"");
    }
    ASSERT_TRUE(services().Files.WriteFile(folder + u"my notes.txt", "the user's own"));
    ASSERT_TRUE(services().Files.WriteFile(folder + u"lang\\Deutsch.lang", "an extra language"));
    ASSERT_TRUE(services().Registry.OpenKey(kProductKey, KeyAccess::OpenOrCreate)->WriteString(u"uuid", u"{KEEP}"));

    // Uninstall, as Uninstall.exe in that folder, confirmed, with the report going nowhere.
    sandbox->executablePath = folder + u"Uninstall.exe";
    sandbox->firstArgument = u"";
    TSetupState state;
    const int endsBefore = sandbox->endCalls;
    RunUninstall(state, services());
    EXPECT_EQ(sandbox->endCalls, endsBefore + 1);
    EXPECT_EQ(U8(state.InstallId), "{KEEP}");

    EXPECT_FALSE(AppMappingExists()) << "the application was not asked to quit";
    for (const std::u16string& path : ListedPayload(folder))
        EXPECT_FALSE(services().Files.FileExists(path)) << U8(path);
    EXPECT_FALSE(services().Files.DirectoryExists(folder + u"wizard"));
    EXPECT_FALSE(services().Files.DirectoryExists(folder + u"driver"));
    EXPECT_TRUE(services().Files.FileExists(folder + u"my notes.txt"));
    EXPECT_TRUE(services().Files.FileExists(folder + u"lang\\Deutsch.lang"));
    EXPECT_FALSE(services().Files.FileExists(sandbox->Desktop() + u"\\Velnix.lnk"));
    EXPECT_FALSE(services().Files.FileExists(sandbox->StartMenuPrograms() + u"\\Velnix.lnk"));
    EXPECT_FALSE(services().Registry.OpenKey(kUninstallKey, KeyAccess::ReadOnly));
    EXPECT_TRUE(services().Registry.OpenKey(kProductKey, KeyAccess::ReadOnly));
    // The script removes Uninstall.exe and then itself.
    EXPECT_TRUE(WaitFor([&] { return !services().Files.FileExists(folder + u"Uninstall.exe"); }, 20000));
    EXPECT_TRUE(WaitFor([&] { return !services().Files.FileExists(sandbox->Temp() + u"_deleteme.bat"); }, 20000));
}

TEST_F(SetupSequenceTest, AnApplicationThatIgnoresOrHangsIsEndedAndTheRemovalFinishes) {
    const struct {
        const char* name;
        const char16_t* quitSwitch;
        ULONGLONG atLeastMs;
    } cases[] = {
        {"ignores the request", u"--ignore-quit", 4000},  // 50 requests about 100 ms apart
        {"hangs on the request", u"--hang", 2500},        // one request that times out after 3 s
    };
    for (const auto& c : cases) {
        const std::u16string folder = sandbox->Root() + u"Velnix " + ui::Utf8ToUtf16(c.name) + u"\\";
        Install(folder);
        EndApplication();
        Child app(u"\"" + folder + u"Velnix.exe\" " + c.quitSwitch);
        ASSERT_TRUE(app.Started()) << c.name << ": error " << app.Error();
        ASSERT_TRUE(WaitFor(AppMappingExists, 20000)) << c.name;
        Child daemon(u"\"" + folder + u"vlxd.exe\"");

        sandbox->executablePath = folder + u"Uninstall.exe";
        sandbox->firstArgument = u"update";
        TSetupState state;
        const ULONGLONG start = GetTickCount64();
        RunUninstall(state, services());
        const ULONGLONG took = GetTickCount64() - start;
        EXPECT_GE(took, c.atLeastMs) << c.name;
        EXPECT_LT(took, 60000u) << c.name;
        EXPECT_TRUE(WaitFor([&] { return !app.Running(); }, 10000)) << c.name << ": taskkill did not end it";
        EXPECT_TRUE(WaitFor([&] { return !daemon.Running(); }, 10000)) << c.name << ": vlxd.exe still runs";
        EXPECT_FALSE(services().Files.FileExists(folder + u"Velnix.exe")) << c.name;
        EXPECT_FALSE(services().Files.FileExists(folder + u"vlxd.exe")) << c.name;
        EXPECT_TRUE(WaitFor([&] { return !services().Files.FileExists(folder + u"Uninstall.exe"); }, 20000)) << c.name;
    }
}

TEST_F(SetupSequenceTest, UpdateRunsTheEarlierUninstallerSilentlyAndInstallsIntoItsFolder) {
    const std::u16string folder = sandbox->Root() + u"Velnix Ann Lee\\";
    Install(folder);
    ASSERT_TRUE(services().Files.WriteFile(folder + u"bridge.dll", "from the earlier version"));

    // Start-up of the new installer: the registered (quoted) uninstaller makes it update mode.
    TSetupState state;
    state.SetupVersion = u"2.0";
    state.InstallDir = ReadRegisteredUninstaller(services());
    ASSERT_EQ(U8(state.InstallDir), U8(folder + u"Uninstall.exe"));

    std::mutex lock;
    std::deque<std::function<void()>> queued;
    sandbox->submit = [&](std::function<void()> task) {
        std::lock_guard guard(lock);
        queued.push_back(std::move(task));
        return true;
    };
    InstallHooks hooks;
    hooks.RunOnMainThread = [](const std::function<void()>& function) { function(); };
    hooks.SelectedFolder = [] { return std::optional<std::u16string>(u"C:\\not used in update mode"); };
    RunUpdatePreStep(state, services(), hooks);

    // The earlier uninstaller ran with update: the application quit, its files and entry are gone, and its
    // removal script has ended before the new installation may begin.
    EXPECT_EQ(U8(state.InstallDir), U8(folder));
    EXPECT_FALSE(AppMappingExists());
    EXPECT_FALSE(services().Files.FileExists(folder + u"bridge.dll"));
    EXPECT_FALSE(services().Registry.OpenKey(kUninstallKey, KeyAccess::ReadOnly));
    EXPECT_FALSE(services().Files.FileExists(sandbox->Temp() + u"_deleteme.bat"));
    EXPECT_FALSE(services().Files.FileExists(folder + u"Uninstall.exe"));

    // ChooseInstallDir queued the installation into the same folder.
    ASSERT_EQ(queued.size(), 1u);
    std::function<void()> installation = std::move(queued.front());
    queued.pop_front();
    installation();
    ASSERT_TRUE(WaitFor(AppMappingExists, 20000));
    EXPECT_EQ(services().Files.FileExists(folder + u"bridge.dll"), true);
    EXPECT_TRUE(services().Files.FileExists(folder + u"Uninstall.exe"));
    // Nothing deletes the new uninstaller afterwards.
    Sleep(2500);
    EXPECT_TRUE(services().Files.FileExists(folder + u"Uninstall.exe"));
    EXPECT_TRUE(services().Registry.OpenKey(kUninstallKey, KeyAccess::ReadOnly));
}

TEST(EmbeddedResourcesTest, VersionExtractorAndPayloadAreEmbedded) {
    Sandbox sandbox(wine_testing::NewSandboxRoot(u"resources"));
    TSetupState state;
    ReadSetupVersion(state, sandbox.Services());
    EXPECT_EQ(U8(state.SetupVersion), "2.0");
    const std::optional<std::string> extractor = sandbox.Services().Resources.Read(u"7za");
    ASSERT_TRUE(extractor);
    EXPECT_TRUE(extractor->starts_with("MZ"));
    const std::optional<std::string> payload = sandbox.Services().Resources.Read(u"pak");
    ASSERT_TRUE(payload);
    EXPECT_TRUE(payload->starts_with(std::string("7z\xBC\xAF\x27\x1C", 6)));
    EXPECT_FALSE(sandbox.Services().Resources.Read(u"missing"));
    sandbox.Services().Files.DeleteTree(sandbox.Root());
}

// Started as Uninstall.exe: the uninstall sequence against the sandbox of the test that installed it.
int RunAsUninstaller() {
    const std::u16string root = EnvironmentText(L"VELNIX_TEST_SANDBOX");
    if (root.empty()) return 3;
    Sandbox sandbox(root);
    sandbox.realEnd = true;
    TSetupState state;
    RunUninstall(state, sandbox.Services());
    return 0;
}

}  // namespace
}  // namespace app

int main(int argc, char** argv) {
    const std::u16string self = platform::ExecutablePath().u16string();
    const auto lower = [](std::u16string_view text) {
        std::u16string result(text);
        for (char16_t& c : result) c = (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + 32) : c;
        return result;
    };
    if (app::IsUninstallerFileName(app::FileNameOf(self), lower)) return app::RunAsUninstaller();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
