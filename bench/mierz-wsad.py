#!/usr/bin/env python3
"""CPU time of ampelor-batch over a million mixed cases, beside an awk pass over the same file
(which splits each line on tabs and prints its fields back), in alternating runs.

    bench/mierz-wsad.py [BUILD_DIR] [RUNS] [LINES]
"""
import os
import random
import statistics
import subprocess
import sys
import tempfile

build = sys.argv[1] if len(sys.argv) > 1 else "build/default"
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 5
lines = int(sys.argv[3]) if len(sys.argv) > 3 else 1_000_000

# Both designs, valid voltages, range errors, reversed ranges and text that is not a number.
random.seed(317)
teksty = ["5", "12", "3.3", "9", "24", "30", "1.25", "1.26", "0", "31", "abc", "", "5V",
          "1,5", "12.5", ".5", "-5", "15", "2"]
with tempfile.NamedTemporaryFile("w", suffix=".tsv", delete=False) as plik:
    for _ in range(lines):
        plik.write(f"{random.randint(0, 1)}\t{random.choice(teksty)}\t{random.choice(teksty)}\n")
    wejscie = plik.name

commands = {
    "awk": ["awk", "-F\t", '{ print $2 "\t" $3 "\t" $1 }'],
    "ampelor-batch": [os.path.join(build, "tools", "ampelor-batch")],
}
cpu = {name: [] for name in commands}
try:
    for _ in range(runs):
        for name, command in commands.items():
            with open(wejscie, "rb") as stdin:
                child = subprocess.Popen(command, stdin=stdin, stdout=subprocess.DEVNULL)
                _, status, usage = os.wait4(child.pid, 0)
            if status != 0:
                sys.exit(f"{name} failed with status {status}")
            cpu[name].append(usage.ru_utime + usage.ru_stime)
finally:
    os.unlink(wejscie)

for name in commands:
    print(f"{name:14} median CPU {statistics.median(cpu[name]):.3f} s over {lines} lines ({runs} runs)")
ratio = statistics.median(cpu["ampelor-batch"]) / statistics.median(cpu["awk"])
print(f"ratio ampelor-batch/awk: {ratio:.2f} (target <= 3)")
