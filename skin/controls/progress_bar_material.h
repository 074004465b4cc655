#pragma once

#include "skin/core/skin_material.h"

namespace skin {

// What both kinds of progress bar draw over the fill: the percentage and the caption.
class TSkinProgressBarMaterial : public TSkinControlMaterial {
public:
    TSkinProgressBarMaterial();
    std::u16string_view ClassName() const override { return u"TSkinProgressBarMaterial"; }
    static const ui::PropertyTable& StaticProperties();
    const ui::PropertyTable& PublishedProperties() const override { return StaticProperties(); }

    bool IsDrawPercent() const { return isDrawPercent_; }
    // A changed value reports.
    void SetIsDrawPercent(bool value);
    TDrawTextParam& DrawPercentParam() const { return *drawPercentParam_; }
    TDrawTextParam& DrawCaptionParam() const { return *drawCaptionParam_; }
    // Reveal the full-length fill up to the position instead of squeezing it into the filled part.
    bool IsClipPercentRect() const { return isClipPercentRect_; }
    void SetIsClipPercentRect(bool value);

    bool LoadFromDocNode(TBTNode20_Class& docNode) override;
    bool SaveToDocNode(TBTNode20_Class& docNode) const override;

protected:
    // IsDrawPercent, then what every control material copies (IsClipPercentRect is not copied).
    void AssignMaterialValues(const TSkinMaterial& source) override;

private:
    bool isDrawPercent_ = false;
    TDrawTextParam* drawPercentParam_;
    TDrawTextParam* drawCaptionParam_;
    bool isClipPercentRect_ = false;
};

// The picture bar: a track and a fill picture for each orientation.
class TSkinProgressBarDefaultMaterial : public TSkinProgressBarMaterial {
public:
    TSkinProgressBarDefaultMaterial();
    std::u16string_view ClassName() const override { return u"TSkinProgressBarDefaultMaterial"; }
    static const ui::PropertyTable& StaticProperties();
    const ui::PropertyTable& PublishedProperties() const override { return StaticProperties(); }

    TDrawPicture& HorzBackGndPicture() const { return *horzBackGndPicture_; }
    TDrawPicture& VertBackGndPicture() const { return *vertBackGndPicture_; }
    TDrawPicture& HorzForeGndPicture() const { return *horzForeGndPicture_; }
    TDrawPicture& VertForeGndPicture() const { return *vertForeGndPicture_; }
    TDrawPictureParam& BackGndDrawPictureParam() const { return *backGndDrawPictureParam_; }
    TDrawPictureParam& ForeGndDrawPictureParam() const { return *foreGndDrawPictureParam_; }

private:
    TDrawPicture* horzBackGndPicture_;
    TDrawPicture* vertBackGndPicture_;
    TDrawPicture* horzForeGndPicture_;
    TDrawPicture* vertForeGndPicture_;
    TDrawPictureParam* backGndDrawPictureParam_;
    TDrawPictureParam* foreGndDrawPictureParam_;
};

// The colour bar: a filled rectangle over the background, optionally filling from the far end.
class TSkinProgressBarColorMaterial : public TSkinProgressBarMaterial {
public:
    TSkinProgressBarColorMaterial();
    std::u16string_view ClassName() const override { return u"TSkinProgressBarColorMaterial"; }
    static const ui::PropertyTable& StaticProperties();
    const ui::PropertyTable& PublishedProperties() const override { return StaticProperties(); }

    TDrawRectParam& ForeColor() const { return *foreColor_; }
    bool IsReverse() const { return isReverse_; }
    void SetIsReverse(bool value);

private:
    TDrawRectParam* foreColor_;
    bool isReverse_ = false;
};

}  // namespace skin
