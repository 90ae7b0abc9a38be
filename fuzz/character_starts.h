// Where characters start in a text, worked out here on its own terms rather
// than through the program's search: walking from the first byte, a lead byte
// and the byte after it are one character, except a lead byte that is the
// text's last byte.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "framework/mbcs_search.h"

std::vector<bool> CharacterStarts(const std::string& text, const LeadByteTable& table);

// The first position at or after from where needle occurs beginning at a
// character start; std::string::npos when there is none.
size_t FindAtCharacterStart(const std::string& text, const std::vector<bool>& starts, const std::string& needle,
                            size_t from = 0);
