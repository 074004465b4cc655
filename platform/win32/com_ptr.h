#pragma once

#include <unknwn.h>

namespace platform::win32 {

// Holds one reference to a COM object and releases it once.
template <typename T>
class TComPtr {
public:
    TComPtr() = default;
    TComPtr(const TComPtr&) = delete;
    TComPtr& operator=(const TComPtr&) = delete;
    ~TComPtr() { Reset(); }

    T* Get() const { return pointer_; }
    T* operator->() const { return pointer_; }
    explicit operator bool() const { return pointer_ != nullptr; }
    void Reset() {
        if (pointer_) pointer_->Release();
        pointer_ = nullptr;
    }
    // The address to receive a new reference, for CoCreateInstance and QueryInterface.
    void** ReceiveVoid() {
        Reset();
        return reinterpret_cast<void**>(&pointer_);
    }

private:
    T* pointer_ = nullptr;
};

// Initialises COM on the calling thread for the scope; uninitialises only what it initialised.
class TComScope {
public:
    TComScope();
    TComScope(const TComScope&) = delete;
    TComScope& operator=(const TComScope&) = delete;
    ~TComScope();

private:
    bool initialised_ = false;
};

}  // namespace platform::win32
