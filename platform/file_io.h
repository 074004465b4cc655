#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

// Whole-file reads and writes and an append-only output file, through the operating system's own calls: the
// portable code stays clear of the standard streams, whose locale machinery is most of a small program.
namespace platform {

// The file's whole content; nullopt when it cannot be opened or read.
std::optional<std::vector<std::byte>> ReadWholeFile(const std::filesystem::path& path);

// Creates or replaces the file with the bytes; false when it cannot be written completely.
bool WriteWholeFile(const std::filesystem::path& path, std::span<const std::byte> bytes);

// Whether a file or folder of that path exists.
bool PathExists(const std::filesystem::path& path);

// Creates the folder and every missing folder above it; true when the folder exists afterwards.
bool CreateFolders(const std::filesystem::path& path);

// A file written at its end, open until Close or destruction. Others may read it while it is open.
class OutputFile {
public:
    enum class Mode { Truncate, Append };

    OutputFile() = default;
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;
    ~OutputFile() { Close(); }

    // Opens (creating it when missing) the file; a file already open is closed first. False when it cannot be.
    bool Open(const std::filesystem::path& path, Mode mode);
    void Close() noexcept;
    bool IsOpen() const { return handle_ != nullptr; }
    // Appends the bytes at the file's end; false when the file is not open or the write fails.
    bool Write(std::span<const std::byte> bytes);

private:
    void* handle_ = nullptr;
};

}  // namespace platform
