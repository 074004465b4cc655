#include "ui/stream.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace ui {

void Stream::ReadExact(std::span<std::byte> buffer) {
    if (Read(buffer) != buffer.size()) throw std::runtime_error("Stream read error");
}

size_t MemoryStream::Read(std::span<std::byte> buffer) {
    if (position_ >= bytes_.size()) return 0;
    const size_t count = std::min<uint64_t>(buffer.size(), bytes_.size() - position_);
    std::memcpy(buffer.data(), bytes_.data() + position_, count);
    position_ += count;
    return count;
}

void MemoryStream::Write(std::span<const std::byte> bytes) {
    if (bytes.empty()) return;
    const uint64_t end = position_ + bytes.size();
    if (end > bytes_.size()) bytes_.resize(end);
    std::memcpy(bytes_.data() + position_, bytes.data(), bytes.size());
    position_ = end;
}

void MemoryStream::SetSize(uint64_t size) {
    bytes_.resize(size);
    if (position_ > size) position_ = size;
}

std::vector<std::byte> MemoryStream::TakeBytes() {
    position_ = 0;
    std::vector<std::byte> out = std::move(bytes_);
    bytes_.clear();
    return out;
}

}  // namespace ui
