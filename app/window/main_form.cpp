#include "app/window/main_form.h"

#include <array>
#include <optional>
#include <stdexcept>
#include <string>

#include "app/folder_list.h"
#include "app/install_worker.h"
#include "app/startup.h"
#include "app/uninstall_sequence.h"
#include "skin/controls/skin_button.h"
#include "skin/controls/skin_combo_box.h"
#include "skin/controls/skin_image.h"
#include "skin/controls/skin_label.h"
#include "skin/controls/skin_progress_bar.h"
#include "skin/controls/skin_switch_bar.h"
#include "ui/float_animation.h"
#include "ui/handler_table.h"
#include "ui/int_animation.h"
#include "ui/text.h"

namespace app {

namespace {

// The intro animations update mode restarts, in this order.
constexpr std::array<std::u16string_view, 9> kIntroAnimations = {u"Ani1O", u"Ani2X", u"Ani2Y", u"Ani1Y", u"Ani3X",
                                                                 u"Ani3Y", u"Ani3O", u"Ani4O", u"Ani4Y"};
constexpr double kShortIntroSeconds = 2;

constexpr double kOperateAniSeconds = 15;
constexpr int kOperateAniStop = 99;
// Where the progress bar stands from the click until the animation's first frame.
constexpr int kProgressAtClick = 10;

}  // namespace

TMainForm::TMainForm(TSetupState& state, SetupServices& services, IWindowServices& window)
    : state_(state), services_(services), window_(window) {}

TMainForm::~TMainForm() = default;

const ui::HandlerTable& TMainForm::PublishedHandlers() const {
    static const ui::HandlerTable table = ui::HandlerTableBuilder<TMainForm>()
                                              .Add(u"FormCreate", &TMainForm::FormCreate)
                                              .Add(u"BgImageMouseDown", &TMainForm::BgImageMouseDown)
                                              .Add(u"CloseBtnClick", &TMainForm::CloseBtnClick)
                                              .Add(u"BrowseBtnClick", &TMainForm::BrowseBtnClick)
                                              .Add(u"CustomInstallSwitchChange", &TMainForm::CustomInstallSwitchChange)
                                              .Add(u"InstallButtonClick", &TMainForm::InstallButtonClick)
                                              .Add(u"Ani1YProcess", &TMainForm::Ani1YProcess)
                                              .Add(u"Ani2YProcess", &TMainForm::Ani2YProcess)
                                              .Add(u"Ani4YProcess", &TMainForm::Ani4YProcess)
                                              .Add(u"AniYProcess", &TMainForm::AniYProcess)
                                              .Build();
    return table;
}

void TMainForm::BindComponents() {
    auto find = [this]<class T>(T*& field, std::u16string_view name) {
        field = dynamic_cast<T*>(FindComponent(name));
        if (field == nullptr) {
            throw std::logic_error("The window layout has no component " + ui::Utf16ToUtf8(name) +
                                   " of the expected class");
        }
    };
    find(bgImage_, u"BgImage");
    find(installButton_, u"InstallButton");
    find(browseBtn_, u"BrowseBtn");
    find(driveComboBox_, u"DriveComboBox");
    find(customInstallSwitch_, u"CustomInstallSwitch");
    find(customInstallLabel_, u"CustomInstallLabel");
    find(progressBar_, u"ProgressBar");
    find(aniY_, u"AniY");
    customInstallChecked_ = customInstallSwitch_->Prop().Checked();
}

void TMainForm::CreateOperateAni() {
    auto* animation = CreateComponent<ui::IntAnimation>();
    animation->SetName(u"OperateAni");
    animation->SetParent(progressBar_);
    animation->SetPropertyName(u"Properties.Position");
    animation->SetStartValue(0);
    animation->SetStopValue(kOperateAniStop);
    animation->SetDuration(kOperateAniSeconds);
    animation->SetDelay(0);
    animation->SetAnimationType(ui::AnimationType::Out);
    animation->SetInterpolation(ui::Interpolation::Exponential);
    operateAni_ = animation;
}

void TMainForm::FormCreate(ui::Object*) {
    BindComponents();
    const StartupDecision decision = StartUp(state_, services_);
    mode_ = decision.Mode;
    if (mode_ == SetupMode::Uninstall) {
        // Ends the process; the window is never shown.
        RunUninstall(state_, services_);
        return;
    }
    CreateOperateAni();
    SetCaption(decision.WindowCaption);

    if (mode_ == SetupMode::Update) {
        if (!decision.InstallButtonCaption.empty()) installButton_->SetCaption(decision.InstallButtonCaption);
        customInstallSwitch_->SetVisible(decision.ShowCustomInstall);
        customInstallLabel_->SetVisible(decision.ShowCustomInstall);
        if (decision.ShortIntro) {
            for (std::u16string_view name : kIntroAnimations) {
                auto* animation = dynamic_cast<ui::Animation*>(FindComponent(name));
                if (animation == nullptr) {
                    services_.Log.Log(u"Window: no intro animation " + std::u16string(name));
                    continue;
                }
                // Enabling again restarts it at once with the short timeline.
                animation->SetEnabled(false);
                animation->SetDelay(0);
                animation->SetDuration(kShortIntroSeconds);
                animation->SetEnabled(true);
            }
        }
        return;
    }

    driveComboBox_->SetItems(decision.Folders);
    driveComboBox_->SetItemIndex(decision.SelectedFolder);
}

void TMainForm::BgImageMouseDown(ui::Object*, ui::MouseButton, ui::ShiftState, float, float) { StartWindowDrag(); }

void TMainForm::CloseBtnClick(ui::Object*) { window_.EndProcess(0); }

void TMainForm::BrowseBtnClick(ui::Object*) {
    const std::u16string picked = window_.PickFolder(kPickFolderTitle);
    if (picked.empty()) return;
    // The list shows the folder the installation will really use.
    const std::u16string folder = BrowsedInstallFolder(picked, services_.Files);
    if (folder != picked) {
        services_.Log.Log(u"Window: the picked folder " + picked + u" holds other files; the installation uses " +
                          folder);
    }
    if (browseBtn_->Tag() < 1 || driveComboBox_->Count() == 0) {
        driveComboBox_->AddItem(folder);
        browseBtn_->SetTag(1);
    } else {
        driveComboBox_->SetItem(driveComboBox_->Count() - 1, folder);
    }
    driveComboBox_->SetItemIndex(driveComboBox_->Count() - 1);
}

void TMainForm::CustomInstallSwitchChange(ui::Object*) {
    // A switch raises its change event on every move of the knob as well; only a new checked state slides the
    // panel, so dragging the knob does not restart a slide under way.
    const bool checked = customInstallSwitch_->Prop().Checked();
    if (checked == customInstallChecked_) return;
    customInstallChecked_ = checked;
    // A slide still running jumps to its end first, so the next one starts from a resting place.
    aniY_->Stop();
    if (checked) {
        aniY_->SetAnimationType(ui::AnimationType::Out);
        aniY_->SetInverse(false);
    } else {
        aniY_->SetAnimationType(ui::AnimationType::In);
        aniY_->SetInverse(true);
    }
    aniY_->Start();
}

void TMainForm::InstallButtonClick(ui::Object*) {
    installButton_->SetEnabled(false);
    driveComboBox_->SetEnabled(false);
    browseBtn_->SetEnabled(false);
    progressBar_->Prop().SetPosition(kProgressAtClick);
    if (operateAni_ != nullptr) operateAni_->Start();

    InstallHooks hooks;
    hooks.RunOnMainThread = [&window = window_](const std::function<void()>& function) {
        window.RunOnMainThread(function);
    };
    hooks.SelectedFolder = [combo = driveComboBox_]() -> std::optional<std::u16string> {
        if (combo->ItemIndex() < 0) return std::nullopt;
        return combo->Text();
    };
    hooks.HideWindow = [&window = window_] { window.RunOnMainThread([&window] { window.HideWindow(); }); };
    StartInstallTasks(state_, services_, std::move(hooks));
}

void TMainForm::RepaintBackground() {
    if (bgImage_ != nullptr) bgImage_->Repaint();
}

void TMainForm::Ani1YProcess(ui::Object*) { RepaintBackground(); }
void TMainForm::Ani2YProcess(ui::Object*) { RepaintBackground(); }
void TMainForm::Ani4YProcess(ui::Object*) { RepaintBackground(); }
void TMainForm::AniYProcess(ui::Object*) { RepaintBackground(); }

}  // namespace app
