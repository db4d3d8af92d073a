#!/usr/bin/env python3
"""Compares the engine's public headers with Axis2/C's own, name by name.

    header_drift.py --cc CC --engine DIR --axis2c DIR --readme FILE

For every name both declare it checks that the engine gives it Axis2/C's
meaning: functions must redeclare cleanly next to Axis2/C's declarations
(same return and parameter types), object-like macros and enumerators must
have the same value, and public structs the same size and member offsets.
Names only the engine declares must be listed in FILE (the engine README),
so every deliberate extra is documented. Exit status 0 when all agree, 1
with one line per disagreement, 77 (skipped) without the Axis2/C headers.
"""
import argparse
import concurrent.futures
import os
import re
import subprocess
import sys
import tempfile

AXIS2C_DIRS = ["util/include", "axiom/include", "include", "neethi/include"]
# Where Axis2/C's headers are searched for declarations (neethi only feeds includes).
AXIS2C_SCANNED = ["util/include", "axiom/include", "include"]


def run(cmd, **kw):
    return subprocess.run(cmd, capture_output=True, text=True, **kw)


class Side:
    """One header set: its include flags and an umbrella translation unit."""

    def __init__(self, cc, work, name, include_dirs, headers):
        self.cc, self.work, self.name = cc, work, name
        self.flags = ["-I" + d for d in include_dirs]
        self.umbrella = "".join("#include <%s>\n" % h for h in headers)

    def compile(self, source, extra=(), std="c11", link=False):
        path = os.path.join(self.work, "%s_probe.c" % self.name)
        with open(path, "w") as f:
            f.write(source)
        out = os.path.join(self.work, "%s_probe" % self.name)
        mode = ["-o", out] if link else ["-fsyntax-only"]
        result = run([self.cc, "-std=" + std, "-w"] + self.flags + list(extra) + mode + [path])
        return result, out

    def prototypes(self):
        aux = os.path.join(self.work, "%s.aux" % self.name)
        result, _ = self.compile(self.umbrella, ["-aux-info", aux], std="c99")
        if result.returncode != 0:
            sys.exit("%s headers do not compile:\n%s" % (self.name, result.stderr))
        found = {}
        for line in open(aux):
            m = re.match(r"/\* (\S+):\d+:\S+ \*/ extern (.*?)\b(\w+) \((.*)\);", line)
            if m:
                found[m.group(3)] = (m.group(1), "extern %s%s(%s);" % (m.group(2), m.group(3), m.group(4)))
        return found

    def macros(self, own_dir=None):
        """Object- and function-like macros; with own_dir only those its headers define."""
        result = run([self.cc, "-std=c99", "-dD", "-E", "-x", "c", "-"] + self.flags,
                     input=self.umbrella)
        found, current = {}, ""
        for line in result.stdout.splitlines():
            marker = re.match(r'# \d+ "(.*)"', line)
            if marker:
                current = os.path.abspath(marker.group(1))
                continue
            m = re.match(r"#define (\w+)(\(.*?\))? ?(.*)", line)
            if m and (own_dir is None or current.startswith(own_dir)):
                found[m.group(1)] = (m.group(2), m.group(3).strip())
            gone = re.match(r"#undef (\w+)", line)
            if gone:
                found.pop(gone.group(1), None)
        return found

    def values(self, names):
        """Evaluates each name as a constant expression; unevaluable ones are left out."""
        names = list(names)
        for _ in range(10):
            lines = ["SHOW(\"%s\", %s);" % (n, n) for n in names]
            head = self.umbrella + PRINTER + "int main(void) {\n"
            first = head.count("\n") + 1
            result, exe = self.compile(head + "\n".join(lines) + "\nreturn 0; }\n", link=True)
            if result.returncode == 0:
                shown = {}
                for line in run([exe]).stdout.splitlines():
                    name, _, value = line.partition(" ")
                    shown[name] = value
                return shown
            bad = {int(n) - first for n in re.findall(r"_probe\.c:(\d+):\d+: error", result.stderr)}
            if not bad:
                break
            names = [n for i, n in enumerate(names) if i not in bad]
        return {}

    def layout(self, struct, members):
        checks = ["printf(\"size %%zu\\n\", sizeof(struct %s));" % struct]
        checks += ["printf(\"%s %%zu\\n\", offsetof(struct %s, %s));" % (m, struct, m) for m in members]
        source = self.umbrella + "#include <stddef.h>\n#include <stdio.h>\nint main(void) {\n%s\nreturn 0;\n}\n" % "\n".join(checks)
        result, exe = self.compile(source, link=True)
        if result.returncode != 0:
            return None
        return run([exe]).stdout


PRINTER = r"""
#include <stdio.h>
static void show_s(const char *n, const char *v) { printf("%s \"%s\"\n", n, v); }
static void show_i(const char *n, long long v) { printf("%s %lld\n", n, v); }
static void show_u(const char *n, unsigned long long v) { printf("%s %llu\n", n, v); }
static void show_d(const char *n, double v) { printf("%s %g\n", n, v); }
#define SHOW(n, x) _Generic((x), char *: show_s, const char *: show_s, double: show_d, \
    float: show_d, unsigned int: show_u, unsigned long: show_u, unsigned long long: show_u, \
    default: show_i)(n, x)
"""


def compilable_headers(cc, flags, folder):
    """Headers that compile on their own (some need a web server's or a library's headers)."""
    def compiles(name):
        return run([cc, "-std=c99", "-fsyntax-only", "-x", "c", "-"] + flags,
                   input="#include <%s>\n" % name).returncode == 0
    names = sorted(n for n in os.listdir(folder) if n.endswith(".h"))
    with concurrent.futures.ThreadPoolExecutor(4) as pool:
        return [n for n, ok in zip(names, pool.map(compiles, names)) if ok]


