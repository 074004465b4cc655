#include "skin/core/skin_material.h"

#include <algorithm>

#include "skin/core/paint_lock.h"
#include "skin/core/skin_string_list.h"
#include "skin/core/store_if_changed.h"
#include "skin/draw/draw_line_param.h"
#include "skin/draw/draw_picture_param.h"
#include "skin/draw/draw_rect_param.h"
#include "skin/draw/draw_text_param.h"
#include "skin/persist/bt_node20.h"
#include "skin/picture/draw_picture.h"
#include "ui/property_table.h"
#include "ui/text.h"

namespace skin {

namespace {

bool IsBlank(std::u16string_view text) {
    return std::all_of(text.begin(), text.end(), [](char16_t c) { return c <= u' '; });
}

}  // namespace

TBaseList& GlobalStyleList() {
    static TBaseList list(ooReference);
    return list;
}

// --- TSkinMaterial

TSkinMaterial::TSkinMaterial() = default;

TSkinMaterial::~TSkinMaterial() {
    // What the material made goes first, the last made first; the lists only refer to it.
    drawParamList_.Clear(false);
    drawPictureList_.Clear(false);
    while (!owned_.empty()) owned_.pop_back();
    // The controls that use the material let go of it while it is still a whole component.
    changeManager_.BeginDestroy(this);
    BeginDestruction();
}

TDrawParam* TSkinMaterial::DrawParam(int index) const { return static_cast<TDrawParam*>(drawParamList_.Items(index)); }

TDrawPicture* TSkinMaterial::DrawPicture(int index) const {
    return static_cast<TDrawPicture*>(drawPictureList_.Items(index));
}

ui::NotifyEvent TSkinMaterial::OnChange() const { return changeManager_.OnChange; }

void TSkinMaterial::SetOnChange(ui::NotifyEvent handler) { changeManager_.OnChange = std::move(handler); }

template <class P>
P* TSkinMaterial::AddParam(std::unique_ptr<P> param) {
    P* result = param.get();
    result->OnChange = [this](ui::Object* sender) { DoChange(sender); };
    result->SetSkinMaterial(this);
    owned_.push_back(std::move(param));
    drawParamList_.Add(result);
    return result;
}

TDrawRectParam* TSkinMaterial::CreateDrawRectParam(std::u16string_view name, std::u16string_view caption) {
    return AddParam(std::make_unique<TDrawRectParam>(name, caption));
}

TDrawTextParam* TSkinMaterial::CreateDrawTextParam(std::u16string_view name, std::u16string_view caption) {
    return AddParam(std::make_unique<TDrawTextParam>(name, caption));
}

TDrawPictureParam* TSkinMaterial::CreateDrawPictureParam(std::u16string_view name, std::u16string_view caption) {
    return AddParam(std::make_unique<TDrawPictureParam>(name, caption));
}

TDrawLineParam* TSkinMaterial::CreateDrawLineParam(std::u16string_view name, std::u16string_view caption) {
    return AddParam(std::make_unique<TDrawLineParam>(name, caption));
}

TDrawPathParam* TSkinMaterial::CreateDrawPathParam(std::u16string_view name, std::u16string_view caption) {
    return AddParam(std::make_unique<TDrawPathParam>(name, caption));
}

TDrawPicture* TSkinMaterial::CreateDrawPicture(std::u16string_view name, std::u16string_view caption,
                                               std::u16string_view group) {
    std::unique_ptr<TDrawPicture> picture = CreateDrawPictureObject(name, caption, group);
    TDrawPicture* result = picture.get();
    result->OnChange = [this](ui::Object* sender) { DoChange(sender); };
    owned_.push_back(std::move(picture));
    drawPictureList_.Add(result);
    return result;
}

TDrawParam* TSkinMaterial::FindParamByName(std::u16string_view name) const {
    for (int i = 0; i < drawParamList_.Count(); ++i) {
        TDrawParam* param = DrawParam(i);
        if (param != nullptr && param->Name() == name) return param;
    }
    return nullptr;
}

TDrawPicture* TSkinMaterial::FindPictureByName(std::u16string_view name) const {
    for (int i = 0; i < drawPictureList_.Count(); ++i) {
        TDrawPicture* picture = DrawPicture(i);
        if (picture != nullptr && picture->Name == name) return picture;
    }
    return nullptr;
}

void TSkinMaterial::RegisterChanges(TSkinObjectChangeLink* link) { changeManager_.RegisterChanges(link); }

void TSkinMaterial::UnRegisterChanges(TSkinObjectChangeLink* link) { changeManager_.UnRegisterChanges(link); }

int TSkinMaterial::LinkCount() const { return changeManager_.LinkCount(); }

void TSkinMaterial::DoChange(ui::Object*) {
    if (PaintLockCount > 0) return;
    if (Owner() == nullptr) return;
    if (Owner()->IsReading() || Owner()->IsLoading()) return;
    changeManager_.DoChange(this);
}

bool TSkinMaterial::HasMouseDownEffect() const {
    for (int i = 0; i < drawParamList_.Count(); ++i) {
        const TDrawParam* param = DrawParam(i);
        if (param != nullptr && param->DrawEffectSetting().MouseDownEffect().HasEffectTypes()) return true;
    }
    return false;
}

bool TSkinMaterial::HasMouseOverEffect() const {
    for (int i = 0; i < drawParamList_.Count(); ++i) {
        const TDrawParam* param = DrawParam(i);
        if (param != nullptr && param->DrawEffectSetting().MouseOverEffect().HasEffectTypes()) return true;
    }
    return false;
}

bool TSkinMaterial::LoadFromDocNode(TBTNode20_Class& docNode) {
    for (int i = 0; i < drawPictureList_.Count(); ++i) {
        TDrawPicture* picture = DrawPicture(i);
        TBTNode20* child = docNode.FindChildNodeByName(picture->Name);
        if (child == nullptr) continue;
        // A picture is stored as a class node; anything else under its name is not one of ours.
        if (TBTNode20_Class* classNode = child->ConvertNode_Class()) picture->LoadFromDocNode(classNode);
    }
    for (int i = 0; i < drawParamList_.Count(); ++i) {
        TDrawParam* param = DrawParam(i);
        if (TBTNode20* child = docNode.FindChildNodeByName(param->Name())) param->LoadFromDocNode(*child);
    }
    return true;
}

bool TSkinMaterial::SaveToDocNode(TBTNode20_Class& docNode) const {
    docNode.SetValue(ClassName());
    for (int i = 0; i < drawPictureList_.Count(); ++i) {
        TDrawPicture* picture = DrawPicture(i);
        picture->SaveToDocNode(docNode.AddChildNode_Class(picture->Name, picture->Caption));
    }
    for (int i = 0; i < drawParamList_.Count(); ++i) {
        const TDrawParam* param = DrawParam(i);
        param->SaveToDocNode(*docNode.AddChildNode_Class(param->Name(), param->Caption()));
    }
    return true;
}

bool TSkinMaterial::AssignFrom(const ui::Persistent& source) {
    const auto* material = dynamic_cast<const TSkinMaterial*>(&source);
    if (material == nullptr) return false;
    AssignMaterialValues(*material);
    for (int i = 0; i < drawParamList_.Count(); ++i) {
        TDrawParam* param = DrawParam(i);
        if (const TDrawParam* from = material->FindParamByName(param->Name())) param->Assign(*from);
    }
    for (int i = 0; i < drawPictureList_.Count(); ++i) {
        TDrawPicture* picture = DrawPicture(i);
        if (const TDrawPicture* from = material->FindPictureByName(picture->Name)) picture->Assign(from);
    }
    DoChange(this);
    return true;
}

// --- TSkinControlMaterial

TSkinControlMaterial::TSkinControlMaterial() : styleNameAliases_(std::make_unique<TSkinStringList>()) {
    drawBackColorParam_ = CreateDrawRectParam(u"DrawBackColorParam", u"背景颜色矩形绘制参数");
}

TSkinControlMaterial::~TSkinControlMaterial() {
    if (isInGlobalStyleList_) GlobalStyleList().Remove(this, false);
    isInGlobalStyleList_ = false;
}

const ui::PropertyTable& TSkinControlMaterial::StaticProperties() {
    static const ui::PropertyTable table =
        ui::PropertyTableBuilder<TSkinControlMaterial>(&ui::Component::StaticProperties())
            .Text(u"StyleName", &TSkinControlMaterial::StyleName, &TSkinControlMaterial::SetStyleName)
            .Object(u"StyleNameAliases",
                    [](TSkinControlMaterial& m) -> TSkinStringList& { return m.StyleNameAliases(); })
            .Integer(u"RefControlCount", &TSkinControlMaterial::RefControlCount)
            .Object(u"BackColor", [](TSkinControlMaterial& m) -> TDrawRectParam& { return m.DrawBackColorParam(); })
            .Bool(u"IsTransparent", &TSkinControlMaterial::IsTransparent, &TSkinControlMaterial::SetIsTransparent)
            .Build();
    return table;
}

void TSkinControlMaterial::SetStyleName(std::u16string_view value) {
    styleName_ = value;
    if (!IsBlank(styleName_)) {
        if (!isInGlobalStyleList_ && GlobalStyleList().IndexOf(this) < 0) GlobalStyleList().Add(this);
        isInGlobalStyleList_ = true;
    } else if (isInGlobalStyleList_) {
        GlobalStyleList().Remove(this, false);
        isInGlobalStyleList_ = false;
    }
}

void TSkinControlMaterial::SetStyleNameAliases(const TSkinStringList& aliases) { styleNameAliases_->Assign(aliases); }

void TSkinControlMaterial::SetIsTransparent(bool value) {
    StoreIfChanged(isTransparent_, value, [this] { DoChange(this); });
}

void TSkinControlMaterial::SetBackColor(const TDrawRectParam& param) { drawBackColorParam_->Assign(param); }

void TSkinControlMaterial::AssignMaterialValues(const TSkinMaterial& source) {
    // Taken over without a report of its own: the copy reports once at its end.
    if (const auto* material = dynamic_cast<const TSkinControlMaterial*>(&source)) {
        isTransparent_ = material->isTransparent_;
    }
}

bool TSkinControlMaterial::LoadFromDocNode(TBTNode20_Class& docNode) {
    TSkinMaterial::LoadFromDocNode(docNode);
    const TBTNodeList20& children = docNode.ChildNodes();
    for (int i = 0; i < children.Count(); ++i) {
        TBTNode20* child = children.GetItems(i);
        if (child->NodeName() != u"IsTransparent") continue;
        if (TBTNode20_Bool32* value = child->ConvertNode_Bool32()) isTransparent_ = value->Value();
    }
    return true;
}

bool TSkinControlMaterial::SaveToDocNode(TBTNode20_Class& docNode) const {
    TSkinMaterial::SaveToDocNode(docNode);
    docNode.AddChildNode_Bool32(u"IsTransparent", u"是否透明")->SetValue(isTransparent_);
    return true;
}

}  // namespace skin
