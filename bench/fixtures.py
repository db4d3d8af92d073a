#!/usr/bin/env python3
"""Writes the benchmark's inputs.

  fixtures.py workitem FILE --count N [--encrypted K] [--task T] [--id ID]
      A work item with N properties, K of them encrypted (each with its "<name>.IsEncrypted"
      companion, which is not counted in N). Values are encrypted by the openssl command with
      the agent's default key and IV, as the management server does.
  fixtures.py taskdir DIR [--noop]
      A task directory, with the no-op script 01_noop.sh in it when --noop is given.
  fixtures.py config CONFDIR LOGFILE
      CONFDIR/tarvel.properties (information priority to a file channel, as the installed
      service logs, without the terminal channel) and CONFDIR/config.xml (no final stage).
"""
import argparse
import os
import stat
import subprocess
import sys

KEY = "50797c4deab439a650e27d701c7a8f55"
IV = "98ac4b356db49ea38663a9a157af7b89"


def encrypt(value):
    return subprocess.run(
        ["openssl", "enc", "-aes-128-cbc", "-K", KEY, "-iv", IV, "-base64", "-A"],
        input=value.encode(), check=True, capture_output=True).stdout.decode()


def workitem(args):
    # About 64 bytes per property, so that 100,000 properties make a file of about 6 MB.
    lines = ['<?xml version="1.0" encoding="UTF-8"?>',
             '<workitem id="bench-%s">' % args.id,
             '  <task type="%s">' % args.task]
    encrypted = set(range(args.count - args.encrypted, args.count))
    for i in range(args.count):
        name = "prop%06d" % i
        value = "value %06d bench" % i
        if i in encrypted:
            lines.append('    <parameter name="%s">%s</parameter>' % (name, encrypt(value)))
            lines.append('    <parameter name="%s.IsEncrypted">true</parameter>' % name)
        else:
            lines.append('    <parameter name="%s">%s</parameter>' % (name, value))
    lines += ['  </task>', '</workitem>', '']
    with open(args.file, "w", encoding="utf-8") as out:
        out.write("\n".join(lines))


def taskdir(args):
    os.makedirs(args.dir, exist_ok=True)
    if args.noop:
        script = os.path.join(args.dir, "01_noop.sh")
        with open(script, "w") as out:
            out.write("#!/bin/sh\n# Does nothing: the benchmark measures what the agent adds around a script.\nexit 0\n")
        os.chmod(script, os.stat(script).st_mode | stat.S_IXUSR | stat.S_IXGRP | stat.S_IXOTH)


def config(args):
    os.makedirs(args.confdir, exist_ok=True)
    with open(os.path.join(args.confdir, "tarvel.properties"), "w") as out:
        out.write("\n".join([
            "logging.loggers.root.channel = file",
            "logging.loggers.root.level = information",
            "logging.channels.file.class = FileChannel",
            "logging.channels.file.path = %s" % args.logfile,
            "logging.channels.file.formatter = file",
            "logging.formatters.file.class = PatternFormatter",
            "logging.formatters.file.pattern = %Y-%m-%d %H:%M:%S.%i [%P] %p: %t",
            "logging.formatters.file.times = local",
            ""]))
    with open(os.path.join(args.confdir, "config.xml"), "w") as out:
        out.write('<?xml version="1.0" encoding="UTF-8"?>\n<stages>\n'
                  '  <stage id="Bench">False</stage>\n  <stage id="Net">False</stage>\n'
                  '  <stage id="Finish">True</stage>\n</stages>\n')


def main():
    parser = argparse.ArgumentParser()
    commands = parser.add_subparsers(dest="command", required=True)
    p = commands.add_parser("workitem")
    p.add_argument("file")
    p.add_argument("--count", type=int, required=True)
    p.add_argument("--encrypted", type=int, default=0)
    p.add_argument("--task", default="Bench")
    p.add_argument("--id", default="0001")
    p.set_defaults(run=workitem)
    p = commands.add_parser("taskdir")
    p.add_argument("dir")
    p.add_argument("--noop", action="store_true")
    p.set_defaults(run=taskdir)
    p = commands.add_parser("config")
    p.add_argument("confdir")
    p.add_argument("logfile")
    p.set_defaults(run=config)
    args = parser.parse_args()
    if getattr(args, "encrypted", 0) > getattr(args, "count", 0):
        sys.exit("fixtures.py: more encrypted properties than properties")
    args.run(args)


if __name__ == "__main__":
    main()
