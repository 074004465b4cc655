#pragma once

#include <windows.h>

#include <utility>

namespace platform::win32 {

// Owns a kernel handle and closes it once. An invalid value is nullptr or INVALID_HANDLE_VALUE.
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(HANDLE handle) : handle_(handle) {}
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) Reset(std::exchange(other.handle_, nullptr));
        return *this;
    }
    ~UniqueHandle() { Reset(); }

    HANDLE Get() const { return handle_; }
    bool Valid() const { return handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE; }
    explicit operator bool() const { return Valid(); }
    void Reset(HANDLE handle = nullptr) {
        if (Valid()) CloseHandle(handle_);
        handle_ = handle;
    }
    HANDLE* Receive() {
        Reset();
        return &handle_;
    }

private:
    HANDLE handle_ = nullptr;
};

}  // namespace platform::win32
