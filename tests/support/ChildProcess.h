// Runs one of the test program's child actions (tests/support/ChildAction.h) in a process of its
// own: killed at a random moment, as a crash or an ended process would stop the program halfway,
// or left to end by itself.
#pragma once

#include <windows.h>

#include <random>
#include <string>
#include <vector>

// Starts `<this program> --child <action> <file> <event>`, waits until the child signals the
// event (it is ready to loop), lets it run 1 to 120 ms (drawn from `random`) and kills it.
// False when the child could not be started or never became ready.
bool RunChildAndKillMidway(const std::string& action, const std::string& file,
                           std::mt19937& random);

// Rounds of a kill test: the number in the environment variable PLAYER_KILL_ROUNDS when it is
// set (tools/soak/run_kills.py runs a thousand), else `byDefault`.
int KillRounds(int byDefault);

// The whole file as it is on disk, to compare byte for byte: "" when there is none.
std::string FileContents(const std::string& path);

// In the child: tells the parent that the loop starts (argv[2] of the action is the event).
void SignalChildReady(const char* eventName);

// Starts `<this program> --child <action> <args...>` and waits for it to end. Returns its exit
// code; -1 when it could not be started or had not ended after `timeoutMs` (it is killed then).
long RunChildToItsEnd(const std::string& action, const std::vector<std::string>& args,
                      DWORD timeoutMs);
