// main() of the test programs that run under Wine.
#include "tests/support/ChildAction.h"
#include "tests/support/MessageBoxScript.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <map>

namespace {
std::map<std::string, ChildActionFunc>& Actions() {
    static std::map<std::string, ChildActionFunc> actions;
    return actions;
}
} // namespace

CChildAction::CChildAction(const std::string& name, ChildActionFunc func) {
    Actions()[name] = func;
}

int RunChildAction(int argc, char** argv) {
    if (argc < 1) return 2;
    auto it = Actions().find(argv[0]);
    return it == Actions().end() ? 2 : it->second(argc, argv);
}

int main(int argc, char** argv) {
    if (argc >= 3 && std::strcmp(argv[1], "--child") == 0)
        return RunChildAction(argc - 2, argv + 2);
    // Unbuffered, so that a test program that dies leaves every line it printed, the name of the
    // test it died in among them.
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    ::testing::InitGoogleTest(&argc, argv);
    FailOnUnexpectedMessageBoxes();
    return RUN_ALL_TESTS();
}
