#include "rewrite_shape.h"

namespace {

const std::string kRaised = "90\r\n";
const std::string kAddedBuffers = "\r\nBUFFERS=90";
const std::string kAddedFiles = "\r\nFILES=90";

bool EndsWith(const std::string& text, const std::string& tail)
{
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// Whether text[i, end) becomes body[j, end) with at most budget spans replaced.
// Bytes are kept until the first difference; a span that was replaced began
// at most four bytes before it, as "90" CR LF can agree with the text that
// far (a span that agrees all the way changed nothing and counts as kept).
bool Align(const std::string& text, const std::string& body, size_t i, size_t j, int budget,
           const std::vector<bool>& starts, std::vector<size_t>* spans)
{
    size_t same = 0;
    while (i + same < text.size() && j + same < body.size() && text[i + same] == body[j + same])
        ++same;
    if (i + same == text.size() && j + same == body.size())
        return true;
    if (budget == 0)
        return false;
    const size_t differ = i + same;
    size_t first = differ >= i + 4 ? differ - 3 : i + 1;
    for (size_t s = first; s <= differ && s < text.size(); ++s) {
        size_t into = j + (s - i);
        if (text[s - 1] != '=' || !starts[s - 1] || body.compare(into, kRaised.size(), kRaised) != 0)
            continue;
        spans->push_back(s);
        if (Align(text, body, PastLineEnd(text, s), into + kRaised.size(), budget - 1, starts, spans))
            return true;
        spans->pop_back();
    }
    return false;
}

}  // namespace

size_t PastLineEnd(const std::string& text, size_t pos)
{
    for (; pos < text.size(); ++pos) {
        if (text[pos] == '\n')
            return pos + 1;
        if (text[pos] == '\r')
            return pos + 1 < text.size() && text[pos + 1] == '\n' ? pos + 2 : pos + 1;
    }
    return text.size();
}

RewriteShape ShapeOfRewrite(const std::string& text, const std::string& rewritten, const std::vector<bool>& starts)
{
    // What the kept text and the replacements give always ends in CR LF, so
    // a new text ending otherwise ends in added lines.
    RewriteShape shape;
    std::string body = rewritten;
    if (EndsWith(body, kAddedFiles)) {
        shape.addedFiles = true;
        body.resize(body.size() - kAddedFiles.size());
    }
    if (EndsWith(body, kAddedBuffers)) {
        shape.addedBuffers = true;
        body.resize(body.size() - kAddedBuffers.size());
    }
    int budget = 2 - shape.addedBuffers - shape.addedFiles;
    shape.holds = Align(text, body, 0, 0, budget, starts, &shape.spans);
    return shape;
}
