#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <typeindex>
#include <vector>

#include "tests/ui/sample_components.h"
#include "ui/class_registry.h"
#include "ui/property_path.h"
#include "ui/property_table.h"
#include "ui/stream.h"

namespace ui {
namespace {

using testing::SampleControl;
using testing::Shape;
using testing::Side;
using testing::Sides;

const Property& Find(const Persistent& object, std::u16string_view name) {
    const Property* property = object.PublishedProperties().Find(name);
    if (property == nullptr) throw std::runtime_error("no property " + Utf16ToUtf8(name));
    return *property;
}

TEST(PropertyTest, TypedAccessReadsAndWritesThroughTheClassTable) {
    SampleControl c;
    Find(c, u"flag").SetBool(c, true);
    Find(c, u"Count").SetInteger(c, -7);
    Find(c, u"Big").SetInteger(c, int64_t{1} << 40);
    Find(c, u"Ratio").SetFloat(c, 0.1);
    Find(c, u"Precise").SetFloat(c, 0.1);
    Find(c, u"Caption").SetText(c, u"Install");
    Find(c, u"Shape").SetEnumName(c, u"round");
    Find(c, u"Sides").SetSetBits(c, Sides{Side::Left, Side::Bottom}.Bits());
    Find(c, u"Tint").SetColor(c, 0xC0202020);

    EXPECT_TRUE(c.flag);
    EXPECT_EQ(c.Count(), -7);
    EXPECT_EQ(c.setCountCalls, 1);  // through the setter
    EXPECT_EQ(c.big, int64_t{1} << 40);
    EXPECT_EQ(c.ratio, 0.1f);  // stored in single precision
    EXPECT_EQ(c.precise, 0.1);
    EXPECT_EQ(c.caption, u"Install");
    EXPECT_EQ(c.shape, Shape::Round);
    EXPECT_EQ(c.sides, (Sides{Side::Left, Side::Bottom}));
    EXPECT_EQ(c.tint, 0xC0202020u);

    EXPECT_EQ(Find(c, u"Shape").GetEnumName(c), u"Round");
    EXPECT_EQ(Find(c, u"Ratio").GetFloat(c), static_cast<double>(0.1f));
    // Inherited properties come from the base classes' tables.
    Find(c, u"Name").SetText(c, u"Sample1");
    Find(c, u"Tag").SetInteger(c, 3);
    Find(c, u"Visible").SetBool(c, false);
    EXPECT_EQ(c.Name(), u"Sample1");
    EXPECT_EQ(c.Tag(), 3);
    EXPECT_FALSE(c.Visible());
}

TEST(PropertyTest, WrongUseIsRefusedWithoutChangingTheValue) {
    SampleControl c;
    const struct {
        const char* what;
        std::function<void()> use;
    } cases[] = {
        {"wrong kind", [&] { Find(c, u"Count").SetText(c, u"1"); }},
        {"float to integer", [&] { Find(c, u"Count").SetFloat(c, 1); }},
        {"integer out of int range", [&] { Find(c, u"Count").SetInteger(c, int64_t{1} << 31); }},
        {"out of uint8 range", [&] { Find(c, u"Small").SetInteger(c, 256); }},
        {"negative unsigned", [&] { Find(c, u"Small").SetInteger(c, -1); }},
        {"single overflow", [&] { Find(c, u"Ratio").SetFloat(c, 1e300); }},
        {"unknown enumeration name", [&] { Find(c, u"Shape").SetEnumName(c, u"Oval"); }},
        {"enumeration ordinal out of range", [&] { Find(c, u"Shape").SetOrdinal(c, 3); }},
        {"unknown set member", [&] { Find(c, u"Sides").SetSetNames(c, std::vector<std::u16string>{u"Middle"}); }},
        {"set bits out of range", [&] { Find(c, u"Sides").SetSetBits(c, 1u << 4); }},
        {"read-only", [&] { Find(c, u"Counted").SetInteger(c, 1); }},
        {"component of the wrong class",
         [&] {
             Component other;
             Find(c, u"Buddy").SetComponent(c, &other);
         }},
    };
    for (const auto& test : cases) {
        EXPECT_THROW(test.use(), PropertyError) << test.what;
    }
    EXPECT_EQ(c.Count(), 0);
    EXPECT_EQ(c.small, 0);
    EXPECT_EQ(c.ratio, 0);
    EXPECT_EQ(c.shape, Shape::Square);
    EXPECT_TRUE(c.sides.Empty());
    EXPECT_EQ(c.Buddy(), nullptr);
    EXPECT_TRUE(Find(c, u"Counted").IsReadOnly());
    EXPECT_FALSE(Find(c, u"Count").IsReadOnly());
}

TEST(PropertyTest, BinaryPropertiesReadAndWriteStreams) {
    SampleControl c;
    MemoryStream in(std::vector<std::byte>{std::byte{1}, std::byte{2}, std::byte{0xFF}});
    Find(c, u"Data").LoadBinary(c, in);
    EXPECT_EQ(c.data.size(), 3u);
    MemoryStream out;
    Find(c, u"Data").SaveBinary(c, out);
    EXPECT_EQ(out.Bytes(), c.data);
}

TEST(PropertyTest, ComponentReferencesKeepTheirClassAndClearOnRemoval) {
    auto a = std::make_unique<SampleControl>();
    SampleControl b;
    Find(b, u"Buddy").SetComponent(b, a.get());
    EXPECT_EQ(Find(b, u"Buddy").GetComponent(b), a.get());
    a.reset();
    EXPECT_EQ(b.Buddy(), nullptr);
}

TEST(PropertyTest, EventsBindToHandlersOfTheMatchingType) {
    testing::SampleForm form;
    SampleControl c;
    c.SetName(u"Item");
    const HandlerTable& handlers = form.PublishedHandlers();
    const Property& onChange = Find(c, u"OnChange");
    EXPECT_FALSE(onChange.HasHandler(c));
    onChange.BindHandler(c, *handlers.Find(u"itemchange"), form);
    ASSERT_TRUE(onChange.HasHandler(c));
    c.OnChange(&c);
    EXPECT_EQ(form.calls, std::vector<std::u16string>{u"ItemChange Item"});

    // A mouse handler does not fit a notify event.
    EXPECT_THROW(onChange.BindHandler(c, *handlers.Find(u"PanelMouseDown"), form), PropertyError);
    Find(c, u"OnMouseDown").BindHandler(c, *handlers.Find(u"PanelMouseDown"), form);
    c.OnMouseDown(&c, MouseButton::Left, {}, 1, 2);
    EXPECT_EQ(form.calls.back(), u"PanelMouseDown");
    onChange.ClearHandler(c);
    EXPECT_FALSE(onChange.HasHandler(c));
    EXPECT_EQ(handlers.Find(u"Unknown"), nullptr);
}

TEST(PropertyPathTest, StrictPathsReachNestedObjectsAndNameTheFailingSegment) {
    SampleControl c;
    const PropertyTarget target =
        ResolvePropertyPath(c, u"SelfOwnMaterial.BackColor.FillColor.Color", PathResolution::Strict);
    ASSERT_TRUE(target);
    target.property->SetColor(*target.instance, 0xFF2F2F2F);
    EXPECT_EQ(c.Material()->backColor.fillColor.color, 0xFF2F2F2Fu);

    const struct {
        const char16_t* path;
        const char* message;
    } failures[] = {
        {u"SelfOwnMaterial.Back.FillColor.Color", "Unknown property \"Back\" of TSampleMaterial"},
        {u"Count.Value", "The property \"Count\" of TSampleControl is not an object"},
        {u"Position.Z", "Unknown property \"Z\" of TPosition"},
        {u"Miscellaneous.Position.Y", "Unknown property \"Miscellaneous\" of TSampleControl"},
        {u"Position..X", "Empty property name in \"Position..X\""},
        {u"", "Empty property name in \"\""},
    };
    for (const auto& failure : failures) {
        try {
            ResolvePropertyPath(c, failure.path, PathResolution::Strict);
            ADD_FAILURE() << Utf16ToUtf8(failure.path);
        } catch (const PropertyError& e) {
            EXPECT_EQ(std::string(e.what()), failure.message);
        }
    }
}

TEST(PropertyPathTest, AnimationPathsSkipSegmentsThatNameNeitherPropertyNorChild) {
    Control panel;
    auto* inner = panel.CreateComponent<SampleControl>();
    inner->SetName(u"Inner");
    inner->SetParent(&panel);

    const struct {
        const char16_t* path;
        Persistent* instance;
        const char16_t* property;  // nullptr: unresolved
    } cases[] = {
        {u"Position.Y", &panel.Position(), u"Y"},
        {u"Miscellaneous.Position.Y", &panel.Position(), u"Y"},
        {u"A.B.Position.Y", &panel.Position(), u"Y"},
        {u"Inner.Position.X", &inner->Position(), u"X"},  // a child by name
        {u"inner.Tint", inner, u"Tint"},
        {u"Miscellaneous.Inner.SelfOwnMaterial.IsTransparent", inner->Material(), u"IsTransparent"},
        {u"Opacity", &panel, u"Opacity"},
        {u"Position.Miscellaneous", nullptr, nullptr},  // the last segment must be a property
        {u"Opacity.X", nullptr, nullptr},               // not an object
        {u"Inner", nullptr, nullptr},                   // a child, not a property
    };
    for (const auto& test : cases) {
        const PropertyTarget target = ResolvePropertyPath(panel, test.path, PathResolution::SkipUnknown);
        if (test.property == nullptr) {
            EXPECT_FALSE(target) << Utf16ToUtf8(test.path);
            continue;
        }
        ASSERT_TRUE(target) << Utf16ToUtf8(test.path);
        EXPECT_EQ(target.instance, test.instance) << Utf16ToUtf8(test.path);
        EXPECT_EQ(target.property->Name(), test.property) << Utf16ToUtf8(test.path);
    }
}

TEST(ClassRegistryTest, CreatesRegisteredClassesByName) {
    ClassRegistry registry = testing::SampleRegistry();
    std::unique_ptr<Component> created = registry.Create(u"tsamplecontrol");
    ASSERT_NE(created, nullptr);
    EXPECT_EQ(created->ClassName(), u"TSampleControl");
    EXPECT_EQ(registry.Create(u"TMissing"), nullptr);
    EXPECT_TRUE(GlobalClassRegistry().Contains(u"TFloatAnimation"));
    EXPECT_TRUE(GlobalClassRegistry().Contains(u"TIntAnimation"));
    EXPECT_TRUE(GlobalClassRegistry().Contains(u"TGlowEffect"));
}

}  // namespace
}  // namespace ui
