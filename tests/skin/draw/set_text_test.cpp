#include "skin/draw/set_text.h"

#include <gtest/gtest.h>

#include "skin/draw/draw_param_types.h"
#include "skin/draw/draw_rect_param_types.h"
#include "skin/draw/draw_text_param_types.h"
#include "tests/skin/draw/draw_test_support.h"

namespace skin {
namespace {

using testing::Utf8;

TEST(SetTextTest, WritesTheOrdinalsInAscendingOrderEachFollowedByAComma) {
    struct Case {
        uint64_t bits;
        std::u16string text;
    };
    const Case cases[] = {
        {0, u""}, {0b1, u"0,"}, {0b10, u"1,"}, {0b11, u"0,1,"}, {0b10101, u"0,2,4,"}, {uint64_t{1} << 12, u"12,"},
    };
    for (const Case& c : cases) EXPECT_EQ(Utf8(SetBitsToText(c.bits)), Utf8(c.text)) << c.bits;

    EXPECT_EQ(SetToText(TDPCommonEffectTypes{TDPCommonEffectType::dpcetAlphaChange}), u"1,");
    EXPECT_EQ(
        SetToText(TDPCommonEffectTypes{TDPCommonEffectType::dpcetAlphaChange, TDPCommonEffectType::dpcetOffsetChange}),
        u"0,1,");
}

TEST(SetTextTest, ReadingSkipsEmptyItemsNonNumbersAndOrdinalsOutOfRange) {
    struct Case {
        std::u16string text;
        int members;
        uint64_t bits;
    };
    const Case cases[] = {
        {u"1, 7, x, , 0", 2, 0b11},  // 7 out of range, x no number, the empty item skipped
        {u"", 2, 0},
        {u"0,1,", 2, 0b11},
        {u"1", 2, 0b10},               // without the trailing comma
        {u"  3 ,2,,", 4, 0b1100},      // blanks separate as commas do
        {u"-1,+1,1.0,0x1,1e0", 4, 0},  // only plain decimal digits count
        {u"99999999999999999999999,0", 2, 0b1},
        {u"2,", 2, 0},
        {u"04,", 5, 0b10000},
        {u"4,4,4", 5, 0b10000},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SetBitsFromText(c.text, c.members), c.bits) << Utf8(c.text);
    }
}

TEST(SetTextTest, EverySetOfAnEnumerationReadsBackAsWritten) {
    for (uint64_t bits = 0; bits < 16; ++bits) {
        const auto corners = TDRPRectCorners::FromBits(bits);
        EXPECT_EQ(SetFromText<TDRPRectCorner>(SetToText(corners)), corners) << bits;
    }
    for (uint64_t bits = 0; bits < 8; ++bits) {
        const auto types = TDTPEffectTypes::FromBits(bits);
        EXPECT_EQ(SetFromText<TDTPEffectType>(SetToText(types)), types) << bits;
    }
}

}  // namespace
}  // namespace skin
