#!/usr/bin/env python3
"""Times bench_startup beside bare_window as whole processes, one run of each in turn.

    QT_QPA_PLATFORM=offscreen bench/startup_ratio.py build/release/bench [GAMEFOLDER] [--runs N]

Run in turn, both programs see the same moments of a machine whose speed drifts, which
timing all the runs of one program and then all of the other does not give them. Prints
each program's median and quartiles, the ratio of the medians and the median of the
ratios of runs taken side by side.
"""
import argparse
import os
import statistics
import time


def run(argv, devnull):
    start = time.perf_counter()
    pid = os.posix_spawn(argv[0], argv, os.environ, file_actions=[(os.POSIX_SPAWN_DUP2, devnull, 2)])
    _, status = os.waitpid(pid, 0)
    if os.waitstatus_to_exitcode(status) != 0:
        raise SystemExit(f"{argv[0]} failed")
    return (time.perf_counter() - start) * 1000


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("benchdir")
    parser.add_argument("game", nargs="?", default="/tmp/obrix-full-sample")
    parser.add_argument("--runs", type=int, default=150)
    args = parser.parse_args()
    bare = [os.path.join(args.benchdir, "bare_window")]
    editor = [os.path.join(args.benchdir, "bench_startup"), args.game]
    devnull = os.open(os.devnull, os.O_WRONLY)
    for _ in range(5):  # warm-up, and the sample game written the first time
        run(bare, devnull)
        run(editor, devnull)
    times = {"bare_window": [], "bench_startup": []}
    for _ in range(args.runs):
        times["bare_window"].append(run(bare, devnull))
        times["bench_startup"].append(run(editor, devnull))
    for name, values in times.items():
        q = statistics.quantiles(values, n=4)
        print(f"{name:14s} median {statistics.median(values):6.1f} ms  quartiles {q[0]:6.1f} .. {q[2]:6.1f} ms")
    ratios = [e / b for b, e in zip(times["bare_window"], times["bench_startup"])]
    print(f"ratio of medians {statistics.median(times['bench_startup']) / statistics.median(times['bare_window']):.2f}, "
          f"median of side-by-side ratios {statistics.median(ratios):.2f}")


if __name__ == "__main__":
    main()
