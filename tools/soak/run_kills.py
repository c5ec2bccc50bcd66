#!/usr/bin/env python3
"""The kill runs at length: the three kill tests of the test programs, each killing a child
process at a random moment of its save loop, with the rounds split between them (playlist saves,
window-settings saves, both in turn). After every kill the INI file must hold exactly what one
of the loop's saves wrote, byte for byte. Prints how the rounds ended.

    run_kills.py --bin BIN --runner RUNNER [--rounds 1000]

BIN is the Windows build's bin folder (PlaylistTests.exe, PlayerDlgTests.exe), RUNNER its
run-under-wine. Exits non-zero when a round fails.
"""
import argparse
import json
import os
import subprocess
import sys
import tempfile
import time

KILL_TESTS = [  # (program, test), in the order the rounds are given out
    ("PlaylistTests.exe", "PlaylistSave.KilledHalfwayLeavesOneWholeList"),
    ("PlayerDlgTests.exe", "WindowSettingsSave.KilledHalfwayKeepsThePlaylistAndOneWholeSave"),
    ("PlayerDlgTests.exe", "PlaylistAndWindowSettingsSaves.KilledHalfwayLeaveOneWholeSaveOfEither"),
]


def run_one(opts, program, test, rounds, report):
    started = time.monotonic()
    result = subprocess.run(
        [opts.runner, os.path.join(opts.bin, program), "--gtest_filter=" + test,
         "--gtest_output=json:Z:" + report.replace("/", "\\")],  # a Windows path for Wine
        env=dict(os.environ, PLAYER_KILL_ROUNDS=str(rounds)), capture_output=True,
        encoding="cp932", errors="replace")  # Wine speaks the ANSI code page
    seconds = time.monotonic() - started
    properties = {}
    if os.path.exists(report):
        with open(report, encoding="utf-8") as f:
            for suite in json.load(f)["testsuites"]:
                for case in suite["testsuite"]:
                    properties = {k: v for k, v in case.items() if k.startswith("rounds")}
    return result.returncode, seconds, properties, result.stdout


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--bin", required=True)
    parser.add_argument("--runner", required=True)
    parser.add_argument("--rounds", type=int, default=1000)
    opts = parser.parse_args()
    failed = False
    total_seconds = 0
    print("| kill test | rounds | failed | seconds | how the rounds ended |")
    print("|---|---|---|---|---|")
    with tempfile.TemporaryDirectory(prefix="vz3kills-") as work:
        for i, (program, test) in enumerate(KILL_TESTS):
            rounds = opts.rounds // len(KILL_TESTS) + (i < opts.rounds % len(KILL_TESTS))
            code, seconds, properties, output = run_one(opts, program, test, rounds,
                                                        os.path.join(work, "%d.json" % i))
            total_seconds += seconds
            ended = ", ".join("%s: %s" % (k[len("rounds ending "):], v)
                              for k, v in properties.items() if k.startswith("rounds ending"))
            print("| %s | %s | %s | %.0f | %s |" % (test.split(".")[0], properties.get("rounds", rounds),
                                                   "no" if code == 0 else "YES", seconds, ended),
                  flush=True)
            if code != 0:
                failed = True
                sys.stderr.write(output)
    print("kills %d" % opts.rounds)
    print("seconds %.0f" % total_seconds)
    print("result %s" % ("FAILED" if failed else "passed"))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
