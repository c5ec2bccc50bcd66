// No C++ exception leaves an export: the caller may be written in any language, and an exception
// unwinding through its frames has no defined outcome. What fails inside (memory running out)
// makes the function return its failure value, without touching the caller's records.
#ifndef VBMP3_DLL_EXPORTGUARD_H
#define VBMP3_DLL_EXPORTGUARD_H

namespace vbmp3 {

template <typename Result, typename Body> Result Guarded(Result failure, Body body) noexcept {
    try {
        return body();
    } catch (...) {
        return failure;
    }
}

} // namespace vbmp3

#endif
