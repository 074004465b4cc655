#include "skin/draw/draw_color.h"

#include <gtest/gtest.h>

#include "skin/draw/skin_theme.h"
#include "skin/draw/theme_colors.h"
#include "skin/persist/bt_doc20.h"
#include "tests/skin/draw/draw_test_support.h"

namespace skin {
namespace {

using T = TUseThemeColorType;
using testing::ChangeCounter;

// Tests that change the process-wide theme colours put them back.
class ThemeColorTest : public ::testing::Test {
protected:
    void TearDown() override { SkinThemeColors() = saved_; }

private:
    TSkinThemeColors saved_ = SkinThemeColors();
};

TEST_F(ThemeColorTest, StartValues) {
    const TSkinThemeColors start;
    EXPECT_EQ(start.SkinThemeColor, 0xFF0199FFu);
    EXPECT_EQ(start.SkinThemeColor1, 0xFF4DC060u);
    EXPECT_EQ(start.NavigationBarColor, 0xFF4DC060u);
    EXPECT_EQ(start.NavigationBarFontColor, 0xFF4DC060u);
    EXPECT_EQ(start.SkinThemeColor2, 0xFF0199FFu);
    EXPECT_EQ(start.SkinThemeColor3, 0xFFFFFFFFu);
    EXPECT_EQ(start.SkinPictureThemeColor, 0u);
}

TEST_F(ThemeColorTest, AColourFollowsItsThemeColourWithoutBeingToldAndItsOwnColourPlaysNoPart) {
    TSkinThemeColors& theme = SkinThemeColors();
    theme.SkinThemeColor = 0x11000001;
    theme.SkinThemeColor1 = 0x22000002;
    theme.NavigationBarColor = 0x33000003;
    theme.NavigationBarFontColor = 0x44000004;
    theme.SkinThemeColor2 = 0x55000005;
    theme.SkinThemeColor3 = 0x66000006;
    theme.SkinPictureThemeColor = 0x77000007;
    struct Case {
        T type;
        ui::AlphaColor shown;
    };
    const Case cases[] = {
        {T::ctNone, 0xFF123456},
        {T::ctThemeColor, 0x11000001},
        {T::ctThemeColor1, 0x22000002},
        {T::ctNavigationBarColor, 0x33000003},
        {T::ctNavigationBarFontColor, 0x44000004},
        {T::ctThemeColor2, 0x55000005},
        {T::ctThemeColor3, 0x66000006},
    };
    for (const Case& c : cases) {
        TDrawColor color(u"FillDrawColor", u"填充颜色", 0xFF123456);
        ChangeCounter changes;
        color.OnChange = changes.Handler();
        color.SetUseThemeColor(c.type);
        EXPECT_EQ(color.Color(), c.shown) << static_cast<int>(c.type);
        EXPECT_EQ(color.FColor, 0xFF123456u);
        changes.Take();

        // A new theme colour shows at the next read; nobody is told.
        theme.SkinThemeColor3 += 1;
        theme.NavigationBarColor += 1;
        EXPECT_EQ(changes.count, 0);
        if (c.type == T::ctThemeColor3 || c.type == T::ctNavigationBarColor) {
            EXPECT_EQ(color.Color(), c.shown + 1);
        } else {
            EXPECT_EQ(color.Color(), c.shown);
        }
        theme.SkinThemeColor3 -= 1;
        theme.NavigationBarColor -= 1;
    }
}

TEST(DrawColorTest, SettersStoreAndReportOnlyChangesButAlphaAlwaysReports) {
    TDrawColor color(u"BorderDrawColor", u"边框颜色");
    EXPECT_EQ(color.Name(), u"BorderDrawColor");
    EXPECT_EQ(color.Caption(), u"边框颜色");
    EXPECT_EQ(color.Color(), 0xFF000000u);
    ChangeCounter changes;
    color.OnChange = changes.Handler();

    color.SetColor(0xFF000000);
    EXPECT_EQ(changes.Take(), 0);
    color.SetColor(0x80FF0000);
    EXPECT_EQ(changes.Take(), 1);
    EXPECT_EQ(color.Alpha(), 0x80);

    color.SetAlpha(0x80);  // the same alpha still reports
    EXPECT_EQ(changes.Take(), 1);
    color.SetAlpha(0x40);
    EXPECT_EQ(changes.Take(), 1);
    EXPECT_EQ(color.FColor, 0x40FF0000u);

    color.SetUseThemeColor(T::ctNone);
    EXPECT_EQ(changes.Take(), 0);
    color.SetUseThemeColor(T::ctThemeColor2);
    EXPECT_EQ(changes.Take(), 1);
    // Alpha is the own colour's, whatever the theme.
    EXPECT_EQ(color.Alpha(), 0x40);
}

TEST(DrawColorTest, InitDefaultColorSetsTheColourAndTheDefaultALayoutLeavesOut) {
    TDrawColor color(u"FillDrawColor", u"填充颜色");
    ChangeCounter changes;
    color.OnChange = changes.Handler();
    color.InitDefaultColor(0xFFFFFFFF);
    EXPECT_EQ(changes.Take(), 1);
    EXPECT_EQ(color.Color(), 0xFFFFFFFFu);
    EXPECT_EQ(color.StoredDefaultColor, 0xFFFFFFFFu);
    EXPECT_FALSE(color.IsColorStored());
    color.SetColor(0xFF000000);
    EXPECT_TRUE(color.IsColorStored());
}

TEST(DrawColorTest, AssignCopiesTheColourAndThemeButNotTheIdentityOrDefault) {
    TDrawColor source(u"A", u"a", 0x12345678);
    source.SetUseThemeColor(T::ctThemeColor1);
    source.StoredDefaultColor = 0x01010101;
    TDrawColor dest(u"B", u"b");
    ChangeCounter changes;
    dest.OnChange = changes.Handler();
    dest.Assign(source);
    EXPECT_EQ(changes.count, 1);
    EXPECT_EQ(dest.FColor, 0x12345678u);
    EXPECT_EQ(dest.UseThemeColor(), T::ctThemeColor1);
    EXPECT_EQ(dest.Name(), u"B");
    EXPECT_EQ(dest.Caption(), u"b");
    EXPECT_EQ(dest.StoredDefaultColor, 0xFF000000u);
}

TEST_F(ThemeColorTest, AColourNodeHoldsTheColourAsShownAndReadsBackAsAnOwnColour) {
    SkinThemeColors().SkinThemeColor = 0xFF0A0B0C;
    TDrawColor color(u"FontColor", u"字体颜色", 0xFF000000);
    color.SetUseThemeColor(T::ctThemeColor);
    TBTDOC20 doc;
    TBTNode20_Color& node = *doc.TopNode()->AddChildNode_Color(u"FontColor", u"字体颜色");
    color.SaveToColorNode(node);
    EXPECT_EQ(node.Color(), 0xFF0A0B0Cu);

    TDrawColor loaded(u"FontColor", u"字体颜色", 0xFFFFFFFF);
    loaded.SetUseThemeColor(T::ctThemeColor3);
    ChangeCounter changes;
    loaded.OnChange = changes.Handler();
    loaded.LoadFromColorNode(node);
    EXPECT_EQ(changes.count, 1);
    EXPECT_EQ(loaded.UseThemeColor(), T::ctNone);
    EXPECT_EQ(loaded.Color(), 0xFF0A0B0Cu);
}

TEST_F(ThemeColorTest, TheThemeComponentStartsFromTheProcessColoursAndOverwritesThem) {
    SkinThemeColors().SkinThemeColor2 = 0xFF222222;
    SkinThemeColors().SkinPictureThemeColor = 0xFF999999;
    TSkinTheme theme;
    EXPECT_EQ(theme.SkinThemeColor(), 0xFF0199FFu);
    EXPECT_EQ(theme.SkinThemeColor1(), 0xFF4DC060u);
    EXPECT_EQ(theme.SkinThemeColor2(), 0xFF222222u);
    EXPECT_EQ(theme.SkinThemeColor3(), 0xFFFFFFFFu);
    EXPECT_EQ(theme.NavigationBarColor(), 0xFF4DC060u);
    EXPECT_EQ(theme.NavigationBarFontColor(), 0xFF4DC060u);
    EXPECT_EQ(theme.SkinPictureThemeColor(), 0u);

    TDrawColor follower(u"C", u"c");
    follower.SetUseThemeColor(T::ctThemeColor);
    theme.SetSkinThemeColor(0xFF101010);
    EXPECT_EQ(SkinThemeColors().SkinThemeColor, 0xFF101010u);
    EXPECT_EQ(follower.Color(), 0xFF101010u);

    struct Case {
        void (TSkinTheme::*set)(ui::AlphaColor);
        ui::AlphaColor TSkinThemeColors::*global;
    };
    const Case cases[] = {
        {&TSkinTheme::SetSkinThemeColor1, &TSkinThemeColors::SkinThemeColor1},
        {&TSkinTheme::SetSkinThemeColor2, &TSkinThemeColors::SkinThemeColor2},
        {&TSkinTheme::SetSkinThemeColor3, &TSkinThemeColors::SkinThemeColor3},
        {&TSkinTheme::SetNavigationBarColor, &TSkinThemeColors::NavigationBarColor},
        {&TSkinTheme::SetNavigationBarFontColor, &TSkinThemeColors::NavigationBarFontColor},
        {&TSkinTheme::SetSkinPictureThemeColor, &TSkinThemeColors::SkinPictureThemeColor},
    };
    ui::AlphaColor value = 0xFF000100;
    for (const Case& c : cases) {
        (theme.*c.set)(++value);
        EXPECT_EQ(SkinThemeColors().*c.global, value);
    }

    // The navigation bar colour reads as the theme colour while the component's own value is 0.
    theme.SetNavigationBarColor(0);
    EXPECT_EQ(theme.NavigationBarColor(), 0xFF101010u);
    EXPECT_EQ(SkinThemeColors().NavigationBarColor, 0u);
}

}  // namespace
}  // namespace skin
