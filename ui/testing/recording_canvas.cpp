#include "ui/testing/recording_canvas.h"

#include <cstring>
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

bool RecordingCanvas::RectVisible(const RectF& rect) const {
    return !clip.Intersect(matrix_.MapRect(rect)).IsEmpty();
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
    // The test image format, pixels included, so what is saved reads back.
    std::vector<std::byte> bytes = RecordingGraphics::EncodeTestImage(width_, height_);
    const auto pixels = std::as_bytes(std::span(pixels_));
    bytes.insert(bytes.end(), pixels.begin(), pixels.end());
    stream.Write(bytes);
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

namespace {

constexpr char kTestFramesSignature[] = "GIFtst";
constexpr size_t kTestFramesHeader = 6 + 2 + 2 + 1;
constexpr size_t kTestFrameSize = 2 * 5 + 1 + 4;

void PutWord(std::vector<std::byte>& bytes, int value) {
    bytes.push_back(static_cast<std::byte>(value & 0xFF));
    bytes.push_back(static_cast<std::byte>((value >> 8) & 0xFF));
}

int WordAt(std::span<const std::byte> bytes, size_t at) {
    return std::to_integer<int>(bytes[at]) | (std::to_integer<int>(bytes[at + 1]) << 8);
}

bool IsTestFrames(std::span<const std::byte> encoded) {
    if (encoded.size() < kTestFramesHeader) return false;
    for (size_t i = 0; i < 6; ++i)
        if (encoded[i] != static_cast<std::byte>(kTestFramesSignature[i])) return false;
    return true;
}

}  // namespace

std::vector<std::byte> RecordingGraphics::EncodeTestFrames(int width, int height,
                                                           const std::vector<TestFrame>& frames) {
    std::vector<std::byte> bytes;
    for (size_t i = 0; i < 6; ++i) bytes.push_back(static_cast<std::byte>(kTestFramesSignature[i]));
    PutWord(bytes, width);
    PutWord(bytes, height);
    bytes.push_back(static_cast<std::byte>(frames.size()));
    for (const TestFrame& frame : frames) {
        PutWord(bytes, frame.left);
        PutWord(bytes, frame.top);
        PutWord(bytes, frame.width);
        PutWord(bytes, frame.height);
        PutWord(bytes, frame.delayMs);
        bytes.push_back(static_cast<std::byte>(frame.disposal));
        for (int shift = 0; shift < 32; shift += 8)
            bytes.push_back(static_cast<std::byte>((frame.color >> shift) & 0xFF));
    }
    return bytes;
}

std::optional<ImageFrames> RecordingGraphics::DecodeFrames(std::span<const std::byte> encoded) {
    if (!IsTestFrames(encoded)) return std::nullopt;
    ImageFrames result;
    result.width = WordAt(encoded, 6);
    result.height = WordAt(encoded, 8);
    const size_t count = std::to_integer<size_t>(encoded[10]);
    if (encoded.size() < kTestFramesHeader + count * kTestFrameSize) return std::nullopt;
    for (size_t i = 0; i < count; ++i) {
        const size_t at = kTestFramesHeader + i * kTestFrameSize;
        ImageFrame frame;
        frame.left = WordAt(encoded, at);
        frame.top = WordAt(encoded, at + 2);
        frame.delayMs = WordAt(encoded, at + 8);
        frame.disposal = static_cast<FrameDisposal>(std::to_integer<int>(encoded[at + 10]));
        uint32_t color = 0;
        for (int b = 0; b < 4; ++b) color |= std::to_integer<uint32_t>(encoded[at + 11 + b]) << (8 * b);
        frame.bitmap = std::make_unique<MemoryBitmap>(WordAt(encoded, at + 4), WordAt(encoded, at + 6), 1);
        BitmapPixels pixels = frame.bitmap->Map(MapAccess::ReadWrite);
        for (int y = 0; y < pixels.height; ++y)
            for (int x = 0; x < pixels.width; ++x) pixels.At(x, y) = color;
        frame.bitmap->Unmap();
        result.frames.push_back(std::move(frame));
    }
    return result;
}

std::unique_ptr<Bitmap> RecordingGraphics::CreateBitmapFromPixels(const BitmapPixels& pixels, float scale) {
    auto bitmap = std::make_unique<MemoryBitmap>(pixels.width, pixels.height, scale);
    BitmapPixels target = bitmap->Map(MapAccess::ReadWrite);
    for (int y = 0; y < pixels.height; ++y)
        for (int x = 0; x < pixels.width; ++x) target.At(x, y) = pixels.At(x, y);
    bitmap->Unmap();
    return bitmap;
}

std::unique_ptr<Bitmap> RecordingGraphics::CopyBitmap(Bitmap& source) {
    const BitmapPixels pixels = source.Map(MapAccess::Read);
    std::unique_ptr<Bitmap> copy = CreateBitmapFromPixels(pixels, source.BitmapScale());
    source.Unmap();
    return copy;
}

std::unique_ptr<Bitmap> RecordingGraphics::DecodeBitmap(std::span<const std::byte> encoded) {
    if (IsTestFrames(encoded)) return std::make_unique<MemoryBitmap>(WordAt(encoded, 6), WordAt(encoded, 8), 1);
    if (encoded.size() < 7 || encoded[0] != std::byte{'I'} || encoded[1] != std::byte{'M'} ||
        encoded[2] != std::byte{'G'}) {
        return nullptr;
    }
    const int width = std::to_integer<int>(encoded[3]) | (std::to_integer<int>(encoded[4]) << 8);
    const int height = std::to_integer<int>(encoded[5]) | (std::to_integer<int>(encoded[6]) << 8);
    auto bitmap = std::make_unique<MemoryBitmap>(width, height, 1);
    // Pixels follow the header when the image was saved by a MemoryBitmap.
    const size_t pixelBytes = static_cast<size_t>(width) * static_cast<size_t>(height) * 4;
    if (encoded.size() == 7 + pixelBytes && pixelBytes > 0) {
        BitmapPixels pixels = bitmap->Map(MapAccess::ReadWrite);
        std::memcpy(pixels.data, encoded.data() + 7, pixelBytes);
        bitmap->Unmap();
    }
    return bitmap;
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

std::optional<std::vector<std::byte>> RecordingGraphics::LoadResourceData(std::u16string_view name) {
    auto lower = [](std::u16string_view text) {
        std::u16string result(text);
        for (char16_t& c : result)
            if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
        return result;
    };
    for (const auto& [resourceName, bytes] : resources) {
        if (lower(resourceName) == lower(name)) return bytes;
    }
    return std::nullopt;
}

std::unique_ptr<TextLayout> RecordingGraphics::CreateTextLayout() { return std::make_unique<RecordingTextLayout>(); }

}  // namespace ui