def enumerators(folder_headers):
    names = set()
    for path in folder_headers:
        text = re.sub(r"/\*.*?\*/", "", open(path, errors="replace").read(), flags=re.S)
        for body in re.findall(r"\benum\b[^{;]*\{(.*?)\}", text, flags=re.S):
            names.update(re.findall(r"(?:^|,)\s*([A-Za-z_]\w*)\s*(?==|,|$)", body.strip()))
    return names


def public_structs(paths):
    structs = {}
    for path in paths:
        text = re.sub(r"/\*.*?\*/", "", open(path).read(), flags=re.S)
        for name, body in re.findall(r"\bstruct\s+(\w+)\s*\{(.*?)\}\s*\w*\s*;", text, flags=re.S):
            members = []
            for decl in body.split(";"):
                decl = decl.strip()
                if not decl:
                    continue
                m = re.search(r"\(\s*(?:AXIS2_CALL\s*)?\*\s*(\w+)\s*\)", decl) or re.search(r"(\w+)\s*(\[.*\])?$", decl)
                members.append(m.group(1))
            structs[name] = members
    return structs


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cc", default="cc")
    parser.add_argument("--engine", required=True)
    parser.add_argument("--axis2c", required=True)
    parser.add_argument("--readme", required=True)
    args = parser.parse_args()

    if not os.path.isdir(os.path.join(args.axis2c, "util", "include")):
        print("skipped: no Axis2/C headers at %s (configure with -DTARVEL_AXIS2C_HEADERS=<dir>)" % args.axis2c)
        return 77

    work = tempfile.mkdtemp(prefix="header_drift.")
    engine_headers = sorted(h for h in os.listdir(args.engine) if h.endswith(".h"))
    args.engine = os.path.abspath(args.engine)
    engine = Side(args.cc, work, "engine", [args.engine], engine_headers)
    axis_dirs = [os.path.join(args.axis2c, d) for d in AXIS2C_DIRS]
    axis_flags = ["-I" + d for d in axis_dirs]
    axis_headers = []
    for d in AXIS2C_SCANNED:
        axis_headers += compilable_headers(args.cc, axis_flags, os.path.join(args.axis2c, d))
    axis2c = Side(args.cc, work, "axis2c", axis_dirs, axis_headers)

    problems, engine_only = [], []

    # Functions: the engine's prototypes next to Axis2/C's must not conflict.
    ours, theirs = engine.prototypes(), axis2c.prototypes()
    shared = []
    for name, (header, decl) in sorted(ours.items()):
        if not os.path.abspath(header).startswith(args.engine):
            continue
        if name not in theirs:
            engine_only.append(name)
            continue
        if os.path.basename(theirs[name][0]) != os.path.basename(header):
            problems.append("%s: declared in %s, Axis2/C declares it in %s"
                            % (name, os.path.basename(header), os.path.basename(theirs[name][0])))
        shared.append((name, decl))
    head = axis2c.umbrella
    first = head.count("\n") + 1
    result, _ = axis2c.compile(head + "\n".join(decl for _, decl in shared) + "\n", std="c99")
    lines = {int(n) - first for n in re.findall(r"_probe\.c:(\d+):\d+: error", result.stderr)}
    for index in sorted(lines):
        if 0 <= index < len(shared):
            problems.append("%s: signature differs from Axis2/C's: %s" % shared[index])
    if result.returncode != 0 and not lines:
        problems.append("redeclaring the engine's functions failed:\n" + result.stderr)

    # Object-like macros and enumerators: same value.
    our_macros, their_macros = engine.macros(args.engine), axis2c.macros()
    engine_paths = [os.path.join(args.engine, h) for h in engine_headers]
    our_enums = enumerators(engine_paths)
    their_enums = enumerators(os.path.join(args.axis2c, d, h) for d in AXIS2C_SCANNED
                              for h in os.listdir(os.path.join(args.axis2c, d)) if h.endswith(".h"))
    to_compare = []
    for name, (params, body) in sorted(our_macros.items()):
        if name.endswith("_H"):
            continue
        if name not in their_macros and name not in their_enums:
            engine_only.append(name)
        elif params is None and (name in their_enums or their_macros[name][1] != body):
            to_compare.append(name)
    for name in sorted(our_enums):
        if name not in their_enums and name not in their_macros:
            engine_only.append(name)
        else:
            to_compare.append(name)
    mine, yours = engine.values(to_compare), axis2c.values(to_compare)
    for name in to_compare:
        if name not in mine:
            continue  # not a value (AXIS2_CALL, AXIS2_LOG_SI, ...): nothing to compare
        if mine[name] != yours.get(name):
            problems.append("%s: value %s, Axis2/C's %s" % (name, mine[name].strip(),
                            (yours.get(name) or "(not a value)").strip()))

    # Public structs: same size and member offsets.
    for struct, members in sorted(public_structs(engine_paths).items()):
        mine, yours = engine.layout(struct, members), axis2c.layout(struct, members)
        if yours is None:
            problems.append("struct %s: Axis2/C has no complete struct with members %s" % (struct, ", ".join(members)))
        elif mine != yours:
            problems.append("struct %s: layout %s differs from Axis2/C's %s"
                            % (struct, mine.split(), yours.split()))

    # Names only the engine has must be documented.
    readme = open(args.readme).read()
    for name in sorted(set(engine_only)):
        if "`%s`" % name not in readme:
            problems.append("%s: not in Axis2/C and not listed in %s" % (name, args.readme))

    for line in problems:
        print(line)
    print("%d shared functions, %d shared values, %d engine-only names checked; %d problem(s)"
          % (len(shared), len(to_compare), len(set(engine_only)), len(problems)))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
