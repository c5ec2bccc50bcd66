// Texts that the system hands over in UTF-16 (file names of a drop, a file dialog, the command
// line), as the code page 932 byte strings that the rest of the program uses.
#pragma once

#include <string>

namespace fw {

// The text in the system's ANSI code page (932), only when every character converts exactly:
// no best fit ("café" must not become "cafe", nor "¥" a backslash that names another folder).
// False, with `pOut` untouched, when a character has no exact equivalent.
bool ToAnsiExact(const std::wstring& text, std::string* pOut);

} // namespace fw
