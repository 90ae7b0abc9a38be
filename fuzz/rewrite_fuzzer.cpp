// c:\config.sys as hostile input to the settings rewrite: whatever the
// content, no byte of it may be lost, and the rewrite settles after one run.
//
// Input: the file's content, every byte of it text (NUL included).
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "character_starts.h"
#include "lead_byte_tables.h"
#include "patcher/settings_rewrite.h"
#include "property.h"
#include "rewrite_shape.h"

namespace {

std::string Rewrite(const char* content, size_t size, const LeadByteTable& table)
{
    CString text = RewriteSettings(content, static_cast<int>(size), table);
    return std::string(static_cast<const char*>(text), static_cast<size_t>(text.GetLength()));
}

bool HoldsKey(const std::string& text, const std::vector<bool>& starts, const char* upper, const char* lower)
{
    return FindAtCharacterStart(text, starts, upper) != std::string::npos ||
           FindAtCharacterStart(text, starts, lower) != std::string::npos;
}

// The value's leading number the way atoi reads it, up to the line's end;
// anything beyond a 32-bit integer is held at a bound past it.
long long LeadingNumber(const std::string& text, size_t pos)
{
    auto at = [&](size_t p) { return p < text.size() && text[p] != '\r' && text[p] != '\n' ? text[p] : '\0'; };
    while (at(pos) == ' ' || at(pos) == '\t' || at(pos) == '\v' || at(pos) == '\f')
        ++pos;
    bool negative = at(pos) == '-';
    if (at(pos) == '-' || at(pos) == '+')
        ++pos;
    long long number = 0;
    for (; at(pos) >= '0' && at(pos) <= '9'; ++pos)
        number = number > 9999999999LL ? number : number * 10 + (at(pos) - '0');
    return negative ? -number : number;
}

// A replaced span's line, before its equals sign, names one of the settings.
bool SpanFollowsAKey(const std::string& text, const std::vector<bool>& starts, size_t span)
{
    size_t lineStart = text.find_last_of("\r\n", span - 1);
    lineStart = lineStart == std::string::npos ? 0 : lineStart + 1;
    for (const char* key : {"BUFFERS", "buffers", "FILES", "files"}) {
        size_t found = FindAtCharacterStart(text, starts, key, lineStart);
        if (found != std::string::npos && found < span)
            return true;
    }
    return false;
}

// When does a second rewrite add only CR LF at the end? Every setting the
// first rewrite raised or added then reads 90, every one it left alone it
// leaves alone again, and the keys it examined are still the first ones -
// unless a FILES value the rewrite replaced held the BUFFERS key it had
// examined before (FILES=10 BUFFERS=20 on one line: that BUFFERS is gone, so
// the second rewrite examines another one or adds a line). That takes a line
// with a FILES key, then an equals sign, then a BUFFERS key, either case;
// looked for byte by byte, which only excludes more. A BUFFERS value that
// holds the FILES key is harmless: FILES is looked for after it is gone.
bool FilesValueMayHoldBuffersKey(const std::string& text)
{
    for (size_t line = 0; line < text.size();) {
        size_t end = text.find_first_of("\r\n", line);
        if (end == std::string::npos)
            end = text.size();
        const std::string content = text.substr(line, end - line);
        size_t files = std::min(content.find("FILES"), content.find("files"));
        size_t equals = files == std::string::npos ? files : content.find('=', files + 5);
        if (equals != std::string::npos &&
            (content.find("BUFFERS", equals) != std::string::npos || content.find("buffers", equals) != std::string::npos))
            return true;
        line = end + 1;
    }
    return false;
}

void Check(const char* content, size_t size, const LeadByteTable& table)
{
    const std::string text = std::string(content, size) + "\r\n";
    const std::vector<bool> starts = CharacterStarts(text, table);
    const std::string rewritten = Rewrite(content, size, table);

    RewriteShape shape = ShapeOfRewrite(text, rewritten, starts);
    REQUIRE(shape.holds,
            "the new text is the content and CR LF, with at most one value span per setting replaced by 90 CR LF "
            "and at most two lines added: every other byte is kept, in order");
    for (size_t span : shape.spans) {
        REQUIRE(LeadingNumber(text, span) < 90, "only a value below 90 is replaced");
        REQUIRE(SpanFollowsAKey(text, starts, span), "only the value of a line naming a setting is replaced");
    }
    REQUIRE(shape.addedBuffers == !HoldsKey(text, starts, "BUFFERS", "buffers"),
            "a BUFFERS line is added exactly when the text names no BUFFERS");
    REQUIRE(shape.addedFiles || HoldsKey(text, starts, "FILES", "files"),
            "a FILES line is added when the text names no FILES");

    if (!FilesValueMayHoldBuffersKey(text)) {
        REQUIRE(Rewrite(rewritten.data(), rewritten.size(), table) == rewritten + "\r\n",
                "rewriting the new text again only adds CR LF at its end");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    for (const CheckedTable& checked : kCheckedTables) {
        g_checkedUnder = checked.name;
        Check(reinterpret_cast<const char*>(data), size, checked.table);
    }
    return 0;
}
