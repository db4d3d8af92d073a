#!/usr/bin/env python3
"""Checks that each engine header makes visible what Axis2/C's header of the same name does.

    header_visibility.py --cc CC --engine DIR --axis2c DIR

Code written for Axis2/C, generated stubs above all, relies on what a header brings in through
the headers it includes in turn: a stub that includes <axis2_stub.h> uses AXIS2_ERROR_SET and
AXIS2_MEP_URI_OUT_IN without including axutil_utils.h or axis2_const.h itself. For every header
the engine shares with Axis2/C this computes, on both trees, the names visible in a translation
unit that includes that header alone, and lists each name that Axis2/C's header shows, that the
engine defines somewhere, and that the engine's header of the same name does not show. Names
the engine does not have at all are left out: header_drift.py is about those.

A name counts as visible when it is a defined macro, when __typeof__ accepts it (functions,
typedef names, enumerators), or, for a struct, union or enum tag, when it is a complete type.
Exit status 0 when nothing is missing, 1 with one line per header and defining header, 77
(skipped) without the Axis2/C headers.
"""
import argparse
import concurrent.futures
import os
import re
import sys
import tempfile

sys.dont_write_bytecode = True  # no __pycache__ in the source tree for the import below
from header_drift import AXIS2C_DIRS, Side, enumerators, run  # noqa: E402

PROBE = "header_visibility_probe_%d"


def strip_comments(text):
    return re.sub(r"//[^\n]*", "", re.sub(r"/\*.*?\*/", "", text, flags=re.S))


def statements(text):
    """Top-level statements of a header (comments and directives removed), each ending in ';'."""
    text = re.sub(r"^\s*#.*?(?<!\\)$", "", strip_comments(text), flags=re.M | re.S)
    found, depth, start = [], 0, 0
    for i, c in enumerate(text):
        if c in "{(":
            depth += 1
        elif c in "})":
            depth -= 1
        elif c == ";" and depth == 0:
            found.append(text[start:i].strip())
            start = i + 1
    return found


def typedef_names(text):
    names = []
    for statement in statements(text):
        if not re.match(r"typedef\b", statement):
            continue
        pointer = re.search(r"\(\s*(?:AXIS2_CALL\s*)?\*\s*(\w+)\s*\)\s*\(", statement)
        plain = re.search(r"(\w+)\s*(?:\[[^\]]*\]\s*)*$", statement)
        if pointer:
            names.append(pointer.group(1))
        elif plain:
            names.append(plain.group(1))
    return names


def complete_tags(text):
    return ["%s %s" % m for m in re.findall(r"\b(struct|union|enum)\s+(\w+)\s*\{", strip_comments(text))]


def engine_names(cc, work, engine_dir, headers):
    """Every name the engine's headers define, with the header that defines it."""
    side = Side(cc, work, "engine", [engine_dir], headers)
    names = {}
    for name, (path, _) in side.prototypes().items():
        if os.path.abspath(path).startswith(engine_dir + os.sep):
            names[name] = os.path.relpath(os.path.abspath(path), engine_dir)
    result = run([cc, "-std=c99", "-dD", "-E", "-x", "c", "-"] + side.flags, input=side.umbrella)
    current = ""
    for line in result.stdout.splitlines():
        marker = re.match(r'# \d+ "(.*)"', line)
        if marker:
            current = os.path.abspath(marker.group(1))
            continue
        m = re.match(r"#(define|undef) (\w+)", line)
        # Include guards say which headers were read, not what a caller uses.
        if not m or not current.startswith(engine_dir + os.sep) or m.group(2).endswith("_H"):
            continue
        if m.group(1) == "define":
            names[m.group(2)] = os.path.relpath(current, engine_dir)
        else:
            names.pop(m.group(2), None)
    for header in headers:
        text = open(os.path.join(engine_dir, header)).read()
        for name in typedef_names(text) + complete_tags(text) + sorted(enumerators([os.path.join(engine_dir, header)])):
            names.setdefault(name, header)
    return names


