#include "skin/core/skin_enum.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/persistent.h"
#include "ui/property_table.h"

namespace skin {

// Written the ways enumerations are: over several lines, with a comment and a trailing comma.
SKIN_ENUM(TTestShade,
          tsLight,  // the first member is 0
          tsMedium, tsDark, );
SKIN_ENUM(TTestSingle, tsOnly);

static_assert(kEnumCount<TTestShade> == 3 && kEnumCount<TTestSingle> == 1);
static_assert(static_cast<int>(TTestShade::tsDark) == 2);
static_assert(kEnumNames<TTestShade>.begin()[0] == u"tsLight" && kEnumNames<TTestShade>.begin()[2] == u"tsDark");

namespace {

class ShadedThing : public ui::Persistent {
public:
    std::u16string_view ClassName() const override { return u"TShadedThing"; }
    static const ui::PropertyTable& StaticProperties() {
        static const ui::PropertyTable table =
            ui::PropertyTableBuilder<ShadedThing>()
                .Enumeration<TTestShade>(u"Shade", kEnumNames<TTestShade>, &ShadedThing::shade)
                .Build();
        return table;
    }
    const ui::PropertyTable& PublishedProperties() const override { return StaticProperties(); }

    TTestShade shade = TTestShade::tsLight;
};

TEST(SkinEnumTest, ThePropertyTableTakesTheDeclaredNamesByOrdinal) {
    const ui::Property* shade = ShadedThing::StaticProperties().Find(u"Shade");
    ASSERT_NE(shade, nullptr);
    const std::vector<std::u16string> names(shade->ValueNames().begin(), shade->ValueNames().end());
    EXPECT_EQ(names, (std::vector<std::u16string>{u"tsLight", u"tsMedium", u"tsDark"}));
    ShadedThing thing;
    thing.shade = TTestShade::tsDark;
    EXPECT_EQ(shade->GetEnumName(thing), u"tsDark");
    shade->SetEnumName(thing, u"tsMedium");
    EXPECT_EQ(thing.shade, TTestShade::tsMedium);
}

}  // namespace
}  // namespace skin
