#!/usr/bin/python3
"""What the sound card receives where one track joins the next, through the real player.

Cuts one continuous stereo tone into pieces of uneven lengths, plays them through the real
program on the paced sink (tools/wine/paced-sink, real time) and finds each piece's reference
decoding in what the sink received (tests/e2e/joins.py). For every join it prints the frames
between the end of one track and the start of the next (positive: inserted, negative: lost or
repeated) and the frames of the earlier track that differ from its reference, then the longest
silence inside the tone (the measure that also holds where the format changes).

Run as the e2e tests are run (a display, the build's runner and Wine root), for example:
    source tools/wine/virtual-display.sh
    tools/bench/gapless-joins.py --bin build/win64/bin --runner build/win64/run-under-wine \
        --wine-root build/wine [--joins 10] [--second-rate 48000] [--mono-first]
"""
import argparse
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests",
                                "e2e"))
import e2elib  # noqa: E402
import joins  # noqa: E402


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--bin", required=True)
    parser.add_argument("--runner", required=True)
    parser.add_argument("--wine-root", required=True)
    parser.add_argument("--joins", type=int, default=10)
    parser.add_argument("--second-rate", type=int, help="of the second piece (a change of rate)")
    parser.add_argument("--mono-first", action="store_true", help="the first piece mono")
    opts = parser.parse_args()
    e2elib.use_programs(os.path.abspath(opts.bin), os.path.abspath(opts.runner),
                        os.path.abspath(opts.wine_root))

    player = e2elib.Player(folder_name="joins", audio="paced")
    try:
        pieces = joins.make_pieces(
            player.root, opts.joins + 1,
            rate_of=lambda i: opts.second_rate if i == 1 and opts.second_rate else 44100,
            channels_of=lambda i: 1 if i == 0 and opts.mono_first else 2)
        heard = joins.play_through(player, pieces)
    finally:
        player.close()
    rate = joins.SINK_FORMAT[0]
    print("| join | frames between | differing frames in the earlier track |")
    print("|---|---|---|")
    for i, join in enumerate(joins.joins(pieces, heard), 1):
        if join is None:
            print("| %d | a format other than the sink's | - |" % i)
        else:
            print("| %d | %+d (%.1f ms) | %d |" % (i, join[0], join[0] * 1000.0 / rate, join[1]))
    silence = joins.longest_silence(heard)
    print("longest silence inside the tone: %d frames (%.1f ms)" %
          (silence, silence * 1000.0 / rate))


if __name__ == "__main__":
    main()
