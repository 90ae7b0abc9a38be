#include "patcher/settings_rewrite.h"

#include <cstring>

namespace {

const long kMinimum = 90;
const char kRaised[] = "90\r\n";

long Find(const CString& text, int end, int start, const char* needle, const LeadByteTable& leadBytes)
{
    return MbcsFind(text, static_cast<size_t>(end), static_cast<size_t>(start), needle, std::strlen(needle),
                    leadBytes);
}

// A line ends at an LF, or at a CR that no LF follows: lone-CR files must not
// have their next lines swallowed into a value. A plain byte scan: CR and LF
// are never the second byte of a double-byte character, and a stray lead
// byte must not hide a line end. Returns where the line's end begins and sets
// *after to the position after it. The text always ends in CR LF.
int LineEnd(const CString& text, int from, int* after)
{
    const int length = text.GetLength();
    for (int pos = from; pos < length; ++pos) {
        if (text[pos] == '\n') {
            *after = pos + 1;
            return pos;
        }
        if (text[pos] == '\r') {
            *after = pos + 1 < length && text[pos + 1] == '\n' ? pos + 2 : pos + 1;
            return pos;
        }
    }
    *after = length;
    return length;
}

bool IsAtoiSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

long LeadingInteger(const char* value, int length)
{
    const long long kMax = 2147483647LL;
    int pos = 0;
    while (pos < length && IsAtoiSpace(value[pos]))
        ++pos;
    bool negative = false;
    if (pos < length && (value[pos] == '+' || value[pos] == '-')) {
        negative = value[pos] == '-';
        ++pos;
    }
    long long magnitude = 0;
    for (; pos < length && value[pos] >= '0' && value[pos] <= '9'; ++pos) {
        magnitude = magnitude * 10 + (value[pos] - '0');
        if (magnitude > kMax + 1)
            magnitude = kMax + 1;  // saturated; more digits change nothing
    }
    if (negative)
        return static_cast<long>(-magnitude);
    return static_cast<long>(magnitude > kMax ? kMax : magnitude);
}

void RaiseSetting(CString& text, const char* upperKey, const char* lowerKey, const char* addedLine,
                  const LeadByteTable& leadBytes)
{
    const int length = text.GetLength();
    // Capitals anywhere win over lower case on an earlier line.
    long key = Find(text, length, 0, upperKey, leadBytes);
    if (key < 0)
        key = Find(text, length, 0, lowerKey, leadBytes);
    if (key < 0) {
        text += "\r\n";
        text += addedLine;
        return;
    }
    int after = 0;
    int lineEnd = LineEnd(text, static_cast<int>(key), &after);
    long eq = Find(text, lineEnd, static_cast<int>(key), "=", leadBytes);
    if (eq < 0)
        return;  // no "=" on the key's line: not a setting we can read
    const char* value = static_cast<const char*>(text) + eq + 1;
    if (LeadingInteger(value, lineEnd - static_cast<int>(eq) - 1) >= kMinimum)
        return;
    text.Replace(static_cast<int>(eq) + 1, after - static_cast<int>(eq) - 1, kRaised);
}

CString RewriteSettings(const char* content, int length, const LeadByteTable& leadBytes)
{
    // A NUL is ordinary text: cutting there would drop the rest of the file.
    CString text(content, length);
    text += "\r\n";
    RaiseSetting(text, "BUFFERS", "buffers", "BUFFERS=90", leadBytes);
    RaiseSetting(text, "FILES", "files", "FILES=90", leadBytes);
    return text;
}
