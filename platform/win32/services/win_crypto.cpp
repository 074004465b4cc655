#include "platform/win32/services/win_crypto.h"

#include <windows.h>
#include <bcrypt.h>

#include "platform/win32/wide_text.h"

namespace platform::win32 {

namespace {

class Algorithm {
public:
    Algorithm() { status_ = BCryptOpenAlgorithmProvider(&handle_, BCRYPT_SHA1_ALGORITHM, nullptr, 0); }
    Algorithm(const Algorithm&) = delete;
    Algorithm& operator=(const Algorithm&) = delete;
    ~Algorithm() {
        if (handle_) BCryptCloseAlgorithmProvider(handle_, 0);
    }
    BCRYPT_ALG_HANDLE Get() const { return handle_; }
    NTSTATUS Status() const { return status_; }

private:
    BCRYPT_ALG_HANDLE handle_ = nullptr;
    NTSTATUS status_ = 0;
};

class Hash {
public:
    explicit Hash(BCRYPT_ALG_HANDLE algorithm) {
        status_ = BCryptCreateHash(algorithm, &handle_, nullptr, 0, nullptr, 0, 0);
    }
    Hash(const Hash&) = delete;
    Hash& operator=(const Hash&) = delete;
    ~Hash() {
        if (handle_) BCryptDestroyHash(handle_);
    }
    BCRYPT_HASH_HANDLE Get() const { return handle_; }
    NTSTATUS Status() const { return status_; }

private:
    BCRYPT_HASH_HANDLE handle_ = nullptr;
    NTSTATUS status_ = 0;
};

bool Succeeded(NTSTATUS status) { return status >= 0; }

}  // namespace

std::optional<app::Sha1Digest> BCryptSha1::Sha1(std::string_view bytes) {
    Algorithm algorithm;
    NTSTATUS status = algorithm.Status();
    if (Succeeded(status)) {
        Hash hash(algorithm.Get());
        status = hash.Status();
        if (Succeeded(status) && !bytes.empty()) {
            status = BCryptHashData(hash.Get(), reinterpret_cast<PUCHAR>(const_cast<char*>(bytes.data())),
                                    static_cast<ULONG>(bytes.size()), 0);
        }
        app::Sha1Digest digest{};
        if (Succeeded(status))
            status = BCryptFinishHash(hash.Get(), digest.data(), static_cast<ULONG>(digest.size()), 0);
        if (Succeeded(status)) return digest;
    }
    log_.Log(u"Crypto: SHA-1 failed (status " + DecimalText(static_cast<unsigned long>(status)) + u")");
    return std::nullopt;
}

}  // namespace platform::win32
