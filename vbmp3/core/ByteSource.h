// Random access to the bytes of one file, whatever holds them: a file on disk (natively or
// through Win32) or a buffer in memory (tests and the fuzzer).
#ifndef VBMP3_CORE_BYTESOURCE_H
#define VBMP3_CORE_BYTESOURCE_H

#include <cstddef>
#include <cstdint>

namespace vbmp3 {

class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Size in bytes, fixed for the source's life.
    virtual std::uint64_t Size() const = 0;
    // Copies up to `count` bytes from `offset` into `dst`; returns how many were copied (fewer
    // at the end of the source or on a read error, 0 past the end).
    virtual std::size_t ReadAt(std::uint64_t offset, std::uint8_t* dst, std::size_t count) = 0;
};

// A source over bytes the caller owns and keeps alive while the source is used.
class MemoryByteSource final : public ByteSource {
public:
    MemoryByteSource(const std::uint8_t* data, std::size_t size) : m_pData(data), m_nSize(size) {}
    std::uint64_t Size() const override { return m_nSize; }
    std::size_t ReadAt(std::uint64_t offset, std::uint8_t* dst, std::size_t count) override;

private:
    const std::uint8_t* m_pData; // not owned
    std::size_t m_nSize;
};

} // namespace vbmp3

#endif
