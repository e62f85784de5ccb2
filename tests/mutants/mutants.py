#!/usr/bin/env python3
"""Seeds the faults of faults.txt one at a time, rebuilds the tests, runs CTest and
reports which faults the suite kills. The source tree is restored after each fault.

    python3 tests/mutants/mutants.py [--build DIR] [--only ID,ID] [--list]
"""
import argparse
import os
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))


def read_faults(path):
    faults, current = [], {}
    with open(path, encoding="utf-8") as f:
        for raw in f:
            line = raw.rstrip("\n")
            if line.startswith("#"):
                continue
            if not line.strip():
                if current:
                    faults.append(current)
                current = {}
                continue
            key, _, value = line.partition(":")
            current[key.strip()] = value[1:] if value.startswith(" ") else value
    if current:
        faults.append(current)
    for fault in faults:
        for key in ("from", "to"):
            fault[key] = fault.get(key, "").replace("\\n", "\n")
    return faults


def run(args, log):
    log.write("$ " + " ".join(args) + "\n")
    log.flush()
    return subprocess.run(args, stdout=log, stderr=subprocess.STDOUT).returncode


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", default=os.path.join(ROOT, "build"))
    parser.add_argument("--faults", default=os.path.join(ROOT, "tests", "mutants", "faults.txt"))
    parser.add_argument("--only", default="")
    parser.add_argument("--list", action="store_true", help="only check that every fault applies")
    opts = parser.parse_args()

    faults = read_faults(opts.faults)
    if opts.only:
        wanted = set(opts.only.split(","))
        faults = [f for f in faults if f["id"] in wanted]
    stale = []
    for fault in faults:
        path = os.path.join(ROOT, fault["file"])
        text = open(path, encoding="utf-8").read() if os.path.exists(path) else ""
        if text.count(fault["from"]) != 1:
            stale.append(fault["id"])
    if stale:
        print("faults that no longer apply once:", ", ".join(stale))
        return 2
    if opts.list:
        print(f"{len(faults)} faults apply")
        return 0

    log = open(os.path.join(opts.build, "mutants.log"), "w", encoding="utf-8")
    killed, survived, broken = [], [], []
    for fault in faults:
        path = os.path.join(ROOT, fault["file"])
        original = open(path, encoding="utf-8").read()
        started = time.time()
        try:
            with open(path, "w", encoding="utf-8") as f:
                f.write(original.replace(fault["from"], fault["to"], 1))
            log.write(f"\n=== {fault['id']}\n")
            if run(["cmake", "--build", opts.build, "-j2", "--target", "kivora_tests"], log) != 0:
                verdict = "does not build"
                broken.append(fault["id"])
            elif run(["ctest", "--test-dir", opts.build, "-j2", "--stop-on-failure",
                      "--timeout", "120", "-Q"], log) != 0:
                verdict = "killed"
                killed.append(fault["id"])
            else:
                verdict = "SURVIVED"
                survived.append(fault["id"])
        finally:
            with open(path, "w", encoding="utf-8") as f:
                f.write(original)
        print(f"{fault['id']:40s} {verdict} ({time.time() - started:.0f} s)", flush=True)

    run(["cmake", "--build", opts.build, "-j2", "--target", "kivora_tests"], log)
    print(f"killed: {len(killed)}, survived: {len(survived)}, not built: {len(broken)}")
    if survived:
        print("survivors:", ", ".join(survived))
    return 0


if __name__ == "__main__":
    sys.exit(main())
