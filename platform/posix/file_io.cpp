#include "platform/file_io.h"

#include <cstdio>

namespace platform {

namespace {

bool WriteAll(std::FILE* file, std::span<const std::byte> bytes) {
    return bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
}

}  // namespace

std::optional<std::vector<std::byte>> ReadWholeFile(const std::filesystem::path& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return std::nullopt;
    std::vector<std::byte> bytes;
    std::byte buffer[65536];
    size_t read = 0;
    while ((read = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.insert(bytes.end(), buffer, buffer + read);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) return std::nullopt;
    return bytes;
}

bool PathExists(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
}

bool CreateFolders(const std::filesystem::path& path) {
    std::error_code error;
    std::filesystem::create_directories(path, error);
    return std::filesystem::is_directory(path, error);
}

bool WriteWholeFile(const std::filesystem::path& path, std::span<const std::byte> bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return false;
    const bool written = WriteAll(file, bytes);
    return std::fclose(file) == 0 && written;
}

bool OutputFile::Open(const std::filesystem::path& path, Mode mode) {
    Close();
    std::FILE* file = std::fopen(path.c_str(), mode == Mode::Truncate ? "wb" : "ab");
    if (file == nullptr) return false;
    handle_ = file;
    return true;
}

void OutputFile::Close() noexcept {
    if (handle_ == nullptr) return;
    std::fclose(static_cast<std::FILE*>(handle_));
    handle_ = nullptr;
}

bool OutputFile::Write(std::span<const std::byte> bytes) {
    if (handle_ == nullptr) return false;
    auto* file = static_cast<std::FILE*>(handle_);
    return WriteAll(file, bytes) && std::fflush(file) == 0;
}

}  // namespace platform
