#!/usr/bin/env python3
"""What the tool's start and its dialogs cost, against a bare Qt dialog.

    bench/measure.py [--build DIR] [--pairs N] [--build-win DIR] [--no-dialogs]

Start-up: bench/startup_probe_tool (the tool up to its first window) and
bench/startup_probe_minimal (one empty QDialog) run in turns, N pairs, on the
X display in DISPLAY or on a private Xvfb. Each run's wall time, CPU time (user
and system, from the kernel's accounting of the finished process) and peak
resident memory are taken; the ratio tool/minimal is taken pair by pair, so a
machine that slows down slows both alike. Medians are printed.

Dialogs: each bench/*_dialog_bench, offscreen; the median time to open each
dialog, against the 4 ms a dialog may take.

Windows: where wine is installed and DIR holds a Windows build with the two
probes, the same start-up pairs under Wine (wall and CPU).
"""

import argparse
import glob
import json
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import threading
import time

DIALOG_LIMIT_MS = 4.0


def run_once(command, env, limit=60.0):
    """Runs `command` to its end: (wall s, cpu s, peak MiB, exit status).

    A run that takes longer than `limit` seconds (a window never shown) is
    ended and fails."""
    start = time.monotonic()
    process = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    stopper = threading.Timer(limit, process.kill)
    stopper.start()
    # Reaped here rather than by Popen, for the kernel's account of the run.
    _, status, usage = os.wait4(process.pid, 0)
    stopper.cancel()
    wall = time.monotonic() - start
    if wall >= limit:
        raise RuntimeError(f"{' '.join(command)} did not end within {limit:g} s")
    process.returncode = os.waitstatus_to_exitcode(status)
    cpu = usage.ru_utime + usage.ru_stime
    return wall, cpu, usage.ru_maxrss / 1024.0, process.returncode


def pairs(tool, minimal, count, env):
    """Runs the two in turns after one warm-up each; the runs of both."""
    for command in (tool, minimal):
        run_once(command, env)
    runs = {"tool": [], "minimal": []}
    for _ in range(count):
        for name, command in (("tool", tool), ("minimal", minimal)):
            wall, cpu, peak, status = run_once(command, env)
            if status != 0:
                raise RuntimeError(f"{' '.join(command)} ended with status {status}")
            runs[name].append((wall, cpu, peak))
    return runs


def report_pairs(title, runs, with_memory=True):
    figures = [("wall ms", 0, 1000.0), ("cpu ms", 1, 1000.0)]
    if with_memory:
        figures.append(("peak MiB", 2, 1.0))
    print(f"{title}, {len(runs['tool'])} pairs (medians)")
    print(f"  {'':10} {'tool':>9} {'minimal':>9} {'ratio':>7}")
    result = {}
    for label, index, scale in figures:
        tool = [run[index] for run in runs["tool"]]
        minimal = [run[index] for run in runs["minimal"]]
        ratios = [a / b for a, b in zip(tool, minimal) if b > 0]
        ratio = statistics.median(ratios) if ratios else float("nan")
        print(f"  {label:10} {statistics.median(tool) * scale:9.2f} "
              f"{statistics.median(minimal) * scale:9.2f} {ratio:7.3f}")
        result[label] = ratio
    return result


