"""Varnolt.exe under Wine set to Windows 98 SE: what it leaves in
c:\\config.sys, its backups and the marker, and how each command line ends
the run."""

import unittest

from wine_paths import winebench

EXE = "C:\\DRV\\Varnolt.exe"
TAIL = '-s -f2"c:\\tqv.log"'
PROMPT = "Patch OK!!\nYou need to reboot !!"
MARKER = b"c:\\kzm.log"
OK, CANCEL = 1, 2

SYS, BAK, BK1, LOG = "C:\\config.sys", "C:\\config.bak", "C:\\config.bk1", "C:\\kzm.log"


def run(config=None, backups=None, cmdline=None, **kw):
    files = dict(backups or {})
    if config is not None:
        files[SYS] = config
    return winebench.shared().run(winebench.Case("Varnolt", files=files, cmdline=cmdline, **kw))


def changed(result):
    return [p.upper() for p in result.changed_files()]


class PatchTest(unittest.TestCase):
    def assertQuietSuccess(self, result):
        self.assertFalse(result.timed_out)
        self.assertEqual(result.exit_code, 0)
        self.assertEqual(result.boxes, [])
        self.assertEqual(result.file(LOG), MARKER)

    def test_first_run_backs_up_rewrites_and_leaves_the_marker(self):
        result = run(b"DEVICE=C:\\WINDOWS\\HIMEM.SYS\r\nBUFFERS=30\r\nFILES=40\r\n")
        self.assertQuietSuccess(result)
        self.assertEqual(result.file(SYS), b"DEVICE=C:\\WINDOWS\\HIMEM.SYS\r\nBUFFERS=90\r\nFILES=90\r\n\r\n")
        self.assertEqual(result.file(BAK), b"DEVICE=C:\\WINDOWS\\HIMEM.SYS\r\nBUFFERS=30\r\nFILES=40\r\n")
        self.assertIsNone(result.file(BK1))
        self.assertEqual(changed(result), [BAK.upper(), SYS.upper(), LOG.upper()])
        self.assertEqual(len(result.calls_named("InitCommonControls")), 1)

    def test_rewritten_file_holds_exactly_the_new_text(self):
        cases = [
            ("shorter than before", b"BUFFERS=20,0\r\nFILES=030\r\n", b"BUFFERS=90\r\nFILES=90\r\n\r\n"),
            ("nothing to change", b"BUFFERS=99\r\nFILES=99\r\n\x1a", b"BUFFERS=99\r\nFILES=99\r\n\x1a\r\n"),
            ("settings added", b"Buffers=20\r\nREM\r\n", b"Buffers=20\r\nREM\r\n\r\n\r\nBUFFERS=90\r\nFILES=90"),
            ("NUL kept", b"BUFFERS=20\r\n\0FILES=30\r\nSHELL=X\r\n", b"BUFFERS=90\r\n\0FILES=90\r\nSHELL=X\r\n\r\n"),
            ("lone CR lines", b"BUFFERS=20\rFILES=30\rSHELL=X\r", b"BUFFERS=90\r\nFILES=90\r\nSHELL=X\r\r\n"),
            ("past 32 bits", b"BUFFERS=4294967295\r\nFILES=-4294967295\r\n",
             b"BUFFERS=4294967295\r\nFILES=90\r\n\r\n"),
        ]
        for name, content, expected in cases:
            with self.subTest(name):
                result = run(content)
                self.assertQuietSuccess(result)
                self.assertEqual(result.file(SYS), expected)
                self.assertEqual(result.file(BAK), content)

    def test_missing_file_is_created_without_backup(self):
        result = run()
        self.assertQuietSuccess(result)
        self.assertEqual(result.file(SYS), b"\r\nBUFFERS=90\r\nFILES=90")
        self.assertIsNone(result.file(BAK))
        self.assertIsNone(result.file(BK1))
        self.assertEqual(result.calls_named("CopyFileA"), [])

    def test_empty_file_is_backed_up_and_rewritten(self):
        result = run(b"")
        self.assertQuietSuccess(result)
        self.assertEqual(result.file(SYS), b"\r\n\r\nBUFFERS=90\r\nFILES=90")
        self.assertEqual(result.file(BAK), b"")

    def test_three_runs_keep_the_first_two_generations(self):
        original = b"BUFFERS=20\r\nFILES=30\r\n"
        first = b"BUFFERS=90\r\nFILES=90\r\n\r\n"
        state = {SYS: original}
        expected = [
            (first, original, None),
            (first + b"\r\n", original, first),
            (first + b"\r\n\r\n", original, first),
        ]
        for number, (sys_bytes, bak, bk1) in enumerate(expected, 1):
            with self.subTest(run=number):
                # Each case starts from a clean drive C: carry the files over.
                result = run(state[SYS], {p: b for p, b in state.items() if p != SYS})
                self.assertQuietSuccess(result)
                self.assertEqual(result.file(SYS), sys_bytes)
                self.assertEqual(result.file(BAK), bak)
                self.assertEqual(result.file(BK1), bk1)
                state = {p: result.file(p) for p in (SYS, BAK, BK1) if result.file(p) is not None}
        self.assertEqual(result.calls_named("CopyFileA"), [])


