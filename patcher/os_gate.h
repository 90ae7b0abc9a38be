// Which Windows the patcher works on: Windows 98 SE only.
#pragma once

#include "platform/win_types.h"

const int kPatchSupported = 99;

// kPatchSupported for the version record of Windows 98 SE, 0 for any other.
int ClassifyVersionForPatch(const OSVERSIONINFOA& info);
