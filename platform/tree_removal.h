#pragma once

// Removal of a folder tree, written once over a small file system interface so that its rule about links is
// tested without the real system.

namespace platform {

// What a path names, as the tree removal sees it.
enum class TreeEntryKind {
    Missing,
    File,
    Folder,
    FileLink,    // a symbolic link to a file
    FolderLink,  // a junction or a symbolic link to a folder
};

// Removes the folder with everything below it; false when anything stayed. A link is removed as a link at every
// level, the folder itself included, and what it points at is never entered, changed or removed.
//
// FileSystem offers, for its Path type:
//   TreeEntryKind Kind(const Path&);          // the entry itself, never what a link points at
//   std::vector<Path> Children(const Path&);  // the full paths of a folder's entries
//   void MakeWritable(const Path&);           // clears a read-only mark; never called on a link
//   bool RemoveFile(const Path&);
//   bool RemoveEmptyFolder(const Path&);
//   bool RemoveLink(const Path&, TreeEntryKind);
template <class FileSystem, class Path>
bool RemoveTree(FileSystem& files, const Path& folder) {
    const TreeEntryKind kind = files.Kind(folder);
    switch (kind) {
        case TreeEntryKind::Missing:
            return false;
        case TreeEntryKind::FileLink:
        case TreeEntryKind::FolderLink:
            return files.RemoveLink(folder, kind);
        case TreeEntryKind::File:
            files.MakeWritable(folder);
            return files.RemoveFile(folder);
        case TreeEntryKind::Folder:
            break;
    }
    bool complete = true;
    for (const Path& child : files.Children(folder)) complete = RemoveTree(files, child) && complete;
    files.MakeWritable(folder);
    return files.RemoveEmptyFolder(folder) && complete;
}

}  // namespace platform
