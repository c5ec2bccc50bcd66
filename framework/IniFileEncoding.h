// The bytes of an INI file as the code page 932 text that the program reads and edits, and back.
// A file that a user saved as UTF-16 (byte order mark FF FE or FE FF) reads as the profile
// functions' ANSI forms read it, and is written back as UTF-16 in its own byte order.
#pragma once

#include <string>

namespace fw {

struct CIniFileText {
    enum class Encoding { kAnsi, kUtf16LittleEndian, kUtf16BigEndian };
    Encoding encoding = Encoding::kAnsi;
    std::wstring wide; // UTF-16 files only: the text as stored, without its byte order mark
    std::string text;  // the text in the ANSI code page (932)
};

CIniFileText DecodeIniFile(const std::string& bytes);

// The bytes that store `text` in the encoding of `former`. A line of `text` that a line of a
// UTF-16 `former` converts to is written back as that line was, so characters that code page
// 932 cannot hold survive in every line the edit left alone.
std::string EncodeIniFile(const CIniFileText& former, const std::string& text);

} // namespace fw
