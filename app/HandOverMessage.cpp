#include "app/HandOverMessage.h"

namespace handover {
namespace {

// More than any "Open with" selection and any path; what exceeds it is damaged or hostile.
constexpr std::uint32_t kMaxFiles = 4096;
constexpr std::uint32_t kMaxNameBytes = 32768;

void PutCount(std::string* out, std::uint32_t n) {
    for (int i = 0; i < 4; ++i)
        out->push_back(static_cast<char>((n >> (8 * i)) & 0xFF));
}

bool TakeCount(const unsigned char*& p, const unsigned char* end, std::uint32_t* n) {
    if (end - p < 4) return false;
    *n = static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
         static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
    p += 4;
    return true;
}

} // namespace

std::string EncodeFileList(const std::vector<std::string>& files) {
    std::string out;
    PutCount(&out, static_cast<std::uint32_t>(files.size()));
    for (const std::string& name : files) {
        PutCount(&out, static_cast<std::uint32_t>(name.size()));
        out += name;
    }
    return out;
}

bool DecodeFileList(const void* data, size_t size, std::vector<std::string>* files) {
    const unsigned char* p = static_cast<const unsigned char*>(data);
    const unsigned char* end = p + (data ? size : 0);
    std::uint32_t count = 0;
    if (!TakeCount(p, end, &count) || count > kMaxFiles) return false;
    std::vector<std::string> names;
    for (std::uint32_t i = 0; i < count; ++i) {
        std::uint32_t length = 0;
        if (!TakeCount(p, end, &length) || length > kMaxNameBytes ||
            static_cast<size_t>(end - p) < length)
            return false;
        const std::string name(reinterpret_cast<const char*>(p), length);
        if (name.find('\0') != std::string::npos) return false;
        names.push_back(name);
        p += length;
    }
    if (p != end) return false;
    *files = std::move(names);
    return true;
}

} // namespace handover
