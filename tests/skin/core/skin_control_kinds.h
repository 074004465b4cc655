#pragma once

// Control kinds registered only by the tests: "TestKind" with the default type "Default" (TestType, painting
// TestMaterial) and "Other" (OtherType, painting OtherMaterial); a control class TTestSkinControl of that kind
// and a class registry that names it.

#include <string>
#include <vector>

#include "skin/core/control_type_registry.h"
#include "skin/core/skin_control.h"
#include "skin/core/skin_material.h"
#include "skin/draw/draw_canvas.h"
#include "skin/draw/draw_text_param.h"
#include "ui/class_registry.h"
#include "ui/property_table.h"

namespace skin::testing {

class TestMaterial : public TSkinControlMaterial {
public:
    TestMaterial() : caption(CreateDrawTextParam(u"DrawCaptionParam", u"标题绘制参数")) {}
    std::u16string_view ClassName() const override { return u"TTestMaterial"; }
    static const ui::PropertyTable& StaticProperties() {
        static const ui::PropertyTable table =
            ui::PropertyTableBuilder<TestMaterial>(&TSkinControlMaterial::StaticProperties())
                .Object(u"DrawCaptionParam", [](TestMaterial& m) -> TDrawTextParam& { return *m.caption; })
                .Build();
        return table;
    }
    const ui::PropertyTable& PublishedProperties() const override { return StaticProperties(); }
    TDrawTextParam* caption;
};

// Derived from the registered class: found by style name, refused as a reference material.
class DerivedTestMaterial : public TestMaterial {
public:
    std::u16string_view ClassName() const override { return u"TDerivedTestMaterial"; }
};

class OtherMaterial : public TSkinControlMaterial {
public:
    std::u16string_view ClassName() const override { return u"TOtherMaterial"; }
};

// Journals its paints and text changes.
class TestType : public TSkinControlType {
public:
    std::u16string_view ClassName() const override { return u"TTestType"; }
    static std::vector<std::string>& Journal() {
        static std::vector<std::string> journal;
        return journal;
    }
    void TextChanged() override { Journal().push_back("text"); }
    bool CalcAutoSize(double& width, double& height) override {
        if (AutoSize().width < 0) return false;
        width = AutoSize().width;
        height = AutoSize().height;
        return true;
    }
    // The size CalcAutoSize answers; none while the width is negative.
    static ui::PointF& AutoSizeValue() {
        static ui::PointF size{-1, -1};
        return size;
    }
    struct Size {
        double width;
        double height;
    };
    static Size AutoSize() { return {AutoSizeValue().x, AutoSizeValue().y}; }

protected:
    bool CustomPaint(TDrawCanvas&, TSkinControlMaterial* material, const ui::RectF&, const TPaintData&) override {
        Journal().push_back(material != nullptr ? "paint " + ui::Utf16ToUtf8(material->ClassName()) : "paint none");
        return true;
    }
};

class OtherType : public TSkinControlType {
public:
    std::u16string_view ClassName() const override { return u"TOtherType"; }
};

class TestProperties : public TSkinControlProperties {
public:
    using TSkinControlProperties::TSkinControlProperties;
    std::u16string_view GetComponentClassify() const override { return u"TestKind"; }
};

class TTestSkinControl : public TSkinFireMonkeyControl {
public:
    TTestSkinControl() : TSkinFireMonkeyControl(SkinClassOf<TSkinControlProperties, TestProperties, ui::Component&>()) {
        CreateProperties();
    }
    std::u16string_view ClassName() const override { return u"TTestSkinControl"; }
};

// A control class named like the library's scroll box.
class TTestScrollBox : public TSkinFireMonkeyControl {
public:
    std::u16string_view ClassName() const override { return u"TSkinScrollBox"; }
};

inline void RegisterTestKinds() {
    static const bool registered = [] {
        RegisterControlType(u"TestKind", SkinClassOf<TSkinControlType, TestType>(),
                            SkinClassOf<TSkinControlMaterial, TestMaterial>(), u"Default", true, u"");
        RegisterControlType(u"TestKind", SkinClassOf<TSkinControlType, OtherType>(),
                            SkinClassOf<TSkinControlMaterial, OtherMaterial>(), u"Other", false, u"");
        return true;
    }();
    (void)registered;
}

inline const ui::ClassRegistry& TestClassRegistry() {
    static const ui::ClassRegistry registry = [] {
        ui::ClassRegistry r;
        ui::RegisterFrameworkClasses(r);
        r.Register<TTestSkinControl>(u"TTestSkinControl");
        r.Register<TTestScrollBox>(u"TTestScrollBox");
        r.Register<TestMaterial>(u"TTestMaterial");
        r.Register<OtherMaterial>(u"TOtherMaterial");
        return r;
    }();
    return registry;
}

}  // namespace skin::testing
