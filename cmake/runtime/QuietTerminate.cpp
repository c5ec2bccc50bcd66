// Linked into the program and into VBMP3.DLL (mingw-w64 builds; see player_image_defaults).
//
// GCC's runtime ends a program that calls std::terminate (an exception escaping a noexcept
// function: our windows, threads and exports catch everything else) through its "verbose"
// handler, which writes the exception's demangled type name to stderr before abort(). A
// windowed program and a DLL have no stderr to write to, and the handler pulls the runtime's
// name demangler and its printf into every image: about 45 KB of the 32-bit program and 75 KB
// of the library. Defining the handler here keeps the runtime's out of the link; what remains
// is what happened anyway: abort().
#include <cstdlib>

namespace __gnu_cxx {

void __verbose_terminate_handler() {
    std::abort();
}

} // namespace __gnu_cxx
