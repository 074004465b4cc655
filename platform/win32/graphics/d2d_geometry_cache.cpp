#include "platform/win32/graphics/d2d_geometry_cache.h"

#include <algorithm>
#include <cstring>

#include "platform/win32/graphics/d2d_geometry_builder.h"
#include "platform/win32/graphics/hresult_log.h"

namespace platform::win32 {

namespace {

// Shapes kept per canvas: enough for every rounded control of a window.
constexpr size_t kMaxShapes = 96;

uint64_t HashPath(const ui::PathData& path) {
    uint64_t hash = 1469598103934665603ull;
    auto mix = [&hash](const void* data, size_t size) {
        const auto* bytes = static_cast<const unsigned char*>(data);
        for (size_t i = 0; i < size; ++i) hash = (hash ^ bytes[i]) * 1099511628211ull;
    };
    for (const ui::PathData::Element& e : path.Elements()) {
        const int verb = static_cast<int>(e.verb);
        mix(&verb, sizeof verb);
        mix(e.points, sizeof e.points);
    }
    return hash;
}

bool SameElements(const std::vector<ui::PathData::Element>& a, const std::vector<ui::PathData::Element>& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i].verb != b[i].verb) return false;
        for (int k = 0; k < 3; ++k) {
            if (!(a[i].points[k] == b[i].points[k])) return false;
        }
    }
    return true;
}

}  // namespace

D2DGeometryCache::D2DGeometryCache(ID2D1Factory1* factory) : factory_(factory) { entries_.reserve(kMaxShapes); }

D2DGeometryCache::Entry* D2DGeometryCache::Find(Kind kind, const ui::RectF& rect, float rx, float ry, unsigned flags,
                                                uint64_t hash, const ui::PathData* path) {
    ++clock_;
    for (Entry& e : entries_) {
        if (e.kind != kind || e.flags != flags || !e.geometry) continue;
        const bool same = path ? e.hash == hash && SameElements(e.elements, path->Elements())
                               : e.rect == rect && e.rx == rx && e.ry == ry;
        if (same) {
            e.lastUse = clock_;
            return &e;
        }
    }
    return nullptr;
}

D2DGeometryCache::Entry* D2DGeometryCache::Add(Kind kind, Microsoft::WRL::ComPtr<ID2D1GeometrySink>& sink) {
    Microsoft::WRL::ComPtr<ID2D1PathGeometry> geometry;
    if (!LogIfFailed(factory_->CreatePathGeometry(&geometry), u"ID2D1Factory::CreatePathGeometry")) return nullptr;
    if (!LogIfFailed(geometry->Open(&sink), u"ID2D1PathGeometry::Open")) return nullptr;
    Entry* slot = nullptr;
    if (entries_.size() < kMaxShapes) {
        slot = &entries_.emplace_back();
    } else {
        slot = &*std::min_element(entries_.begin(), entries_.end(),
                                  [](const Entry& a, const Entry& b) { return a.lastUse < b.lastUse; });
    }
    slot->kind = kind;
    slot->elements.clear();
    slot->geometry = std::move(geometry);
    slot->lastUse = clock_;
    return slot;
}

ID2D1Geometry* D2DGeometryCache::Finish(Entry* entry, ID2D1GeometrySink* sink) {
    const HRESULT hr = sink->Close();
    if (!LogIfFailed(hr, u"ID2D1GeometrySink::Close")) {
        entry->geometry.Reset();
        return nullptr;
    }
    return entry->geometry.Get();
}

ID2D1Geometry* D2DGeometryCache::RoundedRect(const ui::RectF& rect, float rx, float ry, unsigned corners) {
    if (Entry* e = Find(Kind::RoundedRect, rect, rx, ry, corners, 0, nullptr)) return e->geometry.Get();
    Microsoft::WRL::ComPtr<ID2D1GeometrySink> sink;
    Entry* e = Add(Kind::RoundedRect, sink);
    if (!e) return nullptr;
    e->rect = rect;
    e->rx = rx;
    e->ry = ry;
    e->flags = corners;
    AddRoundedRect(sink.Get(), rect, rx, ry, corners);
    return Finish(e, sink.Get());
}

ID2D1Geometry* D2DGeometryCache::RectSides(const ui::RectF& rect, unsigned sides) {
    if (Entry* e = Find(Kind::RectSides, rect, 0, 0, sides, 0, nullptr)) return e->geometry.Get();
    Microsoft::WRL::ComPtr<ID2D1GeometrySink> sink;
    Entry* e = Add(Kind::RectSides, sink);
    if (!e) return nullptr;
    e->rect = rect;
    e->rx = e->ry = 0;
    e->flags = sides;
    AddRectSides(sink.Get(), rect, sides);
    return Finish(e, sink.Get());
}

ID2D1Geometry* D2DGeometryCache::Path(const ui::PathData& path, ui::FillRule rule) {
    const unsigned flags = rule == ui::FillRule::EvenOdd ? 0u : 1u;
    const uint64_t hash = HashPath(path);
    if (Entry* e = Find(Kind::Path, {}, 0, 0, flags, hash, &path)) return e->geometry.Get();
    Microsoft::WRL::ComPtr<ID2D1GeometrySink> sink;
    Entry* e = Add(Kind::Path, sink);
    if (!e) return nullptr;
    e->rect = {};
    e->rx = e->ry = 0;
    e->flags = flags;
    e->hash = hash;
    e->elements.assign(path.Elements().begin(), path.Elements().end());
    sink->SetFillMode(rule == ui::FillRule::EvenOdd ? D2D1_FILL_MODE_ALTERNATE : D2D1_FILL_MODE_WINDING);
    AddPath(sink.Get(), path);
    return Finish(e, sink.Get());
}

}  // namespace platform::win32
