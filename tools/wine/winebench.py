"""Runs the real Windows programs under Wine, one case at a time.

A bench owns a throwaway Wine prefix inside the build tree and an Xvfb
display. For each case it lays out files on drive C, copies the program under
test into place, and runs bench.exe inside the prefix, which sets the
registry and the Windows version Wine reports, starts the program with the
exact command line and current directory of the case, records and answers
every message box, and writes what it saw. The Windows calls the program made
come from Wine's relay trace of the functions the case names.
"""

import dataclasses
import os
import pathlib
import re
import shutil
import signal
import subprocess
import time

ROOT = pathlib.Path(__file__).resolve().parents[2]
BUILD = pathlib.Path(os.environ.get("WINE_BENCH_BUILD", ROOT / "build" / "win32"))
DIST = pathlib.Path(os.environ.get("WINE_BENCH_DIST", ROOT / "dist"))

# What Wine reports for each name, as the HKCU\Software\Wine "Version" value.
VERSIONS = ("win95", "win98", "winme", "nt40", "win2k", "winxp", "vista", "win7", "win10")

PROGRAMS = ("Kestrav", "Ravlind", "Varnolt")

# The Windows calls worth seeing in a trace; the rest would only be noise.
DEFAULT_RELAY = (
    "GetVersionExA", "GetCurrentDirectoryA", "GetWindowsDirectoryA", "CopyFileA", "WinExec", "Sleep",
    "FindWindowA", "MessageBoxA", "ExitWindowsEx", "InitCommonControls", "RegOpenKeyA", "RegOpenKeyExA",
    "RegQueryInfoKeyA", "RegEnumKeyA", "RegDeleteKeyA", "RegCloseKey", "SetErrorMode",
)

REGISTRY_ROOTS = ("Enum", "SYSTEM\\CurrentControlSet\\Enum\\PCI")

BENCH_DIR = "C:\\bench"


class BenchError(RuntimeError):
    """The bench itself could not do its work (not a program failure)."""


@dataclasses.dataclass
class Case:
    program: str                        # one of PROGRAMS
    version: str = "win98"              # one of VERSIONS
    exe_dir: str = "C:\\DRV"            # where the program's .exe is placed
    cwd: str | None = None              # default: exe_dir
    cmdline: str | None = None          # default: the .exe path alone
    files: dict = dataclasses.field(default_factory=dict)  # Windows path -> bytes
    dirs: list = dataclasses.field(default_factory=list)   # Windows directories to create
    keys: list = dataclasses.field(default_factory=list)   # registry keys under HKLM
    answers: list = dataclasses.field(default_factory=list)  # button ids, box by box
    second_cmdline: str | None = None   # a second program, started when...
    second_cwd: str | None = None
    second_on_box: int = 0              # ...the first one's n-th box shows
    hold: str | None = None             # a file another program holds open
    standin_life_ms: int = 3000         # how long the stand-in install.exe lives
    locale: str | None = None           # LC_ALL for Wine, which picks the ANSI code page
    timeout_ms: int = 30000
    relay: tuple = DEFAULT_RELAY

    @property
    def exe_path(self):
        return self.exe_dir.rstrip("\\") + "\\" + self.program + ".exe"


@dataclasses.dataclass
class Box:
    program: str        # "primary", "second" or "other"
    caption: str
    text: str
    buttons: tuple      # ids of the visible buttons
    icon: bool          # an icon is shown
    owner: str          # "none" or the owner window's title
    answer: int


@dataclasses.dataclass
class Call:
    name: str           # function name without its DLL
    args: str           # as Wine's trace prints them
    retval: str | None = None
    thread: str | None = None  # Wine's thread id: tells the program's calls from a child's

    def strings(self):
        """The string arguments, unescaped."""
        return [_unescape_c(s) for s in re.findall(r'"((?:[^"\\]|\\.)*)"', self.args)]

    def numbers(self):
        """The arguments that are plain hexadecimal numbers."""
        out = []
        for arg in _split_args(self.args):
            if re.fullmatch(r"[0-9a-fA-F]+", arg):
                out.append(int(arg, 16))
        return out


