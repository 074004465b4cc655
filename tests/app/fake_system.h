#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "app/system_services.h"

namespace app::testing {

// An in-memory machine behind every setup service: a file system and a registry as maps, scripted answers
// for processes, HTTP, dialogs and the quit channel, a pool whose tasks run when the test says so, and one
// ordered list of everything that changed the machine or left it (Events), in readable UTF-8.
class FakeSystem : public ISetupLog,
                   public IRegistry,
                   public IFileSystem,
                   public IShell,
                   public IProcesses,
                   public IHttpClient,
                   public ICrypto,
                   public IGuidSource,
                   public IDialogs,
                   public IAppQuitChannel,
                   public IResources,
                   public ITaskPool,
                   public IProcessContext {
public:
    FakeSystem();

    SetupServices& Services() { return services_; }

    // ---- what the test sets up ----
    std::u16string executablePath = u"C:\\Users\\Ann\\AppData\\Roaming\\Velnix\\Uninstall.exe";
    std::u16string firstArgument;
    std::u16string commandLine;
    std::u16string tempFolder = u"C:\\Users\\Ann\\AppData\\Local\\Temp\\";
    std::map<ShellFolder, std::u16string> shellFolders = {
        {ShellFolder::Desktop, u"C:\\Users\\Ann\\Desktop"},
        {ShellFolder::RoamingAppData, u"C:\\Users\\Ann\\AppData\\Roaming"},
        {ShellFolder::System, u"C:\\Windows\\system32"}};
    std::vector<DriveRoot> drives = {{u"C:\\", DriveType::Fixed}};
    int64_t localSeconds = 1700000000;
    bool answerYes = true;
    std::deque<std::u16string> guids = {u"{0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0}"};
    std::deque<QuitRequestResult> quitAnswers;  // empty: no application is running
    std::optional<HttpResponse> httpAnswer = HttpResponse{200, "{\"ok\":true}"};
    std::optional<Sha1Digest> digest;  // default: the bytes 0x00 to 0x13
    std::map<std::u16string, std::string> resources = {{u"ver", "2.0"}, {u"7za", "MZ-7za"}, {u"pak", "7z-payload"}};
    // Characters the console code page lacks: every one above this code unit.
    char16_t consoleCodePageLimit = 0x7F;
    std::map<std::u16string, std::u16string> shortPaths;

    // The machine's state. Folders are kept without a trailing backslash.
    std::map<std::u16string, std::string> files;
    std::set<std::u16string> folders;
    struct RegistryValue {
        std::u16string Text;
        bool IsString = true;
    };
    std::map<std::u16string, std::map<std::u16string, RegistryValue>> registry;

    // Failures to inject.
    std::set<std::u16string> undeletableFiles;
    std::set<std::u16string> unwritableFiles;
    std::set<std::u16string> unopenableKeys;
    bool tempFileFails = false;
    bool shortcutFails = false;
    // Background copies: none can start, or they start and fail.
    bool backgroundCopyUnavailable = false;
    bool backgroundCopyFails = false;
    // Runs on every Sleep after its event is recorded: time passing for the other threads.
    std::function<void()> onSleep;
    // Answers RunCommand after its event is recorded (default: exit code 0, no output; an extractor's command line
    // also puts Velnix.exe into the folder of its switch -o, as the payload would).
    std::function<CommandResult(const CommandRequest&)> onRun;

    // ---- what the test looks at ----
    std::vector<std::string> events;
    std::vector<std::u16string> logLines;
    std::vector<HttpRequest> httpRequests;
    std::vector<std::string> hashInputs;
    bool ended = false;

    // Transient files held now: the system deletes them when the process ends, however it ends.
    std::set<std::u16string> transientFiles;
    // The files that would stay if the process ended now.
    std::map<std::u16string, std::string> FilesLeftByAnEndNow() const;

    // Adds a file (and its folders).
    void AddFile(const std::u16string& path, std::string content = "x");
    void AddFolder(const std::u16string& path);
    bool HasFile(const std::u16string& path) const { return files.count(path) > 0; }
    bool HasFolder(const std::u16string& path) const;
    // Runs queued pool tasks, including those they queue, in order.
    void RunQueuedTasks();
    size_t QueuedTasks() const { return tasks_.size(); }
    // The events that start with the prefix.
    std::vector<std::string> EventsStartingWith(const std::string& prefix) const;

    // ---- ISetupLog ----
    void Log(std::u16string_view line) override;
    // ---- IRegistry ----
    std::unique_ptr<IRegistryKey> OpenKey(std::u16string_view subKey, KeyAccess access) override;
    bool DeleteKey(std::u16string_view subKey) override;
    // ---- IFileSystem ----
    bool FileExists(std::u16string_view path) override;
    bool DirectoryExists(std::u16string_view path) override;
    bool IsDirectoryEmpty(std::u16string_view path) override;
    bool RemoveFile(std::u16string_view path) override;
    bool CopyFileNoReplace(std::u16string_view from, std::u16string_view to) override;
    // A temporary file as CreateTempFile makes it, the copy made at once; "start copy", at the first Wait "copy
    // waited", a keep as "move" and a copy let go unkept as "let go" are recorded.
    std::unique_ptr<ITransientCopy> StartTransientCopy(std::u16string_view from, std::u16string_view folder,
                                                       std::u16string_view prefix) override;
    bool MoveFileNoReplace(std::u16string_view from, std::u16string_view to) override;
    bool CreateDirectories(std::u16string_view path) override;
    bool RemoveEmptyDirectory(std::u16string_view path) override;
    bool DeleteTree(std::u16string_view path) override;
    bool WriteFile(std::u16string_view path, std::string_view bytes) override;
    std::u16string TempFolder() override { return tempFolder; }
    std::optional<std::u16string> CreateTempFile(std::u16string_view folder, std::u16string_view prefix) override;
    std::optional<std::u16string> ShortPath(std::u16string_view path) override;
    // ---- IShell ----
    std::optional<std::u16string> FolderPath(ShellFolder folder) override;
    std::vector<DriveRoot> LogicalDrives() override { return drives; }
    bool Open(std::u16string_view path, Visibility visibility) override;
    bool SaveShortcut(std::u16string_view linkPath, std::u16string_view target, std::u16string_view workDir) override;
    // ---- IProcesses ----
    CommandResult RunCommand(const CommandRequest& request) override;
    // ---- IHttpClient ----
    std::optional<HttpResponse> Post(const HttpRequest& request) override;
    // ---- ICrypto ----
    std::optional<Sha1Digest> Sha1(std::string_view bytes) override;
    // ---- IGuidSource ----
    std::optional<std::u16string> NewGuidText() override;
    // ---- IDialogs ----
    bool AskYesNo(std::u16string_view text, std::u16string_view caption) override;
    // ---- IAppQuitChannel ----
    QuitRequestResult RequestQuit(std::u16string_view mappingName, uint32_t message, uint32_t timeoutMs) override;
    // ---- IResources ----
    std::optional<std::string> Read(std::u16string_view name) override;
    bool WriteToFile(std::u16string_view name, std::u16string_view path) override;
    // ---- ITaskPool ----
    bool Submit(std::function<void()> task) override;
    // ---- IProcessContext ----
    std::u16string ExecutablePath() override { return executablePath; }
    std::u16string FirstArgument() override { return firstArgument; }
    std::u16string CommandLine() override { return commandLine; }
    std::u16string LowerCase(std::u16string_view text) override;
    int64_t LocalUnixSeconds() override { return localSeconds; }
    void Sleep(uint32_t milliseconds) override;
    std::optional<std::string> ToConsoleCodePage(std::u16string_view text) override;
    void EndProcess(uint32_t exitCode) override;

private:
    class FakeKey;
    void Event(const std::string& line) { events.push_back(line); }

    std::deque<std::function<void()>> tasks_;
    SetupServices services_;
};

// The folder an extractor's command line ("..." x ... -o"<folder>") extracts into; nothing for any other command.
std::optional<std::u16string> ExtractorTarget(std::u16string_view commandLine);

// UTF-8 for messages and events.
std::string U8(std::u16string_view text);

}  // namespace app::testing
