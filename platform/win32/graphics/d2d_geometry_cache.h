#pragma once

#include <d2d1_1.h>
#include <wrl/client.h>

#include <cstdint>
#include <vector>

#include "ui/canvas.h"

namespace platform::win32 {

// Path geometries of one canvas, kept by shape so that a control painted again with the same rounded
// rectangle, outline or path does not build its geometry again. The least recently used shape is replaced when
// the cache is full.
class D2DGeometryCache {
public:
    explicit D2DGeometryCache(ID2D1Factory1* factory);

    // Each answer stays valid until the next call; nullptr (logged) when Direct2D refuses.
    ID2D1Geometry* RoundedRect(const ui::RectF& rect, float rx, float ry, unsigned corners);
    ID2D1Geometry* RectSides(const ui::RectF& rect, unsigned sides);
    ID2D1Geometry* Path(const ui::PathData& path, ui::FillRule rule);

private:
    enum class Kind { RoundedRect, RectSides, Path };
    struct Entry {
        Kind kind = Kind::RoundedRect;
        ui::RectF rect;
        float rx = 0;
        float ry = 0;
        unsigned flags = 0;
        uint64_t hash = 0;
        std::vector<ui::PathData::Element> elements;
        Microsoft::WRL::ComPtr<ID2D1PathGeometry> geometry;
        uint64_t lastUse = 0;
    };

    Entry* Find(Kind kind, const ui::RectF& rect, float rx, float ry, unsigned flags, uint64_t hash,
                const ui::PathData* path);
    // A slot for a new shape with an open sink, or nullptr.
    Entry* Add(Kind kind, Microsoft::WRL::ComPtr<ID2D1GeometrySink>& sink);
    static ID2D1Geometry* Finish(Entry* entry, ID2D1GeometrySink* sink);

    ID2D1Factory1* factory_;
    std::vector<Entry> entries_;
    uint64_t clock_ = 0;
};

}  // namespace platform::win32
