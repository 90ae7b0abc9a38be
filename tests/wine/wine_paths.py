"""Makes the bench in tools/wine importable from the test modules."""

import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[2] / "tools" / "wine"))

import winebench  # noqa: E402

__all__ = ["winebench"]
