"""The shipped executables: they load on Windows 98 SE, carry version
information, stay small, and rebuild to the same bytes."""

import os
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import unittest

ROOT = pathlib.Path(__file__).resolve().parents[2]
DIST = pathlib.Path(os.environ.get("RELEASE_DIST", ROOT / "dist"))
sys.path.insert(0, str(ROOT / "release"))

import check_release  # noqa: E402

DELIVERABLES = ("Kestrav", "Ravlind", "Varnolt")
CC = "i686-w64-mingw32-gcc-win32"

# Small programs that each break one loading rule; the gate must name it.
PLANTS = {
    "missing_function": ("int __stdcall GetTickCount64(void);\n"
                         "int __stdcall WinMain(void *a, void *b, char *c, int d) { return GetTickCount64(); }\n",
                         [], ["Planted.exe", "KERNEL32.dll", "GetTickCount64"]),
    "foreign_dll": ("int __stdcall ShellExecuteA(void *, const char *, const char *, const char *, const char *, int);\n"
                    "int __stdcall WinMain(void *a, void *b, char *c, int d) { return ShellExecuteA(0, 0, c, 0, 0, 0); }\n",
                    ["-lshell32"], ["Planted.exe", "SHELL32.dll"]),
    "by_ordinal": ("int __stdcall Hidden(void);\n"
                   "int __stdcall WinMain(void *a, void *b, char *c, int d) { return Hidden(); }\n",
                   ["ORDINAL"], ["Planted.exe", "ordinal 77", "KERNEL32.dll"]),
    "os_version": ("int __stdcall WinMain(void *a, void *b, char *c, int d) { return 0; }\n",
                   ["-Wl,--major-os-version,5"], ["Planted.exe", "OS version 5.0"]),
    "subsystem_version": ("int __stdcall WinMain(void *a, void *b, char *c, int d) { return 0; }\n",
                          ["-Wl,--subsystem,windows:5.1"], ["Planted.exe", "subsystem version 5.1"]),
    "too_large": ("static volatile char big[256 * 1024] = {1};\n"
                  "int __stdcall WinMain(void *a, void *b, char *c, int d) { return big[d]; }\n",
                  [], ["Planted.exe", "over the 200 KB limit"]),
}


def build_plant(workdir, source, flags):
    src = workdir / "planted.c"
    src.write_text(source)
    extra = []
    if "ORDINAL" in flags:
        (workdir / "k.def").write_text("LIBRARY KERNEL32.dll\nEXPORTS\nHidden@0 @77 NONAME\n")
        subprocess.run(["i686-w64-mingw32-dlltool", "-d", str(workdir / "k.def"), "-l", str(workdir / "libk.a"),
                        "-k"], check=True)
        extra = ["-L" + str(workdir), "-lk"]
        flags = [f for f in flags if f != "ORDINAL"]
    exe = workdir / "Planted.exe"
    subprocess.run([CC, "-mwindows", str(src), "-o", str(exe)] + flags + extra, check=True)
    return exe


class LoadabilityGateTest(unittest.TestCase):
    def test_shipped_executables_pass(self):
        for name in DELIVERABLES:
            with self.subTest(name):
                self.assertEqual(check_release.check(DIST / f"{name}.exe"), [])

    def test_each_planted_fault_is_named(self):
        for plant, (source, flags, expected) in PLANTS.items():
            with self.subTest(plant), tempfile.TemporaryDirectory() as tmp:
                exe = build_plant(pathlib.Path(tmp), source, flags)
                problems = check_release.check(exe)
                self.assertTrue(any(all(part in p for part in expected) for p in problems),
                                f"{plant}: {problems}")
                gate = subprocess.run([sys.executable, str(ROOT / "release" / "check_release.py"), str(exe)],
                                      capture_output=True, text=True)
                self.assertEqual(gate.returncode, 1, gate.stdout)


class VersionResourceTest(unittest.TestCase):
    DESCRIPTIONS = {
        "Kestrav": "driver installer",
        "Ravlind": "driver installer",
        "Varnolt": "CONFIG.SYS",
    }

    def read_version(self, exe):
        rc = subprocess.run(["i686-w64-mingw32-windres", "-J", "coff", "-i", str(exe), "-O", "rc"],
                            check=True, capture_output=True, text=True).stdout
        return dict(re.findall(r'VALUE "(\w+)", "([^"]*)"', rc)), rc

    def test_each_deliverable_names_itself_with_one_version(self):
        version = re.search(r"project\(\w+ VERSION (\d+\.\d+\.\d+)", (ROOT / "CMakeLists.txt").read_text()).group(1)
        for name in DELIVERABLES:
            with self.subTest(name):
                values, rc = self.read_version(DIST / f"{name}.exe")
                self.assertEqual(values["OriginalFilename"], f"{name}.exe")
                self.assertEqual(values["InternalName"], name)
                self.assertEqual(values["FileVersion"], version)
                self.assertEqual(values["ProductVersion"], version)
                self.assertIn(self.DESCRIPTIONS[name], values["FileDescription"])
                self.assertTrue(values["ProductName"])
                self.assertTrue(values["LegalCopyright"].startswith("Copyright"))
                self.assertIn("FILEVERSION " + version.replace(".", ", ") + ", 0", rc)


class ReproducibleBuildTest(unittest.TestCase):
    def source_files(self):
        listed = subprocess.run(["git", "ls-files", "--cached", "--others", "--exclude-standard"], cwd=ROOT,
                                check=True, capture_output=True, text=True).stdout.split("\n")
        return [f for f in listed if f and (ROOT / f).is_file()]

    def build(self, top, depth):
        src = top.joinpath(*["deeper"] * depth, "src")
        for rel in self.source_files():
            target = src / rel
            target.parent.mkdir(parents=True, exist_ok=True)
            shutil.copy2(ROOT / rel, target)
        build = top / "out"
        subprocess.run(["cmake", "-S", str(src), "-B", str(build), "-DCMAKE_BUILD_TYPE=Release",
                        f"-DCMAKE_TOOLCHAIN_FILE={src / 'cmake' / 'mingw-w64-i686.cmake'}"],
                       check=True, stdout=subprocess.DEVNULL)
        subprocess.run(["cmake", "--build", str(build), "-j2", "--target"] + list(DELIVERABLES), check=True,
                       stdout=subprocess.DEVNULL)
        return build / "bin"

    def test_two_clean_builds_in_different_places_are_identical(self):
        with tempfile.TemporaryDirectory() as one, tempfile.TemporaryDirectory() as two:
            first = self.build(pathlib.Path(one), 0)
            second = self.build(pathlib.Path(two), 3)
            for name in DELIVERABLES:
                with self.subTest(name):
                    a, b = (first / f"{name}.exe").read_bytes(), (second / f"{name}.exe").read_bytes()
                    differ = next((i for i, (x, y) in enumerate(zip(a, b)) if x != y), min(len(a), len(b)))
                    self.assertTrue(a == b, f"{name}.exe differs from byte {differ:#x} on "
                                            f"({len(a)} and {len(b)} bytes)")


if __name__ == "__main__":
    unittest.main()
