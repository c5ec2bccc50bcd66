// Linked into the program and into VBMP3.DLL (mingw-w64 builds; see player_image_defaults).
//
// The standard containers and threads report a failure through the runtime's std::__throw_*
// functions. The runtime's own versions build std::length_error, std::out_of_range and
// std::system_error, whose message strings drag in two whole copies of std::string (the old
// reference-counted one and the current one) and their exception classes: about 60 KB of each
// 32-bit image. Nothing here catches those types: the exports, threads and window procedures
// catch everything alike, and the program ends with its fatal-error box. So these versions
// throw the allocation failures as before, and every other failure as one small exception
// that carries the runtime's message text.
#include <bits/functexcept.h>

#include <exception>
#include <new>

namespace {

class RuntimeFailure final : public std::exception {
public:
    explicit RuntimeFailure(const char* what) noexcept : m_pszWhat(what) {}
    const char* what() const noexcept override { return m_pszWhat; }

private:
    const char* m_pszWhat; // the runtime's texts are string literals
};

} // namespace

namespace std {

void __throw_bad_alloc() {
    throw bad_alloc();
}

void __throw_bad_array_new_length() {
    throw bad_array_new_length();
}

void __throw_logic_error(const char* what) {
    throw RuntimeFailure(what);
}

void __throw_length_error(const char* what) {
    throw RuntimeFailure(what);
}

// The format's arguments (an index and a size) are not worth a formatter in every image.
void __throw_out_of_range_fmt(const char* format, ...) {
    throw RuntimeFailure(format);
}

void __throw_system_error(int) {
    throw RuntimeFailure("system error");
}

} // namespace std
