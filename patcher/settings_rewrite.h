// The new text of c:\config.sys: BUFFERS and FILES raised to at least 90 or
// added. Pure text work over the file's bytes and the lead-byte table of the
// ANSI code page in effect; no file, no message, no state.
#pragma once

#include "framework/afx_string.h"
#include "framework/mbcs_search.h"

// The whole content (any byte, NUL included) followed by CR LF, with both
// settings raised.
CString RewriteSettings(const char* content, int length, const LeadByteTable& leadBytes);

// One setting, in place: the first upperKey anywhere, else the first
// lowerKey, has its value raised to 90 when it is lower; when neither occurs,
// CR LF and addedLine are appended.
void RaiseSetting(CString& text, const char* upperKey, const char* lowerKey, const char* addedLine,
                  const LeadByteTable& leadBytes);

// The leading integer of value[0, length), read as atoi reads it but kept to
// the value and saturated at the limits of a signed 32-bit integer.
long LeadingInteger(const char* value, int length);
