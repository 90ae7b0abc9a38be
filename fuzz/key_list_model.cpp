#include "key_list_model.h"

#include "character_starts.h"

std::string KeyListText(const std::string& file)
{
    return file.substr(0, file.find('\0'));
}

std::vector<EntrySpan> EntriesOfText(const std::string& text, const LeadByteTable& table)
{
    // A CR is never a lead byte, so the byte after it always starts a
    // character whatever came before: stretches can share one walk.
    const std::vector<bool> starts = CharacterStarts(text, table);
    std::vector<EntrySpan> entries;
    size_t stretch = 0;
    while (stretch < text.size()) {
        size_t end = text.find('\r', stretch);
        if (end == std::string::npos)
            end = text.size();
        for (size_t pos = stretch; pos < end; ++pos) {
            if (text[pos] == '=' && starts[pos]) {
                entries.push_back(EntrySpan{pos + 1, end - pos - 1});
                break;
            }
        }
        stretch = end + 1;
    }
    return entries;
}

Pick ExpectedPick(const std::vector<std::string>& entries, const std::vector<std::string>& names,
                  const LeadByteTable& table)
{
    std::vector<std::vector<bool>> starts;
    for (const std::string& name : names)
        starts.push_back(CharacterStarts(name, table));
    for (size_t e = 0; e < entries.size(); ++e) {
        if (entries[e].empty())
            continue;
        for (size_t n = 0; n < names.size(); ++n) {
            if (FindAtCharacterStart(names[n], starts[n], entries[e]) != std::string::npos)
                return Pick{static_cast<long>(e), static_cast<long>(n)};
        }
    }
    return Pick{};
}
