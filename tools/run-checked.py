#!/usr/bin/python3
"""Runs one test program for ctest and lets it pass only when it truly ran to its end.

An exit status of 0 is not enough: Wine has returned 0 for a program that crashed in a test's
clean-up, after which ctest printed "Passed". So a run passes only when
  - the program exits with status 0,
  - its output holds its test framework's own closing summary of a successful run, and
  - nothing in its output (or in the output of the programs it started, which the end-to-end
    scripts let through) says that a program crashed.
The output goes through unchanged, so ctest's log still holds all of it.

Usage: run-checked.py --expect gtest|unittest|result|libfuzzer -- COMMAND [ARG...]
"""
import argparse
import re
import signal
import subprocess
import sys
import threading

SUMMARIES = {
    # GoogleTest's last line of a run in which every test passed (also with --gtest_brief).
    "gtest": r"^\[  PASSED  \] \d+ tests?\.",
    # Python's unittest after a run without failures or errors.
    "unittest": r"^OK( \(.*\))?\s*$",
    # The soak, the kill rounds and the hostile corpus end with their verdict.
    "result": r"^result passed\s*$",
    # libFuzzer once the time it was given has run out without a finding.
    "libfuzzer": r"^Done \d+ runs in \d+ second",
}

# What Wine (and its debugger) print when a program dies of an exception nobody caught, and
# what it prints before it aborts a call into a function it lacks.
CRASH = re.compile(
    r"Unhandled (page fault|exception|stack overflow|illegal instruction|privileged instruction"
    r"|breakpoint|divide by zero)|starting debugger|Call from .* to unimplemented function",
    re.IGNORECASE)

# How long to keep reading after the program ended: a process it left behind (a Wine service
# that inherited the output) must not hold the run open.
DRAIN_SECONDS = 5


def verdict(kind, status, output):
    """None when the run passed, else why not."""
    crash = CRASH.search(output)
    if crash:
        line = output[output.rfind("\n", 0, crash.start()) + 1:].split("\n", 1)[0]
        return "a program crashed: %s" % line.strip()
    if status != 0:
        return "exit status %d" % status
    if not re.search(SUMMARIES[kind], output, re.MULTILINE):
        return "the run ended without its summary of passed tests (%s)" % kind
    return None


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--expect", required=True, choices=sorted(SUMMARIES))
    parser.add_argument("command", nargs=argparse.REMAINDER)
    args = parser.parse_args()
    command = args.command[1:] if args.command[:1] == ["--"] else args.command
    if not command:
        parser.error("no command")

    process = subprocess.Popen(command, stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
    chunks = []

    def relay():
        for chunk in iter(lambda: process.stdout.read1(65536), b""):
            sys.stdout.buffer.write(chunk)
            sys.stdout.buffer.flush()
            chunks.append(chunk)

    # A time limit ends this wrapper with SIGTERM: the program goes with it.
    signal.signal(signal.SIGTERM, lambda *_: (process.kill(), sys.exit(1)))
    reader = threading.Thread(target=relay, daemon=True)
    reader.start()
    try:
        status = process.wait()
    except KeyboardInterrupt:
        process.kill()
        raise
    reader.join(DRAIN_SECONDS)
    output = b"".join(chunks).decode("utf-8", "replace")

    problem = verdict(args.expect, status, output)
    if problem:
        print("\nrun-checked: FAILED: %s" % problem, flush=True)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
