#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace ui {

// A byte stream with a size and a position, as persistence reads and writes it.
class Stream {
public:
    virtual ~Stream() = default;

    // Reads up to buffer.size() bytes at the position and advances it; returns the number read.
    virtual size_t Read(std::span<std::byte> buffer) = 0;
    // Writes the bytes at the position (growing the stream as needed) and advances it.
    virtual void Write(std::span<const std::byte> bytes) = 0;
    virtual uint64_t Size() const = 0;
    // Truncates or extends (with zeros) the stream; the position stays unless it lies beyond the new end.
    virtual void SetSize(uint64_t size) = 0;
    virtual uint64_t Position() const = 0;
    virtual void Seek(uint64_t position) = 0;

    // Reads exactly buffer.size() bytes or throws std::runtime_error "Stream read error".
    void ReadExact(std::span<std::byte> buffer);
};

// A stream over a growable block of memory.
class MemoryStream final : public Stream {
public:
    MemoryStream() = default;
    explicit MemoryStream(std::vector<std::byte> bytes) : bytes_(std::move(bytes)) {}

    size_t Read(std::span<std::byte> buffer) override;
    void Write(std::span<const std::byte> bytes) override;
    uint64_t Size() const override { return bytes_.size(); }
    void SetSize(uint64_t size) override;
    uint64_t Position() const override { return position_; }
    void Seek(uint64_t position) override { position_ = position; }

    const std::vector<std::byte>& Bytes() const { return bytes_; }
    std::vector<std::byte> TakeBytes();

private:
    std::vector<std::byte> bytes_;
    uint64_t position_ = 0;
};

}  // namespace ui
