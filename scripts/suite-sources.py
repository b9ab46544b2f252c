#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Vyx calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Prints apt sources for another Debian suite, taken from this machine's own
Debian sources: the same mirrors and keys, with the machine's release name
replaced by SUITE. Unstable has no updates and no security suite, so those
entries are dropped for it. The result is in one-line format, which mmdebstrap
and apt both read.
Usage: suite-sources.py SUITE"""

import glob
import re
import sys

ROLLING = {"sid", "unstable"}


def entries():
    """Yields (uris, suites, components, options) of every deb entry."""
    for path in ["/etc/apt/sources.list"] + sorted(glob.glob("/etc/apt/sources.list.d/*.list")):
        try:
            lines = open(path).read().splitlines()
        except OSError:
            continue
        for line in lines:
            line = line.split("#", 1)[0].strip()
            match = re.match(r"deb\s+(\[[^\]]*\]\s+)?(\S+)\s+(\S+)\s*(.*)", line)
            if match:
                options = (match.group(1) or "").strip()[1:-1].split()
                yield [match.group(2)], [match.group(3)], match.group(4).split(), options
    for path in sorted(glob.glob("/etc/apt/sources.list.d/*.sources")):
        for stanza in re.split(r"\n\s*\n", open(path).read()):
            fields = {}
            for line in stanza.splitlines():
                if line.startswith("#") or ":" not in line or line[0].isspace():
                    continue
                key, value = line.split(":", 1)
                fields[key.strip().lower()] = value.split()
            if "deb" not in fields.get("types", []) or fields.get("enabled") == ["no"]:
                continue
            options = ["signed-by=" + fields["signed-by"][0]] if fields.get("signed-by") else []
            yield fields.get("uris", []), fields.get("suites", []), fields.get("components", []), options


def machine_release(suites):
    # The plain suite name among the machine's Debian entries: "bookworm" of
    # "bookworm bookworm-updates bookworm-security".
    for suite in suites:
        if "-" not in suite and suite not in ROLLING:
            return suite
    sys.exit("suite-sources.py: no Debian release found in this machine's apt sources")


def main():
    target = sys.argv[1]
    debian = [e for e in entries() if any("debian" in uri for uri in e[0])]
    release = machine_release([s for e in debian for s in e[1]])
    printed = set()
    for uris, suites, components, options in debian:
        for uri in uris:
            for suite in suites:
                base, _, pocket = suite.partition("-")
                if base != release or (target in ROLLING and pocket):
                    continue
                line = "deb %s%s %s %s" % ("[%s] " % " ".join(options) if options else "", uri,
                                           target + ("-" + pocket if pocket else ""), " ".join(components))
                if line not in printed:
                    printed.add(line)
                    print(line)


if __name__ == "__main__":
    main()
