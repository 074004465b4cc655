#include "skin/draw/draw_effect_setting.h"

#include "skin/core/store_if_changed.h"
#include "skin/draw/doc_node_io.h"
#include "skin/persist/bt_node20.h"
#include "ui/property_table.h"

namespace skin {

TDrawEffectSetting::TDrawEffectSetting()
    : TDrawEffectSetting([]() { return std::make_unique<TDrawParamCommonEffect>(); }) {}

TDrawEffectSetting::TDrawEffectSetting(EffectFactory factory)
    : disabledEffect_(factory()),
      focusedEffect_(factory()),
      pushedEffect_(factory()),
      mouseOverEffect_(factory()),
      mouseDownEffect_(factory()),
      mixedEffect_(factory()) {
    pushedEffect_->OnChange = [this](ui::Object*) { DoChange(); };
}

const ui::PropertyTable& TDrawEffectSetting::StaticProperties() {
    using T = TDrawEffectSetting;
    static const ui::PropertyTable table =
        ui::PropertyTableBuilder<T>()
            .Object(u"DisabledEffect", [](T& s) -> ui::Persistent& { return s.DisabledEffect(); })
            .Object(u"FocusedEffect", [](T& s) -> ui::Persistent& { return s.FocusedEffect(); })
            .Object(u"PushedEffect", [](T& s) -> ui::Persistent& { return s.PushedEffect(); })
            .Object(u"MouseOverEffect", [](T& s) -> ui::Persistent& { return s.MouseOverEffect(); })
            .Object(u"MouseDownEffect", [](T& s) -> ui::Persistent& { return s.MouseDownEffect(); })
            .Bool(u"IsMixedMouseDownAndPushedEffect", &T::IsMixedMouseDownAndPushedEffect,
                  &T::SetIsMixedMouseDownAndPushedEffect)
            .Build();
    return table;
}

void TDrawEffectSetting::SetIsMixedMouseDownAndPushedEffect(bool value) {
    StoreIfChanged(isMixedMouseDownAndPushedEffect_, value, [this] { DoChange(); });
}

void TDrawEffectSetting::Clear() {
    isMixedMouseDownAndPushedEffect_ = false;
    pushedEffect_->Clear();
    mouseOverEffect_->Clear();
    mouseDownEffect_->Clear();
    mixedEffect_->Clear();
}

bool TDrawEffectSetting::LoadFromDocNode(TBTNode20& docNode) {
    Clear();
    if (auto v = ReadBool32Node(docNode, u"IsMixedMouseDownAndPushedEffect")) {
        SetIsMixedMouseDownAndPushedEffect(*v);
    }
    if (TBTNode20* node = FindClassNode(docNode, u"MouseDownEffect")) mouseDownEffect_->LoadFromDocNode(*node);
    if (TBTNode20* node = FindClassNode(docNode, u"MouseOverEffect")) mouseOverEffect_->LoadFromDocNode(*node);
    if (TBTNode20* node = FindClassNode(docNode, u"PushedEffect")) pushedEffect_->LoadFromDocNode(*node);
    return true;
}

bool TDrawEffectSetting::SaveToDocNode(TBTNode20& docNode) const {
    WriteBool32Node(docNode, u"IsMixedMouseDownAndPushedEffect", u"是否整合按下和鼠标点击的效果",
                    isMixedMouseDownAndPushedEffect_);
    mouseDownEffect_->SaveToDocNode(WriteClassNode(docNode, u"MouseDownEffect", u"鼠标点击效果"));
    mouseOverEffect_->SaveToDocNode(WriteClassNode(docNode, u"MouseOverEffect", u"鼠标停靠效果"));
    pushedEffect_->SaveToDocNode(WriteClassNode(docNode, u"PushedEffect", u"按下状态效果"));
    return true;
}

bool TDrawEffectSetting::AssignFrom(const ui::Persistent& source) {
    const auto* other = dynamic_cast<const TDrawEffectSetting*>(&source);
    if (other == nullptr) return false;
    isMixedMouseDownAndPushedEffect_ = other->isMixedMouseDownAndPushedEffect_;
    pushedEffect_->Assign(*other->pushedEffect_);
    mouseOverEffect_->Assign(*other->mouseOverEffect_);
    mouseDownEffect_->Assign(*other->mouseDownEffect_);
    mixedEffect_->Assign(*other->mixedEffect_);
    DoChange();
    return true;
}

void TDrawEffectSetting::DoChange() {
    if (OnChange) OnChange(this);
}

}  // namespace skin
