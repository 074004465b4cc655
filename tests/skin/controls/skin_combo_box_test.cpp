#include "skin/controls/skin_combo_box.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls_test_support.h"
#include "skin/controls/combo_box_material.h"
#include "skin/controls/combo_box_type.h"
#include "skin/core/lang.h"
#include "skin/core/skin_error.h"
#include "skin/core/skin_string_list.h"
#include "skin/draw/draw_rect_param.h"
#include "skin/draw/draw_text_param.h"
#include "ui/class_registry.h"
#include "ui/style_element.h"

namespace skin::testing {
namespace {

// The installer's folder list: 464 x 30 at (10, 10) with a background, a normal picture (20 x 20), an arrow
// (8 x 8) and a help text.
class ComboBoxTest : public ControlsTest {
protected:
    ComboBoxTest() {
        combo = Make<TSkinFMXComboBox>(10, 10, 464, 30);
        combo->SetName(u"DriveComboBox");
        TSkinComboBoxDefaultMaterial& m = *combo->Material();
        m.SetIsTransparent(false);
        m.DrawBackColorParam().SetIsFill(true);
        GivePixels(m.NormalPicture(), 20, 20);
        GivePixels(m.ArrowPicture(), 8, 8);
        combo->ApplyStyleLookup();
    }
    // The kinds of the drawing calls of the face (canvas state calls left out), and the texts drawn.
    std::vector<std::string> Face() {
        std::vector<std::string> kinds;
        for (const std::string& kind : CallKinds(FaceCalls())) {
            if (kind != "SaveState" && kind != "RestoreState" && kind != "SetMatrix" && kind != "IntersectClipRect") {
                kinds.push_back(kind);
            }
        }
        return kinds;
    }
    std::vector<std::string> FaceCalls() {
        std::vector<std::string> calls = PaintTree(*combo);
        return calls;
    }
    std::vector<std::string> Texts() {
        std::vector<std::string> texts;
        for (const std::string& call : FaceCalls()) {
            if (call.rfind("TextLayout", 0) != 0 && call.rfind("FillText", 0) != 0) continue;
            const size_t open = call.find('\'');
            texts.push_back(call.substr(open + 1, call.find('\'', open + 1) - open - 1));
        }
        return texts;
    }

    TSkinFMXComboBox* combo = nullptr;
};

TEST_F(ComboBoxTest, NewComboBoxPaintsItsFaceOnTheStyle) {
    TSkinFMXComboBox fresh;
    EXPECT_EQ(fresh.Width(), 100);
    EXPECT_EQ(fresh.Height(), 22);
    EXPECT_EQ(fresh.ItemIndex(), -1);
    EXPECT_EQ(fresh.Prop().GetComponentClassify(), u"SkinComboBox");
    EXPECT_EQ(fresh.GetSkinControlType()->ClassName(), u"TSkinComboBoxDefaultType");

    ASSERT_NE(combo->BackgroundElement(), nullptr);
    EXPECT_EQ(combo->FindStyleElement(u"arrowglyph"), nullptr) << "the framework's arrow is gone";
    EXPECT_EQ(Face(), (std::vector<std::string>{"FillRect", "DrawBitmap 20x20", "DrawBitmap 8x8"}));
    combo->Prop().SetHelpText(u"Choose a folder");
    EXPECT_EQ(Texts(), (std::vector<std::string>{"Choose a folder"}));
}

TEST_F(ComboBoxTest, SelectedTextReplacesTheHelpText) {
    combo->Prop().SetHelpText(u"Choose a folder");
    combo->SetItems({u"C:\\Velnix", u"Z:\\Velnix"});
    combo->SetItemIndex(1);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"Z:\\Velnix"}));
    combo->SetItemIndex(-1);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"Choose a folder"}));
}

TEST_F(ComboBoxTest, DefaultStyleKeepsTheFrameworkLookAndCanBeTurnedOffAgain) {
    combo->SetItems({u"C:\\Velnix"});
    combo->SetItemIndex(0);
    combo->SetIsUseDefaultStyle(true);
    EXPECT_EQ(combo->BackgroundElement(), nullptr);
    EXPECT_TRUE(CallsWith(FaceCalls(), "DrawBitmap").empty());
    EXPECT_EQ(CallsWith(FaceCalls(), "FillText").size(), 1u) << "the framework paints the selected item";
    EXPECT_NE(combo->FindStyleElement(u"arrowglyph"), nullptr);
    combo->SetIsUseDefaultStyle(false);
    ASSERT_NE(combo->BackgroundElement(), nullptr);
    EXPECT_TRUE(CallsWith(FaceCalls(), "FillText").empty());
    EXPECT_EQ(CallsWith(FaceCalls(), "DrawBitmap 20x20").size(), 1u);
}

TEST_F(ComboBoxTest, StatePictures) {
    TSkinComboBoxDefaultMaterial& m = *combo->Material();
    GivePixels(m.HoverPicture(), 21, 21);
    GivePixels(m.FocusedPicture(), 22, 22);
    struct Case {
        const char* name;
        bool enabled, over, focused, disabledPicture;
        bool interactive;
        const char* expected;
    };
    const Case cases[] = {
        {"normal", true, false, false, false, true, "20x20"},
        {"hover", true, true, false, false, true, "21x21"},
        {"focus before hover", true, true, true, false, true, "22x22"},
        {"hover, not interactive", true, true, false, false, false, "20x20"},
        {"disabled without its picture", false, true, false, false, true, "20x20"},
        {"disabled", false, true, false, true, true, "23x23"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.disabledPicture) GivePixels(m.DisabledPicture(), 23, 23);
        combo->SetEnabled(c.enabled);
        combo->SetIsMouseOver(c.over);
        if (c.focused) {
            ASSERT_TRUE(combo->SetFocus());
        } else {
            combo->ResetFocus();
        }
        const std::vector<std::string> bitmaps = CallsWith(PaintType(*combo, c.interactive), "DrawBitmap");
        ASSERT_EQ(bitmaps.size(), 2u);
        EXPECT_TRUE(Contains(bitmaps[0], std::string("DrawBitmap ") + c.expected)) << bitmaps[0];
    }
}

