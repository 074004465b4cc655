#include "tests/app/fake_system.h"

#include "ui/text.h"

namespace app::testing {

namespace {

std::u16string Trimmed(std::u16string_view path) {
    std::u16string text(path);
    while (text.size() > 3 && text.back() == u'\\') text.pop_back();
    return text;
}

std::u16string Parent(const std::u16string& path) {
    const size_t separator = path.rfind(u'\\');
    return separator == std::u16string::npos ? std::u16string() : path.substr(0, separator);
}

bool IsBelow(const std::u16string& path, const std::u16string& folder) {
    return path.size() > folder.size() && path.starts_with(folder) && path[folder.size()] == u'\\';
}

}  // namespace

std::string U8(std::u16string_view text) { return ui::Utf16ToUtf8(text); }

std::optional<std::u16string> ExtractorTarget(std::u16string_view commandLine) {
    const size_t target = commandLine.find(u" -o\"");
    if (commandLine.find(u"7za.exe\" x ") == std::u16string_view::npos || target == std::u16string_view::npos ||
        !commandLine.ends_with(u'"')) {
        return std::nullopt;
    }
    return std::u16string(commandLine.substr(target + 4, commandLine.size() - target - 5));
}

class FakeSystem::FakeKey final : public IRegistryKey {
public:
    FakeKey(FakeSystem& system, std::u16string path) : system_(system), path_(std::move(path)) {}

    bool HasValue(std::u16string_view name) override { return Values().count(std::u16string(name)) > 0; }
    std::optional<std::u16string> ReadString(std::u16string_view name) override {
        auto found = Values().find(std::u16string(name));
        if (found == Values().end() || !found->second.IsString) return std::nullopt;
        return found->second.Text;
    }
    bool WriteString(std::u16string_view name, std::u16string_view value) override {
        system_.Event("registry set " + U8(path_) + " " + U8(name) + "=" + U8(value));
        Values()[std::u16string(name)] = {std::u16string(value), true};
        return true;
    }

private:
    std::map<std::u16string, RegistryValue>& Values() { return system_.registry[path_]; }

