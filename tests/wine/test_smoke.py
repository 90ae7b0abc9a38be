"""Each program starts and ends as a real Windows program under Wine."""

import unittest

from wine_paths import winebench


class SmokeTest(unittest.TestCase):
    def test_each_program_ends_with_status_zero(self):
        bench = winebench.shared()
        for program in winebench.PROGRAMS:
            for version in ("win98", "winxp"):
                with self.subTest(program=program, version=version):
                    result = bench.run(winebench.Case(program, version=version))
                    self.assertFalse(result.timed_out)
                    self.assertEqual(result.exit_code, 0)
                    self.assertEqual(result.calls_named("SetErrorMode")[0].numbers(), [0x8001])


if __name__ == "__main__":
    unittest.main()