@dataclasses.dataclass
class Result:
    case: Case
    boxes: list
    exit_code: int | None
    second_exit: int | None
    timed_out: bool
    keys: list          # every key under the dumped roots after the run, as "Enum\\PCI\\..."
    keys_before: list   # the same, just before the program started
    calls: list         # Call, in order
    events: list        # raw bench records
    install_log: list   # one dict per start of the stand-in install.exe
    drive_c: pathlib.Path
    listing_before: dict  # Windows path -> (size, mtime) of every file, as laid out
    listing_after: dict

    def changed_files(self):
        """Files the run created or rewrote, bench files aside, sorted."""
        return sorted(p for p, stamp in self.listing_after.items()
                      if self.listing_before.get(p) != stamp and not p.upper().startswith("C:\\BENCH\\"))

    def file(self, windows_path):
        """The bytes of a file on drive C, or None."""
        path = self.drive_c_path(windows_path)
        return path.read_bytes() if path and path.is_file() else None

    def drive_c_path(self, windows_path):
        return _resolve_case_insensitive(self.drive_c, windows_path)

    def calls_named(self, name):
        return [c for c in self.calls if c.name == name]

    def program_calls(self, name):
        """Calls the program itself made, on its one thread. The trace also
        holds Wine's start-up, its helper processes and the stand-in
        install.exe; the framework's first call sets the error mode."""
        start = next((i for i, c in enumerate(self.calls) if c.name == "SetErrorMode"), None)
        if start is None:
            return []
        thread = self.calls[start].thread
        return [c for c in self.calls[start:] if c.name == name and c.thread == thread]

    def primary_boxes(self):
        return [b for b in self.boxes if b.program == "primary"]


def _unescape_c(text):
    out, i = [], 0
    escapes = {"n": "\n", "r": "\r", "t": "\t", "\\": "\\", '"': '"'}
    while i < len(text):
        c = text[i]
        if c == "\\" and i + 1 < len(text):
            nxt = text[i + 1]
            if nxt in escapes:
                out.append(escapes[nxt])
                i += 2
                continue
            if nxt == "x" and re.match(r"[0-9a-fA-F]{2}", text[i + 2:i + 4]):
                out.append(chr(int(text[i + 2:i + 4], 16)))
                i += 4
                continue
            if re.match(r"[0-7]{3}", text[i + 1:i + 4]):
                out.append(chr(int(text[i + 1:i + 4], 8)))
                i += 4
                continue
        out.append(c)
        i += 1
    return "".join(out)


def _unescape_record(text):
    return text.replace("\\t", "\t").replace("\\n", "\n").replace("\\r", "\r").replace("\\\\", "\\") \
        if "\\" in text else text


def _split_args(args):
    parts, depth, cur, quoted, esc = [], 0, "", False, False
    for c in args:
        if quoted:
            cur += c
            if esc:
                esc = False
            elif c == "\\":
                esc = True
            elif c == '"':
                quoted = False
            continue
        if c == '"':
            quoted = True
            cur += c
        elif c == "," and depth == 0:
            parts.append(cur.strip())
            cur = ""
        else:
            cur += c
    if cur.strip():
        parts.append(cur.strip())
    return parts


def _resolve_case_insensitive(drive_c, windows_path):
    """The host path of a C: path, matching names without regard to case."""
    parts = [p for p in windows_path.replace("/", "\\").split("\\") if p]
    if not parts or parts[0].upper() != "C:":
        raise ValueError("not a path on drive C: " + windows_path)
    path = drive_c
    for part in parts[1:]:
        if not path.is_dir():
            return None
        match = next((p for p in path.iterdir() if p.name.upper() == part.upper()), None)
        if match is None:
            return None
        path = match
    return path


def _host_path(drive_c, windows_path):
    """Where a new C: path goes on the host, reusing directories that exist."""
    parts = [p for p in windows_path.replace("/", "\\").split("\\") if p]
    if not parts or parts[0].upper() != "C:":
        raise ValueError("not a path on drive C: " + windows_path)
    path = drive_c
    for part in parts[1:]:
        match = None
        if path.is_dir():
            match = next((p for p in path.iterdir() if p.name.upper() == part.upper()), None)
        path = match if match is not None else path / part
    return path