def visible(cc, flags, header, universe, work, tag):
    """The names of `universe` that a unit including only `header` sees, and the files it reads."""
    unit = "#include <%s>\n" % header
    result = run([cc, "-std=c99", "-dD", "-E", "-x", "c", "-"] + flags, input=unit)
    if result.returncode != 0:
        raise RuntimeError("%s does not preprocess:\n%s" % (header, result.stderr))
    macros, files, tokens = set(), set(), set()
    for line in result.stdout.splitlines():
        marker = re.match(r'# \d+ "(.*)"', line)
        if marker:
            if not marker.group(1).startswith("<"):
                files.add(os.path.abspath(marker.group(1)))
            continue
        m = re.match(r"#(define|undef) (\w+)", line)
        if m and m.group(1) == "define":
            macros.add(m.group(2))
        elif m:
            macros.discard(m.group(2))
        elif not line.startswith("#"):
            tokens.update(re.findall(r"[A-Za-z_]\w*", line))
    # A name the unit's code never mentions cannot be declared in it; probing only the others
    # keeps the compiler's error output (most of its time) small.
    probes = sorted(n for n in universe if n not in macros and n.split()[-1] in tokens)
    lines = []
    for i, name in enumerate(probes):
        if " " in name:
            lines.append("typedef char %s[sizeof(%s)];" % (PROBE % i, name))
        else:
            lines.append("typedef __typeof__(%s) %s;" % (name, PROBE % i))
    first = unit.count("\n") + 1
    path = os.path.join(work, "%s.c" % tag)
    with open(path, "w") as f:
        f.write(unit + "\n".join(lines) + "\n")
    result = run([cc, "-std=c99", "-w", "-fsyntax-only", "-fmax-errors=0"] + flags + [path])
    errors = re.findall(r"^%s:(\d+):\d+: error" % re.escape(path), result.stderr, flags=re.M)
    if result.returncode != 0 and not errors:
        raise RuntimeError("probing %s failed:\n%s" % (header, result.stderr))
    hidden = {probes[int(n) - first] for n in errors if 0 <= int(n) - first < len(probes)}
    return (macros & set(universe)) | (set(probes) - hidden), files


def compiles_alone(cc, engine_dir, header):
    """Warnings of a unit that includes only `header`: with cyclic includes a struct first met
    in a parameter list would be a different type from the one declared later."""
    result = run([cc, "-std=c99", "-Wall", "-Wextra", "-pedantic", "-fsyntax-only", "-x", "c", "-",
                  "-I" + engine_dir], input="#include <%s>\n" % header)
    return (result.stdout + result.stderr).strip()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cc", default="cc")
    parser.add_argument("--engine", required=True)
    parser.add_argument("--axis2c", required=True)
    parser.add_argument("--verbose", action="store_true", help="what each header reads and shows")
    args = parser.parse_args()

    if not os.path.isdir(os.path.join(args.axis2c, "util", "include")):
        print("skipped: no Axis2/C headers at %s (configure with -DTARVEL_AXIS2C_HEADERS=<dir>)" % args.axis2c)
        return 77

    with tempfile.TemporaryDirectory(prefix="header_visibility.") as work:
        return compare(args, work)


def compare(args, work):
    engine_dir = os.path.abspath(args.engine)
    engine_headers = sorted(os.path.relpath(os.path.join(d, f), engine_dir)
                            for d, _, fs in os.walk(engine_dir) for f in fs if f.endswith(".h"))
    axis_dirs = [os.path.join(args.axis2c, d) for d in AXIS2C_DIRS]
    shared = [h for h in engine_headers if any(os.path.isfile(os.path.join(d, h)) for d in axis_dirs)]
    universe = engine_names(args.cc, work, engine_dir, engine_headers)

    sides = {"engine": ["-I" + engine_dir], "axis2c": ["-I" + d for d in axis_dirs]}
    jobs = {}
    with concurrent.futures.ThreadPoolExecutor(4) as pool:
        for header in shared:
            for side, flags in sides.items():
                tag = "%s_%s" % (side, header.replace("/", "_")[:-2])
                jobs[header, side] = pool.submit(visible, args.cc, flags, header, universe, work, tag)
        alone = {h: pool.submit(compiles_alone, args.cc, engine_dir, h) for h in engine_headers}
    seen = {key: job.result() for key, job in jobs.items()}

    problems = []
    for header in engine_headers:
        output = alone[header].result()
        if output:
            problems.append("%s: does not compile cleanly on its own:\n%s" % (header, output))
    for header in shared:
        ours, our_files = seen[header, "engine"]
        theirs, their_files = seen[header, "axis2c"]
        # The probe itself must work: a header shows what it defines, and Axis2/C's header of
        # the same name shows some of it.
        own = {n for n, h in universe.items() if h == header}
        if own - ours:
            problems.append("%s: does not show its own names (the probe is broken?): %s"
                            % (header, ", ".join(sorted(own - ours))))
        if own and not own & theirs:
            problems.append("%s: Axis2/C's shows none of the names the engine's defines (the probe is broken?)"
                            % header)
        missing = theirs - ours
        by_home = {}
        for name in missing:
            by_home.setdefault(universe[name], []).append(name)
        for home in sorted(by_home):
            problems.append("%s: Axis2/C's shows, the engine's does not (defined in %s): %s"
                            % (header, home, ", ".join(sorted(by_home[home]))))
        if args.verbose:
            print("%s: Axis2/C's reads %d files and shows %d engine names; the engine's reads %d and shows %d"
                  % (header, len(their_files), len(theirs), len(our_files), len(ours)))

    for line in problems:
        print(line)
    print("%d shared headers, %d engine names; %d problem(s)" % (len(shared), len(universe), len(problems)))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
