// The main window as the user meets it: its stored layout read into TMainForm, the creation handler against a
// fake system, the intro timeline on a hand-driven clock, and input through a headless host.
#include "app/window/main_form.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <deque>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/registry_keys.h"
#include "skin/controls/skin_button.h"
#include "skin/controls/skin_combo_box.h"
#include "skin/controls/skin_image.h"
#include "skin/controls/skin_label.h"
#include "skin/controls/skin_panel.h"
#include "skin/controls/skin_progress_bar.h"
#include "skin/controls/skin_switch_bar.h"
#include "skin/draw/draw_picture_param.h"
#include "skin/picture/skin_image_list.h"
#include "app/window/window_classes.h"
#include "skin/draw/draw_picture_param.h"
#include "skin/picture/skin_image_list.h"
#include "tests/app/fake_system.h"
#include "ui/animation_timer.h"
#include "ui/float_animation.h"
#include "ui/glow_effect.h"
#include "ui/int_animation.h"
#include "ui/style_element.h"
#include "ui/testing/headless_host.h"
#include "ui/testing/manual_animation_clock.h"
#include "ui/testing/recording_canvas.h"
#include "ui/text.h"

namespace app {
namespace {

using skin::TSkinFMXButton;
using skin::TSkinFMXComboBox;
using skin::TSkinFMXImage;
using skin::TSkinFMXLabel;
using skin::TSkinFMXProgressBar;
using skin::TSkinFMXSwitchBar;
using testing::FakeSystem;
using testing::U8;

std::string ReadLayoutText() {
    std::ifstream file(VELNIX_MAIN_FORM_LAYOUT, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// The window's system services: folder answers queued by the test, main-thread calls run at once, the end of
// the process recorded.
class FakeWindowServices : public IWindowServices {
public:
    std::u16string PickFolder(std::u16string_view title) override {
        titles.emplace_back(title);
        if (answers.empty()) return {};
        std::u16string answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void RunOnMainThread(const std::function<void()>& function) override {
        ++mainThreadCalls;
        function();
    }
    void HideWindow() override { ++hides; }
    void EndProcess(uint32_t exitCode) override { endCodes.push_back(exitCode); }

    std::deque<std::u16string> answers;
    std::vector<std::u16string> titles;
    int mainThreadCalls = 0;
    int hides = 0;
    std::vector<uint32_t> endCodes;
};

class MainFormTest : public ::testing::Test {
protected:
    MainFormTest() {
        ui::SharedAnimationTimer().SetClock(&clock);
        ui::SetGraphics(&graphics);
        ui::RegisterFrameworkClasses(registry);
        RegisterWindowClasses(registry);
        system.executablePath = u"C:\\Users\\Ann\\Downloads\\VelnixSetup.web.exe";
        system.drives = {{u"C:\\", DriveType::Fixed}, {u"D:\\", DriveType::CdRom}, {u"Z:\\", DriveType::Fixed}};
    }
    ~MainFormTest() override {
        host.reset();
        form.reset();
        ui::SharedAnimationTimer().SetClock(nullptr);
        ui::SetGraphics(nullptr);
        skin::SetScreenScale(1);
    }

    void Load() {
        host.reset();
        form = std::make_unique<TMainForm>(state, system.Services(), window);
        host = std::make_unique<ui::HeadlessHost>(*form);
        form->LoadLayout(layout, registry);
    }
    void LoadInUpdateMode() {
        system.registry[std::u16string(kUninstallKey)][u"UninstallString"] = {u"\"C:\\Apps\\Velnix\\Uninstall.exe\""};
        Load();
    }

    template <class T = ui::Control>
    T* Get(std::u16string_view name) {
        auto* component = dynamic_cast<T*>(form->FindComponent(name));
        EXPECT_NE(component, nullptr) << U8(name);
        return component;
    }
    // The centre of a control in the form's client coordinates.
    ui::PointF CentreOf(std::u16string_view name) {
        ui::Control* control = Get(name);
        const ui::PointF origin = control->LocalToAbsolute({0, 0});
        return {origin.x + control->Width() / 2, origin.y + control->Height() / 2};
    }
    void ClickOn(std::u16string_view name, ui::MouseButton button = ui::MouseButton::Left) {
        const ui::PointF at = CentreOf(name);
        host->Click(at.x, at.y, button);
    }
    // Runs the intro to its end (install mode: the last animation ends at 7 s).
    void RunIntro() { clock.Run(7.05); }

    ui::ManualAnimationClock clock;
    ui::RecordingGraphics graphics;
    ui::ClassRegistry registry;
    FakeSystem system;
    TSetupState state;
    FakeWindowServices window;
    std::string layout = ReadLayoutText();
    std::unique_ptr<TMainForm> form;
    std::unique_ptr<ui::HeadlessHost> host;
};

TEST_F(MainFormTest, TheLayoutBuildsEveryComponentWhereTheWindowHasIt) {
    ASSERT_FALSE(layout.empty()) << "cannot read " << VELNIX_MAIN_FORM_LAYOUT;
    Load();
    EXPECT_EQ(form->ClientWidth(), 656);
    EXPECT_EQ(form->ClientHeight(), 376);

    const struct {
        const char16_t* name;
        const char16_t* className;
        const char16_t* parent;
        ui::RectF bounds;  // left, top, right, bottom in the parent
        float opacity;
        bool hitTest;
    } controls[] = {
        {u"BgImage", u"TSkinFMXImage", u"MainForm", {8, 8, 648, 368}, 1, true},
        {u"BrandImage", u"TSkinFMXImage", u"BgImage", {170, 223, 470, 301}, 0, false},
        {u"CloseBtn", u"TSkinFMXButton", u"BgImage", {599, 8, 632, 41}, 1, true},
        {u"IconImage", u"TSkinFMXImage", u"BgImage", {270, 100, 370, 258}, 1, false},
        {u"Icon2Image", u"TSkinFMXImage", u"IconImage", {0, 0, 100, 158}, 0, false},
        {u"MainPanel", u"TSkinFMXPanel", u"BgImage", {0, 368, 640, 433}, 1, false},
        {u"InstallToLabel", u"TSkinFMXLabel", u"MainPanel", {28, 16, 97, 49}, 1, false},
        {u"DriveComboBox", u"TSkinFMXComboBox", u"MainPanel", {105, 18, 569, 48}, 1, true},
        {u"BrowseBtn", u"TSkinFMXButton", u"MainPanel", {577, 16, 611, 50}, 1, true},
        {u"ControlPanel", u"TSkinFMXPanel", u"BgImage", {0, 20, 640, 380}, 0, false},
        {u"CustomInstallLabel", u"TSkinFMXLabel", u"ControlPanel", {465, 254, 609, 287}, 1, false},
        {u"CustomInstallSwitch", u"TSkinFMXSwitchBar", u"ControlPanel", {407, 258, 457, 283}, 1, true},
        {u"InstallButton", u"TSkinFMXButton", u"ControlPanel", {120, 233, 280, 283}, 1, true},
        {u"IntroLabel", u"TSkinFMXLabel", u"ControlPanel", {28, 167, 373, 208}, 1, false},
        {u"ProgressBar", u"TSkinFMXProgressBar", u"BgImage", {1, 355, 639, 359}, 1, true},
    };
    for (const auto& c : controls) {
        SCOPED_TRACE(U8(c.name));
        ui::Control* control = Get(c.name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(U8(control->ClassName()), U8(c.className));
        ASSERT_NE(control->Parent(), nullptr);
        EXPECT_EQ(U8(control->Parent()->Name()), U8(c.parent));
        EXPECT_EQ(control->BoundsRect(), c.bounds);
        EXPECT_EQ(control->Opacity(), c.opacity);
        EXPECT_EQ(control->HitTest(), c.hitTest);
        EXPECT_TRUE(control->Visible());
        EXPECT_TRUE(control->Enabled());
        EXPECT_EQ(control->Owner(), form.get());
    }

    // Drawing order inside the background: the progress bar comes last, above the folder chooser.
    std::vector<std::string> order;
    for (ui::Control* child : Get(u"BgImage")->Controls()) order.push_back(U8(child->Name()));
    EXPECT_EQ(order, (std::vector<std::string>{"BrandImage", "CloseBtn", "IconImage", "MainPanel", "ControlPanel",
                                               "ProgressBar"}));
    EXPECT_TRUE(Get(u"BgImage")->ClipChildren());
    ASSERT_TRUE(Get(u"BgImage")->OnMouseDown);
    EXPECT_EQ(Get(u"ProgressBar")->Align(), ui::AlignLayout::Bottom);

    // Captions, hints, tag, pictures.
    EXPECT_EQ(U8(Get<TSkinFMXButton>(u"InstallButton")->GetCaption()), "Install Now");
    EXPECT_EQ(U8(Get<TSkinFMXButton>(u"CloseBtn")->GetCaption()), "");
    EXPECT_EQ(U8(Get<TSkinFMXButton>(u"BrowseBtn")->GetCaption()), "");
    EXPECT_EQ(U8(Get<TSkinFMXLabel>(u"InstallToLabel")->GetCaption()), "Install to");
    EXPECT_EQ(U8(Get<TSkinFMXLabel>(u"CustomInstallLabel")->GetCaption()), "Custom installation");
    EXPECT_EQ(U8(Get<TSkinFMXLabel>(u"IntroLabel")->GetCaption()), "Operate your phone on PC safely and easily.");
    EXPECT_EQ(U8(Get(u"CloseBtn")->Hint()), "Close");
    EXPECT_FALSE(Get(u"CloseBtn")->ShowHint());
    EXPECT_EQ(U8(Get(u"BrowseBtn")->Hint()), "Browse");
    EXPECT_TRUE(Get(u"BrowseBtn")->ShowHint());
    EXPECT_EQ(Get(u"BrowseBtn")->Tag(), 0);
    EXPECT_FALSE(Get<TSkinFMXSwitchBar>(u"CustomInstallSwitch")->Prop().Checked());
    EXPECT_EQ(Get<TSkinFMXComboBox>(u"DriveComboBox")->ItemHeight(), 30);
    const struct {
        const char16_t* image;
        const char* resource;
        bool stretch, fit;
    } pictures[] = {{u"BgImage", "bg", true, false},
                    {u"BrandImage", "brand", false, true},
                    {u"IconImage", "logo", false, true},
                    {u"Icon2Image", "logo2", false, true}};
    for (const auto& p : pictures) {
        auto* image = Get<TSkinFMXImage>(p.image);
        EXPECT_EQ(U8(image->ImageProperties().Picture().ResourceName()), p.resource);
        EXPECT_EQ(image->SelfOwnMaterialToDefault()->DrawPictureParam().IsStretch(), p.stretch);
        EXPECT_EQ(image->SelfOwnMaterialToDefault()->DrawPictureParam().IsAutoFit(), p.fit);
    }
    const auto& bar = Get<TSkinFMXProgressBar>(u"ProgressBar")->Prop();
    EXPECT_EQ(bar.Min(), 0);
    EXPECT_EQ(bar.Max(), 100);
    EXPECT_EQ(bar.Position(), 0);
    EXPECT_EQ(bar.Orientation(), skin::TProgressBarOrientation::prHorizontal);
    // Every skinned control keeps its own look: own material, no mouse forwarding, no focus on press.
    for (const char16_t* name :
         {u"BgImage", u"BrandImage", u"CloseBtn", u"IconImage", u"Icon2Image", u"MainPanel", u"InstallToLabel",
          u"DriveComboBox", u"BrowseBtn", u"ControlPanel", u"CustomInstallLabel", u"CustomInstallSwitch",
          u"InstallButton", u"IntroLabel", u"ProgressBar"}) {
        SCOPED_TRACE(U8(name));
        auto* control = Get<skin::ISkinControlMaterial>(name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->GetMaterialUseKind(), skin::TMaterialUseKind::mukSelfOwn);
        EXPECT_FALSE(Get<skin::ISkinControl>(name)->GetParentMouseEvent());
        EXPECT_FALSE(Get<skin::IDirectUIControl>(name)->GetDirectUIVisible());
    }

    // The glow around the background and the two image lists beside the controls.
    auto* glow = Get<ui::GlowEffect>(u"GlowEffect");
    ASSERT_NE(glow, nullptr);
    EXPECT_EQ(glow->Parent(), Get(u"BgImage"));
    EXPECT_EQ(glow->GlowColor(), 0xFF000000u);
    EXPECT_FLOAT_EQ(glow->Softness(), 0.4f);
    EXPECT_FLOAT_EQ(glow->Opacity(), 0.5f);
    for (const char16_t* list : {u"UIImageList", u"IconImageList"}) {
        ui::Component* component = form->FindComponent(list);
        ASSERT_NE(component, nullptr) << U8(list);
        EXPECT_EQ(U8(component->ClassName()), "TSkinImageList");
        // The skin library's image list itself, empty until the layout stores pictures in it.
        auto* imageList = dynamic_cast<skin::TSkinImageList*>(component);
        ASSERT_NE(imageList, nullptr);
        EXPECT_EQ(imageList->Count(), 0);
        EXPECT_EQ(component->Parent(), form.get());
        EXPECT_EQ(component->AsControl(), nullptr);
    }
}

TEST_F(MainFormTest, StartUpTakesTheSkinsScreenScaleFromTheDrawingServices) {
    graphics.screenScale = 1.5f;
    InitWindowSkin();
    EXPECT_FLOAT_EQ(skin::ScreenScale(), 1.5f);
    // Uninstall mode without drawing services keeps 1.0.
    ui::SetGraphics(nullptr);
    InitWindowSkin();
    EXPECT_FLOAT_EQ(skin::ScreenScale(), 1.0f);
}

TEST_F(MainFormTest, EveryAnimationHasItsStoredValues) {
    Load();
    const struct {
        const char16_t* name;
        const char16_t* target;
        const char* path;
        float start, stop;
        double delay, duration;
        ui::Interpolation interpolation;
        ui::AnimationType type;
        bool enabled;
        bool repaints;
    } animations[] = {
        {u"Ani1Y", u"IconImage", "Position.Y", 100, 50, 1, 3, ui::Interpolation::Cubic, ui::AnimationType::InOut, true,
         true},
        {u"Ani1O", u"BrandImage", "Opacity", 0, 1, 3, 1, ui::Interpolation::Linear, ui::AnimationType::In, true, false},
        {u"Ani2X", u"BrandImage", "Position.X", 170, 50, 4.5, 2, ui::Interpolation::Cubic, ui::AnimationType::InOut,
         true, false},
        {u"Ani2Y", u"BrandImage", "Position.Y", 223, 70, 4.5, 2, ui::Interpolation::Cubic, ui::AnimationType::InOut,
         true, true},
        {u"Ani3O", u"Icon2Image", "Opacity", 0, 1, 4.5, 2, ui::Interpolation::Cubic, ui::AnimationType::In, true,
         false},
        {u"Ani3X", u"IconImage", "Position.X", 270, 450, 4.5, 2, ui::Interpolation::Cubic, ui::AnimationType::InOut,
         true, false},
        {u"Ani3Y", u"IconImage", "Position.Y", 50, 90, 4.5, 2, ui::Interpolation::Cubic, ui::AnimationType::InOut, true,
         false},
        {u"Ani4Y", u"ControlPanel", "Position.Y", 20, 0, 6, 1, ui::Interpolation::Cubic, ui::AnimationType::Out, true,
         true},
        {u"Ani4O", u"ControlPanel", "Opacity", 0, 1, 6, 1, ui::Interpolation::Linear, ui::AnimationType::In, true,
         false},
        {u"AniY", u"MainPanel", "Miscellaneous.Position.Y", 368, 295, 0, 1, ui::Interpolation::Cubic,
         ui::AnimationType::Out, false, true},
    };
    for (const auto& a : animations) {
        SCOPED_TRACE(U8(a.name));
        auto* animation = Get<ui::FloatAnimation>(a.name);
        ASSERT_NE(animation, nullptr);
        EXPECT_EQ(animation->Parent(), Get(a.target));
        EXPECT_EQ(U8(animation->PropertyName()), a.path);
        EXPECT_EQ(animation->StartValue(), a.start);
        EXPECT_EQ(animation->StopValue(), a.stop);
        EXPECT_EQ(animation->Delay(), a.delay);
        EXPECT_EQ(animation->Duration(), a.duration);
        EXPECT_EQ(animation->Interpolation(), a.interpolation);
        EXPECT_EQ(animation->AnimationType(), a.type);
        EXPECT_EQ(animation->Enabled(), a.enabled);
        EXPECT_EQ(animation->Running(), a.enabled);  // enabled ones started once the layout was loaded
        EXPECT_FALSE(animation->Inverse());
        EXPECT_EQ(static_cast<bool>(animation->OnProcess), a.repaints);
    }

    ui::IntAnimation* progress = form->OperateAni();
    ASSERT_NE(progress, nullptr);
    EXPECT_EQ(progress->Owner(), form.get());
    EXPECT_EQ(progress->Parent(), Get(u"ProgressBar"));
    EXPECT_EQ(U8(progress->PropertyName()), "Properties.Position");
    EXPECT_EQ(progress->StartValue(), 0);
    EXPECT_EQ(progress->StopValue(), 99);
    EXPECT_EQ(progress->Delay(), 0);
    EXPECT_EQ(progress->Duration(), 15);
    EXPECT_EQ(progress->Interpolation(), ui::Interpolation::Exponential);
    EXPECT_EQ(progress->AnimationType(), ui::AnimationType::Out);
    EXPECT_FALSE(progress->Running());
}

TEST_F(MainFormTest, InstallModeOffersTheFoldersAndPlaysTheWholeIntro) {
    Load();
    EXPECT_EQ(form->Mode(), SetupMode::Install);
    EXPECT_EQ(U8(form->Caption()), "Install Velnix");
    EXPECT_EQ(U8(host->caption), "Install Velnix");
    auto* combo = Get<TSkinFMXComboBox>(u"DriveComboBox");
    EXPECT_EQ(combo->Items(),
              (std::vector<std::u16string>{u"C:\\Users\\Ann\\AppData\\Roaming\\Velnix", u"Z:\\Velnix"}));
    EXPECT_EQ(combo->ItemIndex(), 0);
    EXPECT_TRUE(Get(u"CustomInstallSwitch")->Visible());
    EXPECT_TRUE(Get(u"CustomInstallLabel")->Visible());
    EXPECT_EQ(U8(state.ChannelTag), "web");
    EXPECT_EQ(U8(state.SetupVersion), "2.0");

    // Nothing moves during the first second; the rise repaints the background while it runs.
    clock.Run(0.95);
    EXPECT_EQ(Get(u"IconImage")->Position().Point(), (ui::PointF{270, 100}));
    host->invalidated.clear();
    clock.Run(1.05);
    EXPECT_LT(Get(u"IconImage")->Y(), 100);
    // The background with its glow, which reaches into the window's margin.
    const ui::RectF background = Get(u"BgImage")->AbsoluteUpdateRect();
    EXPECT_EQ(background, (ui::RectF{0, 0, 656, 376}));
    EXPECT_NE(std::find(host->invalidated.begin(), host->invalidated.end(), background), host->invalidated.end());

    clock.Run(5.05);
    EXPECT_EQ(Get(u"IconImage")->Position().Point(), (ui::PointF{450, 90}));
    EXPECT_EQ(Get(u"Icon2Image")->Opacity(), 1);
    EXPECT_EQ(Get(u"BrandImage")->Position().Point(), (ui::PointF{50, 70}));
    EXPECT_EQ(Get(u"BrandImage")->Opacity(), 1);
    EXPECT_EQ(Get(u"ControlPanel")->Position().Point(), (ui::PointF{0, 0}));
    EXPECT_EQ(Get(u"ControlPanel")->Opacity(), 1);
    EXPECT_EQ(Get(u"MainPanel")->Y(), 368);
    EXPECT_EQ(ui::SharedAnimationTimer().Count(), 0u);
    EXPECT_FALSE(clock.Ticking());
}

TEST_F(MainFormTest, UpdateModeRelabelsHidesTheSwitchAndShortensTheIntro) {
    LoadInUpdateMode();
    EXPECT_EQ(form->Mode(), SetupMode::Update);
    EXPECT_EQ(U8(host->caption), "Update Velnix");
    EXPECT_EQ(U8(Get<TSkinFMXButton>(u"InstallButton")->GetCaption()), "Update Now");
    EXPECT_FALSE(Get(u"CustomInstallSwitch")->Visible());
    EXPECT_FALSE(Get(u"CustomInstallLabel")->Visible());
    EXPECT_EQ(Get<TSkinFMXComboBox>(u"DriveComboBox")->Count(), 0);
    EXPECT_EQ(U8(state.InstallDir), "C:\\Apps\\Velnix\\Uninstall.exe");
    for (const char16_t* name :
         {u"Ani1O", u"Ani2X", u"Ani2Y", u"Ani1Y", u"Ani3X", u"Ani3Y", u"Ani3O", u"Ani4O", u"Ani4Y"}) {
        auto* animation = Get<ui::Animation>(name);
        EXPECT_EQ(animation->Delay(), 0) << U8(name);
        EXPECT_EQ(animation->Duration(), 2) << U8(name);
        EXPECT_TRUE(animation->Running()) << U8(name);
    }

    clock.Run(1);
    EXPECT_GT(Get(u"ControlPanel")->Opacity(), 0);  // everything moves at once
    clock.Run(1.05);
    EXPECT_EQ(ui::SharedAnimationTimer().Count(), 0u);
    // The rise, restarted before the slide's vertical part, decides the logo's height.
    EXPECT_EQ(Get(u"IconImage")->Position().Point(), (ui::PointF{450, 50}));
    EXPECT_EQ(Get(u"BrandImage")->Position().Point(), (ui::PointF{50, 70}));
    EXPECT_EQ(Get(u"ControlPanel")->Position().Point(), (ui::PointF{0, 0}));
    EXPECT_EQ(Get(u"ControlPanel")->Opacity(), 1);
    // The hidden switch cannot be clicked: the press lands on the background.
    ClickOn(u"CustomInstallSwitch");
    EXPECT_EQ(host->windowDrags, 1);
    EXPECT_EQ(Get(u"MainPanel")->Y(), 368);
}

TEST_F(MainFormTest, UninstallModeRunsTheUninstallerInsteadOfPreparingTheWindow) {
    system.executablePath = u"C:\\Apps\\Velnix\\UNINSTALL.EXE";
    system.answerYes = false;
    Load();
    EXPECT_EQ(form->Mode(), SetupMode::Uninstall);
    EXPECT_TRUE(system.ended);  // the uninstall sequence ended the process after the answer No
    EXPECT_EQ(form->OperateAni(), nullptr);
    EXPECT_TRUE(form->Caption().empty());
    EXPECT_EQ(Get<TSkinFMXComboBox>(u"DriveComboBox")->Count(), 0);
}

TEST_F(MainFormTest, InstallButtonLocksTheWindowRunsTheProgressAndInstallsIntoTheSelectedFolder) {
    Load();
    RunIntro();
    Get<TSkinFMXComboBox>(u"DriveComboBox")->SetItemIndex(1);
    ClickOn(u"InstallButton");

    for (const char16_t* name : {u"InstallButton", u"DriveComboBox", u"BrowseBtn"}) {
        EXPECT_FALSE(Get(name)->Enabled()) << U8(name);
    }
    EXPECT_TRUE(Get(u"CloseBtn")->Enabled());
    EXPECT_TRUE(Get(u"CustomInstallSwitch")->Enabled());
    ASSERT_TRUE(form->OperateAni()->Running());
    // The report and the pre-step wait on the pool.
    EXPECT_EQ(system.QueuedTasks(), 2u);

    auto position = [&] { return Get<TSkinFMXProgressBar>(u"ProgressBar")->Prop().Position(); };
    double t = 0;
    const struct {
        double at;
        int low, high;
    } samples[] = {{1.5, 49, 50}, {3, 74, 74}, {4.5, 87, 87}, {15, 99, 99}, {20, 99, 99}};
    for (const auto& s : samples) {
        clock.Run(s.at - t);
        t = s.at;
        EXPECT_GE(position(), s.low) << s.at;
        EXPECT_LE(position(), s.high) << s.at;
    }
    EXPECT_FALSE(form->OperateAni()->Running());

    // A second click on the disabled button does nothing.
    ClickOn(u"InstallButton");
    EXPECT_EQ(system.QueuedTasks(), 2u);

    // The pre-step hands the folder choice to the main thread, which queues the installation into the selected
    // entry; that one ends the process.
    system.RunQueuedTasks();
    // The folder choice, then hiding the window once the application has been opened.
    EXPECT_EQ(window.mainThreadCalls, 2);
    EXPECT_EQ(window.hides, 1);
    EXPECT_EQ(U8(state.InstallDir), "Z:\\Velnix\\");
    EXPECT_TRUE(system.ended);
    ASSERT_EQ(system.httpRequests.size(), 1u);
    EXPECT_NE(U8(system.httpRequests[0].Url).find("/stat/install/"), std::string::npos);
}

TEST_F(MainFormTest, InstallButtonWithAnEmptyFolderListOnlyLocksTheWindow) {
    system.drives = {{u"D:\\", DriveType::CdRom}};
    Load();
    RunIntro();
    ClickOn(u"InstallButton");
    system.RunQueuedTasks();
    EXPECT_EQ(window.mainThreadCalls, 1);
    EXPECT_TRUE(state.InstallDir.empty());
    EXPECT_FALSE(system.ended);
    EXPECT_FALSE(Get(u"InstallButton")->Enabled());
    EXPECT_TRUE(form->OperateAni()->Running());
}

TEST_F(MainFormTest, UpdateModeReportsTheUpdateAndReusesTheEarlierFolder) {
    LoadInUpdateMode();
    clock.Run(2.05);
    ClickOn(u"InstallButton");
    system.RunQueuedTasks();
    EXPECT_EQ(U8(state.InstallDir), "C:\\Apps\\Velnix\\");
    ASSERT_EQ(system.httpRequests.size(), 1u);
    EXPECT_NE(U8(system.httpRequests[0].Url).find("/stat/updateinstall/"), std::string::npos);
    EXPECT_TRUE(system.ended);
}

TEST_F(MainFormTest, TheSwitchSlidesTheFolderChooserUpAndDown) {
    Load();
    RunIntro();
    auto* panel = Get(u"MainPanel");
    auto* toggle = Get<TSkinFMXSwitchBar>(u"CustomInstallSwitch");

    ClickOn(u"CustomInstallSwitch");
    EXPECT_TRUE(toggle->Prop().Checked());
    clock.Run(0.5);
    EXPECT_FLOAT_EQ(panel->Y(), 368 - 73 * (1 - 0.125f));  // cubic ease-out: fast at first
    clock.Run(0.55);
    EXPECT_EQ(panel->Y(), 295);
    // Fully visible: its bottom edge meets the background's.
    EXPECT_EQ(panel->BoundsRect().bottom, Get(u"BgImage")->Height());

    ClickOn(u"CustomInstallSwitch");
    EXPECT_FALSE(toggle->Prop().Checked());
    EXPECT_EQ(panel->Y(), 295);
    clock.Run(0.5);
    EXPECT_FLOAT_EQ(panel->Y(), 368 - 73 * 0.125f);  // the ease-in curve played backwards: slow at the end
    clock.Run(0.55);
    EXPECT_EQ(panel->Y(), 368);

    // On and off again within the second: the upward slide completes at once, then the panel slides down.
    ClickOn(u"CustomInstallSwitch");
    clock.Run(0.3);
    EXPECT_GT(panel->Y(), 295);
    ClickOn(u"CustomInstallSwitch");
    EXPECT_EQ(panel->Y(), 295);
    clock.Run(1.05);
    EXPECT_EQ(panel->Y(), 368);
    EXPECT_EQ(host->windowDrags, 0);
}

// A switch also raises its change event while the knob is dragged, without a new checked state; such events
// must neither jump a running slide to its end nor start a slide of their own.
TEST_F(MainFormTest, ChangeEventsWithoutANewCheckedStateLeaveTheSlideAlone) {
    Load();
    RunIntro();
    auto* panel = Get(u"MainPanel");
    auto* toggle = Get<TSkinFMXSwitchBar>(u"CustomInstallSwitch");

    toggle->OnChange(toggle);  // still unchecked: the panel stays hidden
    clock.Run(1.05);
    EXPECT_EQ(panel->Y(), 368);

    ClickOn(u"CustomInstallSwitch");
    clock.Run(0.5);
    const float halfway = panel->Y();
    ASSERT_GT(halfway, 295);
    for (int move = 0; move < 3; ++move) toggle->OnChange(toggle);
    EXPECT_EQ(panel->Y(), halfway);
    clock.Run(0.55);
    EXPECT_EQ(panel->Y(), 295);

    toggle->OnChange(toggle);  // still checked: the panel stays up
    clock.Run(1.05);
    EXPECT_EQ(panel->Y(), 295);
    ClickOn(u"CustomInstallSwitch");
    clock.Run(1.05);
    EXPECT_EQ(panel->Y(), 368);
}

TEST_F(MainFormTest, BrowsingAppendsOneEntryThenReplacesItAndSelectsIt) {
    Load();
    RunIntro();
    ClickOn(u"CustomInstallSwitch");
    clock.Run(1.05);
    auto* combo = Get<TSkinFMXComboBox>(u"DriveComboBox");
    auto* browse = Get(u"BrowseBtn");
    const std::u16string appData = u"C:\\Users\\Ann\\AppData\\Roaming\\Velnix";
    const std::u16string drives[] = {appData, u"Z:\\Velnix"};
    // Empty folders are used as they are; one holding files of its own gets a sub-folder "Velnix".
    system.AddFolder(appData);
    system.AddFolder(u"D:\\Tools 100%");
    system.AddFile(u"C:\\Users\\Ann\\Documents\\letter.txt");

    const struct {
        const char* what;
        const char16_t* answer;  // nullptr: the dialog was cancelled
        std::vector<std::u16string> expected;
        int selectBefore;
        int selected;
    } steps[] = {
        {"cancelled before anything was chosen", nullptr, {drives[0], drives[1]}, 1, 1},
        {"a folder equal to a drive entry is still appended", appData.c_str(), {drives[0], drives[1], appData}, 1, 2},
        {"a folder with files of its own shows the sub-folder that will be used",
         u"C:\\Users\\Ann\\Documents",
         {drives[0], drives[1], u"C:\\Users\\Ann\\Documents\\Velnix"},
         1,
         2},
        {"the second choice replaces the first and is selected",
         u"D:\\Tools 100%",
         {drives[0], drives[1], u"D:\\Tools 100%"},
         0,
         2},
        {"cancelled afterwards", nullptr, {drives[0], drives[1], u"D:\\Tools 100%"}, 0, 0},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        combo->SetItemIndex(step.selectBefore);
        if (step.answer != nullptr) window.answers.push_back(step.answer);
        ClickOn(u"BrowseBtn");
        EXPECT_EQ(combo->Items(), step.expected);
        EXPECT_EQ(combo->ItemIndex(), step.selected);
    }
    EXPECT_EQ(browse->Tag(), 1);
    ASSERT_EQ(window.titles.size(), 5u);
    EXPECT_EQ(U8(window.titles[0]), "Select Folder of Installtion");

    // The browsed folder is the target: its text and a backslash.
    combo->SetItemIndex(2);
    ClickOn(u"InstallButton");
    system.RunQueuedTasks();
    EXPECT_EQ(U8(state.InstallDir), "D:\\Tools 100%\\");
}

TEST_F(MainFormTest, PressesReachTheHandlerOfWhatLiesUnderThePointer) {
    Load();
    RunIntro();
    const struct {
        const char* what;
        ui::PointF at;
        ui::MouseButton button;
        int drags;
    } presses[] = {
        {"the logo", CentreOf(u"IconImage"), ui::MouseButton::Left, 1},
        {"the brand picture", CentreOf(u"BrandImage"), ui::MouseButton::Left, 1},
        {"the intro text", CentreOf(u"IntroLabel"), ui::MouseButton::Left, 1},
        {"the switch's label", CentreOf(u"CustomInstallLabel"), ui::MouseButton::Left, 1},
        {"the bare background with the right button", {40, 300}, ui::MouseButton::Right, 1},
        {"the middle button", {40, 300}, ui::MouseButton::Middle, 1},
        {"the transparent margin", {3, 3}, ui::MouseButton::Left, 0},
        {"the install button", CentreOf(u"InstallButton"), ui::MouseButton::Right, 0},
        {"the switch", CentreOf(u"CustomInstallSwitch"), ui::MouseButton::Right, 0},
    };
    for (const auto& p : presses) {
        const int before = host->windowDrags;
        host->MouseDown(p.at.x, p.at.y, p.button);
        host->MouseUp(p.at.x, p.at.y, p.button);
        EXPECT_EQ(host->windowDrags - before, p.drags) << p.what;
    }
    EXPECT_EQ(system.QueuedTasks(), 0u);  // right-button presses are no clicks
    EXPECT_TRUE(window.endCodes.empty());

    // The close button ends the process, also while the installation runs.
    ClickOn(u"InstallButton");
    ClickOn(u"CloseBtn");
    EXPECT_EQ(window.endCodes, std::vector<uint32_t>{0});
    EXPECT_EQ(host->windowDrags, 6);
}

TEST_F(MainFormTest, ButtonsAndTheSwitchShowTheirStatesInTheWindowsColours) {
    Load();
    RunIntro();
    // What a control paints, as one text of drawing calls.
    auto painted = [&](std::u16string_view name) {
        ui::RecordingCanvas canvas;
        Get(name)->PaintTree(canvas, ui::PaintEffects::Without);
        std::string all;
        for (const std::string& call : canvas.calls) all += call + "\n";
        return all;
    };
    auto has = [](const std::string& calls, const std::string& what) { return calls.find(what) != std::string::npos; };
    const ui::PointF away{40, 300};
    const struct {
        const char16_t* button;
        const char* restFill;
        const char *hoverFill, *hoverBorder;
        const char *downFill, *downBorder, *downFont;
    } buttons[] = {
        {u"InstallButton", "solid:FF0092CA", "solid:FF0089BF", "stroke=FF0090C9", "solid:FF0077A6", "stroke=FF0077A6",
         "color=CEFFFFFF"},
        {u"CloseBtn", "solid:00000000", "solid:FFC5C5C5", nullptr, "solid:FFC0C0C0", nullptr, nullptr},
    };
    for (const auto& b : buttons) {
        SCOPED_TRACE(U8(b.button));
        const ui::PointF at = CentreOf(b.button);
        std::string calls = painted(b.button);
        EXPECT_FALSE(has(calls, b.hoverFill)) << calls;
        host->MouseMove(at.x, at.y);
        calls = painted(b.button);
        EXPECT_TRUE(has(calls, b.hoverFill)) << calls;
        if (b.hoverBorder) EXPECT_TRUE(has(calls, b.hoverBorder)) << calls;
        host->MouseDown(at.x, at.y);
        calls = painted(b.button);
        EXPECT_TRUE(has(calls, b.downFill)) << calls;  // the press wins over the hover
        if (b.downBorder) EXPECT_TRUE(has(calls, b.downBorder)) << calls;
        if (b.downFont) EXPECT_TRUE(has(calls, b.downFont)) << calls;
        // Released elsewhere: no click, back at rest.
        host->MouseMove(away.x, away.y);
        host->MouseUp(away.x, away.y);
        calls = painted(b.button);
        EXPECT_FALSE(has(calls, b.hoverFill) || has(calls, b.downFill)) << calls;
        if (b.restFill != std::string("solid:00000000")) EXPECT_TRUE(has(calls, b.restFill)) << calls;
    }
    EXPECT_EQ(system.QueuedTasks(), 0u);
    EXPECT_TRUE(window.endCodes.empty());

    // The switch's track: grey at rest, lighter under the pointer, the accent colour while on, hovered or not.
    EXPECT_TRUE(has(painted(u"CustomInstallSwitch"), "solid:FF1D1D1D")) << painted(u"CustomInstallSwitch");
    const ui::PointF at = CentreOf(u"CustomInstallSwitch");
    host->MouseMove(at.x, at.y);
    EXPECT_TRUE(has(painted(u"CustomInstallSwitch"), "solid:FF2A2A2A")) << painted(u"CustomInstallSwitch");
    host->Click(at.x, at.y);
    EXPECT_TRUE(has(painted(u"CustomInstallSwitch"), "solid:FF0092CA")) << painted(u"CustomInstallSwitch");
    host->MouseMove(away.x, away.y);
    EXPECT_TRUE(has(painted(u"CustomInstallSwitch"), "solid:FF0092CA")) << painted(u"CustomInstallSwitch");

    // The folder list, once the switch has brought it up: lighter under the pointer; a press opens its list
    // and leaves the focus where it was.
    clock.Run(1.05);
    auto* combo = Get<TSkinFMXComboBox>(u"DriveComboBox");
    EXPECT_TRUE(has(painted(u"DriveComboBox"), "solid:FF2F2F2F")) << painted(u"DriveComboBox");
    const ui::PointF over = CentreOf(u"DriveComboBox");
    host->MouseMove(over.x, over.y);
    EXPECT_TRUE(has(painted(u"DriveComboBox"), "solid:FF353535")) << painted(u"DriveComboBox");
    host->MouseDown(over.x, over.y);
    EXPECT_TRUE(combo->IsDroppedDown());
    EXPECT_EQ(form->Focused(), nullptr);
    combo->CloseDropDown();
    host->MouseMove(away.x, away.y);
    EXPECT_TRUE(has(painted(u"DriveComboBox"), "solid:FF2F2F2F")) << painted(u"DriveComboBox");
}

// A recording canvas that also keeps where bitmaps land in the form's coordinates.
class PlacingCanvas : public ui::RecordingCanvas {
public:
    explicit PlacingCanvas(float scale = 1) : ui::RecordingCanvas(scale) {}
    void DrawBitmap(const ui::Bitmap& bitmap, const ui::RectF& source, const ui::RectF& dest, float opacity,
                    ui::BitmapSampling sampling) override {
        const ui::PointF topLeft = GetMatrix().Apply(dest.TopLeft());
        placed.push_back(
            {bitmap.Width(), {topLeft.x, topLeft.y, topLeft.x + dest.Width(), topLeft.y + dest.Height()}, opacity});
        ui::RecordingCanvas::DrawBitmap(bitmap, source, dest, opacity, sampling);
    }
    struct Placed {
        int width;
        ui::RectF rect;
        float opacity;
    };
    std::vector<Placed> placed;
};

TEST_F(MainFormTest, ThePicturesAreDrawnWhereTheIntroLeavesThem) {
    // Distinct widths tell the pictures apart; the logo pictures come in double size for high scales.
    graphics.resources = {{u"bg", ui::RecordingGraphics::EncodeTestImage(640, 360)},
                          {u"brand", ui::RecordingGraphics::EncodeTestImage(300, 78)},
                          {u"logo", ui::RecordingGraphics::EncodeTestImage(100, 158)},
                          {u"logo2", ui::RecordingGraphics::EncodeTestImage(101, 158)},
                          {u"logo_2x", ui::RecordingGraphics::EncodeTestImage(200, 316)}};
    Load();
    RunIntro();
    PlacingCanvas canvas;
    host->Paint(canvas);
    auto find = [&](int width) -> const PlacingCanvas::Placed* {
        for (const auto& p : canvas.placed) {
            if (p.width == width) return &p;
        }
        return nullptr;
    };
    ASSERT_NE(find(640), nullptr);
    EXPECT_EQ(find(640)->rect, (ui::RectF{8, 8, 648, 368}));
    ASSERT_NE(find(300), nullptr);
    EXPECT_EQ(find(300)->rect, (ui::RectF{58, 78, 358, 156}));
    ASSERT_NE(find(100), nullptr);
    EXPECT_EQ(find(100)->rect, (ui::RectF{458, 98, 558, 256}));
    ASSERT_NE(find(101), nullptr);  // logo2 fitted into 100 x 158, centred
    EXPECT_NEAR(find(101)->rect.Width(), 100, 1e-3);
    EXPECT_EQ(find(101)->opacity, 1);
    // The progress bar paints nothing while its position is 0; the folder chooser is clipped by the background.
    EXPECT_EQ(canvas.placed.size(), 4u);

    // On a 200 % screen the double-size logo is drawn into the same place.
    skin::SetScreenScale(2);
    Load();
    RunIntro();
    PlacingCanvas doubled(2);
    host->Paint(doubled);
    bool drewDouble = false;
    for (const auto& p : doubled.placed) {
        if (p.width == 200) {
            drewDouble = true;
            EXPECT_EQ(p.rect, (ui::RectF{458, 98, 558, 256}));
        }
    }
    EXPECT_TRUE(drewDouble);
}

}  // namespace
}  // namespace app
