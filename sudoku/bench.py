#!/usr/bin/env python3
"""CPU time of sudoku runs, one process per puzzle.

    bench.py PROGRAM [FILE] [--timeout SECONDS] [--repeat N]

FILE is the program test's puzzle table (sudoku/tests/puzzles.txt, the
default) or a file of puzzles of 81 characters each, digits with "0" or "."
for an empty cell. Each puzzle runs as its own process; the CPU time shown
(user and system) is the whole process's, start-up included, as the kernel
counts it for a waited-for child. Runs over the timeout are stopped and
shown as such. With --repeat, each puzzle runs N times and the least CPU
time is shown, which keeps other load on the machine out of the figures.
The output is checked against the table's where it has one.
"""
import os
import resource
import subprocess
import sys

here = os.path.dirname(os.path.abspath(__file__))


def decode(token):
    if token == '""':
        return b""
    out = bytearray()
    i = 0
    while i < len(token):
        if token.startswith("\\x", i) and i + 4 <= len(token):
            out.append(int(token[i + 2:i + 4], 16))
            i += 4
        else:
            out += token[i].encode()
            i += 1
    return bytes(out)


def printed(expected):
    if expected == "Error":
        return b"Error\n"
    return "".join(d + ("\n" if i % 9 == 8 else " ") for i, d in enumerate(expected)).encode()


def cases(path):
    for number, line in enumerate(open(path, encoding="latin-1"), 1):
        line = line.rstrip("\n")
        if not line or line.startswith("#"):
            continue
        if len(line) == 81 and " " not in line:
            rows = [line[k * 9:(k + 1) * 9].replace("0", ".").encode() for k in range(9)]
            yield "line-%d" % number, None, rows
        else:
            fields = line.split(" ")
            yield fields[0], printed(fields[1]), [decode(t) for t in fields[2:]]


def children_cpu():
    r = resource.getrusage(resource.RUSAGE_CHILDREN)
    return r.ru_utime + r.ru_stime


def main():
    args = sys.argv[1:]
    timeout = None
    repeat = 1
    if "--timeout" in args:
        k = args.index("--timeout")
        timeout = float(args[k + 1])
        del args[k:k + 2]
    if "--repeat" in args:
        k = args.index("--repeat")
        repeat = int(args[k + 1])
        del args[k:k + 2]
    if not args:
        sys.exit(__doc__)
    program = args[0]
    path = args[1] if len(args) > 1 else os.path.join(here, "tests", "puzzles.txt")
    worst = (0.0, "")
    total = 0.0
    stopped = 0
    wrong = 0
    for name, expected, rows in cases(path):
        cpu = None
        for _ in range(repeat):
            before = children_cpu()
            try:
                out = subprocess.run([program] + rows, capture_output=True,
                                     timeout=timeout).stdout
            except subprocess.TimeoutExpired:
                cpu = None
                break
            took = children_cpu() - before
            cpu = took if cpu is None else min(cpu, took)
        if cpu is None:
            print("%-18s  over %.0f s" % (name, timeout))
            stopped += 1
            continue
        total += cpu
        worst = max(worst, (cpu, name))
        verdict = "" if expected is None or out == expected else "  WRONG OUTPUT"
        wrong += verdict != ""
        answer = "Error" if out == b"Error\n" else "solved"
        print("%-18s %9.2f ms  %s%s" % (name, cpu * 1000, answer, verdict))
    print("total %.1f ms, slowest %.2f ms (%s), stopped by the timeout: %d, wrong: %d"
          % (total * 1000, worst[0] * 1000, worst[1], stopped, wrong))
    sys.exit(1 if wrong else 0)


if __name__ == "__main__":
    main()
