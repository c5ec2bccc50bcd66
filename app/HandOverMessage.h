// The files a second start of the player hands to the running one (WM_COPYDATA). Platform-free.
//
// The data is a count, then each name as its length and its bytes (code page 932), all counts
// 32-bit little-endian. An empty name stands for a file whose name has no code page 932 form.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace handover {

// COPYDATASTRUCT::dwData of the message: anything else is not ours.
constexpr std::uint32_t kTag = 0x56523346; // "F3RV"

std::string EncodeFileList(const std::vector<std::string>& files);

// False, with `files` untouched, for data that is not a well-formed list: it comes from another
// process and is checked before it is believed.
bool DecodeFileList(const void* data, size_t size, std::vector<std::string>* files);

} // namespace handover
