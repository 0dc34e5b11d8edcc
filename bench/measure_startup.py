#!/usr/bin/env python3
"""Launch-to-window time and peak memory of Velmora against a bare Qt window.

Runs the two probes alternately, so that both see the same machine state,
and reports medians and the ratios. Given a second build (of an earlier
commit, say), its probe runs in the same rounds and is compared too.
Usage: measure_startup.py BUILD_DIR [RUNS] [BASELINE_BUILD_DIR]

A Linux build runs on the display it is given (QT_QPA_PLATFORM=xcb under
Xvfb, as a user's desktop) or offscreen; peak memory is the process's
maximum resident set. A Windows build (BUILD_DIR/bin/*.exe) runs under Wine
in WINEPREFIX (BUILD_DIR/wine unless set); its peak memory is the working
set the probe reports itself, which leaves Wine's own processes out, and
its time includes starting a Wine process.
"""
import os
import statistics
import subprocess
import sys
import time


def run_once(command):
    start = time.perf_counter()
    process = subprocess.Popen(command, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                               text=True)
    output = process.stdout.read()
    _, status, usage = os.wait4(process.pid, 0)
    elapsed = time.perf_counter() - start
    if status != 0:
        sys.exit(f"{command[-1]} failed with status {status}")
    for line in output.splitlines():
        if line.startswith("peak-working-set-kib "):
            return elapsed, int(line.split()[1])
    return elapsed, usage.ru_maxrss  # kilobytes on Linux


def probes(build):
    windows = os.path.join(build, "bin", "startup_probe.exe")
    if os.path.exists(windows):
        os.environ.setdefault("WINEPREFIX", os.path.abspath(os.path.join(build, "wine")))
        os.environ.setdefault("WINEDEBUG", "-all")
        wine = "/usr/lib/wine/wine64"
        return {"velmora": [wine, windows],
                "bare": [wine, os.path.join(build, "bin", "startup_probe_bare.exe")]}
    os.environ.setdefault("QT_QPA_PLATFORM", "offscreen")
    return {"velmora": [os.path.join(build, "bench", "startup_probe")],
            "bare": [os.path.join(build, "bench", "startup_probe_bare")]}


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else "build/default"
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 10
    programs = probes(build)
    if len(sys.argv) > 3:
        programs["baseline"] = probes(sys.argv[3])["velmora"]
    for command in programs.values():
        run_once(command)  # warm the file cache for each alike
    times = {name: [] for name in programs}
    memory = {name: [] for name in programs}
    for _ in range(runs):
        for name, command in programs.items():
            elapsed, peak = run_once(command)
            times[name].append(elapsed)
            memory[name].append(peak)
    for name in programs:
        print(f"{name:8} median {statistics.median(times[name]) * 1000:7.1f} ms, "
              f"peak memory {statistics.median(memory[name]) / 1024:6.1f} MiB")
    print(f"time ratio   {statistics.median(times['velmora']) / statistics.median(times['bare']):.3f}")
    print(f"memory ratio {statistics.median(memory['velmora']) / statistics.median(memory['bare']):.3f}")
    if "baseline" in programs:
        print(f"against the baseline: time "
              f"{statistics.median(times['velmora']) / statistics.median(times['baseline']):.3f}, "
              f"memory {statistics.median(memory['velmora']) / statistics.median(memory['baseline']):.3f}")


if __name__ == "__main__":
    main()
