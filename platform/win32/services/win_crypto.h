#pragma once

#include "app/system_services.h"

namespace platform::win32 {

// SHA-1 through BCrypt.
class BCryptSha1 final : public app::ICrypto {
public:
    explicit BCryptSha1(app::ISetupLog& log) : log_(log) {}
    std::optional<app::Sha1Digest> Sha1(std::string_view bytes) override;

private:
    app::ISetupLog& log_;
};

}  // namespace platform::win32
