#include "ui/persistent.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace ui {
namespace {

class Point : public Persistent {
public:
    std::u16string_view ClassName() const override { return u"Point"; }
    int x = 0;

protected:
    bool AssignFrom(const Persistent& source) override {
        const auto* point = dynamic_cast<const Point*>(&source);
        if (point == nullptr) return false;
        x = point->x;
        return true;
    }
};

class Other : public Persistent {
public:
    std::u16string_view ClassName() const override { return u"Other"; }
};

// Knows how to write itself into a Point, which does not know it.
class PointSource : public Persistent {
protected:
    bool AssignTo(Persistent& dest) const override {
        auto* point = dynamic_cast<Point*>(&dest);
        if (point == nullptr) return false;
        point->x = 42;
        return true;
    }
};

TEST(PersistentTest, AssignAsksBothSidesAndNamesTheKindsWhenNeitherKnowsTheOther) {
    Point a, b;
    b.x = 7;
    a.Assign(b);
    EXPECT_EQ(a.x, 7);

    a.Assign(PointSource());
    EXPECT_EQ(a.x, 42);

    try {
        a.Assign(Other());
        FAIL();
    } catch (const std::invalid_argument& e) {
        EXPECT_STREQ(e.what(), "Cannot assign a Other to a Point");
    }
}

}  // namespace
}  // namespace ui
