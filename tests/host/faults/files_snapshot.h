// Every file on a fake machine with its bytes, to compare a whole drive
// before and after a run.
#pragma once

#include <map>
#include <string>

#include "platform/fake/fake_windows.h"

namespace fault_test {

using Files = std::map<std::string, std::string>;  // normalized path: bytes

inline Files FilesOf(fake::FakeWindows& w)
{
    Files files;
    for (const std::string& path : w.FilePaths())
        files[path] = w.Contents(path);
    return files;
}

}  // namespace fault_test
