#include "skin/draw/draw_param.h"

#include "skin/core/store_if_changed.h"
#include "skin/draw/doc_node_io.h"
#include "skin/persist/bt_node20.h"
#include "ui/property_table.h"

namespace skin {

TDrawParam::TDrawParam(std::u16string_view name, std::u16string_view caption)
    : TDrawParam(name, caption, std::make_unique<TDrawEffectSetting>()) {}

TDrawParam::TDrawParam(std::u16string_view name, std::u16string_view caption,
                       std::unique_ptr<TDrawEffectSetting> drawEffectSetting)
    : name_(name),
      caption_(caption),
      drawRectSetting_(std::make_unique<TDrawRectSetting>()),
      drawEffectSetting_(std::move(drawEffectSetting)) {
    drawRectSetting_->OnChange = [this](ui::Object*) { DoChange(); };
    drawEffectSetting_->OnChange = [this](ui::Object*) { DoChange(); };
    TDrawParam::Clear();
}

TDrawParam::~TDrawParam() = default;

const ui::PropertyTable& TDrawParam::StaticProperties() {
    using T = TDrawParam;
    static const ui::PropertyTable table =
        ui::PropertyTableBuilder<T>()
            .Integer<uint8_t>(u"Alpha", &T::Alpha, &T::SetAlpha)
            .Object(u"DrawRectSetting", [](T& p) -> ui::Persistent& { return p.DrawRectSetting(); })
            .Object(u"DrawEffectSetting", [](T& p) -> ui::Persistent& { return p.DrawEffectSetting(); })
            .Build();
    return table;
}

void TDrawParam::SetAlpha(uint8_t value) {
    StoreIfChanged(alpha_, value, [this] { DoChange(); });
}

void TDrawParam::Clear() {
    alpha_ = 255;
    DrawAlpha = 255;
    drawRectSetting_->Clear();
    drawEffectSetting_->Clear();
}

const TDrawParamCommonEffect* TDrawParam::CurrentEffect() const {
    using S = TDPEffectState;
    const TDPEffectStates states = staticEffectStates_;
    if (states.Empty()) return nullptr;
    const TDrawEffectSetting& setting = *drawEffectSetting_;
    if (states.Contains(S::dpstDisabled)) {
        const TDrawParamCommonEffect& disabled = setting.DisabledEffect();
        return disabled.HasEffectTypes() ? &disabled : nullptr;
    }
    const TDrawParamCommonEffect* effect = nullptr;
    auto consider = [&](S state, const TDrawParamCommonEffect& candidate) {
        if (states.Contains(state) && candidate.HasEffectTypes()) effect = &candidate;
    };
    consider(S::dpstFocused, setting.FocusedEffect());
    consider(S::dpstMouseOver, setting.MouseOverEffect());
    consider(S::dpstMouseDown, setting.MouseDownEffect());
    consider(S::dpstPushed, setting.PushedEffect());
    if (setting.IsMixedMouseDownAndPushedEffect() && states.Contains(S::dpstMouseDown) &&
        states.Contains(S::dpstPushed) && setting.MouseDownEffect().HasEffectTypes() &&
        setting.PushedEffect().HasEffectTypes()) {
        setting.MixedEffect().MixEffects(setting.PushedEffect(), setting.MouseDownEffect());
        effect = &setting.MixedEffect();
    }
    return effect;
}

uint8_t TDrawParam::CurrentEffectAlpha() const {
    const TDrawParamCommonEffect* effect = CurrentEffect();
    if (effect != nullptr && effect->HasCommonEffectType(TDPCommonEffectType::dpcetAlphaChange)) {
        return effect->Alpha();
    }
    return alpha_;
}

ui::RectF TDrawParam::CalcDrawRect(const ui::RectF& controlRect) const {
    const ui::RectF rect = drawRectSetting_->CalcDrawRect(controlRect);
    const TDrawParamCommonEffect* effect = CurrentEffect();
    if (effect != nullptr && effect->HasCommonEffectType(TDPCommonEffectType::dpcetOffsetChange)) {
        const auto offset = static_cast<float>(effect->Offset());
        return rect.Offset(offset, offset);
    }
    return rect;
}

bool TDrawParam::LoadFromDocNode(TBTNode20& docNode) {
    Clear();
    if (auto v = ReadUInt8Node(docNode, u"Alpha")) SetAlpha(*v);
    if (TBTNode20* node = FindClassNode(docNode, u"DrawRectSetting")) drawRectSetting_->LoadFromDocNode(*node);
    if (TBTNode20* node = FindClassNode(docNode, u"DrawEffectSetting")) drawEffectSetting_->LoadFromDocNode(*node);
    return true;
}

bool TDrawParam::SaveToDocNode(TBTNode20& docNode) const {
    SetNodeClassName(docNode, ClassName());
    WriteTextNode(docNode, u"Name", u"名称", name_);
    WriteTextNode(docNode, u"Caption", u"标题", caption_);
    WriteUInt8Node(docNode, u"Alpha", u"透明度", alpha_);
    drawRectSetting_->SaveToDocNode(WriteClassNode(docNode, u"DrawRectSetting", u"绘制矩形设置"));
    drawEffectSetting_->SaveToDocNode(WriteClassNode(docNode, u"DrawEffectSetting", u"绘制效果设置"));
    return true;
}

void TDrawParam::DoChange() {
    if (OnChange) OnChange(this);
}

bool TDrawParam::AssignFrom(const ui::Persistent& source) {
    const auto* other = dynamic_cast<const TDrawParam*>(&source);
    if (other == nullptr) return false;
    alpha_ = other->alpha_;
    drawRectSetting_->Assign(*other->drawRectSetting_);
    drawEffectSetting_->Assign(*other->drawEffectSetting_);
    DoChange();
    return true;
}

}  // namespace skin
