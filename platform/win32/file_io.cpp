#include "platform/file_io.h"

#include <windows.h>

#include <algorithm>

namespace platform {

namespace {

HANDLE Open(const std::filesystem::path& path, DWORD access, DWORD disposition) {
    return CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
}

bool WriteAll(HANDLE file, std::span<const std::byte> bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size(), 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
        bytes = bytes.subspan(written);
    }
    return true;
}

}  // namespace

std::optional<std::vector<std::byte>> ReadWholeFile(const std::filesystem::path& path) {
    const HANDLE file = Open(path, GENERIC_READ, OPEN_EXISTING);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    std::optional<std::vector<std::byte>> result;
    LARGE_INTEGER size{};
    if (GetFileSizeEx(file, &size) && static_cast<unsigned long long>(size.QuadPart) < (1ull << 40)) {
        std::vector<std::byte> bytes(static_cast<size_t>(size.QuadPart));
        size_t done = 0;
        bool ok = true;
        while (done < bytes.size()) {
            const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 30));
            DWORD read = 0;
            if (!ReadFile(file, bytes.data() + done, chunk, &read, nullptr)) {
                ok = false;
                break;
            }
            if (read == 0) break;  // The file shrank while it was read.
            done += read;
        }
        if (ok) {
            bytes.resize(done);
            result = std::move(bytes);
        }
    }
    CloseHandle(file);
    return result;
}

bool PathExists(const std::filesystem::path& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool CreateFolders(const std::filesystem::path& path) {
    // Each folder of the chain from the top down; one that exists already (or a drive or share, which cannot be
    // made) fails to be created and is passed over. Whether the whole chain is there shows at the end.
    const std::wstring& text = path.native();
    for (size_t end = 1; end <= text.size(); ++end) {
        if (end < text.size() && text[end] != L'\\' && text[end] != L'/') continue;
        const wchar_t last = text[end - 1];
        if (last == L'\\' || last == L'/' || last == L':') continue;
        CreateDirectoryW(text.substr(0, end).c_str(), nullptr);
    }
    const DWORD attributes = GetFileAttributesW(text.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool WriteWholeFile(const std::filesystem::path& path, std::span<const std::byte> bytes) {
    const HANDLE file = Open(path, GENERIC_WRITE, CREATE_ALWAYS);
    if (file == INVALID_HANDLE_VALUE) return false;
    const bool written = WriteAll(file, bytes);
    return CloseHandle(file) && written;
}

bool OutputFile::Open(const std::filesystem::path& path, Mode mode) {
    Close();
    const HANDLE file = platform::Open(path, FILE_APPEND_DATA, mode == Mode::Truncate ? CREATE_ALWAYS : OPEN_ALWAYS);
    if (file == INVALID_HANDLE_VALUE) return false;
    handle_ = file;
    return true;
}

void OutputFile::Close() noexcept {
    if (handle_ == nullptr) return;
    CloseHandle(static_cast<HANDLE>(handle_));
    handle_ = nullptr;
}

bool OutputFile::Write(std::span<const std::byte> bytes) {
    return handle_ != nullptr && WriteAll(static_cast<HANDLE>(handle_), bytes);
}

}  // namespace platform
