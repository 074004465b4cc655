#pragma once

#include <string_view>

#include "skin/core/skin_enum.h"
#include "skin/draw/picture_painter.h"
#include "skin/picture/skin_picture_canvas.h"
#include "ui/bitmap.h"
#include "ui/canvas.h"
#include "ui/geometry.h"

namespace skin {

class IColorTextList;
class TBaseDrawPicture;
class TBaseDrawPictureParam;
class TBaseDrawRectParam;
class TBaseDrawTextParam;

// Which size a text measurement is asked for; the framework canvas always measures both.
SKIN_ENUM(TCalcDrawSizeType, cdstBoth, cdstWidth, cdstHeight);

// The size a text takes, rounded up to whole device pixels.
struct TTextDrawSize {
    double DrawWidth = 0;
    double DrawHeight = 0;
};

// What a skinned control paints with: drawing parameters and a rectangle go in, primitives on the platform
// canvas of the current paint come out (the parameter's current effect, its DrawAlpha as the opacity of every
// primitive, its rectangle setting). A control owns one, attaches it to each paint's canvas with Prepare and
// detaches it with UnPrepare; drawing operations are called only in between.
class TDrawCanvas : public ISkinPictureCanvas {
public:
    TDrawCanvas() = default;
    TDrawCanvas(const TDrawCanvas&) = delete;
    TDrawCanvas& operator=(const TDrawCanvas&) = delete;
    // Detaches (UnPrepare); the platform canvas is never freed by the draw canvas.
    virtual ~TDrawCanvas();

    // The canvas of the current paint (not owned), nullptr outside Prepare/UnPrepare.
    ui::Canvas* Canvas() const { return canvas_; }

    // Attaches to the platform canvas and runs CustomPrepare; true.
    bool Prepare(ui::Canvas& canvas);
    // Runs CustomUnPrepare and detaches; true.
    bool UnPrepare();

    virtual bool CustomPrepare() { return true; }
    virtual bool CustomUnPrepare() { return true; }
    // Around drawing onto an off-screen bitmap's canvas; a control's paint runs inside its host's scene.
    virtual bool BeginDraw() { return true; }
    virtual void EndDraw() {}

    // Narrows the clip to the rectangle until the matching ResetClip. Clips nest: each ResetClip returns to
    // the clip before its own SetClip. TDrawCanvasClip pairs them by scope.
    virtual void SetClip(const ui::RectF& clipRect) = 0;
    virtual void ResetClip() = 0;

    // Design-time overlays: the control's outline and its name. They answer false.
    virtual bool DrawDesigningRect(const ui::RectF& drawRect, ui::AlphaColor borderColor) = 0;
    virtual bool DrawDesigningText(const ui::RectF& drawRect, std::u16string_view text) = 0;

    // The size the text takes when drawn with the parameter's own font inside its drawn rectangle.
    virtual TTextDrawSize CalcTextDrawSize(const TBaseDrawTextParam& param, std::u16string_view text,
                                           const ui::RectF& drawRect, TCalcDrawSizeType sizeType) = 0;
    // Draws the text (or, with a colour list and no word wrap, the list's runs) in the parameter's drawn
    // rectangle. The parameter keeps the canvas's text layout for the next draw.
    virtual bool DrawText(TBaseDrawTextParam& param, std::u16string_view text, const ui::RectF& drawRect,
                          IColorTextList* colorTextList = nullptr) = 0;
    // The box of the measured text placed inside drawRect itself (not the rectangle setting's rectangle) by
    // the parameter's horizontal and vertical alignment.
    virtual ui::RectF CalcTextDrawRect(const TBaseDrawTextParam& param, std::u16string_view text,
                                       const ui::RectF& drawRect);
    // Fills and borders the parameter's drawn rectangle, or draws it as a line.
    virtual bool DrawRect(const TBaseDrawRectParam& param, const ui::RectF& drawRect) = 0;
    // Draws one bitmap by the picture parameter inside the control rectangle drawRect: placed by the parameter
    // (CalcPictureDrawRect of its drawn rectangle) unless placement gives the source and destination, turned by
    // the current effect's angle about the placed picture's centre, cut by the stretch style. Nothing for no or
    // an empty bitmap or a rectangle without area. True.
    bool DrawSkinPicture(const TBaseDrawPictureParam& param, const ui::Bitmap* bitmap, const ui::RectF& drawRect,
                         const PicturePlacement* placement = nullptr) override = 0;
    // Draws the picture object's current picture by the parameter inside the control rectangle drawRect. First
    // hands the parameter's current effect image index and name to the picture (so that an effect can show
    // another image-list entry; they stay until the next draw), then places its current picture in the
    // parameter's drawn rectangle and draws it with DrawSkinPicture. Nothing for no picture, an empty current
    // picture or a rectangle without area. True.
    bool DrawPicture(const TBaseDrawPictureParam& param, TBaseDrawPicture* picture, const ui::RectF& drawRect);

    double CalcTextDrawWidth(const TBaseDrawTextParam& param, std::u16string_view text, const ui::RectF& drawRect) {
        return CalcTextDrawSize(param, text, drawRect, TCalcDrawSizeType::cdstWidth).DrawWidth;
    }
    double CalcTextDrawHeight(const TBaseDrawTextParam& param, std::u16string_view text, const ui::RectF& drawRect) {
        return CalcTextDrawSize(param, text, drawRect, TCalcDrawSizeType::cdstHeight).DrawHeight;
    }

protected:
    // Forgets the platform canvas (for CustomUnPrepare of implementations that clear it themselves).
    void ClearCanvas() { canvas_ = nullptr; }

private:
    ui::Canvas* canvas_ = nullptr;
};

// A clip of a draw canvas for the length of a scope: SetClip when made, ResetClip when it ends, so that an early
// return or an exception cannot leave the clip set for the controls painted after it.
class TDrawCanvasClip {
public:
    TDrawCanvasClip(TDrawCanvas& canvas, const ui::RectF& clipRect) : canvas_(canvas) { canvas_.SetClip(clipRect); }
    TDrawCanvasClip(const TDrawCanvasClip&) = delete;
    TDrawCanvasClip& operator=(const TDrawCanvasClip&) = delete;
    ~TDrawCanvasClip() { canvas_.ResetClip(); }

private:
    TDrawCanvas& canvas_;
};

}  // namespace skin