def _parse_relay(stderr):
    calls, pending = [], {}
    call_re = re.compile(r"^([0-9a-f]+):Call (?:[\w.]+)\.(\w+)\((.*)\) ret=[0-9a-f]+$")
    ret_re = re.compile(r"^([0-9a-f]+):Ret  (?:[\w.]+)\.(\w+)\(.*\) retval=([0-9a-f]+) ret=[0-9a-f]+$")
    for line in stderr.splitlines():
        m = call_re.match(line)
        if m:
            call = Call(m.group(2), m.group(3), thread=m.group(1))
            calls.append(call)
            pending.setdefault((m.group(1), m.group(2)), []).append(call)
            continue
        m = ret_re.match(line)
        if m:
            stack = pending.get((m.group(1), m.group(2)))
            if stack:
                stack.pop().retval = m.group(3)
    return calls


def _parse_install_log(text):
    runs = []
    for line in text.splitlines():
        if line == "start":
            runs.append({"args": []})
        elif line == "end" and runs:
            runs[-1]["ended"] = True
        elif "=" in line and runs:
            key, _, val = line.partition("=")
            if key.startswith("arg") and key[3:].isdigit():
                runs[-1]["args"].append(val)
            else:
                runs[-1][key] = val
    return runs


class WineBench:
    """One Wine machine for a series of cases. Use as a context manager."""

    def __init__(self, workdir=None, verbose=False, log=None):
        """log: called with each progress line; verbose prints them."""
        self.workdir = pathlib.Path(workdir or BUILD / "wine-bench")
        self.prefix = self.workdir / "prefix"
        self.drive_c = self.prefix / "drive_c"
        self._logger = log or (print if verbose else None)
        self._xvfb = None
        self._display = None
        self._server = False
        self._baseline = set()
        self._added_keys = []

    # --- life of the machine

    def __enter__(self):
        for tool in ("wine", "wineserver", "Xvfb"):
            if shutil.which(tool) is None:
                raise BenchError(f"{tool} is not installed (make test installs it)")
        for exe in [BUILD / "bench" / "bench.exe", BUILD / "bench" / "standin_install.exe"]:
            if not exe.is_file():
                raise BenchError(f"{exe} is missing: build the Windows programs first (make dist)")
        try:
            self._start_display()
            self._make_prefix()
            self._start_server()
            self._install_bench()
            self._added_keys = self._load_added_keys()
            self._baseline = self._load_baseline()
        except BaseException:
            self.close()  # no Xvfb or wineserver left behind
            raise
        return self

    def _start_server(self):
        """A persistent wineserver, so that each case starts quickly."""
        for attempt in range(2):
            if subprocess.run(["wineserver", "-p"], env=self._env(), stderr=subprocess.DEVNULL).returncode == 0:
                self._server = True
                return
            # A server that is ending by itself (left by wineboot) goes soon;
            # another session's persistent one does not.
            try:
                subprocess.run(["wineserver", "-w"], env=self._env(), timeout=15)
            except subprocess.TimeoutExpired:
                break
        raise BenchError(f"another Wine session is using {self.prefix}; wait for it or use another build tree")

    def __exit__(self, *exc):
        self.close()

    def close(self):
        if self._server:
            subprocess.run(["wineserver", "-k"], env=self._env(), stderr=subprocess.DEVNULL)
            self._server = False
        if self._xvfb is not None:
            self._xvfb.send_signal(signal.SIGTERM)
            try:
                self._xvfb.wait(10)
            except subprocess.TimeoutExpired:
                self._xvfb.kill()
            self._xvfb = None

    def _log(self, text):
        if self._logger:
            self._logger(text)

    def _env(self, locale=None):
        env = dict(os.environ)
        env.update({
            "WINEPREFIX": str(self.prefix),
            "WINEARCH": "win32",
            "WINEDEBUG": "-all",
            # No Mono or Gecko prompts, no desktop menu entries.
            "WINEDLLOVERRIDES": "mscoree,mshtml=;winemenubuilder.exe=d",
        })
        if self._display:
            env["DISPLAY"] = self._display
        for name in ("LANG", "LANGUAGE", "LC_ALL", "LC_CTYPE"):
            env.pop(name, None)
        env["LC_ALL"] = locale or "C.UTF-8"
        return env

    def _start_display(self):
        read_end, write_end = os.pipe()
        self._xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
            pass_fds=[write_end], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        number = b""
        with os.fdopen(read_end, "rb") as pipe:
            while not number.endswith(b"\n"):
                chunk = pipe.read(1)
                if not chunk:
                    raise BenchError("Xvfb did not start")
                number += chunk
        self._display = ":" + number.decode().strip()
        self._log(f"Xvfb on display {self._display}")

    def _make_prefix(self):
        marker = self.workdir / "prefix.ready"
        # A prefix without its saved baseline may hold what earlier cases left.
        if marker.exists() and (self.workdir / "baseline.txt").exists() and self.drive_c.is_dir():
            return
        shutil.rmtree(self.prefix, ignore_errors=True)
        self.workdir.mkdir(parents=True, exist_ok=True)
        (self.workdir / "baseline.txt").unlink(missing_ok=True)
        self._log(f"creating the Wine machine in {self.prefix} (only the first time; about half a minute)...")
        subprocess.run(["wineboot", "-i"], env=self._env(), check=True,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=300)
        subprocess.run(["wineserver", "-w"], env=self._env(), timeout=300)
        if not self.drive_c.is_dir():
            raise BenchError("wineboot did not make a prefix")
        marker.touch()

    def _install_bench(self):
        bench_dir = self.drive_c / "bench"
        bench_dir.mkdir(exist_ok=True)
        shutil.copy(BUILD / "bench" / "bench.exe", bench_dir / "bench.exe")
        shutil.copy(BUILD / "bench" / "standin_install.exe", bench_dir / "standin_install.exe")

    def _listing(self):
        listing = {}
        for path in self.drive_c.rglob("*"):
            if path.is_file() and not path.is_symlink():
                st = path.stat()
                rel = path.relative_to(self.drive_c).as_posix().replace("/", "\\")
                listing["C:\\" + rel] = (st.st_size, st.st_mtime_ns)
        return listing

    def _snapshot(self):
        return {p for p in self.drive_c.rglob("*")}

    def _load_baseline(self):
        """Drive C as the prefix was made, kept across bench processes: what
        an earlier process's last case left must not count as part of it."""
        saved = self.workdir / "baseline.txt"
        if saved.exists():
            names = saved.read_text(encoding="utf-8", errors="surrogateescape").splitlines()
            return {self.drive_c / name for name in names if name}
        baseline = self._snapshot()
        saved.write_text("\n".join(sorted(str(p.relative_to(self.drive_c)) for p in baseline)),
                         encoding="utf-8", errors="surrogateescape")
        return baseline

    # The keys the last case added, kept across bench processes like the
    # baseline: a key added under Wine's own NT branch by an earlier
    # process's last case would otherwise stay, and match in later cases.
    def _load_added_keys(self):
        saved = self.workdir / "added-keys.txt"
        return saved.read_text(encoding="latin-1").splitlines() if saved.exists() else []

    def _save_added_keys(self):
        (self.workdir / "added-keys.txt").write_text("\n".join(self._added_keys), encoding="latin-1")

    def _reset(self):
        """Removes whatever earlier cases left on drive C."""
        for path in sorted(self._snapshot() - self._baseline, key=lambda p: len(p.parts), reverse=True):
            if path.is_symlink() or path.is_file():
                path.unlink()
            elif path.is_dir():
                shutil.rmtree(path, ignore_errors=True)

    # --- one case

    def program_exe(self, name):
        exe = DIST / (name + ".exe")
        if not exe.is_file():
            raise BenchError(f"{exe} is missing: run make dist")
        return exe

    def standin_install(self):
        return BUILD / "bench" / "standin_install.exe"

    def run(self, case):
        if case.version not in VERSIONS:
            raise BenchError(f"unknown Windows version {case.version!r}; known: {', '.join(VERSIONS)}")
        self._reset()
        for d in case.dirs:
            _host_path(self.drive_c, d).mkdir(parents=True, exist_ok=True)
        exe_target = _host_path(self.drive_c, case.exe_path)
        exe_target.parent.mkdir(parents=True, exist_ok=True)
        shutil.copy(self.program_exe(case.program), exe_target)
        for path, data in case.files.items():
            target = _host_path(self.drive_c, path)
            target.parent.mkdir(parents=True, exist_ok=True)
            target.write_bytes(data if isinstance(data, bytes) else data.encode("latin-1"))
        (self.drive_c / "bench" / "standin.txt").write_text(f"life_ms={case.standin_life_ms}")
        log = self.drive_c / "bench" / "install.log"
        if log.exists():
            log.unlink()

        lines = [f"version={case.version}"]
        # Wine keeps devices of its own under the NT branch; only what cases
        # added is taken away again.
        lines.append("regclear=Enum")
        lines += [f"regclear={key}" for key in self._added_keys]
        lines += [f"regadd={key}" for key in case.keys]
        self._added_keys = list(case.keys)
        self._save_added_keys()
        lines += [f"dump={root}" for root in REGISTRY_ROOTS]
        lines.append(f"cwd={case.cwd or case.exe_dir}")
        lines.append(f"cmd={case.cmdline if case.cmdline is not None else case.exe_path}")
        if case.answers:
            lines.append("answers=" + ",".join(str(a) for a in case.answers))
        if case.second_cmdline:
            lines.append(f"second_cmd={case.second_cmdline}")
            lines.append(f"second_cwd={case.second_cwd or case.cwd or case.exe_dir}")
            lines.append(f"second_on_box={case.second_on_box}")
        if case.hold:
            lines.append(f"hold={case.hold}")
        if case.relay:
            lines.append("relay=" + ";".join(case.relay))
        lines.append(f"timeout_ms={case.timeout_ms}")
        case_file = self.drive_c / "bench" / "case.txt"
        case_file.write_bytes(("\r\n".join(lines) + "\r\n").encode("latin-1"))
        result_file = self.drive_c / "bench" / "result.txt"
        if result_file.exists():
            result_file.unlink()

        listing_before = self._listing()
        self._log(f"running {case.program} on {case.version}: {case.cmdline or case.exe_path}")
        started = time.monotonic()
        trace_path = self.workdir / "trace.txt"
        # A file, not a pipe: Wine's own background processes inherit the
        # descriptor and would hold a pipe open after the case has ended.
        with open(trace_path, "wb") as trace:
            try:
                subprocess.run(
                    ["wine", BENCH_DIR + "\\bench.exe", BENCH_DIR + "\\case.txt", BENCH_DIR + "\\result.txt"],
                    env=self._env(case.locale), stdout=trace, stderr=trace, stdin=subprocess.DEVNULL,
                    timeout=case.timeout_ms / 1000 + 60)
            except subprocess.TimeoutExpired:
                subprocess.run(["wineserver", "-k"], env=self._env())
                subprocess.run(["wineserver", "-p"], env=self._env())
                raise BenchError("the bench itself did not end")
        self._log(f"  took {time.monotonic() - started:.1f}s")
        stderr = trace_path.read_bytes().decode("latin-1")
        if not result_file.exists():
            raise BenchError("bench.exe wrote no result: " + stderr[-2000:])
        records = [line.split("\t") for line in result_file.read_bytes().decode("latin-1").splitlines()]
        return self._result(case, records, stderr, log, listing_before)

    def _result(self, case, records, stderr, log, listing_before):
        boxes, keys, keys_before = [], [], []
        exits = {}
        timed_out = False
        for rec in records:
            kind = rec[0]
            if kind == "box":
                caption, text, buttons, icon, owner, answer = (rec + [""] * 8)[2:8]
                boxes.append(Box(rec[1], _unescape_record(caption), _unescape_record(text),
                                 tuple(int(b) for b in buttons.split(",")) if buttons != "-" else (),
                                 icon == "icon", owner, int(answer or 0)))
            elif kind == "exit":
                exits[rec[1]] = int(rec[2])
            elif kind == "timeout":
                timed_out = True
            elif kind == "key":
                keys.append(_unescape_record(rec[2]))
            elif kind == "keybefore":
                keys_before.append(_unescape_record(rec[2]))
            elif kind == "startfail":
                raise BenchError(f"could not start the {rec[1]} program: error {rec[2]}")
        install_log = _parse_install_log(log.read_bytes().decode("latin-1")) if log.exists() else []
        return Result(case, boxes, exits.get("primary"), exits.get("second"), timed_out, keys, keys_before,
                      _parse_relay(stderr), records, install_log, self.drive_c, listing_before, self._listing())


_shared = None


def shared():
    """One bench for the whole test run, closed when the interpreter ends."""
    global _shared
    if _shared is None:
        import atexit
        _shared = WineBench(verbose=bool(os.environ.get("WINE_BENCH_VERBOSE"))).__enter__()
        atexit.register(_shared.close)
    return _shared