    FakeSystem& system_;
    std::u16string path_;
};

FakeSystem::FakeSystem()
    : services_{SetupSettings{u"https://stats.example", u"https://publisher.example"},
                *this,
                *this,
                *this,
                *this,
                *this,
                *this,
                *this,
                *this,
                *this,
                *this,
                *this,
                *this,
                *this} {}

void FakeSystem::AddFile(const std::u16string& path, std::string content) {
    files[path] = std::move(content);
    AddFolder(Parent(path));
}

void FakeSystem::AddFolder(const std::u16string& path) {
    for (std::u16string folder = Trimmed(path); folder.size() > 2; folder = Parent(folder)) folders.insert(folder);
}

bool FakeSystem::HasFolder(const std::u16string& path) const { return folders.count(Trimmed(path)) > 0; }

void FakeSystem::RunQueuedTasks() {
    while (!tasks_.empty()) {
        std::function<void()> task = std::move(tasks_.front());
        tasks_.pop_front();
        task();
    }
}

std::vector<std::string> FakeSystem::EventsStartingWith(const std::string& prefix) const {
    std::vector<std::string> selected;
    for (const std::string& event : events) {
        if (event.starts_with(prefix)) selected.push_back(event);
    }
    return selected;
}

void FakeSystem::Log(std::u16string_view line) { logLines.emplace_back(line); }

std::unique_ptr<IRegistryKey> FakeSystem::OpenKey(std::u16string_view subKey, KeyAccess access) {
    const std::u16string path(subKey);
    if (unopenableKeys.count(path)) return nullptr;
    if (access == KeyAccess::ReadOnly && !registry.count(path)) return nullptr;
    if (!registry.count(path)) Event("registry create " + U8(path));
    registry[path];
    return std::make_unique<FakeKey>(*this, path);
}

bool FakeSystem::DeleteKey(std::u16string_view subKey) {
    Event("registry delete " + U8(subKey));
    return registry.erase(std::u16string(subKey)) > 0;
}

bool FakeSystem::FileExists(std::u16string_view path) { return files.count(std::u16string(path)) > 0; }

bool FakeSystem::DirectoryExists(std::u16string_view path) { return HasFolder(std::u16string(path)); }

bool FakeSystem::IsDirectoryEmpty(std::u16string_view path) {
    const std::u16string folder = Trimmed(path);
    if (!folders.count(folder)) return false;
    for (const auto& [file, content] : files) {
        if (IsBelow(file, folder)) return false;
    }
    for (const std::u16string& other : folders) {
        if (IsBelow(other, folder)) return false;
    }
    return true;
}

bool FakeSystem::RemoveFile(std::u16string_view path) {
    const std::u16string file(path);
    Event("delete " + U8(file));
    if (undeletableFiles.count(file)) return false;
    return files.erase(file) > 0;
}

bool FakeSystem::CopyFileNoReplace(std::u16string_view from, std::u16string_view to) {
    Event("copy " + U8(from) + " -> " + U8(to));
    const std::u16string source(from);
    if (files.count(std::u16string(to)) || unwritableFiles.count(std::u16string(to))) return false;
    files[std::u16string(to)] = files.count(source) ? files[source] : std::string("running executable");
    return true;
}

class FakeTransientCopy final : public ITransientCopy {
public:
    FakeTransientCopy(FakeSystem& system, std::u16string path, bool ok)
        : system_(system), path_(std::move(path)), ok_(ok) {
        system_.transientFiles.insert(path_);
    }
    ~FakeTransientCopy() override {
        system_.transientFiles.erase(path_);
        if (kept_) return;
        system_.events.push_back("let go " + U8(path_));
        system_.files.erase(path_);
    }
    const std::u16string& Path() const override { return path_; }
    bool Wait() override {
        if (!waited_) system_.events.push_back(std::string("copy waited") + (ok_ ? "" : ", failed"));
        waited_ = true;
        return ok_;
    }
    bool KeepAs(std::u16string_view path) override {
        if (!Wait() || kept_) return false;
        kept_ = system_.MoveFileNoReplace(path_, path);
        if (kept_) system_.transientFiles.erase(path_);
        return kept_;
    }

private:
    FakeSystem& system_;
    std::u16string path_;
    bool ok_;
    bool waited_ = false;
    bool kept_ = false;
};

std::unique_ptr<ITransientCopy> FakeSystem::StartTransientCopy(std::u16string_view from, std::u16string_view folder,
                                                               std::u16string_view prefix) {
    if (backgroundCopyUnavailable) return nullptr;
    std::optional<std::u16string> path = CreateTempFile(folder, prefix);
    if (!path) return nullptr;
    Event("start copy " + U8(from) + " -> " + U8(*path));
    const std::u16string source(from);
    if (!backgroundCopyFails) files[*path] = files.count(source) ? files[source] : std::string("running executable");
    return std::make_unique<FakeTransientCopy>(*this, *path, !backgroundCopyFails);
}

std::map<std::u16string, std::string> FakeSystem::FilesLeftByAnEndNow() const {
    std::map<std::u16string, std::string> left = files;
    for (const std::u16string& path : transientFiles) left.erase(path);
    return left;
}

bool FakeSystem::MoveFileNoReplace(std::u16string_view from, std::u16string_view to) {
    Event("move " + U8(from) + " -> " + U8(to));
    const std::u16string source(from), target(to);
    if (!files.count(source) || files.count(target) || unwritableFiles.count(target)) return false;
    files[target] = files[source];
    files.erase(source);
    return true;
}

bool FakeSystem::CreateDirectories(std::u16string_view path) {
    Event("create folder " + U8(path));
    AddFolder(std::u16string(path));
    return true;
}

bool FakeSystem::RemoveEmptyDirectory(std::u16string_view path) {
    Event("remove folder " + U8(path));
    if (!IsDirectoryEmpty(path)) return false;
    folders.erase(Trimmed(path));
    return true;
}

bool FakeSystem::DeleteTree(std::u16string_view path) {
    const std::u16string folder = Trimmed(path);
    Event("remove tree " + U8(folder));
    bool complete = true;
    for (auto it = files.begin(); it != files.end();) {
        if (IsBelow(it->first, folder) && !undeletableFiles.count(it->first)) {
            it = files.erase(it);
        } else {
            complete = complete && !IsBelow(it->first, folder);
            ++it;
        }
    }
    if (!complete) return false;
    for (auto it = folders.begin(); it != folders.end();) {
        it = (*it == folder || IsBelow(*it, folder)) ? folders.erase(it) : std::next(it);
    }
    return true;
}

bool FakeSystem::WriteFile(std::u16string_view path, std::string_view bytes) {
    Event("write " + U8(path));
    if (unwritableFiles.count(std::u16string(path))) return false;
    AddFile(std::u16string(path), std::string(bytes));
    return true;
}

std::optional<std::u16string> FakeSystem::CreateTempFile(std::u16string_view folder, std::u16string_view prefix) {
    if (tempFileFails) return std::nullopt;
    // tmp1A2B.tmp, then tmp1A2C.tmp, ...: unique like the system's names.
    std::u16string path = std::u16string(folder) + std::u16string(prefix) + u"1A2B.tmp";
    for (char16_t last = u'B'; files.count(path) && last < u'Z';) path[path.size() - 5] = ++last;
    Event("temp file " + U8(path));
    AddFile(path, "");
    return path;
}

std::optional<std::u16string> FakeSystem::ShortPath(std::u16string_view path) {
    auto found = shortPaths.find(std::u16string(path));
    if (found == shortPaths.end()) return std::nullopt;
    return found->second;
}

std::optional<std::u16string> FakeSystem::FolderPath(ShellFolder folder) {
    auto found = shellFolders.find(folder);
    if (found == shellFolders.end()) return std::nullopt;
    return found->second;
}

bool FakeSystem::Open(std::u16string_view path, Visibility visibility) {
    Event("open " + U8(path) + (visibility == Visibility::Shown ? " shown" : " hidden"));
    return true;
}

bool FakeSystem::SaveShortcut(std::u16string_view linkPath, std::u16string_view target, std::u16string_view workDir) {
    Event("shortcut " + U8(linkPath) + " -> " + U8(target) + " in " + U8(workDir));
    if (shortcutFails) return false;
    AddFile(std::u16string(linkPath), U8(target));
    return true;
}

CommandResult FakeSystem::RunCommand(const CommandRequest& request) {
    Event("run " + U8(request.CommandLine) + " | in " + U8(request.WorkDir) + " | " +
          (request.Encoding == OutputEncoding::Utf8 ? "utf8" : "ansi") + " | limit " +
          std::to_string(request.TimeLimitSeconds));
    if (onRun) return onRun(request);
    if (std::optional<std::u16string> target = ExtractorTarget(request.CommandLine)) AddFile(*target + u"Velnix.exe");
    return {.ExitCode = 0, .Output = {}, .StoppedAtTimeLimit = false};
}

std::optional<HttpResponse> FakeSystem::Post(const HttpRequest& request) {
    Event("post " + U8(request.Url));
    httpRequests.push_back(request);
    return httpAnswer;
}

std::optional<Sha1Digest> FakeSystem::Sha1(std::string_view bytes) {
    hashInputs.emplace_back(bytes);
    if (digest) return digest;
    Sha1Digest counting{};
    for (size_t i = 0; i < counting.size(); ++i) counting[i] = static_cast<uint8_t>(i);
    return counting;
}

std::optional<std::u16string> FakeSystem::NewGuidText() {
    if (guids.empty()) return std::nullopt;
    std::u16string guid = guids.front();
    guids.pop_front();
    return guid;
}

bool FakeSystem::AskYesNo(std::u16string_view text, std::u16string_view caption) {
    Event("ask " + U8(text) + " | " + U8(caption));
    return answerYes;
}

QuitRequestResult FakeSystem::RequestQuit(std::u16string_view mappingName, uint32_t message, uint32_t timeoutMs) {
    Event("quit request " + U8(mappingName) + " " + std::to_string(message) + " within " + std::to_string(timeoutMs));
    if (quitAnswers.empty()) return QuitRequestResult::NoApplication;
    const QuitRequestResult result = quitAnswers.front();
    quitAnswers.pop_front();
    return result;
}

std::optional<std::string> FakeSystem::Read(std::u16string_view name) {
    auto found = resources.find(std::u16string(name));
    if (found == resources.end()) return std::nullopt;
    return found->second;
}

bool FakeSystem::WriteToFile(std::u16string_view name, std::u16string_view path) {
    Event("resource " + U8(name) + " -> " + U8(path));
    auto found = resources.find(std::u16string(name));
    if (found == resources.end() || unwritableFiles.count(std::u16string(path))) return false;
    AddFile(std::u16string(path), found->second);
    return true;
}

bool FakeSystem::Submit(std::function<void()> task) {
    Event("task queued");
    tasks_.push_back(std::move(task));
    return true;
}

std::u16string FakeSystem::LowerCase(std::u16string_view text) {
    std::u16string lower(text);
    for (char16_t& c : lower) {
        if ((c >= u'A' && c <= u'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) c = static_cast<char16_t>(c + 32);
    }
    return lower;
}

void FakeSystem::Sleep(uint32_t milliseconds) {
    Event("sleep " + std::to_string(milliseconds));
    if (onSleep) onSleep();
}

std::optional<std::string> FakeSystem::ToConsoleCodePage(std::u16string_view text) {
    std::string bytes;
    for (const char16_t c : text) {
        if (c > consoleCodePageLimit) return std::nullopt;
        bytes.push_back(static_cast<char>(c));
    }
    return bytes;
}

void FakeSystem::EndProcess(uint32_t exitCode) {
    Event("end " + std::to_string(exitCode));
    ended = true;
}

}  // namespace app::testing
