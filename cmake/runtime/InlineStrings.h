// Included before every source of the mingw-w64 builds (cmake/Release.cmake).
//
// The runtime declares its std::string and std::wstring instantiations extern, so every image
// links the runtime's copies: two objects of about 35 KB each (32-bit), whole, because the
// linker cannot drop unused functions from them. Turning that declaration off for the string
// classes alone (the runtime's own switch for this, also set by its assertion mode) makes each
// image instantiate just the members it calls.
#ifdef __cplusplus
#include <bits/c++config.h>
#undef _GLIBCXX_EXTERN_TEMPLATE
#define _GLIBCXX_EXTERN_TEMPLATE -1
#endif
