#include "skin/draw/draw_text_param.h"

#include "skin/core/store_if_changed.h"
#include "skin/draw/default_font.h"
#include "skin/draw/doc_node_io.h"
#include "skin/persist/bt_node20.h"
#include "ui/property_table.h"

namespace skin {

TBaseDrawTextParam::TBaseDrawTextParam(std::u16string_view name, std::u16string_view caption)
    : TDrawParam(name, caption, std::make_unique<TDrawTextEffectSetting>()) {
    drawFont_.OnChange = [this](ui::Object*) { DoChange(); };
    TBaseDrawTextParam::Clear();
    isDrawVert_ = false;
}

TBaseDrawTextParam::~TBaseDrawTextParam() = default;

void TBaseDrawTextParam::SetIsWordWrap(bool value) {
    StoreIfChanged(isWordWrap_, value, [this] { DoChange(); });
}

void TBaseDrawTextParam::SetIsDrawVert(bool value) {
    // Vertical writing wraps after every character: turning it on turns word wrap on in the same report.
    StoreIfChanged(isDrawVert_, value, [this, value] {
        if (value) isWordWrap_ = true;
        DoChange();
    });
}

void TBaseDrawTextParam::SetFontHorzAlign(TFontHorzAlign value) {
    StoreIfChanged(fontHorzAlign_, value, [this] { DoChange(); });
}
void TBaseDrawTextParam::SetFontVertAlign(TFontVertAlign value) {
    StoreIfChanged(fontVertAlign_, value, [this] { DoChange(); });
}
// Reported like every other setting: a new trimming shows only after a repaint.
void TBaseDrawTextParam::SetFontTrimming(TFontTrimmingType value) {
    StoreIfChanged(fontTrimming_, value, [this] { DoChange(); });
}
void TBaseDrawTextParam::SetAutoSizeWidthAdjust(double value) {
    StoreIfChanged(autoSizeWidthAdjust_, value, [this] { DoChange(); });
}
void TBaseDrawTextParam::SetAutoSizeHeightAdjust(double value) {
    StoreIfChanged(autoSizeHeightAdjust_, value, [this] { DoChange(); });
}

TSkinAlign TBaseDrawTextParam::HorzAlign() const { return static_cast<TSkinAlign>(fontHorzAlign_); }
void TBaseDrawTextParam::SetHorzAlign(TSkinAlign align) { SetFontHorzAlign(static_cast<TFontHorzAlign>(align)); }
TSkinAlign TBaseDrawTextParam::VertAlign() const { return static_cast<TSkinAlign>(fontVertAlign_); }
void TBaseDrawTextParam::SetVertAlign(TSkinAlign align) { SetFontVertAlign(static_cast<TFontVertAlign>(align)); }

bool TBaseDrawTextParam::IsFontNameStored() const { return FontName() != DefaultDrawFont().family; }
bool TBaseDrawTextParam::IsFontSizeStored() const { return static_cast<float>(FontSize()) != DefaultDrawFont().size; }

const TDrawColor& TBaseDrawTextParam::CurrentEffectFontColor() const {
    const TDrawTextParamEffect* effect = CurrentTextEffect();
    return effect != nullptr && effect->HasEffectType(TDTPEffectType::dtpetFontColorChange) ? effect->FontColor()
                                                                                            : drawFont_.FontColor();
}

double TBaseDrawTextParam::CurrentEffectFontSize() const {
    const TDrawTextParamEffect* effect = CurrentTextEffect();
    return effect != nullptr && effect->HasEffectType(TDTPEffectType::dtpetFontSizeChange) ? effect->FontSize()
                                                                                           : drawFont_.FontSize();
}

TFontStyles TBaseDrawTextParam::CurrentEffectFontStyle() const {
    const TDrawTextParamEffect* effect = CurrentTextEffect();
    return effect != nullptr && effect->HasEffectType(TDTPEffectType::dtpetFontStyleChange) ? effect->FontStyle()
                                                                                            : drawFont_.FontStyle();
}

void TBaseDrawTextParam::Clear() {
    TDrawParam::Clear();
    drawFont_.Clear();
    isWordWrap_ = false;
    fontTrimming_ = TFontTrimmingType::fttNone;
    fontVertAlign_ = TFontVertAlign::fvaTop;
    fontHorzAlign_ = TFontHorzAlign::fhaLeft;
}

bool TBaseDrawTextParam::LoadFromDocNode(TBTNode20& docNode) {
    TDrawParam::LoadFromDocNode(docNode);
    if (TBTNode20* node = FindClassNode(docNode, u"DrawFont")) drawFont_.LoadFromDocNode(*node);
    if (auto v = ReadBool32Node(docNode, u"IsDrawVert")) SetIsDrawVert(*v);
    if (auto v = ReadBool32Node(docNode, u"IsWordWrap")) SetIsWordWrap(*v);
    if (auto v = ReadEnumNode<TFontTrimmingType>(docNode, u"FontTrimming")) SetFontTrimming(*v);
    if (auto v = ReadEnumNode<TFontHorzAlign>(docNode, u"FontHorzAlign")) SetFontHorzAlign(*v);
    if (auto v = ReadEnumNode<TFontVertAlign>(docNode, u"FontVertAlign")) SetFontVertAlign(*v);
    return true;
}

bool TBaseDrawTextParam::SaveToDocNode(TBTNode20& docNode) const {
    TDrawParam::SaveToDocNode(docNode);
    drawFont_.SaveToDocNode(WriteClassNode(docNode, u"DrawFont", u"绘制字体"));
    WriteBool32Node(docNode, u"IsDrawVert", u"是否垂直绘制", isDrawVert_);
    WriteBool32Node(docNode, u"IsWordWrap", u"是否换行", isWordWrap_);
    WriteEnumNode(docNode, u"FontTrimming", u"字体截断类型", fontTrimming_);
    WriteEnumNode(docNode, u"FontHorzAlign", u"水平对齐风格", fontHorzAlign_);
    WriteEnumNode(docNode, u"FontVertAlign", u"垂直对齐风格", fontVertAlign_);
    return true;
}

bool TBaseDrawTextParam::AssignFrom(const ui::Persistent& source) {
    if (const auto* other = dynamic_cast<const TBaseDrawTextParam*>(&source)) {
        drawFont_.Assign(other->drawFont_);
        fontTrimming_ = other->fontTrimming_;
        fontVertAlign_ = other->fontVertAlign_;
        fontHorzAlign_ = other->fontHorzAlign_;
        isWordWrap_ = other->isWordWrap_;
        isDrawVert_ = other->isDrawVert_;
    }
    return TDrawParam::AssignFrom(source);
}

const ui::PropertyTable& TDrawTextParam::StaticProperties() {
    using T = TDrawTextParam;
    static const ui::PropertyTable table =
        ui::PropertyTableBuilder<T>(&TDrawParam::StaticProperties())
            .Object(u"DrawFont", [](T& p) -> ui::Persistent& { return p.DrawFont(); })
            .Text(u"FontName", &T::FontName, [](T& p, const std::u16string& family) { p.SetFontName(family); })
            .Double(u"FontSize", &T::FontSize, &T::SetFontSize)
            .Set<TFontStyle>(u"FontStyle", kEnumNames<TFontStyle>, &T::FontStyle, &T::SetFontStyle)
            .Color(u"FontColor", &T::FontColor, &T::SetFontColor)
            .Bool(u"IsWordWrap", &T::IsWordWrap, &T::SetIsWordWrap)
            .Bool(u"IsDrawVert", &T::IsDrawVert, &T::SetIsDrawVert)
            .Enumeration<TFontHorzAlign>(u"FontHorzAlign", kEnumNames<TFontHorzAlign>, &T::FontHorzAlign,
                                         &T::SetFontHorzAlign)
            .Enumeration<TFontVertAlign>(u"FontVertAlign", kEnumNames<TFontVertAlign>, &T::FontVertAlign,
                                         &T::SetFontVertAlign)
            .Enumeration<TFontTrimmingType>(u"FontTrimming", kEnumNames<TFontTrimmingType>, &T::FontTrimming,
                                            &T::SetFontTrimming)
            .Double(u"AutoSizeWidthAdjust", &T::AutoSizeWidthAdjust, &T::SetAutoSizeWidthAdjust)
            .Double(u"AutoSizeHeightAdjust", &T::AutoSizeHeightAdjust, &T::SetAutoSizeHeightAdjust)
            .Build();
    return table;
}

TDrawTextParam& GetGlobalDefaultDrawTextParam() {
    static TDrawTextParam param(u"GlobalDefaultDrawTextParam", u"全局文本绘制参数");
    return param;
}

}  // namespace skin
