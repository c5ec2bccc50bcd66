#include "framework/ModalLoop.h"

namespace fw {
namespace {
int g_nModalLoops = 0; // the window thread's own
} // namespace

CModalLoopScope::CModalLoopScope() {
    ++g_nModalLoops;
}

CModalLoopScope::~CModalLoopScope() {
    --g_nModalLoops;
}

bool IsInModalLoop() {
    return g_nModalLoops > 0;
}

} // namespace fw
