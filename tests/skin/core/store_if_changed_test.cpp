#include "skin/core/store_if_changed.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <tuple>

namespace skin {
namespace {

// A field with its report count, the way a setter holds both.
template <class V>
struct Holder {
    V field{};
    int reports = 0;
    template <class A>
    bool Set(A&& value) {
        return StoreIfChanged(field, std::forward<A>(value), [this] { ++reports; });
    }
};

TEST(StoreIfChangedTest, AnEqualValueChangesNothingAndADifferentOneIsStoredAndReportedOnce) {
    Holder<int> h;
    EXPECT_FALSE(h.Set(0));
    EXPECT_EQ(h.reports, 0);
    EXPECT_TRUE(h.Set(7));
    EXPECT_EQ(h.field, 7);
    EXPECT_EQ(h.reports, 1);
    EXPECT_FALSE(h.Set(7));
    EXPECT_EQ(h.reports, 1);
}

TEST(StoreIfChangedTest, NumbersCompareExactlyEvenWithinTheDrawingTolerance) {
    Holder<double> h;
    h.field = 1.0;
    EXPECT_TRUE(h.Set(1.0004));
    EXPECT_EQ(h.field, 1.0004);
    EXPECT_EQ(h.reports, 1);
}

TEST(StoreIfChangedTest, TakesAnyValueTheFieldComparesWithAndMovesIt) {
    Holder<std::u16string> text;
    EXPECT_FALSE(text.Set(std::u16string_view()));
    EXPECT_TRUE(text.Set(std::u16string_view(u"Segoe UI")));
    EXPECT_EQ(text.field, u"Segoe UI");

    Holder<std::unique_ptr<int>> owned;
    auto value = std::make_unique<int>(3);
    int* raw = value.get();
    EXPECT_TRUE(owned.Set(std::move(value)));
    EXPECT_EQ(owned.field.get(), raw);
    EXPECT_EQ(owned.reports, 1);
}

TEST(StoreIfChangedTest, SeveralFieldsAreStoredTogetherWhenAnyOfThemDiffers) {
    double left = 1, top = 2, width = 3;
    int reports = 0;
    auto set = [&](double l, double t, double w) {
        return StoreIfChanged(std::tie(left, top, width), std::tuple(l, t, w), [&] { ++reports; });
    };
    EXPECT_FALSE(set(1, 2, 3));
    EXPECT_EQ(reports, 0);
    EXPECT_TRUE(set(1, 2, 4));
    EXPECT_EQ(std::tuple(left, top, width), std::tuple(1.0, 2.0, 4.0));
    EXPECT_EQ(reports, 1);
    EXPECT_TRUE(set(5, 6, 7));
    EXPECT_EQ(std::tuple(left, top, width), std::tuple(5.0, 6.0, 7.0));
    EXPECT_EQ(reports, 2);
}

TEST(StoreIfChangedTest, AGivenComparisonDecidesInsteadOfEquality) {
    // Stored as a single, compared after rounding to one: what a font size does.
    float size = 12;
    int reports = 0;
    auto sameSingle = [](float stored, double value) { return stored == static_cast<float>(value); };
    auto set = [&](double value) {
        return StoreIfChanged(
            size, value, [&] { ++reports; }, sameSingle);
    };
    EXPECT_FALSE(set(12.0000000001));
    EXPECT_EQ(size, 12.0f);
    EXPECT_TRUE(set(13.5));
    EXPECT_EQ(size, 13.5f);
    EXPECT_EQ(reports, 1);
}

}  // namespace
}  // namespace skin
