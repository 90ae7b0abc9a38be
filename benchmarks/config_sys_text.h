// config.sys content of any size for the rewrite benchmarks: what a
// Windows 98 machine's file looks like, with BUFFERS and FILES set below 90
// so both values are replaced.
#pragma once

#include <cstddef>
#include <string>

enum class SettingsPlace {
    Top,     // the usual place: the rewrite is mostly copying
    Bottom,  // both keys are searched for through the whole file first
};

// Exactly size bytes, CR LF lines.
std::string ConfigSysText(size_t size, SettingsPlace place);
