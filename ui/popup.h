#pragma once

#include <string_view>

#include "ui/form.h"

namespace ui {

class FormHost;

// A form that opens above another form's window, in a top-level window of its own that the other form's host
// makes (FormHost::OpenPopup), so it may reach beyond that window: drop-down lists and the like. The owner
// of the popup object keeps it; opening and closing only show and hide it.
class Popup : public Form {
public:
    Popup();
    // Closes the popup (without OnClose).
    ~Popup() override;
    std::u16string_view ClassName() const override { return u"TPopup"; }

    // Sizes the popup to screenRect (screen coordinates, logical pixels) and asks ownerHost to show it there;
    // an open popup is closed first. Returns whether it is open: false when the host cannot show popups.
    bool Open(FormHost& ownerHost, const RectF& screenRect);
    // When open: the owner's host hides it, then DoClose. Hosts call it when the user dismisses the popup.
    void Close();
    bool IsOpen() const { return ownerHost_ != nullptr; }
    // The host that shows the popup while it is open, or nullptr.
    FormHost* OwnerHost() const { return ownerHost_; }
    // Where the popup was last opened.
    const RectF& ScreenRect() const { return screenRect_; }

    // The popup closed.
    NotifyEvent OnClose;

protected:
    // Raises OnClose.
    virtual void DoClose();

private:
    FormHost* ownerHost_ = nullptr;
    RectF screenRect_;
};

}  // namespace ui
