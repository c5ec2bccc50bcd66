// Texts that the system hands over in UTF-16 (file names of a drop, a file dialog, the command
// line), as the code page 932 byte strings that the rest of the program uses.
#pragma once

#include <functional>
#include <string>

namespace fw {

// The text in the system's ANSI code page (932), only when every character converts exactly:
// no best fit ("café" must not become "cafe", nor "¥" a backslash that names another folder).
// False, with `pOut` untouched, when a character has no exact equivalent.
bool ToAnsiExact(const std::wstring& text, std::string* pOut);

// A file's path in code page 932: exactly as it is when it converts, otherwise its short (8.3)
// form when that converts (the system gives long names outside the code page an ASCII short
// name, on volumes that keep short names). False, with `pOut` untouched, when neither does:
// the program cannot name that file.
bool ToAnsiPath(const std::wstring& path, std::string* pOut);

// The system's short form of a path (GetShortPathNameW), replaceable by tests: a volume without
// short names gives the long path back.
using ShortPathFunction = std::function<std::wstring(const std::wstring& path)>;
// Returns the function it replaces; an empty function restores the system's.
ShortPathFunction SetShortPathFunction(ShortPathFunction function);

} // namespace fw
