#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/reports_in_flight.h"

// The boundary between the setup sequences and the operating system. The sequences in app/ reach the system
// only through these interfaces; platform/win32/ implements them with the Win32 API and the tests give them
// recording fakes. Paths are full UTF-16 paths; folders carry a trailing backslash where a step says so.
// Every operation reports failure through its result and never throws.
namespace app {

// Diagnostic lines of the setup sequences. Safe to call from any thread.
class ISetupLog {
public:
    virtual ~ISetupLog() = default;
    virtual void Log(std::u16string_view line) = 0;
};

// An open key below HKEY_CURRENT_USER.
class IRegistryKey {
public:
    virtual ~IRegistryKey() = default;
    // Whether a value of that name exists, whatever its type.
    virtual bool HasValue(std::u16string_view name) = 0;
    // The value as text; nothing when it is missing or not a string value.
    virtual std::optional<std::u16string> ReadString(std::u16string_view name) = 0;
    // Writes a string value, replacing any earlier value of that name.
    virtual bool WriteString(std::u16string_view name, std::u16string_view value) = 0;
};

enum class KeyAccess {
    // Opens an existing key; never creates one.
    ReadOnly,
    // Opens the key, creating it and its missing parents.
    OpenOrCreate,
};

// The per-user registry (HKEY_CURRENT_USER, 64-bit view).
class IRegistry {
public:
    virtual ~IRegistry() = default;
    // Nothing when the key cannot be opened (or created).
    virtual std::unique_ptr<IRegistryKey> OpenKey(std::u16string_view subKey, KeyAccess access) = 0;
    // Deletes the key with its values and sub-keys. False when it could not be deleted or did not exist.
    virtual bool DeleteKey(std::u16string_view subKey) = 0;
};

// A copy of a file, made in the background into a new temporary file that lives only as long as this object:
// the system deletes the file when the object lets it go and when the process ends, however it ends (a window
// closed in the middle of a step, the process ended from outside), unless it has been kept at another path.
class ITransientCopy {
public:
    // Waits for the copy when it still runs, then lets the file go: unless kept, it is deleted.
    virtual ~ITransientCopy() = default;
    // The temporary file's full path.
    virtual const std::u16string& Path() const = 0;
    // Waits until the copy has ended; whether it succeeded. Later calls give the same answer at once.
    virtual bool Wait() = 0;
    // Once the copy has succeeded: puts the file at path (to another volume too; fails when path exists) and
    // keeps it there for good. Whether the file is at path now.
    virtual bool KeepAs(std::u16string_view path) = 0;
};

class IFileSystem {
public:
    virtual ~IFileSystem() = default;
    // True only for an existing file (a folder of that name does not count).
    virtual bool FileExists(std::u16string_view path) = 0;
    virtual bool DirectoryExists(std::u16string_view path) = 0;
    // True when the folder exists and holds no entries.
    virtual bool IsDirectoryEmpty(std::u16string_view path) = 0;
    virtual bool RemoveFile(std::u16string_view path) = 0;
    // Copies a file; fails when the target exists.
    virtual bool CopyFileNoReplace(std::u16string_view from, std::u16string_view to) = 0;
    // Starts copying a file in the background into a new transient file with a unique name ("<prefix>XXXX.tmp")
    // in the folder; nothing when the copy cannot start.
    virtual std::unique_ptr<ITransientCopy> StartTransientCopy(std::u16string_view from, std::u16string_view folder,
                                                               std::u16string_view prefix) = 0;
    // Moves a file, to another volume too; fails when the target exists.
    virtual bool MoveFileNoReplace(std::u16string_view from, std::u16string_view to) = 0;
    // Creates the folder with all missing parents.
    virtual bool CreateDirectories(std::u16string_view path) = 0;
    // Removes an empty folder.
    virtual bool RemoveEmptyDirectory(std::u16string_view path) = 0;
    // Removes a folder with all its files (read-only ones included) and sub-folders.
    virtual bool DeleteTree(std::u16string_view path) = 0;
    // Creates or replaces the file with exactly these bytes.
    virtual bool WriteFile(std::u16string_view path, std::string_view bytes) = 0;
    // The user's temporary folder in its long form, with a trailing backslash; empty when unknown.
    virtual std::u16string TempFolder() = 0;
    // Makes a new empty file with a unique name ("<prefix>XXXX.tmp") in the folder; its full path.
    virtual std::optional<std::u16string> CreateTempFile(std::u16string_view folder, std::u16string_view prefix) = 0;
    // The short (8.3) form of an existing path, when the volume has one.
    virtual std::optional<std::u16string> ShortPath(std::u16string_view path) = 0;
};

enum class ShellFolder {
    Desktop,         // CSIDL_DESKTOP
    RoamingAppData,  // CSIDL_APPDATA
    System,          // CSIDL_SYSTEM: where the system's own programs are
};

enum class DriveType { Unknown, NoRootDir, Removable, Fixed, Remote, CdRom, RamDisk };

struct DriveRoot {
    std::u16string Root;  // "C:\"
    DriveType Type = DriveType::Unknown;
};

// Whether a program or document the shell opens shows its window.
enum class Visibility { Shown, Hidden };

class IShell {
public:
    virtual ~IShell() = default;
    // The shell folder's path without a trailing backslash.
    virtual std::optional<std::u16string> FolderPath(ShellFolder folder) = 0;
    // The logical drive roots in the order the system lists them.
    virtual std::vector<DriveRoot> LogicalDrives() = 0;
    // The shell's "open" action on the path, no parameters and no working folder; shown or hidden.
    virtual bool Open(std::u16string_view path, Visibility visibility) = 0;
    // Saves a shell link at linkPath pointing at target with workDir as working folder.
    virtual bool SaveShortcut(std::u16string_view linkPath, std::u16string_view target,
                              std::u16string_view workDir) = 0;
};

// How the bytes a child process writes are read as text.
enum class OutputEncoding { Utf8, AnsiCodePage };

struct CommandRequest {
    // The complete command line, program included; quoting is the caller's.
    std::u16string CommandLine;
    // The child's current folder.
    std::u16string WorkDir;
    OutputEncoding Encoding = OutputEncoding::Utf8;
    // 0 or less: no limit.
    int32_t TimeLimitSeconds = 0;
};

struct CommandResult {
    // The child's exit code as the system reports it at the end; none when it never started.
    std::optional<uint32_t> ExitCode;
    // What it wrote to standard output and standard error, decoded; empty when nothing came or it could not be
    // decoded.
    std::u16string Output;
    // The time limit ended the child.
    bool StoppedAtTimeLimit = false;
};

class IProcesses {
public:
    virtual ~IProcesses() = default;
    // Runs the command line hidden with captured output; see platform/win32/services/run_command.h.
    virtual CommandResult RunCommand(const CommandRequest& request) = 0;
};

struct HttpRequest {
    std::u16string Url;
    std::vector<std::pair<std::u16string, std::u16string>> Headers;
    std::string Body;
    int ConnectTimeoutMs = 0;
    int SendTimeoutMs = 0;
    int ResponseTimeoutMs = 0;
};

struct HttpResponse {
    int Status = 0;
    std::string Body;
};

class IHttpClient {
public:
    virtual ~IHttpClient() = default;
    // POSTs the request with a fresh client; nothing when no answer arrived (no connection, a time-out, a
    // failed secure channel).
    virtual std::optional<HttpResponse> Post(const HttpRequest& request) = 0;
};

using Sha1Digest = std::array<uint8_t, 20>;

class ICrypto {
public:
    virtual ~ICrypto() = default;
    virtual std::optional<Sha1Digest> Sha1(std::string_view bytes) = 0;
};

class IGuidSource {
public:
    virtual ~IGuidSource() = default;
    // A new GUID in its braced, upper-case text form ("{8-4-4-4-12}").
    virtual std::optional<std::u16string> NewGuidText() = 0;
};

class IDialogs {
public:
    virtual ~IDialogs() = default;
    // A message box with Yes and No; true only for Yes.
    virtual bool AskYesNo(std::u16string_view text, std::u16string_view caption) = 0;
};

enum class QuitRequestResult {
    NoApplication,    // no file mapping of that name exists
    ViewUnavailable,  // the mapping exists but its view could not be mapped
    Delivered,        // the window handled the message
    NotDelivered,     // the window did not handle it within the time-out, or it is gone
};

// The running application's quit channel: a named file mapping whose first 4 bytes hold its window handle.
class IAppQuitChannel {
public:
    virtual ~IAppQuitChannel() = default;
    // Opens the mapping, reads the handle and sends the message (both parameters 0), waiting at most timeoutMs
    // for it to be handled; closes everything again.
    virtual QuitRequestResult RequestQuit(std::u16string_view mappingName, uint32_t message, uint32_t timeoutMs) = 0;
};

// The executable's embedded raw-data resources.
class IResources {
public:
    virtual ~IResources() = default;
    virtual std::optional<std::string> Read(std::u16string_view name) = 0;
    // Writes the resource's bytes to a file, replacing it.
    virtual bool WriteToFile(std::u16string_view name, std::u16string_view path) = 0;
};

// The shared thread pool.
class ITaskPool {
public:
    virtual ~ITaskPool() = default;
    // Queues the task; false when the pool refused it.
    virtual bool Submit(std::function<void()> task) = 0;
};

// The running process itself.
class IProcessContext {
public:
    virtual ~IProcessContext() = default;
    // The full path of the process image.
    virtual std::u16string ExecutablePath() = 0;
    // The first command-line argument after the program; empty when there is none.
    virtual std::u16string FirstArgument() = 0;
    // The whole command line as the process got it, the program included.
    virtual std::u16string CommandLine() = 0;
    // Lower-cased with the system locale's linguistic rules.
    virtual std::u16string LowerCase(std::u16string_view text) = 0;
    // Whole seconds of the local wall clock (see app/local_unix_seconds.h).
    virtual int64_t LocalUnixSeconds() = 0;
    virtual void Sleep(uint32_t milliseconds) = 0;
    // The text in the code page the command interpreter reads batch files with; nothing when a character has
    // no equivalent there.
    virtual std::optional<std::string> ToConsoleCodePage(std::u16string_view text) = 0;
    // Ends the process at once. A fake returns, so callers return right after it.
    virtual void EndProcess(uint32_t exitCode) = 0;
};

// What the build decides.
struct SetupSettings {
    // Scheme and host of the statistics server, without a trailing slash ("https://stats.velnix.app").
    std::u16string StatsBaseUrl;
    // The publisher's web address written as "Publisher".
    std::u16string Publisher;
};

// Everything a sequence may use: the system services, borrowed from whoever owns the implementations, and the
// count of usage reports still running, which the sequences share.
struct SetupServices {
    SetupSettings Settings;
    ISetupLog& Log;
    IRegistry& Registry;
    IFileSystem& Files;
    IShell& Shell;
    IProcesses& Processes;
    IHttpClient& Http;
    ICrypto& Crypto;
    IGuidSource& Guids;
    IDialogs& Dialogs;
    IAppQuitChannel& AppQuit;
    IResources& Resources;
    ITaskPool& Pool;
    IProcessContext& Process;
    // The usage reports queued and not finished yet.
    ReportsInFlight Reports{};
};

}  // namespace app
