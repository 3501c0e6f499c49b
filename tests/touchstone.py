#!/usr/bin/python3
"""velkor-cli's Touchstone files, of pads and of a step attenuator's state,
against its own JSON: version 1.1 files read by scikit-rf, version 2.0 files
(which scikit-rf does not read) by the plain reading below. S21 in dB must
agree to 1e-9. Usage: touchstone.py CLI"""
import json
import math
import subprocess
import sys

import skrf

CLI = sys.argv[1]
COMMON = ["--parasitics", "L=0.5n,C=50f,CPAD=80f", "--frequency", "0:6G:61"]
CASES = [["--pad", "pi", "6"], ["--pad", "t", "--pairs", "-s", "E24", "20"],
         ["--pad", "l_pad", "--zin", "75", "--zout", "50"], ["--pad", "t", "--zout", "75", "12"],
         ["--steps", "--state", "25", "1", "2", "4", "8", "16", "32"]]


def run(args):
    return subprocess.run([CLI] + COMMON + args, check=True, capture_output=True, text=True).stdout


def version2(text):
    """S21 in dB of a 2.0 file, after checking its keywords."""
    lines = [line.split("!")[0].strip() for line in text.splitlines()]
    lines = [line for line in lines if line]
    assert lines[0] == "[Version] 2.0" and "[Two-Port Data Order] 21_12" in lines, lines[:8]
    data = lines[lines.index("[Network Data]") + 1:lines.index("[End]")]
    count = [line for line in lines if line.startswith("[Number of Frequencies]")][0]
    assert int(count.split()[-1]) == len(data)
    return [20 * math.log10(math.hypot(*map(float, row.split()[3:5]))) for row in data]


failed = 0
for case in CASES:
    row = json.loads(run(["-f", "json"] + case))[0]
    # a step attenuator's state: its row alone among the states
    want = (row["steps"]["states"][0] if "--steps" in case else row[case[1]])["response"]["s21_db"]
    text = run(["-f", "touchstone"] + case)
    if "--zout" in case:
        got = version2(text)
    else:
        with open("velkor.s2p", "w") as f:
            f.write(text)
        got = list(skrf.Network("velkor.s2p").s_db[:, 1, 0])
    worst = max(abs(a - b) for a, b in zip(got, want))
    ok = len(got) == len(want) and worst <= 1e-9
    failed += not ok
    print(("ok" if ok else "FAILED"), " ".join(case), "largest difference", worst)
print(f"{len(CASES) - failed} passed, {failed} failed")
sys.exit(1 if failed else 0)