class FinishTest(unittest.TestCase):
    def assertPrompt(self, result):
        self.assertEqual(len(result.boxes), 1)
        box = result.boxes[0]
        self.assertEqual(box.program, "primary")
        self.assertEqual(box.caption, "Varnolt")
        self.assertEqual(box.text, PROMPT)
        self.assertEqual(box.buttons, (OK, CANCEL))
        self.assertTrue(box.icon)
        self.assertEqual(box.owner, "none")

    def test_exact_tail_cancel_ends_without_marker_or_restart(self):
        result = run(b"FILES=30\r\n", cmdline=EXE + " " + TAIL, answers=[CANCEL])
        self.assertFalse(result.timed_out)
        self.assertEqual(result.exit_code, 0)
        self.assertPrompt(result)
        self.assertEqual(result.file(SYS), b"FILES=90\r\n\r\n\r\nBUFFERS=90")
        self.assertIsNone(result.file(LOG))
        self.assertEqual(result.calls_named("ExitWindowsEx"), [])

    def test_exact_tail_ok_asks_windows_to_restart(self):
        result = run(b"FILES=30\r\n", cmdline='"' + EXE + '" ' + TAIL, answers=[OK])
        self.assertFalse(result.timed_out)
        self.assertEqual(result.exit_code, 0)
        self.assertPrompt(result)
        self.assertEqual([c.numbers() for c in result.calls_named("ExitWindowsEx")], [[2, 0]])
        self.assertIsNone(result.file(LOG))
        self.assertEqual(result.file(SYS), b"FILES=90\r\n\r\n\r\nBUFFERS=90")

    def test_missing_file_then_prompt(self):
        result = run(cmdline=EXE + " " + TAIL, answers=[CANCEL])
        self.assertPrompt(result)
        self.assertEqual(result.file(SYS), b"\r\nBUFFERS=90\r\nFILES=90")
        self.assertIsNone(result.file(LOG))

    def test_other_tails_leave_the_marker_and_show_nothing(self):
        for tail in [TAIL + " ", "-S -f2\"c:\\tqv.log\"", '-s -f2"C:\\TQV.LOG"', "-s -f2c:\\tqv.log", "-s"]:
            with self.subTest(tail=tail):
                result = run(b"FILES=30\r\n", cmdline=EXE + " " + tail)
                self.assertFalse(result.timed_out)
                self.assertEqual(result.exit_code, 0)
                self.assertEqual(result.boxes, [])
                self.assertEqual(result.file(LOG), MARKER)
                self.assertEqual(result.calls_named("ExitWindowsEx"), [])
                self.assertEqual(result.file(SYS), b"FILES=90\r\n\r\n\r\nBUFFERS=90")


if __name__ == "__main__":
    unittest.main()
