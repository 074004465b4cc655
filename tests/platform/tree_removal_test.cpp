// The tree removal over an in-memory file system with links: a link goes as a link, wherever it is.
#include "platform/tree_removal.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace platform {
namespace {

struct Entry {
    TreeEntryKind kind;
    bool readOnly = false;
    bool locked = false;  // cannot be removed (held open by another program)
};

// Paths are '/'-separated; a link's target is never looked at by the removal, so it is not modelled.
class MemoryFiles {
public:
    std::map<std::string, Entry> entries;
    std::vector<std::string> madeWritable;

    TreeEntryKind Kind(const std::string& path) {
        auto found = entries.find(path);
        return found == entries.end() ? TreeEntryKind::Missing : found->second.kind;
    }
    std::vector<std::string> Children(const std::string& folder) {
        EXPECT_EQ(Kind(folder), TreeEntryKind::Folder) << "entered " << folder;
        std::vector<std::string> children;
        for (const auto& [path, entry] : entries) {
            if (path.size() > folder.size() + 1 && path.starts_with(folder + "/") &&
                path.find('/', folder.size() + 1) == std::string::npos) {
                children.push_back(path);
            }
        }
        return children;
    }
    void MakeWritable(const std::string& path) {
        EXPECT_NE(Kind(path), TreeEntryKind::FileLink) << path;
        EXPECT_NE(Kind(path), TreeEntryKind::FolderLink) << path;
        madeWritable.push_back(path);
        entries[path].readOnly = false;
    }
    bool RemoveFile(const std::string& path) { return Remove(path, TreeEntryKind::File); }
    bool RemoveEmptyFolder(const std::string& path) {
        if (!Children(path).empty()) return false;
        return Remove(path, TreeEntryKind::Folder);
    }
    bool RemoveLink(const std::string& path, TreeEntryKind kind) { return Remove(path, kind); }

private:
    bool Remove(const std::string& path, TreeEntryKind kind) {
        auto found = entries.find(path);
        if (found == entries.end() || found->second.kind != kind || found->second.locked || found->second.readOnly) {
            return false;
        }
        entries.erase(found);
        return true;
    }
};

constexpr TreeEntryKind F = TreeEntryKind::File;
constexpr TreeEntryKind D = TreeEntryKind::Folder;
constexpr TreeEntryKind FL = TreeEntryKind::FileLink;
constexpr TreeEntryKind DL = TreeEntryKind::FolderLink;

TEST(TreeRemoval, RemovesLinksAsLinksAndEverythingElseBelowTheFolder) {
    struct Case {
        const char* what;
        std::map<std::string, Entry> before;  // besides "app" and the outside folder with its read-only file
        bool complete;
        std::vector<std::string> left;  // besides "app", the parent, which is never touched
    };
    const Case cases[] = {
        {"a plain tree, read-only entries included",
         {{"app/wizard", {D, true}}, {"app/wizard/a.dll", {F, true}}, {"app/wizard/b", {D}}},
         true,
         {}},
        {"the folder itself is a link", {{"app/wizard", {DL}}}, true, {}},
        {"a folder link and a file link below it",
         {{"app/wizard", {D}}, {"app/wizard/x64", {DL}}, {"app/wizard/mine.txt", {FL}}},
         true,
         {}},
        {"a link two levels down", {{"app/wizard", {D}}, {"app/wizard/a", {D}}, {"app/wizard/a/b", {DL}}}, true, {}},
        {"a locked file stays, the rest goes",
         {{"app/wizard", {D}}, {"app/wizard/held.dll", {F, false, true}}, {"app/wizard/c", {F}}},
         false,
         {"app/wizard", "app/wizard/held.dll"}},
        {"a missing folder", {}, false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MemoryFiles files;
        files.entries = c.before;
        files.entries["app"] = {D};
        files.entries["outside"] = {D};
        files.entries["outside/mine.txt"] = {F, true};

        EXPECT_EQ(RemoveTree(files, std::string("app/wizard")), c.complete);

        std::vector<std::string> left;
        for (const auto& [path, entry] : files.entries) {
            if (path != "app" && !path.starts_with("outside")) left.push_back(path);
        }
        EXPECT_EQ(left, c.left);
        // What links point at is neither removed nor changed.
        ASSERT_EQ(files.entries.count("outside/mine.txt"), 1u);
        EXPECT_TRUE(files.entries.at("outside/mine.txt").readOnly);
    }
}

}  // namespace
}  // namespace platform
