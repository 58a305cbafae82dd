#!/usr/bin/env python3
"""CPU time of ampelor-batch over a million cases of each mix, beside an awk pass over the same
file, in alternating runs.

    bench/mierz-wsad.py [BUILD_DIR] [RUNS] [LINES]

Two mixes:
- "mixed": both designs over a few typed texts: valid voltages, range errors, reversed ranges
  and text that is not a number. Many lines end in an error, which is cheap to answer. Beside
  an awk that splits each line on tabs and prints its fields back.
- "realistic": both designs, voltages drawn uniformly from 0 to 30 V in steps of 0.01 and
  written with up to two decimals as a user types them (the adjustable design with the smaller
  voltage first), so nearly every line computes a full design. Beside an awk that prints the
  two voltages and the three empty results of an answer line.
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


def mieszany(los):
    teksty = ["5", "12", "3.3", "9", "24", "30", "1.25", "1.26", "0", "31", "abc", "", "5V",
              "1,5", "12.5", ".5", "-5", "15", "2"]
    return f"{los.randint(0, 1)}\t{los.choice(teksty)}\t{los.choice(teksty)}\n"


def napiecie(setne):
    """Hundredths of a volt as typed: 1250 -> "12.5", 700 -> "7", 5 -> "0.05"."""
    tekst = f"{setne // 100}.{setne % 100:02d}".rstrip("0")
    return tekst.rstrip(".")


def realistyczny(los):
    tryb = los.randint(0, 1)
    a, b = los.randint(0, 3000), los.randint(0, 3000)
    if tryb == 1:
        a, b = min(a, b), max(a, b)
    return f"{tryb}\t{napiecie(a)}\t{napiecie(b)}\n"


# Each mix: its lines, its awk pass, and the most CPU time ampelor-batch may take beside it.
mixes = {
    "mixed": (mieszany, ["awk", "-F\t", '{ print $2 "\t" $3 "\t" $1 }'], 3),
    "realistic": (realistyczny, ["awk", "-F\t", '{print $2 "\t" $3 "\t-\t-\t-\t"}'], 2),
}
batch = [os.path.join(build, "tools", "ampelor-batch")]


def cpu_time(command, wejscie):
    with open(wejscie, "rb") as stdin:
        child = subprocess.Popen(command, stdin=stdin, stdout=subprocess.DEVNULL)
        _, status, usage = os.wait4(child.pid, 0)
    if status != 0:
        sys.exit(f"{command[0]} failed with status {status}")
    return usage.ru_utime + usage.ru_stime


for mix, (wiersz, awk, cel) in mixes.items():
    los = random.Random(317)
    with tempfile.NamedTemporaryFile("w", suffix=".tsv", delete=False) as plik:
        for _ in range(lines):
            plik.write(wiersz(los))
        wejscie = plik.name
    cpu = {"awk": [], "ampelor-batch": []}
    try:
        for _ in range(runs):
            cpu["awk"].append(cpu_time(awk, wejscie))
            cpu["ampelor-batch"].append(cpu_time(batch, wejscie))
    finally:
        os.unlink(wejscie)
    print(f"{mix} mix, {lines} lines, median of {runs} runs:")
    for name, times in cpu.items():
        print(f"  {name:14} CPU {statistics.median(times):.3f} s")
    ratio = statistics.median(cpu["ampelor-batch"]) / statistics.median(cpu["awk"])
    print(f"  ratio ampelor-batch/awk: {ratio:.2f} (target <= {cel})")
