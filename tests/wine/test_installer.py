"""Kestrav and Ravlind as the real executables under Wine set to each Windows
version: the files they place, the keys they delete, the package installer
they start and wait for, and what they say when they cannot."""

import dataclasses
import unittest

from wine_paths import winebench as W

BRANCH_9X = "Enum\\PCI"
BRANCH_NT = "SYSTEM\\CurrentControlSet\\Enum\\PCI"
DEVICE = "VEN_1234&DEV_4410&SUBSYS_00000000&REV_01"
INSTANCE = "BUS_00&DEV_0B&FUNC_00"
OTHER = "VEN_8086&DEV_7110&SUBSYS_00000000&REV_01"
OTHER_INSTANCE = "BUS_00&DEV_07&FUNC_00"
KEY_LIST = b"[Controllers]\r\nDEV1=DEV_4410\r\n"
WINDOWS = "C:\\windows"
IOSUBSYS = WINDOWS + "\\system\\iosubsys"
INSTALL_CACHE = WINDOWS + "\\OPTIONS\\INSTALL"

MB_ICONEXCLAMATION = 0x30


@dataclasses.dataclass(frozen=True)
class Deliverable:
    name: str
    package: str            # the package's directory under the start-up directory
    key_file: str           # as the package spells it
    placements: tuple       # (file in the package, destination under the Windows directory)
    me_extras: tuple
    lookup_fail: str
    inf: str


KESTRAV = Deliverable(
    "Kestrav", "Zt4410", "key.ini",
    (("zt4410.inf", "\\inf\\zt4410.inf"), ("zt4410.mpd", "\\system\\iosubsys\\zt4410.mpd"),
     ("ztxsupp.vxd", "\\system\\iosubsys\\ztxsupp.vxd"), ("ztlsupp.cpl", "\\system\\ztlsupp.cpl")),
    (("ztxsupp.vxd", "\\OPTIONS\\INSTALL\\ztxsupp.vxd"), ("zt4410.mpd", "\\OPTIONS\\INSTALL\\zt4410.mpd"),
     ("ztlsupp.cpl", "\\OPTIONS\\INSTALL\\ztlsupp.cpl")),
    "Get Install key fail !!", "zt4410.inf")

RAVLIND = Deliverable(
    "Ravlind", "Zt4410r", "KEY.INI",
    (("zt4410r.inf", "\\inf\\zt4410r.inf"), ("zt4410r.mpd", "\\system\\iosubsys\\zt4410r.mpd"),
     ("ztxsupp.vxd", "\\system\\iosubsys\\ztxsupp.vxd")),
    (("ztxsupp.vxd", "\\OPTIONS\\INSTALL\\ztxsupp.vxd"), ("zt4410r.mpd", "\\OPTIONS\\INSTALL\\zt4410r.mpd")),
    "Get install key fail !!", "zt4410r.inf")

BOTH = (KESTRAV, RAVLIND)


def join(base, relative):
    """Plain concatenation, as the installer forms its paths."""
    return base + relative


def package_files(d, base, key_list=KEY_LIST, installer=False):
    files = {join(base, f"\\{d.package}\\{d.key_file}"): key_list}
    # Every driver file, and an applet in both packages: Ravlind must leave it alone.
    for name in {p[0] for p in d.placements} | {"ztlsupp.cpl"}:
        files[join(base, f"\\{d.package}\\{name}")] = f"{d.package} {name}".encode()
    if installer:
        files[join(base, f"\\{d.package}\\install.exe")] = W.BUILD.joinpath("bench", "standin_install.exe").read_bytes()
    return files


def devices(branch):
    """The controller and a device of another make, each with an instance
    below it. Each key is named, parents too, so that the bench takes all of
    them away again under Wine's own NT branch."""
    return [f"{branch}\\{DEVICE}", f"{branch}\\{DEVICE}\\{INSTANCE}",
            f"{branch}\\{OTHER}", f"{branch}\\{OTHER}\\{OTHER_INSTANCE}"]


