#include "ui/testing/recording_canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>

#include "ui/stream.h"
#include "ui/text.h"

namespace ui {

namespace {

std::string Num(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", static_cast<double>(value));
    return text;
}

std::string Rect(const RectF& r) { return Num(r.left) + "," + Num(r.top) + "," + Num(r.right) + "," + Num(r.bottom); }

std::string Point(PointF p) { return Num(p.x) + "," + Num(p.y); }

std::string Color(AlphaColor color) {
    char text[16];
    std::snprintf(text, sizeof text, "%08X", color);
    return text;
}

const char* Align(TextAlign align) {
    switch (align) {
        case TextAlign::Leading:
            return "leading";
        case TextAlign::Center:
            return "center";
        case TextAlign::Trailing:
            return "trailing";
    }
    return "?";
}

std::string PathText(const PathData& path) {
    std::string out;
    for (const PathData::Element& e : path.Elements()) {
        switch (e.verb) {
            case PathData::Verb::MoveTo:
                out += " M" + Point(e.points[0]);
                break;
            case PathData::Verb::LineTo:
                out += " L" + Point(e.points[0]);
                break;
            case PathData::Verb::CurveTo:
                out += " C" + Point(e.points[0]) + " " + Point(e.points[1]) + " " + Point(e.points[2]);
                break;
            case PathData::Verb::Close:
                out += " Z";
                break;
        }
    }
    return out;
}

// Lines of a text: CR LF, LF and CR each end one.
std::vector<std::u16string_view> Lines(std::u16string_view text) {
    std::vector<std::u16string_view> lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' || text[i] == u'\n') {
            lines.push_back(text.substr(start, i - start));
            if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
            start = i + 1;
        }
    }
    if (start < text.size() || lines.empty()) lines.push_back(text.substr(start));
    return lines;
}

}  // namespace

std::string RecordingCanvas::FillDescription() const {
    const FillBrush& fill = Fill();
    switch (fill.kind) {
        case BrushKind::None:
            return "none";
        case BrushKind::Solid:
            return "solid:" + Color(fill.color);
        case BrushKind::Gradient: {
            std::string out = "gradient:" + Color(fill.color);
            for (size_t i = 1; i < fill.gradient.stops.size(); ++i) {
                out += "/" + Color(fill.gradient.stops[i].color) + "@" + Num(fill.gradient.stops[i].offset);
            }
            return out;
        }
    }
    return "?";
}

std::string RecordingCanvas::StrokeDescription() const {
    const StrokeBrush& stroke = Stroke();
    return Color(stroke.color) + " w=" + Num(stroke.thickness) + (stroke.dash == DashStyle::Dash ? " dash" : "");
}

Canvas::StateId RecordingCanvas::SaveState() {
    saved_.push_back({clip, matrix_});
    calls.push_back("SaveState " + std::to_string(saved_.size() - 1));
    return static_cast<StateId>(saved_.size() - 1);
}

void RecordingCanvas::RestoreState(StateId state) {
    calls.push_back("RestoreState " + std::to_string(state));
    if (state < 0 || static_cast<size_t>(state) >= saved_.size()) return;
    clip = saved_[static_cast<size_t>(state)].clip;
    matrix_ = saved_[static_cast<size_t>(state)].matrix;
    saved_.resize(static_cast<size_t>(state));
}

void RecordingCanvas::IntersectClipRect(const RectF& rect) {
    // Clips are kept in canvas coordinates; with a transform only translation and scaling are honoured.
    const PointF a = matrix_.Apply(rect.TopLeft());
    const PointF b = matrix_.Apply({rect.right, rect.bottom});
    clip = clip.Intersect(RectF::FromCorners(a, b));
    calls.push_back("Clip " + Rect(rect));
}

void RecordingCanvas::SetMatrix(const Matrix& matrix) {
    matrix_ = matrix;
    calls.push_back("SetMatrix " + Num(matrix.m11) + "," + Num(matrix.m12) + "," + Num(matrix.m21) + "," +
                    Num(matrix.m22) + "," + Num(matrix.dx) + "," + Num(matrix.dy));
}

