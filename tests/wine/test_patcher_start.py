"""Varnolt.exe under Wine: the systems it refuses, one working copy at a time,
a startup file it cannot read, and a double-byte code page."""

import unittest

from wine_paths import winebench

EXE = "C:\\DRV\\Varnolt.exe"
TAIL = '-s -f2"c:\\tqv.log"'
SYS, BAK, BK1, LOG = "C:\\config.sys", "C:\\config.bak", "C:\\config.bk1", "C:\\kzm.log"
OK, CANCEL = 1, 2


def run(**kw):
    return winebench.shared().run(winebench.Case("Varnolt", **kw))


class StartTest(unittest.TestCase):
    def test_every_other_windows_is_refused_and_nothing_touched(self):
        config = b"BUFFERS=20\r\nFILES=30\r\n"
        for version in ("win95", "winme", "win2k", "winxp"):
            with self.subTest(version=version):
                result = run(version=version, files={SYS: config}, cmdline=EXE + " " + TAIL)
                self.assertFalse(result.timed_out)
                self.assertEqual(result.exit_code, 0)
                self.assertEqual(len(result.boxes), 1)
                box = result.boxes[0]
                self.assertEqual((box.caption, box.text), ("Msg", "This Function is Only Support Windows98SE"))
                self.assertEqual(box.buttons, (OK,))
                self.assertFalse(box.icon)
                self.assertEqual(box.owner, "none")
                self.assertEqual(result.changed_files(), [])
                self.assertEqual(result.file(SYS), config)
                self.assertEqual(result.calls_named("CopyFileA"), [])

    def test_second_copy_while_the_first_waits_ends_silently(self):
        result = run(files={SYS: b"FILES=30\r\n"}, cmdline=EXE + " " + TAIL, answers=[CANCEL],
                     second_cmdline=EXE, second_on_box=1)
        self.assertFalse(result.timed_out)
        self.assertEqual(result.exit_code, 0)
        self.assertEqual(result.second_exit, 0)
        self.assertEqual([(b.program, b.caption) for b in result.boxes], [("primary", "Varnolt")])
        # Patched once, one backup, and no marker: the second copy did nothing.
        self.assertEqual(result.file(SYS), b"FILES=90\r\n\r\n\r\nBUFFERS=90")
        self.assertEqual(result.file(BAK), b"FILES=30\r\n")
        self.assertIsNone(result.file(BK1))
        self.assertIsNone(result.file(LOG))

    def test_file_held_by_another_program_is_reported_and_kept(self):
        config = b"BUFFERS=20\r\nFILES=30\r\n"
        result = run(files={SYS: config}, hold=SYS, cmdline=EXE + " " + TAIL)
        self.assertIn(["hold", "ok", SYS], result.events)
        self.assertFalse(result.timed_out)
        self.assertEqual(result.exit_code, 0)
        self.assertEqual(len(result.boxes), 1)
        box = result.boxes[0]
        self.assertEqual((box.caption, box.text, box.buttons), ("Varnolt", "Patch config.sys fail !!", (OK,)))
        self.assertTrue(box.icon)
        self.assertEqual(result.file(SYS), config)
        self.assertEqual(result.changed_files(), [])
        self.assertEqual(result.calls_named("ExitWindowsEx"), [])

    def test_double_byte_code_page(self):
        # 83h 42h is one character in code page 932; its second byte is a "B".
        config = b"REM \x83\x42UFFERS=20\r\nBUFFERS=30\r\nFILES=99\r\n"
        expected = {
            "ja_JP.SJIS": b"REM \x83\x42UFFERS=20\r\nBUFFERS=90\r\nFILES=99\r\n\r\n",
            None: b"REM \x83\x42UFFERS=90\r\nBUFFERS=30\r\nFILES=99\r\n\r\n",
        }
        for locale, new_text in expected.items():
            with self.subTest(locale=locale):
                result = run(files={SYS: config}, locale=locale)
                self.assertEqual(result.exit_code, 0)
                self.assertEqual(result.boxes, [])
                self.assertEqual(result.file(SYS), new_text)
                self.assertEqual(result.file(BAK), config)


if __name__ == "__main__":
    unittest.main()
