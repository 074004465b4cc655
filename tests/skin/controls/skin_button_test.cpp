#include "skin/controls/skin_button.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "controls_test_support.h"
#include "skin/controls/button_group.h"
#include "skin/controls/button_material.h"
#include "skin/controls/button_type.h"
#include "skin/core/control_type_registry.h"
#include "skin/core/lang.h"
#include "skin/core/skin_error.h"
#include "skin/draw/draw_param.h"
#include "skin/draw/draw_picture_param.h"
#include "skin/draw/draw_rect_setting.h"
#include "skin/draw/draw_text_param.h"
#include "ui/class_registry.h"
#include "ui/text.h"

namespace skin::testing {
namespace {

class ButtonTest : public ControlsTest {
protected:
    TSkinFMXButton* MakeButton(ui::Control* parent = nullptr, float x = 10, float y = 10) {
        return Make<TSkinFMXButton>(x, y, 100, 40, parent);
    }
    static TSkinButtonDefaultMaterial& MaterialOf(TSkinFMXButton& button) { return *button.Material(); }
};

TEST_F(ButtonTest, NewButtonHasItsDefaultsTypeAndMaterial) {
    TSkinFMXButton button;
    EXPECT_EQ(button.Width(), 100);
    EXPECT_EQ(button.Height(), 40);
    EXPECT_FALSE(button.Prop().IsPushed());
    EXPECT_FALSE(button.Prop().IsAutoPush());
    EXPECT_EQ(button.Prop().ButtonIndex(), -1);
    EXPECT_EQ(button.Prop().PushedGroupIndex(), 0);
    EXPECT_EQ(button.Prop().GetComponentClassify(), u"SkinButton");
    ASSERT_NE(button.GetSkinControlType(), nullptr);
    EXPECT_EQ(button.GetSkinControlType()->ClassName(), u"TSkinButtonDefaultType");

    TSkinButtonDefaultMaterial* material = button.Material();
    ASSERT_NE(material, nullptr);
    std::vector<std::u16string> params;
    for (int i = 0; i < material->DrawParamCount(); ++i) params.push_back(material->DrawParam(i)->Name());
    EXPECT_EQ(params, (std::vector<std::u16string>{u"DrawBackColorParam", u"DrawHelpTextParam", u"DrawCaptionParam",
                                                   u"DrawDetailParam", u"DrawDetail1Param", u"DrawIconParam",
                                                   u"DrawPictureParam"}));
    std::vector<std::u16string> pictures;
    for (int i = 0; i < material->DrawPictureCount(); ++i) pictures.push_back(material->DrawPicture(i)->Name);
    EXPECT_EQ(pictures, (std::vector<std::u16string>{u"NormalPicture", u"HoverPicture", u"DownPicture",
                                                     u"DisabledPicture", u"FocusedPicture", u"PushedPicture"}));
    EXPECT_EQ(material->DrawHelpTextParam().FontColor(), 0xFF808080u);
    EXPECT_TRUE(material->HasMouseDownEffect());
    EXPECT_TRUE(material->HasMouseOverEffect());
}

TEST_F(ButtonTest, ThreeTypeNamesPaintAlikeAndTheLayoutClassesAreRegistered) {
    for (std::u16string_view name : {u"Default", u"Normal", u"NormalPushed"}) {
        SCOPED_TRACE(ui::Utf16ToUtf8(name));
        EXPECT_EQ(ControlTypeRegManager().FindControlTypeClassByControlTypeName(u"SkinButton", name),
                  (&SkinClassOf<TSkinControlType, TSkinButtonDefaultType>()));
        EXPECT_EQ(ControlTypeRegManager().FindMaterialClassByControlTypeName(u"SkinButton", name),
                  (&SkinClassOf<TSkinControlMaterial, TSkinButtonDefaultMaterial>()));
    }
    EXPECT_EQ(ControlTypeRegManager().FindDefaultControlTypeName(u"SkinButton"), u"Default");
    ui::ClassRegistry registry;
    RegisterButtonClasses(registry);
    EXPECT_EQ(registry.Create(u"TSkinFMXButton")->ClassName(), u"TSkinFMXButton");
    EXPECT_EQ(registry.Create(u"TSkinButtonDefaultMaterial")->ClassName(), u"TSkinButtonDefaultMaterial");
}

TEST_F(ButtonTest, TypeAndPropertiesRefuseAControlThatIsNoButton) {
    TSkinFireMonkeyControl plain;
    TSkinButtonDefaultType type;
    try {
        type.Bind(plain);
        FAIL() << "bound to a control that is no button";
    } catch (const SkinError& e) {
        EXPECT_STREQ(e.what(), "This Component Do not Support ISkinButton Interface");
    }
    TButtonProperties properties(plain);
    EXPECT_THROW(properties.SkinButtonIntf(), SkinError);
}

// Each state picture has its own size, so the drawn bitmap tells which was chosen.
enum Picture { kNormal = 1, kHover = 2, kDown = 4, kDisabled = 8, kFocused = 16, kPushed = 32 };
int SizeOf(int picture) {
    switch (picture) {
        case kNormal:
            return 10;
        case kHover:
            return 11;
        case kDown:
            return 12;
        case kDisabled:
            return 13;
        case kFocused:
            return 14;
        default:
            return 15;
    }
}

TEST_F(ButtonTest, StatePictureFollowsTheOrderAndFallbacks) {
    struct Case {
        const char* name;
        bool enabled, down, over, pushed, focused, interactive;
        int present;   // pictures that hold an image
        int expected;  // the picture drawn, 0 for none
    };
    const int all = kNormal | kHover | kDown | kDisabled | kFocused | kPushed;
    const Case cases[] = {
        {"normal", true, false, false, false, false, true, all, kNormal},
        {"disabled wins over everything", false, true, true, true, true, true, all, kDisabled},
        {"down", true, true, true, true, true, true, all, kDown},
        {"over", true, false, true, true, true, true, all, kHover},
        {"pushed before focused", true, false, false, true, true, true, all, kPushed},
        {"focused", true, false, false, false, true, true, all, kFocused},
        {"hover without interactive shows normal", true, false, true, false, false, false, all, kNormal},
        {"hover without interactive shows pushed when pushed", true, false, true, true, false, false, all, kPushed},
        {"focused without interactive", true, false, false, false, true, false, all, kNormal},
        {"empty down falls back to focused", true, true, false, false, true, true, all & ~kDown, kFocused},
        {"empty hover falls back to pushed", true, false, true, true, false, true, all & ~kHover, kPushed},
        {"disabled empty, pushed", false, false, false, true, false, true, all & ~kDisabled, kPushed},
        {"disabled empty, not pushed", false, false, false, false, false, true, all & ~kDisabled, kNormal},
        {"pushed empty falls back to normal", true, false, false, true, false, true, kNormal, kNormal},
        {"nothing at all", true, false, false, false, false, true, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TSkinFMXButton* button = MakeButton();
        button->SetCanFocus(true);
        TSkinButtonDefaultMaterial& m = MaterialOf(*button);
        const std::pair<int, TDrawPicture*> pictures[] = {
            {kNormal, &m.NormalPicture()},     {kHover, &m.HoverPicture()},     {kDown, &m.DownPicture()},
            {kDisabled, &m.DisabledPicture()}, {kFocused, &m.FocusedPicture()}, {kPushed, &m.PushedPicture()}};
        for (auto [flag, picture] : pictures) {
            if ((c.present & flag) != 0) GivePixels(*picture, SizeOf(flag), SizeOf(flag));
        }
        button->SetEnabled(c.enabled);
        button->SetIsMouseDown(c.down);
        button->SetIsMouseOver(c.over);
        button->Prop().StaticSetIsPushed(c.pushed);
        if (c.focused && c.enabled) {
            ASSERT_TRUE(button->SetFocus());
        }
        const std::vector<std::string> bitmaps = CallsWith(PaintType(*button, c.interactive), "DrawBitmap");
        if (c.expected == 0) {
            EXPECT_TRUE(bitmaps.empty());
        } else {
            ASSERT_EQ(bitmaps.size(), 1u);
            const std::string size = std::to_string(SizeOf(c.expected));
            EXPECT_TRUE(Contains(bitmaps[0], "DrawBitmap " + size + "x" + size)) << bitmaps[0];
        }
        button->ResetFocus();
    }
}

TEST_F(ButtonTest, PushedStateJoinsTheEffectStates) {
    TSkinFMXButton* button = MakeButton();
    TSkinControlType& type = *button->GetSkinControlType();
    button->Prop().StaticSetIsPushed(true);
    EXPECT_EQ(type.GetCurrentEffectStates(), (TDPEffectStates{TDPEffectState::dpstPushed}));
    button->SetIsMouseOver(true);
    button->SetEnabled(false);
    EXPECT_EQ(type.GetCurrentEffectStates(),
              (TDPEffectStates{TDPEffectState::dpstDisabled, TDPEffectState::dpstPushed}));
}

TEST_F(ButtonTest, ClickTogglesPushOnlyWithAutoPushAndBeforeOnClick) {
    TSkinFMXButton* button = MakeButton();
    std::vector<bool> seen;
    button->OnClick = [&](ui::Object*) { seen.push_back(button->Prop().IsPushed()); };
    host.Click(20, 20);
    button->Prop().SetIsAutoPush(true);
    host.Click(20, 20);
    host.Click(20, 20);
    EXPECT_EQ(seen, (std::vector<bool>{false, true, false}));
}

TEST_F(ButtonTest, PressReleasedOutsideIsNoClick) {
    TSkinFMXButton* button = MakeButton();
    int clicks = 0;
    button->OnClick = [&](ui::Object*) { ++clicks; };
    host.MouseDown(20, 20);
    host.MouseMove(300, 200);
    host.MouseUp(300, 200);
    EXPECT_EQ(clicks, 0);
    EXPECT_FALSE(button->GetIsMouseDown());
}

TEST_F(ButtonTest, PushGroupsReleaseRivalsUnderTheSameParentOnly) {
    ui::Control* other = Make<ui::Control>(0, 200, 400, 100);
    TSkinFMXButton* a = MakeButton();
    TSkinFMXButton* b = MakeButton();
    TSkinFMXButton* c = MakeButton();
    TSkinFMXButton* group2 = MakeButton();
    TSkinFMXButton* noGroup = MakeButton();
    TSkinFMXButton* elsewhere = MakeButton(other);
    for (TSkinFMXButton* button : {a, b, c, elsewhere}) button->Prop().SetPushedGroupIndex(1);
    group2->Prop().SetPushedGroupIndex(2);
    group2->Prop().SetIsPushed(true);
    noGroup->Prop().SetIsPushed(true);
    elsewhere->Prop().SetIsPushed(true);

    a->Prop().SetIsPushed(true);
    b->Prop().SetIsPushed(true);
    EXPECT_FALSE(a->Prop().IsPushed());
    EXPECT_TRUE(b->Prop().IsPushed());
    b->Prop().SetIsPushed(false);
    EXPECT_TRUE(b->Prop().IsPushed()) << "a pushed button with rivals stays pushed";
    EXPECT_FALSE(c->Prop().IsPushed());
    EXPECT_TRUE(group2->Prop().IsPushed());
    EXPECT_TRUE(noGroup->Prop().IsPushed());
    EXPECT_TRUE(elsewhere->Prop().IsPushed()) << "same index under another parent is no rival";
    elsewhere->Prop().SetIsPushed(false);
    EXPECT_FALSE(elsewhere->Prop().IsPushed()) << "a button without rivals can be released";
}

TEST_F(ButtonTest, CopyingPropertiesCopiesThePushStateWithoutReleasingRivals) {
    TSkinFMXButton* a = MakeButton();
    TSkinFMXButton* b = MakeButton();
    TSkinFMXButton source;
    for (TSkinFMXButton* button : {a, b, &source}) button->Prop().SetPushedGroupIndex(1);
    a->Prop().SetIsPushed(true);
    source.Prop().SetIsPushed(true);
    source.Prop().SetIsAutoPush(true);
    source.Prop().SetHelpText(u"help");
    b->Prop().Assign(source.Prop());
    EXPECT_TRUE(a->Prop().IsPushed());
    EXPECT_TRUE(b->Prop().IsPushed());
    EXPECT_TRUE(b->Prop().IsAutoPush());
    EXPECT_EQ(b->Prop().HelpText(), u"") << "the help text is not copied";
}

// A drawing rectangle 100 wide, an icon 16 wide and a caption measuring 40 (8 letters at font size 10).
class ButtonCentringTest : public ButtonTest {
protected:
    ButtonCentringTest() {
        button = MakeButton();
        material = &MaterialOf(*button);
        material->SetIsAutoCenterIconAndCaption(true);
        material->DrawCaptionParam().SetFontSize(10);
    }
    void WithIcon() { GivePixels(button->Prop().Icon(), 16, 16); }
    // The drawn icon and the caption's layout.
    std::pair<std::string, std::string> Drawn() {
        const std::vector<std::string> calls = PaintType(*button);
        const std::vector<std::string> icons = CallsWith(calls, "DrawBitmap 16x16");
        const std::vector<std::string> texts = CallsWith(calls, "'Install!'");
        return {icons.size() == 1 ? icons[0] : "", texts.size() == 1 ? texts[0] : ""};
    }
    TSkinFMXButton* button = nullptr;
    TSkinButtonDefaultMaterial* material = nullptr;
};

TEST_F(ButtonCentringTest, IconAndCaptionAreCentredAsOneBlock) {
    WithIcon();
    button->SetCaption(u"Install!");
    std::string icon;
    std::string caption;
    std::tie(icon, caption) = Drawn();
    EXPECT_TRUE(Contains(icon, "-> 22,0,38,16")) << icon;
    EXPECT_TRUE(Contains(caption, "TextLayout 38,0")) << caption;
    material->DrawIconParam().SetPictureHorzAlign(TPictureHorzAlign::phaRight);
    std::tie(icon, caption) = Drawn();
    EXPECT_TRUE(Contains(icon, "-> 62,0,78,16")) << icon;
    EXPECT_TRUE(Contains(caption, "TextLayout 22,0")) << caption;
}

TEST_F(ButtonCentringTest, LoneIconOrCaptionIsCentredForThePaintOnly) {
    WithIcon();
    const std::vector<std::string> icons = CallsWith(PaintType(*button), "DrawBitmap 16x16");
    ASSERT_EQ(icons.size(), 1u);
    EXPECT_TRUE(Contains(icons[0], "-> 42,")) << icons[0];
    EXPECT_EQ(material->DrawIconParam().PictureHorzAlign(), TPictureHorzAlign::phaLeft);

    button->Prop().Icon().SetEmpty();
    button->SetCaption(u"Install!");
    const size_t beforePaint = host.invalidated.size();
    const std::vector<std::string> texts = CallsWith(PaintType(*button), "'Install!'");
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_TRUE(Contains(texts[0], "center/")) << texts[0];
    EXPECT_EQ(material->DrawCaptionParam().FontHorzAlign(), TFontHorzAlign::fhaLeft);
    EXPECT_EQ(host.invalidated.size(), beforePaint) << "the paint's own alignment change asks for no repaint";
}

TEST_F(ButtonTest, TextsDetailsAndHelpText) {
    struct Case {
        const char* caption;
        const char* helpText;
        std::vector<std::string> texts;
    };
    const Case cases[] = {
        {"", "Pick one", {"'D'", "'D1'", "'Pick one'"}},
        {"Go", "Pick one", {"'Go'", "'D'", "'D1'"}},
        {"Go", "", {"'Go'", "'D'", "'D1'"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        TSkinFMXButton* button = MakeButton();
        button->SetDetail(u"D");
        button->SetDetail1(u"D1");
        button->SetCaption(ui::Utf8ToUtf16(c.caption));
        button->Prop().SetHelpText(ui::Utf8ToUtf16(c.helpText));
        std::vector<std::string> drawn;
        for (const std::string& call : CallsWith(PaintType(*button), "TextLayout")) {
            const size_t open = call.find('\'');
            drawn.push_back(call.substr(open, call.find('\'', open + 1) - open + 1));
        }
        EXPECT_EQ(drawn, c.texts);
    }
}

TEST_F(ButtonTest, PushedIconShowsWhilePushedUnlessEmpty) {
    TSkinFMXButton* button = MakeButton();
    GivePixels(button->Prop().Icon(), 16, 16);
    button->Prop().SetIsPushed(true);
    EXPECT_EQ(CallsWith(PaintType(*button), "DrawBitmap 16x16").size(), 1u);
    GivePixels(button->Prop().PushedIcon(), 17, 17);
    const std::vector<std::string> calls = PaintType(*button);
    EXPECT_EQ(CallsWith(calls, "DrawBitmap 17x17").size(), 1u);
    EXPECT_TRUE(CallsWith(calls, "DrawBitmap 16x16").empty());
}

TEST_F(ButtonTest, AutoSizeTakesTheCaptionWidthAndKeepsTheHeight) {
    struct Case {
        const char* name;
        double adjust;
        bool marginsEnabled;
        bool centred;
        double width;
    };
    // "Install!" at font size 10 measures 40.
    const Case cases[] = {
        {"text only", 0, false, false, 40},
        {"with adjustment", 6, false, false, 46},
        {"with margins", 0, true, false, 40 + 3 + 5},
        {"margins ignored while disabled, icon when centred", 0, false, true, 40 + 16},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TSkinFMXButton* button = MakeButton();
        TSkinButtonDefaultMaterial& m = MaterialOf(*button);
        m.DrawCaptionParam().SetFontSize(10);
        m.DrawCaptionParam().SetAutoSizeWidthAdjust(c.adjust);
        m.DrawCaptionParam().DrawRectSetting().SetMargins(3, 1, 5, 2);
        m.DrawCaptionParam().DrawRectSetting().SetEnabled(c.marginsEnabled);
        m.SetIsAutoCenterIconAndCaption(c.centred);
        GivePixels(button->Prop().Icon(), 16, 16);
        button->SetCaption(u"Install!");
        button->Prop().SetAutoSize(true);
        EXPECT_DOUBLE_EQ(button->Width(), c.width);
        EXPECT_EQ(button->Height(), 40);
        EXPECT_EQ(button->X(), 10);
    }
}

TEST_F(ButtonTest, CaptionChangeResizesAnAutoSizedButton) {
    TSkinFMXButton* button = MakeButton();
    button->Material()->DrawCaptionParam().SetFontSize(10);
    button->Prop().SetAutoSize(true);
    button->SetCaption(u"Go");
    EXPECT_EQ(button->Width(), 10);
    button->SetText(u"Update Now");
    EXPECT_EQ(button->Width(), 50);
}

// A button group that keeps a list, counts its layouts and offers a material.
class FakeButtonGroup : public ui::Control, public ISkinButtonGroup {
public:
    int ButtonCount() const override { return static_cast<int>(buttons.size()); }
    int IndexOfButton(const ui::Control& button) const override {
        for (size_t i = 0; i < buttons.size(); ++i)
            if (buttons[i] == &button) return static_cast<int>(i);
        return -1;
    }
    void AddButton(ui::Control& button) override { buttons.push_back(&button); }
    void RemoveButton(ui::Control& button) override { std::erase(buttons, &button); }
    void MoveButton(int from, int to) override {
        ui::Control* moved = buttons[static_cast<size_t>(from)];
        buttons.erase(buttons.begin() + from);
        buttons.insert(buttons.begin() + to, moved);
    }
    void ArrangeButtons() override { ++arranged; }
    TSkinButtonGroupMaterial* GetButtonGroupMaterial() override { return withMaterial ? &material : nullptr; }

    std::vector<ui::Control*> buttons;
    int arranged = 0;
    bool withMaterial = false;
    TSkinButtonGroupMaterial material;
};

TEST_F(ButtonTest, ButtonGroupMembershipAndPositions) {
    auto* group = Make<FakeButtonGroup>(0, 0, 300, 40);
    TSkinFMXButton* a = MakeButton();
    TSkinFMXButton* b = MakeButton();
    TSkinFMXButton* c = MakeButton();
    for (TSkinFMXButton* button : {a, b, c}) button->Prop().SetButtonGroup(group);
    EXPECT_EQ(a->Parent(), group);
    EXPECT_EQ(c->Prop().ButtonIndex(), 2);

    struct Case {
        int write;
        std::vector<ui::Control*> order;
    };
    const Case cases[] = {
        {0, {c, a, b}},  {3, {c, a, b}},  // past the end: ignored
        {-1, {c, a, b}},                  // negative: ignored, not moved out of the list
        {-7, {c, a, b}}, {2, {a, b, c}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.write);
        c->Prop().SetButtonIndex(k.write);
        EXPECT_EQ(group->buttons, k.order);
    }
    const int arranged = group->arranged;
    b->Prop().SetButtonGroup(nullptr);
    EXPECT_EQ(group->buttons, (std::vector<ui::Control*>{a, c}));
    EXPECT_EQ(b->Parent(), nullptr);
    EXPECT_EQ(b->Prop().ButtonIndex(), -1);
    EXPECT_EQ(group->arranged, arranged + 1);
    EXPECT_THROW(b->Prop().SetButtonGroup(&form), SkinError);
}

TEST_F(ButtonTest, ButtonInAGroupPaintsWithTheGroupsMaterialForItsPlace) {
    auto* group = Make<FakeButtonGroup>(0, 0, 300, 40);
    TSkinFMXButton* first = MakeButton();
    TSkinFMXButton* middle = MakeButton();
    TSkinFMXButton* last = MakeButton();
    for (TSkinFMXButton* button : {first, middle, last}) button->Prop().SetButtonGroup(group);
    EXPECT_EQ(first->GetSkinControlType()->GetPaintCurrentUseMaterial(), first->GetCurrentUseMaterial())
        << "a group without a material leaves the button's own";
    group->withMaterial = true;
    TSkinButtonGroupMaterial& m = group->material;
    struct Case {
        bool useFirst, useLast;
        TSkinButtonMaterial* first;
        TSkinButtonMaterial* last;
    };
    const Case cases[] = {
        {false, false, &m.MiddleButtonMaterial(), &m.MiddleButtonMaterial()},
        {true, true, &m.FirstButtonMaterial(), &m.LastButtonMaterial()},
    };
    for (const Case& c : cases) {
        m.IsUseFirstButtonMaterial = c.useFirst;
        m.IsUseLastButtonMaterial = c.useLast;
        EXPECT_EQ(first->GetSkinControlType()->GetPaintCurrentUseMaterial(), c.first);
        EXPECT_EQ(middle->GetSkinControlType()->GetPaintCurrentUseMaterial(), &m.MiddleButtonMaterial());
        EXPECT_EQ(last->GetSkinControlType()->GetPaintCurrentUseMaterial(), c.last);
    }
}

TEST_F(ButtonTest, DestroyedGroupIsForgotten) {
    auto* group = Make<FakeButtonGroup>(0, 0, 300, 40);
    TSkinFMXButton* button = MakeButton();
    button->Prop().SetButtonGroup(group);
    form.FreeComponent(group);
    EXPECT_EQ(button->Prop().ButtonGroup(), nullptr);
    EXPECT_EQ(button->Prop().ButtonIndex(), -1);
}

TEST_F(ButtonTest, LanguagesAndDataBindingUseCaptionDetailsAndHelpText) {
    TSkinFMXButton* button = MakeButton();
    button->SetName(u"InstallButton");
    button->SetCaption(u"Install Now");
    button->SetDetail(u"d");
    button->Prop().SetHelpText(u"h");
    TLang lang;
    button->RecordControlLangIndex(u"Main.", lang, u"en");
    EXPECT_EQ(lang.GetValue(u"Main.InstallButton.Caption", u"en"), u"Install Now");
    EXPECT_EQ(lang.GetValue(u"Main.InstallButton.Detail", u"en"), u"d");
    EXPECT_FALSE(lang.HasKey(u"Main.InstallButton.Detail1")) << "an empty text is not recorded";
    EXPECT_EQ(lang.GetValue(u"Main.InstallButton.HelpText", u"en"), u"h");
    lang.SetValue(u"Main.InstallButton.Caption", u"zh", u"立即安装");
    lang.SetValue(u"Main.InstallButton.HelpText", u"zh", u"帮助");
    button->TranslateControlLang(u"Main.", lang, u"zh");
    EXPECT_EQ(button->GetCaption(), u"立即安装");
    EXPECT_EQ(button->Detail(), u"d") << "no translation leaves the text";
    EXPECT_EQ(button->Prop().HelpText(), u"帮助");

    EXPECT_TRUE(button->LoadFromFieldControlSetting(u"Name"));
    EXPECT_EQ(button->GetPostValue(), u"Name");
    button->SetControlValue(u"42");
    EXPECT_EQ(button->GetCaption(), u"42");
}

}  // namespace
}  // namespace skin::testing