bool RecordingCanvas::BeginScene() {
    calls.push_back("BeginScene");
    return true;
}

void RecordingCanvas::EndScene() { calls.push_back("EndScene"); }

void RecordingCanvas::FillRect(const RectF& rect, float rx, float ry, unsigned corners, float opacity) {
    calls.push_back("FillRect " + Rect(rect) + " r=" + Num(rx) + "," + Num(ry) + " c=" + std::to_string(corners) +
                    " o=" + Num(opacity) + " fill=" + FillDescription());
}

void RecordingCanvas::DrawRect(const RectF& rect, float rx, float ry, unsigned corners, float opacity) {
    calls.push_back("DrawRect " + Rect(rect) + " r=" + Num(rx) + "," + Num(ry) + " c=" + std::to_string(corners) +
                    " o=" + Num(opacity) + " stroke=" + StrokeDescription());
}

void RecordingCanvas::DrawRectSides(const RectF& rect, unsigned sides, float opacity) {
    calls.push_back("DrawRectSides " + Rect(rect) + " s=" + std::to_string(sides) + " o=" + Num(opacity) +
                    " stroke=" + StrokeDescription());
}

void RecordingCanvas::DrawRoundRectSides(const RectF& rect, float rx, float ry, unsigned corners, unsigned sides,
                                         float opacity) {
    calls.push_back("DrawRoundRectSides " + Rect(rect) + " r=" + Num(rx) + "," + Num(ry) +
                    " c=" + std::to_string(corners) + " s=" + std::to_string(sides) + " o=" + Num(opacity) +
                    " stroke=" + StrokeDescription());
}

void RecordingCanvas::FillPath(const PathData& path, float opacity, FillRule rule) {
    calls.push_back(std::string("FillPath") + (rule == FillRule::EvenOdd ? " evenodd" : " nonzero") +
                    " o=" + Num(opacity) + " fill=" + FillDescription() + PathText(path));
}

void RecordingCanvas::DrawPath(const PathData& path, float opacity) {
    calls.push_back("DrawPath o=" + Num(opacity) + " stroke=" + StrokeDescription() + PathText(path));
}

void RecordingCanvas::DrawLine(PointF from, PointF to, float opacity) {
    calls.push_back("DrawLine " + Point(from) + " " + Point(to) + " o=" + Num(opacity) +
                    " stroke=" + StrokeDescription());
}

void RecordingCanvas::DrawBitmap(const Bitmap& bitmap, const RectF& source, const RectF& dest, float opacity,
                                 BitmapSampling sampling) {
    calls.push_back("DrawBitmap " + std::to_string(bitmap.Width()) + "x" + std::to_string(bitmap.Height()) + " " +
                    Rect(source) + " -> " + Rect(dest) + " o=" + Num(opacity) +
                    (sampling == BitmapSampling::NearestNeighbor ? " fast" : ""));
}

void RecordingCanvas::FillText(const RectF& rect, std::u16string_view text, TextWrap wrap, float opacity,
                               TextAlign horizontal, TextAlign vertical) {
    const Font& font = CanvasFont();
    calls.push_back("FillText " + Rect(rect) + " '" + Utf16ToUtf8(text) + "' font=" + Utf16ToUtf8(font.family) + "/" +
                    Num(font.size) + "/" + std::to_string(font.style) + " o=" + Num(opacity) + " " + Align(horizontal) +
                    "/" + Align(vertical) + (wrap == TextWrap::Word ? " wrap" : "") + " fill=" + FillDescription());
}

float RecordingCanvas::TextWidth(std::u16string_view text) {
    float widest = 0;
    for (std::u16string_view line : Lines(text)) widest = std::max(widest, 0.5f * CanvasFont().size * line.size());
    return widest;
}

float RecordingCanvas::TextHeight(std::u16string_view text) {
    return 1.25f * CanvasFont().size * static_cast<float>(Lines(text).size());
}

