"""The dry-run tool for package maintainers: what it reports of a real run."""

import contextlib
import importlib.machinery
import importlib.util
import io
import pathlib
import subprocess
import sys
import unittest

from wine_paths import winebench

ROOT = pathlib.Path(__file__).resolve().parents[2]
TOOL = ROOT / "tools" / "try"
CONTROLLER = "VEN_1DF4&DEV_4410&SUBSYS_00000000&REV_01"
OTHER = "VEN_8086&DEV_7110&SUBSYS_00000000&REV_02"


def load_tool():
    loader = importlib.machinery.SourceFileLoader("try_tool", str(TOOL))
    module = importlib.util.module_from_spec(importlib.util.spec_from_loader("try_tool", loader))
    loader.exec_module(module)
    return module


class TryToolTest(unittest.TestCase):
    tool = load_tool()

    def report(self, *argv):
        args = self.tool.parse_args(list(argv))
        case = self.tool.build_case(args)
        result = winebench.shared().run(case)
        out = io.StringIO()
        with contextlib.redirect_stdout(out):
            self.tool.report(case, result, args.pci)
        return out.getvalue()

    def test_installer_on_windows_98_se_reports_copies_and_removed_keys(self):
        out = self.report("Kestrav", "--windows", "win98", "--package", str(ROOT / "samples" / "package"),
                          "--pci", OTHER, "--pci", CONTROLLER)
        self.assertIn("message boxes: none", out)
        self.assertIn("file copies, in order: 4\n"
                      "  copied C:\\DRV\\Zt4410\\zt4410.inf -> C:\\windows\\inf\\zt4410.inf\n", out)
        self.assertIn(f"registry keys removed: 2\n  HKLM\\Enum\\PCI\\{CONTROLLER}\n", out)
        self.assertNotIn(OTHER + "\n", out.split("registry keys removed")[1])
        self.assertIn("result: ended with exit status 0", out)

    def test_installer_on_windows_xp_reports_the_package_installer(self):
        out = self.report("Kestrav", "--windows", "winxp", "--package", str(ROOT / "samples" / "package"),
                          "--pci", CONTROLLER, "--installer-runs", "1000")
        self.assertIn("  command line: C:\\DRV\\Zt4410\\install.exe C:\\DRV\\Zt4410\\zt4410.inf "
                      f"PCI\\{CONTROLLER}\n", out)
        self.assertIn("the program waited for the installer's window: 2500 ms", out)

    def test_patcher_reports_config_sys_and_the_prompt(self):
        out = self.report("Varnolt", "--windows", "win98", "--config-sys", str(ROOT / "samples" / "config.sys"),
                          "--tail", '-s -f2"c:\\tqv.log"', "--answer", "cancel")
        self.assertIn('[Varnolt] "Patch OK!! / You need to reboot !!"  (OK/Cancel, exclamation icon, no owner)'
                      " -> answered Cancel", out)
        self.assertIn("C:\\config.sys after: 130 bytes\n", out)
        self.assertIn("    | BUFFERS=90[CR LF]\n", out)
        self.assertIn("C:\\config.bak: 128 bytes\n", out)
        self.assertIn("C:\\kzm.log: absent", out)
        self.assertNotIn("restart requested", out)

    def test_refusal_shows_the_box(self):
        out = self.report("Kestrav", "--windows", "win95")
        self.assertIn("[Message] \"This driver isn't supprot NT !!\"  (OK, no icon, no owner)", out)

    def test_bad_arguments_are_named_before_wine_starts(self):
        for argv, message in (
                (["Kestrav", "--windows", "winnt"], "unknown Windows version 'winnt'; choose one of: win95"),
                (["Kestrav", "--package", "/no/such/dir"], "package directory '/no/such/dir' does not exist"),
                (["Varnolt", "--config-sys", "/no/such/file"], "config.sys file '/no/such/file' does not exist")):
            with self.subTest(argv=argv):
                run = subprocess.run([sys.executable, str(TOOL)] + argv, capture_output=True, text=True)
                self.assertEqual(run.returncode, 2)
                self.assertIn(message, run.stderr)
                self.assertNotIn("starting Wine", run.stdout)


if __name__ == "__main__":
    unittest.main()
