// How a rewritten config.sys relates to the text it was made from (the
// content followed by CR LF), found by walking both side by side: the text
// with some value spans, each running from just after an equals sign through
// its line's end, replaced by "90" CR LF, then the added lines.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

struct RewriteShape {
    bool holds = false;          // the new text has that shape
    bool addedBuffers = false;   // ends in CR LF BUFFERS=90 (before any added FILES line)
    bool addedFiles = false;     // ends in CR LF FILES=90
    std::vector<size_t> spans;   // where each replaced span begins in the text
};

// starts tells where characters start in text: an equals sign that ends a
// kept stretch must be a character of its own. At most one span per setting
// that was not added.
RewriteShape ShapeOfRewrite(const std::string& text, const std::string& rewritten, const std::vector<bool>& starts);

// Where the line holding pos ends, past its line end: a line ends at an LF,
// or at a CR that no LF follows; CR LF is one line end.
size_t PastLineEnd(const std::string& text, size_t pos);
