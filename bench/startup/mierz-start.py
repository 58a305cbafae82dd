#!/usr/bin/env python3
"""Start-up cost of ampelor beside a bare Qt main window of the same size with a one-item menu
bar: CPU time (user + system) from process start until the window is shown, and peak memory
(max RSS), over alternating runs so that both see the same machine state.

    bench/startup/mierz-start.py [BUILD_DIR] [RUNS]
"""
import os
import statistics
import subprocess
import sys

build = sys.argv[1] if len(sys.argv) > 1 else "build/default"
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 40
env = dict(os.environ, QT_QPA_PLATFORM=os.environ.get("QT_QPA_PLATFORM", "offscreen"))
programs = ["start_goly", "start_ampelor"]
cpu = {p: [] for p in programs}
rss = {p: [] for p in programs}

for _ in range(runs):
    for p in programs:
        child = subprocess.Popen([os.path.join(build, "bench", "startup", p)], env=env,
                                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        _, status, usage = os.wait4(child.pid, 0)
        if status != 0:
            sys.exit(f"{p} failed with status {status}")
        cpu[p].append(usage.ru_utime + usage.ru_stime)
        rss[p].append(usage.ru_maxrss)  # KiB on Linux

for p in programs:
    print(f"{p:14} median CPU {statistics.median(cpu[p]) * 1000:7.2f} ms   "
          f"median peak RSS {statistics.median(rss[p]):7.0f} KiB   ({runs} runs, {env['QT_QPA_PLATFORM']})")
cpu_ratio = statistics.median(cpu["start_ampelor"]) / statistics.median(cpu["start_goly"])
rss_ratio = statistics.median(rss["start_ampelor"]) / statistics.median(rss["start_goly"])
print(f"ratio ampelor/bare: CPU {cpu_ratio:.3f}, peak RSS {rss_ratio:.3f} (target <= 1.15)")
