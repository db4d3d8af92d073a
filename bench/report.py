#!/usr/bin/env python3
"""Prints the benchmark's tables from the files that bench/measure wrote.

  report.py oneitem DIR     scenario 1: s1-baseline.txt, s1-agent.txt
  report.py growth DIR      scenario 2: s2-<count>.txt and s2-<count>.size (bytes of the item)
  report.py network DIR     scenario 3: s3-agent.txt, s3-curl.txt and the server's timing logs
                            s3-agent-server.txt, s3-curl-server.txt
  report.py startup DIR     scenario 4: s4-baseline.txt, s4-agent.txt

A measure file holds one "<wall us> <peak RSS kB> <CPU us>" line per run; a server timing log
one "<operation> <us>" line per request, warm-up requests first. Ratios and differences are
taken between medians. CPU is user + system time: on a busy machine wall time also holds the
time spent waiting for a processor, CPU time does not. The targets are printed beside the
numbers they concern; they are this machine's goals, not checks: nothing fails because of them.
"""
import glob
import os
import re
import statistics
import sys


class Runs:
    def __init__(self, path):
        self.wall, self.rss, self.cpu = [], [], []
        with open(path) as handle:
            for line in handle:
                fields = line.split()
                if len(fields) >= 2:
                    self.wall.append(int(fields[0]) / 1000.0)
                    self.rss.append(int(fields[1]) / 1024.0)
                    self.cpu.append(int(fields[2]) / 1000.0 if len(fields) > 2 else float("nan"))
        if not self.wall:
            sys.exit("report.py: no measurements in %s" % path)

    def median(self, name):
        return statistics.median(getattr(self, name))


def load(directory, name):
    return Runs(os.path.join(directory, name))


def server_times(path, per_run, runs):
    """The server's handling time (ms) summed over each run's requests, for the last `runs` runs."""
    with open(path) as handle:
        micros = [int(line.split()[1]) for line in handle if len(line.split()) == 2]
    sums = [sum(micros[i:i + per_run]) / 1000.0 for i in range(0, len(micros) - per_run + 1, per_run)]
    return sums[-runs:]


def verdict(ok):
    return "met" if ok else "MISSED"


LABEL = 42
HEAD = "%-*s %9s %9s %9s %9s   %8s %8s %8s"


def header(title):
    print()
    print(title)
    print(HEAD % (LABEL, "", "wall ms", "", "", "CPU ms", "peak RSS", "MB", ""))
    print(HEAD % (LABEL, "", "median", "min", "max", "median", "median", "min", "max"))


def row(label, runs):
    print("%-*s %9.2f %9.2f %9.2f %9.2f   %8.1f %8.1f %8.1f" % (
        LABEL, label, runs.median("wall"), min(runs.wall), max(runs.wall), runs.median("cpu"),
        runs.median("rss"), min(runs.rss), max(runs.rss)))


def ratio_row(label, numerator, denominator):
    print("%-*s %8.2fx %29.2fx   %7.2fx" % (
        LABEL, label, numerator.median("wall") / denominator.median("wall"),
        numerator.median("cpu") / denominator.median("cpu"), numerator.median("rss") / denominator.median("rss")))


def oneitem(directory):
    base, agent = load(directory, "s1-baseline.txt"), load(directory, "s1-agent.txt")
    header("1. One work item, filesystem mode: 20 properties (2 encrypted), one no-op script, "
           "config.xml present (%d runs)" % len(agent.wall))
    row("/bin/sh 01_noop.sh (baseline)", base)
    row("tarvel --name A --workitem ...", agent)
    ratio_row("ratio tarvel / baseline", agent, base)
    added = agent.median("wall") - base.median("wall")
    print("%-*s %9.2f ms (CPU %.2f ms)   target: at most 5 ms: %s" % (
        LABEL, "added by tarvel (median - median)", added, agent.median("cpu") - base.median("cpu"),
        verdict(added <= 5.0)))
    rss = agent.median("rss")
    print("%-*s %9.1f MB   target: under 12 MB: %s" % (LABEL, "peak RSS of the run (median)", rss, verdict(rss < 12.0)))
    if os.path.exists(os.path.join(directory, "s1-static.txt")):
        static = load(directory, "s1-static.txt")
        row("static tarvel --name A --workitem ...", static)
        added = static.median("wall") - base.median("wall")
        print("%-*s %9.2f ms (CPU %.2f ms)   target: at most 4 ms: %s" % (
            LABEL, "added by the static tarvel", added, static.median("cpu") - base.median("cpu"),
            verdict(added <= 4.0)))
        rss = static.median("rss")
        print("%-*s %9.1f MB   target: under 6 MB: %s" % (
            LABEL, "peak RSS of the static run (median)", rss, verdict(rss < 6.0)))


