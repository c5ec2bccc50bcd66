// Test programs under Wine can serve as their own child process: `<test.exe> --child <name>
// <args...>` runs the registered action instead of the tests (for example a save loop that
// the parent kills halfway).
#pragma once

#include <string>

using ChildActionFunc = int (*)(int argc, char** argv); // argv[0] is the action's name

// Registers an action at static initialisation: `static CChildAction a("name", &Func);`.
class CChildAction {
public:
    CChildAction(const std::string& name, ChildActionFunc func);
};

// Runs the action named argv[0]; 2 when there is none.
int RunChildAction(int argc, char** argv);
