#!/usr/bin/env python3
"""Launch-to-window time and peak memory of Velmora against a bare Qt window.

Runs the two probes alternately, so that both see the same machine state,
and reports medians and the ratios. Usage: measure_startup.py BUILD_DIR [RUNS]
"""
import os
import statistics
import subprocess
import sys
import time


def run_once(program):
    start = time.perf_counter()
    process = subprocess.Popen([program], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(process.pid, 0)
    elapsed = time.perf_counter() - start
    if status != 0:
        sys.exit(f"{program} failed with status {status}")
    return elapsed, usage.ru_maxrss  # kilobytes on Linux


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else "build/default"
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 10
    os.environ.setdefault("QT_QPA_PLATFORM", "offscreen")
    programs = {
        "velmora": os.path.join(build, "bench", "startup_probe"),
        "bare": os.path.join(build, "bench", "startup_probe_bare"),
    }
    for program in programs.values():
        run_once(program)  # warm the file cache for both alike
    times = {name: [] for name in programs}
    memory = {name: [] for name in programs}
    for _ in range(runs):
        for name, program in programs.items():
            elapsed, peak = run_once(program)
            times[name].append(elapsed)
            memory[name].append(peak)
    for name in programs:
        print(f"{name:8} median {statistics.median(times[name]) * 1000:7.1f} ms, "
              f"peak memory {statistics.median(memory[name]) / 1024:6.1f} MiB")
    print(f"time ratio   {statistics.median(times['velmora']) / statistics.median(times['bare']):.3f}")
    print(f"memory ratio {statistics.median(memory['velmora']) / statistics.median(memory['bare']):.3f}")


if __name__ == "__main__":
    main()