TEST_F(ComboBoxTest, TextValueAndPostedValue) {
    combo->SetItems({u"One", u"Two", u"Three"});
    combo->Values().Add(u"1");
    combo->Values().Add(u"2");
    struct Case {
        const char* name;
        int index;
        std::u16string text, value, posted;
    };
    const Case cases[] = {
        {"nothing selected", -1, u"", u"", u""},
        {"with a value", 1, u"Two", u"2", u"2"},
        {"values shorter than items", 2, u"Three", u"", u"Three"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        combo->SetItemIndex(c.index);
        EXPECT_EQ(combo->Text(), c.text);
        EXPECT_EQ(combo->Value(), c.value);
        EXPECT_EQ(combo->GetPostValue(), c.posted);
    }
    combo->SetValue(u"1");
    EXPECT_EQ(combo->ItemIndex(), 0);
    combo->SetValue(u"9");
    EXPECT_EQ(combo->ItemIndex(), -1);
    combo->SetText(u"Three");
    EXPECT_EQ(combo->ItemIndex(), 2);
    combo->SetControlValue(u"Two");
    EXPECT_EQ(combo->ItemIndex(), -1) << "the value wins over the caption and may select nothing";
    combo->SetControlValue(u"2");
    EXPECT_EQ(combo->ItemIndex(), 1);
}

TEST_F(ComboBoxTest, FieldOptionsFillValuesAndItems) {
    combo->SetItems({u"x"});
    combo->SetItemIndex(0);
    combo->LoadFieldOptions(u"a,b,\"c d\"", u"Alpha,Beta,\"Gamma, \"\"Delta\"\"\"");
    EXPECT_EQ(combo->Items(), (std::vector<std::u16string>{u"Alpha", u"Beta", u"Gamma, \"Delta\""}));
    EXPECT_EQ(combo->Values().Strings(), (std::vector<std::u16string>{u"a", u"b", u"c d"}));
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(SplitCommaText(u"a b,,c"), (std::vector<std::u16string>{u"a", u"b", u"", u"c"}));
}

TEST_F(ComboBoxTest, PressOpensTheListAndLeavesTheFaceReleased) {
    combo->SetItems({u"C:\\Velnix", u"Z:\\Velnix"});
    std::vector<std::string> events;
    combo->OnCustomMouseDown = [&](ui::Object*, ui::MouseButton, ui::ShiftState, float, float) {
        events.push_back("down");
    };
    combo->OnCustomMouseUp = [&](ui::Object*, ui::MouseButton, ui::ShiftState, float, float) {
        events.push_back("up");
    };
    host.MouseDown(100, 20);
    EXPECT_TRUE(combo->IsDroppedDown());
    EXPECT_FALSE(combo->GetIsMouseDown());
    EXPECT_FALSE(SkinMouseIsDown);
    EXPECT_EQ(events, (std::vector<std::string>{"down", "up"}));
    EXPECT_FALSE(combo->GetSkinControlType()->GetCurrentEffectStates().Contains(TDPEffectState::dpstMouseDown));
}

TEST_F(ComboBoxTest, LanguagesCoverItemsAndHelpText) {
    combo->SetItems({u"Desktop", u"", u"Documents"});
    combo->Prop().SetHelpText(u"Choose");
    TLang lang;
    combo->RecordControlLangIndex(u"Main.", lang, u"en");
    EXPECT_EQ(lang.GetValue(u"Main.DriveComboBox.Items[0]", u"en"), u"Desktop");
    EXPECT_FALSE(lang.HasKey(u"Main.DriveComboBox.Items[1]"));
    EXPECT_EQ(lang.GetValue(u"Main.DriveComboBox.Items[2]", u"en"), u"Documents");
    EXPECT_EQ(lang.GetValue(u"Main.DriveComboBox.HelpText", u"en"), u"Choose");
    lang.SetValue(u"Main.DriveComboBox.Items[2]", u"zh", u"文档");
    lang.SetValue(u"Main.DriveComboBox.HelpText", u"zh", u"选择");
    combo->TranslateControlLang(u"Main.", lang, u"zh");
    EXPECT_EQ(combo->Items(), (std::vector<std::u16string>{u"Desktop", u"", u"文档"}));
    EXPECT_EQ(combo->Prop().HelpText(), u"选择");
}

TEST_F(ComboBoxTest, RegistrationAndInterfaceCheck) {
    ui::ClassRegistry registry;
    RegisterComboBoxClasses(registry);
    EXPECT_EQ(registry.Create(u"TSkinFMXComboBox")->ClassName(), u"TSkinFMXComboBox");
    EXPECT_EQ(registry.Create(u"TSkinComboBoxDefaultMaterial")->ClassName(), u"TSkinComboBoxDefaultMaterial");
    TSkinFireMonkeyControl plain;
    TSkinComboBoxDefaultType type;
    try {
        type.Bind(plain);
        FAIL() << "bound to a control that is no combo box";
    } catch (const SkinError& e) {
        EXPECT_STREQ(e.what(), "This Component Do not Support ISkinComboBox Interface");
    }
}

}  // namespace
}  // namespace skin::testing
