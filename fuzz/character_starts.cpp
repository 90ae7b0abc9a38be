#include "character_starts.h"

std::vector<bool> CharacterStarts(const std::string& text, const LeadByteTable& table)
{
    std::vector<bool> starts(text.size(), false);
    for (size_t pos = 0; pos < text.size();) {
        starts[pos] = true;
        bool pair = table.IsLead(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size();
        pos += pair ? 2 : 1;
    }
    return starts;
}

size_t FindAtCharacterStart(const std::string& text, const std::vector<bool>& starts, const std::string& needle,
                            size_t from)
{
    for (size_t pos = text.find(needle, from); pos != std::string::npos; pos = text.find(needle, pos + 1)) {
        if (pos < starts.size() && starts[pos])
            return pos;
    }
    return std::string::npos;
}