class Display:
    """The X display to use: DISPLAY if set, else a private Xvfb."""

    def __init__(self):
        self.server = None
        self.display = os.environ.get("DISPLAY")

    def __enter__(self):
        if self.display:
            return self.display
        xvfb = shutil.which("Xvfb")
        if xvfb is None:
            return None
        read_end, write_end = os.pipe()
        self.server = subprocess.Popen(
            [xvfb, "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-nolisten",
             "tcp"], pass_fds=(write_end,), stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as number:
            self.display = ":" + number.readline().strip()
        return self.display

    def __exit__(self, *_):
        if self.server is not None:
            self.server.terminate()
            self.server.wait()


def start_up(build, count, scratch):
    tool = os.path.join(build, "bench", "startup_probe_tool")
    minimal = os.path.join(build, "bench", "startup_probe_minimal")
    if not (os.access(tool, os.X_OK) and os.access(minimal, os.X_OK)):
        print("start-up: no probes in this build (configure with the GUI and "
              "-DROSMOSSEL_BUILD_BENCHMARKS=ON)")
        return None
    env = dict(os.environ)
    # The user's own preferences stay untouched.
    env["XDG_CONFIG_HOME"] = scratch
    env.setdefault("XDG_RUNTIME_DIR", scratch)
    if env.get("QT_QPA_PLATFORM"):
        runs = pairs([tool], [minimal], count, env)
        where = env["QT_QPA_PLATFORM"]
    else:
        with Display() as display:
            if display is None:
                env["QT_QPA_PLATFORM"] = "offscreen"
                where = "offscreen (no Xvfb)"
            else:
                env["DISPLAY"] = display
                where = f"X display {display}"
            runs = pairs([tool], [minimal], count, env)
    return report_pairs(f"Start-up to the first window on {where}", runs)


def dialogs(build):
    benches = sorted(glob.glob(os.path.join(build, "bench", "*_dialog_bench")))
    if not benches:
        print("dialogs: no dialog benchmarks in this build")
        return None
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    print(f"Opening a set-up dialog, offscreen (median of 5; limit {DIALOG_LIMIT_MS:g} ms)")
    slowest = 0.0
    for bench in benches:
        output = subprocess.run(
            [bench, "--benchmark_format=json", "--benchmark_repetitions=5",
             "--benchmark_report_aggregates_only=true"], env=env, check=True,
            capture_output=True, text=True).stdout
        for entry in json.loads(output)["benchmarks"]:
            if entry.get("aggregate_name") != "median":
                continue
            scale = {"ms": 1.0, "us": 1e-3, "ns": 1e-6, "s": 1e3}[entry["time_unit"]]
            ms = entry["real_time"] * scale
            slowest = max(slowest, ms)
            name = (entry["run_name"].replace("openDialog<rosmossel::", "").replace(">", "")
                    .replace("/real_time", ""))
            verdict = "" if ms < DIALOG_LIMIT_MS else "  over the limit"
            print(f"  {name:24} {ms:7.2f} ms{verdict}")
    return slowest


def windows(build_win, count, scratch):
    # Debian's wine64 package keeps the loader out of PATH.
    wine = next((w for w in ("/usr/lib/wine/wine64", shutil.which("wine64"), shutil.which("wine"))
                 if w and os.access(w, os.X_OK)), None)
    if wine is None or build_win is None:
        print("Windows: not measured (needs wine and --build-win with the probes)")
        return None
    tool = os.path.join(build_win, "bench", "startup_probe_tool.exe")
    minimal = os.path.join(build_win, "bench", "startup_probe_minimal.exe")
    if not (os.path.exists(tool) and os.path.exists(minimal)):
        print(f"Windows: no probes in {build_win} (configure it with "
              "-DROSMOSSEL_BUILD_BENCHMARKS=ON)")
        return None
    # The project's Wine runner, with a throw-away prefix made on first use;
    # on an X display, since a probe ends once its window is exposed.
    runner = os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, "scripts",
                          "wine-run.sh")
    prefix = os.path.join(scratch, "wine")
    env = dict(os.environ, WINEPREFIX=prefix, WINEDEBUG="-all", ROSMOSSEL_WINE_DISPLAY="1")
    server = os.path.join(os.path.dirname(wine), "wineserver")
    if not os.access(server, os.X_OK):
        server = shutil.which("wineserver") or "wineserver"
    with Display() as display:
        if display is None:
            print("Windows: not measured (needs an X display or Xvfb)")
            return None
        env["DISPLAY"] = display
        try:
            run_once(["bash", runner, prefix, minimal], env)
            # One wine server for all runs, not counted: otherwise each run
            # may or may not find the last one's still waiting.
            subprocess.run([server, "-p"], env=env, check=False)
            runs = pairs(["bash", runner, prefix, tool], ["bash", runner, prefix, minimal],
                         count, env)
            return report_pairs("Windows program under Wine against the static Qt probe", runs,
                                with_memory=False)
        finally:
            subprocess.run([server, "-k"], env=env, check=False)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", default="build", help="the build folder (build)")
    parser.add_argument("--pairs", type=int, default=40, help="start-up pairs (40)")
    parser.add_argument("--build-win", help="a Windows build to measure under Wine")
    parser.add_argument("--no-dialogs", action="store_true", help="start-up only")
    args = parser.parse_args()
    if args.pairs < 1:
        parser.error("--pairs must be at least 1")

    with tempfile.TemporaryDirectory(prefix="rosmossel-bench-") as scratch:
        start = start_up(args.build, args.pairs, scratch)
        print()
        if not args.no_dialogs:
            dialogs(args.build)
            print()
        windows(args.build_win, args.pairs, scratch)
    return 0 if start is not None else 1


if __name__ == "__main__":
    sys.exit(main())