MemoryBitmap::MemoryBitmap(int width, int height, float scale)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      scale_(scale),
      pixels_(static_cast<size_t>(width_) * static_cast<size_t>(height_), 0u),
      canvas_(scale) {}

void MemoryBitmap::SaveToPng(Stream& stream) {
    const std::string header = "MEMBMP " + std::to_string(width_) + "x" + std::to_string(height_);
    stream.Write(std::as_bytes(std::span(header)));
}

void RecordingTextLayout::RenderLayout(Canvas& canvas) {
    const TextLayoutSettings& s = Settings();
    if (auto* recorder = dynamic_cast<RecordingCanvas*>(&canvas)) {
        recorder->calls.push_back(
            "TextLayout " + Point(s.topLeft) + " max=" + Num(s.maxSize.width) + "," + Num(s.maxSize.height) + " '" +
            Utf16ToUtf8(s.text) + "' font=" + Utf16ToUtf8(s.font.family) + "/" + Num(s.font.size) + "/" +
            std::to_string(s.font.style) + " color=" + Color(s.color) + " o=" + Num(s.opacity) + " " +
            Align(s.horizontalAlign) + "/" + Align(s.verticalAlign) + (s.wrap == TextWrap::Word ? " wrap" : "") +
            " trim=" + std::to_string(static_cast<int>(s.trimming)));
    }
}

float RecordingTextLayout::TextWidth() {
    const TextLayoutSettings& s = Settings();
    float widest = 0;
    for (std::u16string_view line : Lines(s.text)) {
        float width = 0.5f * s.font.size * line.size();
        if (s.wrap == TextWrap::Word) width = std::min(width, s.maxSize.width);
        widest = std::max(widest, width);
    }
    return widest;
}

float RecordingTextLayout::TextHeight() {
    const TextLayoutSettings& s = Settings();
    size_t lines = 0;
    for (std::u16string_view line : Lines(s.text)) {
        const float width = 0.5f * s.font.size * line.size();
        lines += s.wrap == TextWrap::Word && s.maxSize.width > 0 && width > s.maxSize.width
                     ? static_cast<size_t>(std::ceil(width / s.maxSize.width))
                     : 1;
    }
    return 1.25f * s.font.size * static_cast<float>(lines);
}

std::vector<std::byte> RecordingGraphics::EncodeTestImage(int width, int height) {
    return {std::byte{'I'},
            std::byte{'M'},
            std::byte{'G'},
            static_cast<std::byte>(width & 0xFF),
            static_cast<std::byte>(width >> 8),
            static_cast<std::byte>(height & 0xFF),
            static_cast<std::byte>(height >> 8)};
}

std::unique_ptr<Bitmap> RecordingGraphics::CreateBitmap(int width, int height, float scale) {
    return std::make_unique<MemoryBitmap>(width, height, scale);
}

std::unique_ptr<Bitmap> RecordingGraphics::DecodeBitmap(std::span<const std::byte> encoded) {
    if (encoded.size() < 7 || encoded[0] != std::byte{'I'} || encoded[1] != std::byte{'M'} ||
        encoded[2] != std::byte{'G'}) {
        return nullptr;
    }
    const int width = std::to_integer<int>(encoded[3]) | (std::to_integer<int>(encoded[4]) << 8);
    const int height = std::to_integer<int>(encoded[5]) | (std::to_integer<int>(encoded[6]) << 8);
    return std::make_unique<MemoryBitmap>(width, height, 1);
}

std::unique_ptr<Bitmap> RecordingGraphics::LoadBitmapFromFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return nullptr;
    std::vector<char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    return DecodeBitmap(std::as_bytes(std::span(bytes)));
}

std::unique_ptr<Bitmap> RecordingGraphics::LoadBitmapFromResource(std::u16string_view name) {
    for (const auto& [resourceName, bytes] : resources) {
        if (resourceName == name) return DecodeBitmap(bytes);
    }
    return nullptr;
}

std::unique_ptr<TextLayout> RecordingGraphics::CreateTextLayout() { return std::make_unique<RecordingTextLayout>(); }

}  // namespace ui