def growth(directory):
    counts = sorted(int(re.search(r"s2-(\d+)\.txt$", path).group(1))
                    for path in glob.glob(os.path.join(directory, "s2-*.txt")))
    print()
    print("2. Growth: one work item of N properties (2 encrypted), filesystem mode, one no-op script; "
          "factor = this size / the one before")
    fmt = "%10s %8s %4s %9s %9s %9s %7s %9s   %8s %8s %8s %7s"
    print(fmt % ("properties", "item", "runs", "wall ms", "", "", "", "CPU ms", "peak RSS", "MB", "", ""))
    print(fmt % ("", "KB", "", "median", "min", "max", "factor", "median", "median", "min", "max", "factor"))
    previous = None
    steps_ok = True
    last = None
    for count in counts:
        runs = load(directory, "s2-%d.txt" % count)
        with open(os.path.join(directory, "s2-%d.size" % count)) as handle:
            size = int(handle.read().strip())
        wall, rss = runs.median("wall"), runs.median("rss")
        factors = ("", "")
        if previous:
            wall_factor, rss_factor = wall / previous[0], rss / previous[1]
            # Linear: a step to x times the properties costs at most about x times as much (a
            # quarter more allowed for noise at the small sizes, where start-up dominates).
            steps_ok = steps_ok and wall_factor <= 1.25 * count / previous[2] and rss_factor <= 1.25 * count / previous[2]
            factors = ("%6.1fx" % wall_factor, "%6.1fx" % rss_factor)
        print("%10d %8.0f %4d %9.2f %9.2f %9.2f %7s %9.2f   %8.1f %8.1f %8.1f %7s" % (
            count, size / 1024.0, len(runs.wall), wall, min(runs.wall), max(runs.wall), factors[0],
            runs.median("cpu"), rss, min(runs.rss), max(runs.rss), factors[1]))
        previous = (wall, rss, count)
        last = (count, wall, rss)
    print("target: each tenfold step costs at most about ten times as much: %s" % verdict(steps_ok))
    if last and last[0] == 100000:
        print("target: 100,000 properties in under 1 s (%.0f ms: %s) and under 200 MB (%.1f MB: %s)" % (
            last[1], verdict(last[1] < 1000.0), last[2], verdict(last[2] < 200.0)))


def network(directory):
    agent, curl = load(directory, "s3-agent.txt"), load(directory, "s3-curl.txt")
    agent_server = server_times(os.path.join(directory, "s3-agent-server.txt"), 2, len(agent.wall))
    curl_server = server_times(os.path.join(directory, "s3-curl-server.txt"), 2, len(curl.wall))
    header("3. Network mode: GetWorkItem + WorkItemComplete on loopback, one server for both (%d runs)" % len(agent.wall))
    row("curl, one process per request (baseline)", curl)
    row("tarvel --host ... (task without scripts)", agent)
    for label, sums in (("  server's handling of curl's requests", curl_server),
                        ("  server's handling of tarvel's requests", agent_server)):
        print("%-*s %9.2f %9.2f %9.2f" % (LABEL, label, statistics.median(sums), min(sums), max(sums)))
    ratio_row("ratio tarvel / curl", agent, curl)
    unconfined_file = os.path.join(directory, "s3-unconfined.txt")
    if os.path.exists(unconfined_file):
        unconfined = load(directory, "s3-unconfined.txt")
        row("tarvel, tarvel.confine = false", unconfined)
        print("%-*s %9.2f ms (CPU %.2f ms)" % (
            LABEL, "cost of the confined child (median - median)",
            agent.median("wall") - unconfined.median("wall"), agent.median("cpu") - unconfined.median("cpu")))
    difference = agent.median("wall") - curl.median("wall")
    print("%-*s %9.2f ms   target: no longer than curl: %s" % (
        LABEL, "tarvel - curl (median - median)", difference, verdict(difference <= 0.0)))


def startup(directory):
    base, agent = load(directory, "s4-baseline.txt"), load(directory, "s4-agent.txt")
    header("4. Start-up: loading the program and its libraries (%d runs)" % len(agent.wall))
    row("/bin/true (baseline)", base)
    row("tarvel --version", agent)
    ratio_row("ratio tarvel / baseline", agent, base)
    print("%-*s %9.2f ms (CPU %.2f ms)" % (LABEL, "added by tarvel (median - median)",
                                           agent.median("wall") - base.median("wall"),
                                           agent.median("cpu") - base.median("cpu")))
    if os.path.exists(os.path.join(directory, "s4-static.txt")):
        static = load(directory, "s4-static.txt")
        row("static tarvel --version", static)
        print("%-*s %9.2f ms (CPU %.2f ms)" % (LABEL, "added by the static tarvel",
                                               static.median("wall") - base.median("wall"),
                                               static.median("cpu") - base.median("cpu")))
    sizes = os.path.join(directory, "sizes.txt")
    if os.path.exists(sizes):
        print()
        print("Binary size (bytes, as installed: stripped)")
        with open(sizes) as f:
            for line in f:
                label, size = line.rsplit(" ", 1)
                print("%-*s %12s" % (LABEL, label, "{:,}".format(int(size))))


def main():
    scenarios = {"oneitem": oneitem, "growth": growth, "network": network, "startup": startup}
    if len(sys.argv) != 3 or sys.argv[1] not in scenarios:
        sys.exit(__doc__)
    scenarios[sys.argv[1]](sys.argv[2])


if __name__ == "__main__":
    main()
