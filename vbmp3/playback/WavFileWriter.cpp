#include "vbmp3/playback/WavFileWriter.h"

#include "vbmp3/playback/WavHeader.h"

#include <utility>

namespace vbmp3 {

std::unique_ptr<WavFileWriter> WavFileWriter::Create(const char* path, const PcmFormat& format) {
    UniqueHandle file(::CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return nullptr;
    std::unique_ptr<WavFileWriter> writer(new WavFileWriter(std::move(file), format));
    const auto header = MakeWavHeader(format, 0);
    if (!writer->WriteAt(0, header.data(), header.size())) return nullptr;
    return writer;
}

WavFileWriter::WavFileWriter(UniqueHandle file, const PcmFormat& format)
    : m_file(std::move(file)), m_format(format) {}

bool WavFileWriter::WriteAt(std::uint64_t offset, const void* data, std::size_t bytes) {
    // Every write names its offset, so the header can be rewritten without a file pointer
    // to restore.
    OVERLAPPED at = {};
    at.Offset = static_cast<DWORD>(offset);
    at.OffsetHigh = static_cast<DWORD>(offset >> 32);
    DWORD written = 0;
    return ::WriteFile(m_file.Get(), data, static_cast<DWORD>(bytes), &written, &at) &&
           written == bytes;
}

bool WavFileWriter::Append(const std::int16_t* pcm, std::size_t frames) {
    const std::size_t bytes = frames * static_cast<std::size_t>(m_format.BytesPerFrame());
    if (!WriteAt(kWavHeaderBytes + m_nDataBytes, pcm, bytes)) return false;
    m_nDataBytes += bytes;
    const auto header = MakeWavHeader(m_format, m_nDataBytes);
    return WriteAt(0, header.data(), header.size());
}

} // namespace vbmp3
