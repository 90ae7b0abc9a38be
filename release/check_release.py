#!/usr/bin/env python3
"""Checks that shipped executables will load on Windows 98 SE and stay small.

A program that imports one function its system DLLs lack does not start at
all on Windows 98 SE, with no message of ours, and Wine will not show that.
So every import is checked against the functions Windows 98 SE exports
(release/imports-allowed.txt): names only (no ordinals), from the five system
DLLs only, no delay-loaded imports, and a PE header that asks for no more
than Windows 4.0.

Usage: check_release.py [--sizes] EXE...
  --sizes  only print each executable's size and check the size limit
Exit status 1 when any executable fails; each failure names the executable
and, for imports, the DLL and the function.
"""

import os
import pathlib
import re
import subprocess
import sys

OBJDUMP = "i686-w64-mingw32-objdump"
ALLOWED_FILE = pathlib.Path(__file__).resolve().parent / "imports-allowed.txt"
ALLOWED_DLLS = ("KERNEL32.DLL", "USER32.DLL", "ADVAPI32.DLL", "COMCTL32.DLL", "MSVCRT.DLL")
MAX_SIZE = 200 * 1024  # today's packages still travel on small media
MAX_VERSION = (4, 0)


def read_allowed(path=ALLOWED_FILE):
    allowed = {}
    for line in pathlib.Path(path).read_text().splitlines():
        if not line.strip() or line.startswith("#"):
            continue
        dll, _, name = line.partition("\t")
        allowed.setdefault(dll.strip().upper(), set()).add(name.strip())
    return allowed


def read_pe(exe):
    """Header fields and imports ({DLL: [(name or None, ordinal or None)]}) as objdump reads them."""
    out = subprocess.run([OBJDUMP, "-p", str(exe)], check=True, capture_output=True, text=True).stdout
    header = {}
    for key in ("MajorOSystemVersion", "MinorOSystemVersion", "MajorSubsystemVersion", "MinorSubsystemVersion",
                "Magic", "Subsystem"):
        m = re.search(rf"^{key}\s+(\S+)", out, re.M)
        header[key] = m.group(1) if m else None
    m = re.search(r"^Entry d ([0-9a-f]+) ([0-9a-f]+) Delay Import Directory", out, re.M)
    header["DelayImports"] = int(m.group(2), 16) if m else 0
    header["Format"] = re.search(r"file format (\S+)", out).group(1)

    imports, dll = {}, None
    for line in out.splitlines():
        m = re.match(r"\s*DLL Name: (\S+)", line)
        if m:
            dll = m.group(1)
            imports.setdefault(dll, [])
            continue
        if dll is None:
            continue
        m = re.match(r"^\t([0-9a-f]+)\t\s*(\d+)\s+(\S+)", line)
        if m:
            thunk, hint, name = m.groups()
            by_ordinal = name == "<none>" or (len(thunk) == 8 and int(thunk, 16) & 0x80000000)
            imports[dll].append((None, int(hint)) if by_ordinal else (name, None))
        elif not line.strip() and imports[dll]:
            dll = None  # the end of this DLL's list
    return header, imports


def check(exe, allowed=None, max_size=MAX_SIZE):
    """Every reason why exe may not load or ship; empty when it is fine."""
    allowed = allowed if allowed is not None else read_allowed()
    name = pathlib.Path(exe).name
    problems = []
    header, imports = read_pe(exe)
    if header["Format"] != "pei-i386" or header["Magic"] != "010b":
        problems.append(f"{name}: not a 32-bit PE32 executable ({header['Format']}, magic {header['Magic']})")
    if header["Subsystem"] != "00000002":
        problems.append(f"{name}: not a Windows GUI program (subsystem {header['Subsystem']})")
    for what, major, minor in (("OS version", "MajorOSystemVersion", "MinorOSystemVersion"),
                               ("subsystem version", "MajorSubsystemVersion", "MinorSubsystemVersion")):
        version = (int(header[major] or 0), int(header[minor] or 0))
        if version > MAX_VERSION:
            problems.append(f"{name}: header asks for {what} {version[0]}.{version[1]}, above 4.0")
    if header["DelayImports"]:
        problems.append(f"{name}: has delay-loaded imports, which are not checked and may fail at run time")
    for dll, entries in imports.items():
        if dll.upper() not in ALLOWED_DLLS:
            problems.append(f"{name}: imports from {dll}, which is not one of {', '.join(ALLOWED_DLLS)}")
            continue
        names = allowed.get(dll.upper(), set())
        for function, ordinal in entries:
            if function is None:
                problems.append(f"{name}: imports ordinal {ordinal} from {dll} by number, not by name")
            elif function not in names:
                problems.append(f"{name}: imports {dll} {function}, not among the functions Windows 98 SE's {dll} exports")
    size = os.path.getsize(exe)
    if size >= max_size:
        problems.append(f"{name}: {size} bytes, over the {max_size // 1024} KB limit")
    return problems


def main(argv):
    sizes_only = "--sizes" in argv
    exes = [a for a in argv if a != "--sizes"]
    if not exes:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    failed = False
    for exe in exes:
        size = os.path.getsize(exe)
        if sizes_only:
            problems = [] if size < MAX_SIZE else [f"{exe}: {size} bytes, over the {MAX_SIZE // 1024} KB limit"]
        else:
            problems = check(exe)
        for problem in problems:
            print("FAIL " + problem)
        failed |= bool(problems)
        if not problems:
            print(f"{pathlib.Path(exe).name}: {size:,} bytes ({size / 1024:.1f} KB)"
                  + ("" if sizes_only else ", loads on Windows 98 SE"))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
