#pragma once

// Small classes that publish every kind of property the framework knows, shaped like the skin library's
// (a control with its own material, reached as SelfOwnMaterial.BackColor.FillColor.Color), for the property,
// layout and control tests.

#include <string>
#include <vector>

#include "ui/class_registry.h"
#include "ui/control.h"
#include "ui/enum_set.h"
#include "ui/form.h"
#include "ui/handler_table.h"
#include "ui/property_table.h"
#include "ui/stream.h"

namespace ui::testing {

enum class Shape { Square, Round, Diamond };
enum class Side { Left, Top, Right, Bottom };
using Sides = EnumSet<Side>;

// A colour with its own published value: TDrawColor-like.
class SampleColor : public Persistent {
public:
    std::u16string_view ClassName() const override { return u"TSampleColor"; }
    static const PropertyTable& StaticProperties() {
        static const PropertyTable table =
            PropertyTableBuilder<SampleColor>().Color(u"Color", &SampleColor::color).Build();
        return table;
    }
    const PropertyTable& PublishedProperties() const override { return StaticProperties(); }

    AlphaColor color = 0xFF000000;

protected:
    bool AssignFrom(const Persistent& source) override {
        const auto* other = dynamic_cast<const SampleColor*>(&source);
        if (other == nullptr) return false;
        color = other->color;
        return true;
    }
};

// A rectangle drawing parameter: BackColor.FillColor.Color, BackColor.Corners.
class SampleRectParam : public Persistent {
public:
    std::u16string_view ClassName() const override { return u"TSampleRectParam"; }
    static const PropertyTable& StaticProperties() {
        static const PropertyTable table =
            PropertyTableBuilder<SampleRectParam>()
                .Object(u"FillColor", &SampleRectParam::fillColor)
                .Set<Side>(u"Corners", {u"Left", u"Top", u"Right", u"Bottom"}, &SampleRectParam::corners)
                .Build();
        return table;
    }
    const PropertyTable& PublishedProperties() const override { return StaticProperties(); }

    SampleColor fillColor;
    Sides corners;
};

// A material component owned by its control.
class SampleMaterial : public Component {
public:
    std::u16string_view ClassName() const override { return u"TSampleMaterial"; }
    static const PropertyTable& StaticProperties() {
        static const PropertyTable table = PropertyTableBuilder<SampleMaterial>(&Component::StaticProperties())
                                               .Object(u"BackColor", &SampleMaterial::backColor)
                                               .Bool(u"IsTransparent", &SampleMaterial::isTransparent)
                                               .Build();
        return table;
    }
    const PropertyTable& PublishedProperties() const override { return StaticProperties(); }

    SampleRectParam backColor;
    bool isTransparent = true;
};

// A control with one published property of every kind.
class SampleControl : public Control {
public:
    SampleControl() {
        material_ = CreateComponent<SampleMaterial>();
        material_->SetName(u"Material");
        material_->SetSubComponent(true);
    }
    std::u16string_view ClassName() const override { return u"TSampleControl"; }
    static const PropertyTable& StaticProperties() {
        static const PropertyTable table =
            PropertyTableBuilder<SampleControl>(&Control::StaticProperties())
                .Bool(u"Flag", &SampleControl::flag)
                .Integer(u"Count", &SampleControl::Count, &SampleControl::SetCount)
                .Integer<int64_t>(u"Big", &SampleControl::big)
                .Integer<uint8_t>(u"Small", &SampleControl::small)
                .Single(u"Ratio", &SampleControl::ratio)
                .Double(u"Precise", &SampleControl::precise)
                .Text(u"Caption", &SampleControl::caption)
                .Enumeration<Shape>(u"Shape", {u"Square", u"Round", u"Diamond"}, &SampleControl::shape)
                .Set<Side>(u"Sides", {u"Left", u"Top", u"Right", u"Bottom"}, &SampleControl::sides)
                .Color(u"Tint", &SampleControl::tint)
                .Object(u"SelfOwnMaterial", [](SampleControl& c) { return c.material_; })
                .ComponentRef<SampleControl>(u"Buddy", &SampleControl::Buddy, &SampleControl::SetBuddy)
                .Binary(u"Data", &SampleControl::LoadData, &SampleControl::SaveData)
                .Integer(u"Counted", [](const SampleControl& c) { return c.setCountCalls; })
                .Event(u"OnChange", &SampleControl::OnChange)
                .Build();
        return table;
    }
    const PropertyTable& PublishedProperties() const override { return StaticProperties(); }

    int Count() const { return count_; }
    void SetCount(int count) {
        count_ = count;
        ++setCountCalls;
    }
    SampleControl* Buddy() const { return buddy_; }
    void SetBuddy(SampleControl* buddy) {
        if (buddy_ != nullptr) buddy_->RemoveFreeNotification(this);
        buddy_ = buddy;
        if (buddy_ != nullptr) buddy_->FreeNotification(this);
    }
    void Notification(Component* component, Operation operation) override {
        if (operation == Operation::Remove && component == buddy_) buddy_ = nullptr;
        Control::Notification(component, operation);
    }
    SampleMaterial* Material() const { return material_; }

    void LoadData(Stream& stream) {
        data.resize(static_cast<size_t>(stream.Size() - stream.Position()));
        stream.ReadExact(data);
    }
    void SaveData(Stream& stream) const { stream.Write(data); }

    void Loaded() override {
        // What the tree looked like when this control's Loaded ran.
        loadedWhileReading = IsReading();
        loadedBuddy = buddy_;
        Control::Loaded();
        loadedCalls.push_back(Name());
    }

    bool flag = false;
    int64_t big = 0;
    uint8_t small = 0;
    float ratio = 0;
    double precise = 0;
    std::u16string caption;
    Shape shape = Shape::Square;
    Sides sides;
    AlphaColor tint = 0;
    std::vector<std::byte> data;
    NotifyEvent OnChange;
    int setCountCalls = 0;
    bool loadedWhileReading = false;
    SampleControl* loadedBuddy = nullptr;
    // Shared by all instances of a test: names in the order Loaded ran.
    static inline std::vector<std::u16string> loadedCalls;

private:
    int count_ = 0;
    SampleControl* buddy_ = nullptr;
    SampleMaterial* material_ = nullptr;
};

// A form with published handlers.
class SampleForm : public Form {
public:
    std::u16string_view ClassName() const override { return u"TSampleForm"; }
    const HandlerTable& PublishedHandlers() const override {
        static const HandlerTable table = HandlerTableBuilder<SampleForm>()
                                              .Add(u"FormCreate", &SampleForm::FormCreate)
                                              .Add(u"ItemChange", &SampleForm::ItemChange)
                                              .Add(u"PanelMouseDown", &SampleForm::PanelMouseDown)
                                              .Build();
        return table;
    }

    void FormCreate(Object* sender) { calls.push_back(u"FormCreate"); }
    void ItemChange(Object* sender) {
        calls.push_back(u"ItemChange " + std::u16string(static_cast<Component*>(sender)->Name()));
    }
    void PanelMouseDown(Object* sender, MouseButton button, ShiftState shift, float x, float y) {
        calls.push_back(u"PanelMouseDown");
    }

    std::vector<std::u16string> calls;
};

// A registry with the framework's classes and the samples.
inline ClassRegistry SampleRegistry() {
    ClassRegistry registry;
    RegisterFrameworkClasses(registry);
    registry.Register<SampleControl>(u"TSampleControl");
    registry.Register<Control>(u"TControl");
    return registry;
}

}  // namespace ui::testing
