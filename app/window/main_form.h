#pragma once

#include <cstdint>
#include <string_view>

#include "app/setup_mode.h"
#include "app/setup_state.h"
#include "app/system_services.h"
#include "app/window/window_services.h"
#include "ui/events.h"
#include "ui/form.h"

namespace ui {
class FloatAnimation;
class IntAnimation;
}  // namespace ui

namespace skin {
class TSkinFMXButton;
class TSkinFMXComboBox;
class TSkinFMXImage;
class TSkinFMXLabel;
class TSkinFMXProgressBar;
class TSkinFMXSwitchBar;
}  // namespace skin

namespace app {

// The installer's one window. Its components come from the stored layout (app/window/main_form.layout), whose
// events name the handlers below. The creation handler decides the mode and prepares the window; the
// handlers carry out the user's choices. The window reaches the system only through the setup services and
// the window services; state, services and window services must outlive it (pool tasks keep using the first
// two after a click).
class TMainForm : public ui::Form {
public:
    TMainForm(TSetupState& state, SetupServices& services, IWindowServices& window);
    ~TMainForm() override;
    std::u16string_view ClassName() const override { return u"TMainForm"; }
    const ui::HandlerTable& PublishedHandlers() const override;

    // --- handlers (main thread)
    // Start-up: version, mode, OperateAni, channel tag, identity, earlier installation, window preparation.
    // Uninstall mode runs the uninstall sequence, which ends the process.
    void FormCreate(ui::Object* sender);
    // Any button pressed on the background (or on a child that ignores the mouse) drags the window.
    void BgImageMouseDown(ui::Object* sender, ui::MouseButton button, ui::ShiftState shift, float x, float y);
    void CloseBtnClick(ui::Object* sender);
    void BrowseBtnClick(ui::Object* sender);
    // Slides the folder chooser when the switch's checked state has changed; other change events are ignored.
    void CustomInstallSwitchChange(ui::Object* sender);
    void InstallButtonClick(ui::Object* sender);
    // Per-frame handlers of Ani1Y, Ani2Y, Ani4Y and AniY: repaint the background with all its children.
    void Ani1YProcess(ui::Object* sender);
    void Ani2YProcess(ui::Object* sender);
    void Ani4YProcess(ui::Object* sender);
    void AniYProcess(ui::Object* sender);

    // The mode FormCreate found.
    SetupMode Mode() const { return mode_; }
    // The progress animation FormCreate made (nullptr before, and in uninstall mode).
    ui::IntAnimation* OperateAni() const { return operateAni_; }

    // The title of the folder picker.
    static constexpr std::u16string_view kPickFolderTitle = u"Select Folder of Installtion";

private:
    // Finds the components the handlers use; throws std::logic_error naming a missing one.
    void BindComponents();
    void CreateOperateAni();
    void RepaintBackground();

    TSetupState& state_;
    SetupServices& services_;
    IWindowServices& window_;
    SetupMode mode_ = SetupMode::Install;

    skin::TSkinFMXImage* bgImage_ = nullptr;
    skin::TSkinFMXButton* installButton_ = nullptr;
    skin::TSkinFMXButton* browseBtn_ = nullptr;
    skin::TSkinFMXComboBox* driveComboBox_ = nullptr;
    skin::TSkinFMXSwitchBar* customInstallSwitch_ = nullptr;
    skin::TSkinFMXLabel* customInstallLabel_ = nullptr;
    skin::TSkinFMXProgressBar* progressBar_ = nullptr;
    ui::FloatAnimation* aniY_ = nullptr;
    ui::IntAnimation* operateAni_ = nullptr;
    // The switch's checked state the folder chooser last followed.
    bool customInstallChecked_ = false;
};

}  // namespace app