def case(d, version, base="C:\\DRV", key_list=KEY_LIST, installer=False, dirs=(IOSUBSYS,), keys=None, **kw):
    return W.Case(d.name, version=version, exe_dir=base, files=package_files(d, base, key_list, installer),
                  dirs=list(dirs), keys=devices(BRANCH_NT if version in ("win2k", "winxp") else BRANCH_9X)
                  if keys is None else keys, **kw)


class InstallerCase(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.bench = W.shared()

    def run_case(self, c):
        result = self.bench.run(c)
        self.assertFalse(result.timed_out)
        self.assertEqual(result.exit_code, 0)
        return result

    def assertBoxes(self, result, expected):
        """expected: (caption, text, icon) for each box, in order; every box has
        OK only and no owner."""
        self.assertEqual([(b.caption, b.text, b.icon, b.buttons, b.owner) for b in result.boxes],
                         [(caption, text, icon, (1,), "none") for caption, text, icon in expected])
        flags = [c.numbers()[-1] for c in result.program_calls("MessageBoxA")]
        self.assertEqual(flags, [MB_ICONEXCLAMATION if icon else 0 for _, _, icon in expected])

    def assertNothingChanged(self, result):
        self.assertEqual(result.changed_files(), [])
        self.assertEqual(result.keys, result.keys_before)
        self.assertEqual(result.program_calls("CopyFileA"), [])
        self.assertEqual(result.install_log, [])


class StartupTest(InstallerCase):
    def test_every_other_system_is_refused(self):
        for d in BOTH:
            for version in ("win95", "nt40", "win10"):
                with self.subTest(program=d.name, version=version):
                    result = self.run_case(case(d, version, installer=True,
                                                keys=devices(BRANCH_9X) + devices(BRANCH_NT)))
                    self.assertBoxes(result, [("Message", "This driver isn't supprot NT !!", False)])
                    self.assertNothingChanged(result)
                    self.assertEqual(result.program_calls("RegOpenKeyA"), [])


class Install9xTest(InstallerCase):
    def assertPlaced(self, result, d, base, pairs):
        copies = [c.strings() for c in result.program_calls("CopyFileA")]
        self.assertEqual(copies, [[join(base, f"\\{d.package}\\{src}"), join(WINDOWS, dst)] for src, dst in pairs])
        self.assertTrue(all(c.numbers()[-1] == 0 for c in result.program_calls("CopyFileA")))

    def assertDeviceKeyDeleted(self, result):
        self.assertEqual(sorted(set(result.keys_before) - set(result.keys)),
                         [f"{BRANCH_9X}\\{DEVICE}", f"{BRANCH_9X}\\{DEVICE}\\{INSTANCE}"])
        self.assertTrue(set(result.keys) <= set(result.keys_before))
        self.assertEqual([c.strings() for c in result.program_calls("RegDeleteKeyA")], [[DEVICE]])

    def files_at(self, result, pairs):
        return sorted({join(WINDOWS, dst).upper() for _, dst in pairs})

    def test_windows_98_se_places_the_files_and_deletes_the_device(self):
        for d in BOTH:
            with self.subTest(program=d.name):
                c = case(d, "win98")
                c.files[join(WINDOWS, f"\\inf\\{d.inf}")] = b"an older copy"
                result = self.run_case(c)
                self.assertBoxes(result, [])
                self.assertPlaced(result, d, "C:\\DRV", d.placements)
                self.assertEqual(sorted(p.upper() for p in result.changed_files()), self.files_at(result, d.placements))
                for src, dst in d.placements:
                    self.assertEqual(result.file(join(WINDOWS, dst)), f"{d.package} {src}".encode())
                self.assertDeviceKeyDeleted(result)
                self.assertEqual(result.install_log, [])

    def test_windows_me_also_fills_its_install_cache(self):
        for d in BOTH:
            with self.subTest(program=d.name):
                result = self.run_case(case(d, "winme", dirs=(IOSUBSYS, INSTALL_CACHE)))
                self.assertBoxes(result, [])
                self.assertPlaced(result, d, "C:\\DRV", d.placements + d.me_extras)
                self.assertEqual(sorted(p.upper() for p in result.changed_files()),
                                 self.files_at(result, d.placements + d.me_extras))
                self.assertDeviceKeyDeleted(result)

    def test_windows_me_without_install_cache_still_deletes_the_device(self):
        for d in BOTH:
            with self.subTest(program=d.name):
                result = self.run_case(case(d, "winme"))
                self.assertBoxes(result, [])
                self.assertPlaced(result, d, "C:\\DRV", d.placements + d.me_extras)
                self.assertEqual(sorted(p.upper() for p in result.changed_files()), self.files_at(result, d.placements))
                self.assertDeviceKeyDeleted(result)

    def test_from_a_directory_with_a_blank_and_from_the_drive_root(self):
        for d, base in ((KESTRAV, "C:\\My Drivers"), (RAVLIND, "C:\\")):
            with self.subTest(program=d.name, base=base):
                result = self.run_case(case(d, "win98", base=base))
                self.assertBoxes(result, [])
                # The drive root keeps its backslash: "C:\\" + "\\Zt4410r\\...".
                self.assertPlaced(result, d, base, d.placements)
                self.assertEqual(sorted(p.upper() for p in result.changed_files()), self.files_at(result, d.placements))
                self.assertDeviceKeyDeleted(result)

    def test_missing_key_file(self):
        for d in BOTH:
            with self.subTest(program=d.name):
                c = case(d, "win98")
                del c.files[join("C:\\DRV", f"\\{d.package}\\{d.key_file}")]
                result = self.run_case(c)
                self.assertBoxes(result, [(d.name, "key.ini not found !!", True)])
                self.assertNothingChanged(result)

    def test_no_matching_device(self):
        for d in BOTH:
            with self.subTest(program=d.name):
                # Case matters, and the device only in the NT branch does not count here.
                result = self.run_case(case(d, "win98", key_list=b"DEV1=dev_4410\r\nDEV2=DEV_9999\r\n",
                                            keys=devices(BRANCH_9X)[2:] + devices(BRANCH_NT)[:2]))
                self.assertBoxes(result, [(d.name, d.lookup_fail, True)])
                self.assertNothingChanged(result)

    def test_no_enumeration_branch_ends_silently(self):
        result = self.run_case(case(KESTRAV, "win98", keys=[]))
        self.assertBoxes(result, [])
        self.assertNothingChanged(result)


class KeyListCodePageTest(InstallerCase):
    # In code page 932, 0x81 0x3D is one character: its second byte is no
    # equals sign, so the first line yields nothing and the second one names
    # the device.
    def test_equals_sign_after_a_lead_byte(self):
        device, other = devices(BRANCH_9X)[1], devices(BRANCH_9X)[3]
        for locale, deleted, kept in ((None, OTHER, device), ("ja_JP.SJIS", DEVICE, other)):
            with self.subTest(locale=locale):
                result = self.run_case(case(RAVLIND, "win98", locale=locale,
                                            key_list=b"DEV1\x81=DEV_7110\r\nDEV2=DEV_4410\r\n"))
                self.assertBoxes(result, [])
                self.assertEqual([c.strings() for c in result.program_calls("RegDeleteKeyA")], [[deleted]])
                self.assertNotIn(f"{BRANCH_9X}\\{deleted}", result.keys)
                self.assertIn(kept, result.keys)


class InstallNt5Test(InstallerCase):
    def command_line(self, d, base):
        def path(p):
            return f'"{p}"' if " " in p else p
        hardware_id = f"PCI\\{DEVICE}"
        if d is RAVLIND:
            hardware_id = f'"{hardware_id}"'
        return (path(join(base, f"\\{d.package}\\install.exe")) + " " + path(join(base, f"\\{d.package}\\{d.inf}"))
                + " " + hardware_id)

    def assertStartedHidden(self, result, d, base):
        self.assertEqual(len(result.install_log), 1)
        run = result.install_log[0]
        self.assertEqual(run["cmdline"], self.command_line(d, base))
        self.assertEqual(run["args"], [join(base, f"\\{d.package}\\{d.inf}"), f"PCI\\{DEVICE}"])
        [winexec] = result.program_calls("WinExec")
        self.assertEqual(winexec.numbers()[-1], 0)  # SW_HIDE
        self.assertEqual(result.program_calls("Sleep")[0].numbers(), [2500])
        installer = join(base, f"\\{d.package}\\install.exe")
        self.assertTrue(all(c.strings() == [installer] for c in result.program_calls("FindWindowA")))
        # Nothing of its own: the package installer does the work.
        self.assertEqual(result.changed_files(), [])
        self.assertEqual(result.keys, result.keys_before)
        self.assertEqual(result.program_calls("CopyFileA"), [])
        self.assertEqual(result.program_calls("RegOpenKeyExA"), [])

    def test_waits_until_the_package_installer_has_gone(self):
        result = self.run_case(case(KESTRAV, "winxp", installer=True, standin_life_ms=3000))
        self.assertBoxes(result, [])
        self.assertStartedHidden(result, KESTRAV, "C:\\DRV")
        # Its console window carries the installer's path while it runs.
        self.assertEqual(result.install_log[0]["title"], "C:\\DRV\\Zt4410\\install.exe")
        finds = [int(c.retval, 16) for c in result.program_calls("FindWindowA")]
        self.assertEqual(len(finds), 2)
        self.assertNotEqual(finds[0], 0)
        self.assertEqual(finds[1], 0)
        self.assertEqual([c.numbers() for c in result.program_calls("Sleep")], [[2500], [2000]])
        self.assertTrue(result.install_log[0].get("ended"))

    def test_both_programs_on_windows_2000_and_xp(self):
        for d in BOTH:
            for version in ("win2k", "winxp"):
                with self.subTest(program=d.name, version=version):
                    result = self.run_case(case(d, version, installer=True, standin_life_ms=1000))
                    self.assertBoxes(result, [])
                    self.assertStartedHidden(result, d, "C:\\DRV")
                    self.assertTrue(result.install_log[0].get("ended"))

    def test_paths_with_a_blank_are_quoted(self):
        for d in BOTH:
            with self.subTest(program=d.name):
                base = "C:\\Program Files\\My Drivers"
                result = self.run_case(case(d, "winxp", base=base, installer=True, standin_life_ms=1000))
                self.assertBoxes(result, [])
                self.assertStartedHidden(result, d, base)
                self.assertEqual(result.install_log[0]["title"], join(base, f"\\{d.package}\\install.exe"))

    def test_from_the_drive_root(self):
        result = self.run_case(case(RAVLIND, "winxp", base="C:\\", installer=True, standin_life_ms=1000))
        self.assertBoxes(result, [])
        self.assertStartedHidden(result, RAVLIND, "C:\\")
        self.assertTrue(result.install_log[0]["cmdline"].startswith("C:\\\\Zt4410r\\install.exe "))

    def test_no_package_installer_ends_after_the_first_pause(self):
        result = self.run_case(case(KESTRAV, "winxp"))
        self.assertBoxes(result, [])
        self.assertEqual(len(result.program_calls("WinExec")), 1)
        self.assertEqual([c.numbers() for c in result.program_calls("Sleep")], [[2500]])
        self.assertEqual(len(result.program_calls("FindWindowA")), 1)
        self.assertEqual(result.keys, result.keys_before)

    def test_missing_key_file(self):
        for d in BOTH:
            with self.subTest(program=d.name):
                c = case(d, "winxp", installer=True)
                del c.files[join("C:\\DRV", f"\\{d.package}\\{d.key_file}")]
                result = self.run_case(c)
                self.assertBoxes(result, [(d.name, "key.ini not found !!", True)])
                self.assertNothingChanged(result)
                self.assertEqual(result.program_calls("WinExec"), [])

    def test_no_matching_device(self):
        for d in BOTH:
            with self.subTest(program=d.name):
                # The device only in the 9x branch does not count on NT.
                result = self.run_case(case(d, "winxp", installer=True,
                                            keys=devices(BRANCH_9X) + devices(BRANCH_NT)[2:]))
                self.assertBoxes(result, [(d.name, d.lookup_fail, True), (d.name, "Install driver fail !!", True)])
                self.assertNothingChanged(result)
                self.assertEqual(result.program_calls("WinExec"), [])


if __name__ == "__main__":
    unittest.main()
