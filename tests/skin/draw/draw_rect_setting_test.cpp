#include "skin/draw/draw_rect_setting.h"

#include <gtest/gtest.h>

#include "tests/skin/draw/draw_test_support.h"

namespace skin {
namespace {

using H = TDPPositionHorzType;
using V = TDPPositionVertType;
using testing::ChangeCounter;

std::string Describe(const ui::RectF& r) {
    return "{" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " + std::to_string(r.right) + ", " +
           std::to_string(r.bottom) + "}";
}

// The control rectangle of every case: 100 wide, 50 high, not at the origin.
constexpr ui::RectF kControl{10, 20, 110, 70};

struct RectCase {
    const char* name;
    TDPSizeType sizeType;
    double left, top, right, bottom, width, height;
    H horz;
    V vert;
    ui::RectF expected;
};

TEST(DrawRectSettingTest, CalcDrawRectPlacesPixelAndPercentSettingsByPositionType) {
    using enum TDPSizeType;
    const RectCase cases[] = {
        {"pixel, all zero", dpstPixel, 0, 0, 0, 0, 0, 0, H::dpphtNone, V::dppvtNone, kControl},
        {"pixel margins", dpstPixel, 5, 6, 7, 8, 0, 0, H::dpphtNone, V::dppvtNone, {15, 26, 103, 62}},
        {"pixel size from the near margins",
         dpstPixel,
         5,
         6,
         7,
         8,
         30,
         20,
         H::dpphtNone,
         V::dppvtNone,
         {15, 26, 45, 46}},
        {"left and top keep the near margins",
         dpstPixel,
         5,
         6,
         7,
         8,
         30,
         20,
         H::dpphtLeft,
         V::dppvtTop,
         {15, 26, 45, 46}},
        {"pixel centred", dpstPixel, 5, 6, 7, 8, 30, 20, H::dpphtCenter, V::dppvtCenter, {50, 41, 80, 61}},
        {"pixel right and bottom", dpstPixel, 5, 6, 7, 8, 30, 20, H::dpphtRight, V::dppvtBottom, {73, 42, 103, 62}},
        {"margins 6 centred: inset by 6",
         dpstPixel,
         6,
         6,
         6,
         6,
         0,
         0,
         H::dpphtCenter,
         V::dppvtCenter,
         {16, 26, 104, 64}},
        {"right without width moves the whole width",
         dpstPixel,
         0,
         0,
         10,
         0,
         0,
         0,
         H::dpphtRight,
         V::dppvtNone,
         {0, 20, 100, 70}},
        {"bottom without height moves the whole height",
         dpstPixel,
         0,
         0,
         0,
         4,
         0,
         0,
         H::dpphtNone,
         V::dppvtBottom,
         {10, 16, 110, 66}},
        {"negative size: the control's size from the near edge",
         dpstPixel,
         5,
         6,
         0,
         0,
         -5,
         -1,
         H::dpphtNone,
         V::dppvtNone,
         {15, 26, 115, 76}},
        {"size within the tolerance counts as none",
         dpstPixel,
         5,
         6,
         7,
         8,
         0.0005,
         0.0005,
         H::dpphtNone,
         V::dppvtNone,
         {15, 26, 103, 62}},
        {"percent 25 on every side: the middle half",
         dpstPercent,
         25,
         25,
         25,
         25,
         0,
         0,
         H::dpphtNone,
         V::dppvtNone,
         {35, 32.5f, 85, 57.5f}},
        {"percent size centred",
         dpstPercent,
         0,
         0,
         0,
         0,
         50,
         50,
         H::dpphtCenter,
         V::dppvtCenter,
         {35, 32.5f, 85, 57.5f}},
        {"percent right and bottom",
         dpstPercent,
         0,
         0,
         10,
         10,
         20,
         10,
         H::dpphtRight,
         V::dppvtBottom,
         {80, 60, 100, 65}},
        {"percent left and top", dpstPercent, 10, 10, 0, 0, 0, 0, H::dpphtLeft, V::dppvtTop, {20, 25, 110, 70}},
        {"percent margins 15 (a knob picture)",
         dpstPercent,
         15,
         15,
         15,
         15,
         0,
         0,
         H::dpphtNone,
         V::dppvtNone,
         {25, 27.5f, 95, 62.5f}},
    };
    for (const RectCase& c : cases) {
        TDrawRectSetting setting;
        setting.SetEnabled(true);
        setting.SetSizeType(c.sizeType);
        setting.SetMargins(c.left, c.top, c.right, c.bottom);
        setting.SetWidth(c.width);
        setting.SetHeight(c.height);
        setting.SetPositionHorzType(c.horz);
        setting.SetPositionVertType(c.vert);
        const ui::RectF result = setting.CalcDrawRect(kControl);
        EXPECT_EQ(result, c.expected) << c.name << ": " << Describe(result);
    }
}

TEST(DrawRectSettingTest, ADisabledSettingIgnoresEveryValue) {
    TDrawRectSetting setting;
    setting.SetSizeType(TDPSizeType::dpstPixel);
    setting.SetMargins(5, 6, 7, 8);
    setting.SetBounds(1, 2, 30, 20);
    setting.SetPositionHorzType(H::dpphtRight);
    setting.SetPositionVertType(V::dppvtCenter);
    EXPECT_FALSE(setting.Enabled());
    EXPECT_EQ(setting.CalcDrawRect(kControl), kControl);
}

TEST(DrawRectSettingTest, StartsClearedAsAPercentSettingThatIsOff) {
    TDrawRectSetting setting;
    EXPECT_FALSE(setting.Enabled());
    EXPECT_EQ(setting.SizeType(), TDPSizeType::dpstPercent);
    EXPECT_EQ(setting.PositionHorzType(), H::dpphtNone);
    EXPECT_EQ(setting.PositionVertType(), V::dppvtNone);
    EXPECT_EQ(setting.Left() + setting.Top() + setting.Right() + setting.Bottom(), 0);
    EXPECT_EQ(setting.Width() + setting.Height(), 0);
}

TEST(DrawRectSettingTest, ValueChangesReportOnlyWhileEnabledAndOnlyWhenTheyDiffer) {
    TDrawRectSetting setting;
    ChangeCounter changes;
    setting.OnChange = changes.Handler();

    setting.SetLeft(5);  // stored, but a disabled setting draws nothing differently
    EXPECT_EQ(setting.Left(), 5);
    EXPECT_EQ(changes.Take(), 0);

    setting.SetEnabled(true);
    EXPECT_EQ(changes.Take(), 1);
    setting.SetEnabled(true);
    EXPECT_EQ(changes.Take(), 0);

    setting.SetLeft(5);
    EXPECT_EQ(changes.Take(), 0);
    setting.SetLeft(6);
    setting.SetTop(1);
    setting.SetRight(1);
    setting.SetBottom(1);
    setting.SetWidth(1);
    setting.SetHeight(1);
    setting.SetSizeType(TDPSizeType::dpstPixel);
    setting.SetPositionHorzType(H::dpphtRight);
    setting.SetPositionVertType(V::dppvtBottom);
    EXPECT_EQ(changes.Take(), 9);

    setting.SetBounds(6, 1, 1, 1);  // all four as they are
    setting.SetMargins(6, 1, 1, 1);
    EXPECT_EQ(changes.Take(), 0);
    setting.SetBounds(6, 1, 1, 2);  // one differs: all four stored, one report
    EXPECT_EQ(changes.Take(), 1);
    setting.SetMargins(7, 8, 9, 10);
    EXPECT_EQ(changes.Take(), 1);
    EXPECT_EQ(setting.Left(), 7);
    EXPECT_EQ(setting.Top(), 8);
    EXPECT_EQ(setting.Right(), 9);
    EXPECT_EQ(setting.Bottom(), 10);
    EXPECT_EQ(setting.Height(), 2);

    setting.SetEnabled(false);  // switching off always reports
    EXPECT_EQ(changes.Take(), 1);
}

TEST(DrawRectSettingTest, AssignCopiesAllValuesAndReportsWhenTheDrawnRectangleCanChange) {
    TDrawRectSetting source;
    source.SetSizeType(TDPSizeType::dpstPixel);
    source.SetMargins(1, 2, 3, 4);
    source.SetBounds(1, 2, 30, 40);
    source.SetPositionHorzType(H::dpphtCenter);
    source.SetPositionVertType(V::dppvtBottom);

    struct Case {
        bool sourceEnabled;
        bool destEnabled;
        int reports;
    };
    // An enabled destination switched off by the copy reports too: its drawn rectangle changes.
    const Case cases[] = {{false, false, 0}, {true, false, 1}, {false, true, 1}, {true, true, 1}};
    for (const Case& c : cases) {
        source.SetEnabled(c.sourceEnabled);
        TDrawRectSetting dest;
        dest.SetEnabled(c.destEnabled);
        ChangeCounter changes;
        dest.OnChange = changes.Handler();
        dest.Assign(source);
        EXPECT_EQ(changes.count, c.reports) << c.sourceEnabled << c.destEnabled;
        EXPECT_EQ(dest.Enabled(), c.sourceEnabled);
        EXPECT_EQ(dest.SizeType(), TDPSizeType::dpstPixel);
        EXPECT_EQ(dest.Left(), 1);
        EXPECT_EQ(dest.Right(), 3);
        EXPECT_EQ(dest.Bottom(), 4);
        EXPECT_EQ(dest.Width(), 30);
        EXPECT_EQ(dest.Height(), 40);
        EXPECT_EQ(dest.PositionHorzType(), H::dpphtCenter);
        EXPECT_EQ(dest.PositionVertType(), V::dppvtBottom);
    }
}

}  // namespace
}  // namespace skin
