#pragma once

#include <string>
#include <vector>

#include "skin/draw/draw_canvas.h"
#include "ui/path_data.h"

namespace skin {

// The draw canvas on the framework's vector canvas (ui::Canvas): rectangles (solid or gradient fill, rounded
// chosen corners, border inset by its width on chosen sides, a round hole, the line mode), text through each
// text parameter's cached layout (alignment, trimming, word wrap, vertical text, colour runs), text
// measurement, nested clips and the design-time overlays. Warm paints allocate nothing: the hole's path and the
// vertical text are built in storage the canvas keeps.
class TFireMonkeyDrawCanvas : public TDrawCanvas {
public:
    TFireMonkeyDrawCanvas();
    ~TFireMonkeyDrawCanvas() override;

    // Does nothing; false.
    bool CustomPrepare() override { return false; }
    // Ends clips left set by the paint (with a log line) and forgets the canvas; true.
    bool CustomUnPrepare() override;
    // The platform canvas's scene.
    bool BeginDraw() override;
    void EndDraw() override;

    void SetClip(const ui::RectF& clipRect) override;
    void ResetClip() override;

    bool DrawDesigningRect(const ui::RectF& drawRect, ui::AlphaColor borderColor) override;
    bool DrawDesigningText(const ui::RectF& drawRect, std::u16string_view text) override;

    TTextDrawSize CalcTextDrawSize(const TBaseDrawTextParam& param, std::u16string_view text, const ui::RectF& drawRect,
                                   TCalcDrawSizeType sizeType) override;
    bool DrawText(TBaseDrawTextParam& param, std::u16string_view text, const ui::RectF& drawRect,
                  IColorTextList* colorTextList = nullptr) override;
    bool DrawRect(const TBaseDrawRectParam& param, const ui::RectF& drawRect) override;
    // With the process-wide sampling (IsHighSpeedDrawBitmap: nearest neighbour); allocates nothing.
    bool DrawSkinPicture(const TBaseDrawPictureParam& param, const ui::Bitmap* bitmap, const ui::RectF& drawRect,
                         const PicturePlacement* placement = nullptr) override;

    // How many clips are set now, for tests.
    size_t ClipDepth() const { return clipStates_.size(); }

private:
    void DrawRectAsLine(const TBaseDrawRectParam& param, const ui::RectF& rect, float opacity);
    void DrawColorTextRuns(TBaseDrawTextParam& param, const ui::RectF& rect, IColorTextList& list);

    // The states saved by SetClip, innermost last.
    std::vector<ui::Canvas::StateId> clipStates_;
    // The round hole's path.
    ui::PathData holePath_;
    // The text of vertical writing (one character per line).
    std::u16string vertText_;
};

// The text of vertical writing: every character of the text on a line of its own (each followed by CR LF). A
// surrogate pair is one character.
void MakeVerticalText(std::u16string_view text, std::u16string& out);

}  // namespace skin
