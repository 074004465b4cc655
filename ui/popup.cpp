#include "ui/popup.h"

#include <utility>

#include "ui/form_host.h"

namespace ui {

Popup::Popup() = default;

Popup::~Popup() {
    if (FormHost* host = std::exchange(ownerHost_, nullptr)) host->ClosePopup(*this);
}

bool Popup::Open(FormHost& ownerHost, const RectF& screenRect) {
    Close();
    screenRect_ = screenRect;
    SetSize(screenRect.Width(), screenRect.Height());
    ownerHost_ = &ownerHost;
    if (!ownerHost.OpenPopup(*this, screenRect)) {
        ownerHost_ = nullptr;
        return false;
    }
    return true;
}

void Popup::Close() {
    // Forgotten first: the host may call back while it hides the window.
    FormHost* host = std::exchange(ownerHost_, nullptr);
    if (host == nullptr) return;
    host->ClosePopup(*this);
    DoClose();
}

void Popup::DoClose() {
    if (OnClose) OnClose(this);
}

}  // namespace ui
