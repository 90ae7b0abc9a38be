#include "framework/afx_string.h"

#include <cstdlib>
#include <cstring>

#include "framework/afx_app.h"
#include "framework/mbcs_search.h"

namespace {
char g_emptyText[1] = {0};
}

CString::CString() : m_pchData(g_emptyText), m_nLength(0), m_nCapacity(0) {}

CString::CString(const char* text) : CString()
{
    Assign(text, text != nullptr ? static_cast<int>(std::strlen(text)) : 0);
}

CString::CString(const char* bytes, int length) : CString()
{
    Assign(bytes, length);
}

CString::CString(const CString& other) : CString()
{
    Assign(other.m_pchData, other.m_nLength);
}

CString::~CString()
{
    if (m_nCapacity != 0)
        std::free(m_pchData);
}

CString& CString::operator=(const CString& other)
{
    if (this != &other)
        Assign(other.m_pchData, other.m_nLength);
    return *this;
}

CString& CString::operator=(const char* text)
{
    // The text may lie inside this string's own buffer.
    CString copy(text);
    return *this = copy;
}

CString& CString::operator+=(const CString& other)
{
    CString copy(other);
    return Append(copy.m_pchData, copy.m_nLength);
}

CString& CString::operator+=(const char* text)
{
    return *this += CString(text);
}

CString& CString::operator+=(char c)
{
    return Append(&c, 1);
}

CString& CString::Append(const char* bytes, int length)
{
    if (length <= 0)
        return *this;
    Reserve(m_nLength + length);
    std::memmove(m_pchData + m_nLength, bytes, static_cast<size_t>(length));
    m_nLength += length;
    m_pchData[m_nLength] = 0;
    return *this;
}

void CString::Empty()
{
    m_nLength = 0;
    if (m_nCapacity != 0)
        m_pchData[0] = 0;
}

int CString::Find(char c, int start) const
{
    return Find(CString(&c, 1), start);
}

int CString::Find(const char* sub, int start) const
{
    return Find(CString(sub), start);
}

int CString::Find(const CString& sub, int start) const
{
    if (start < 0)
        start = 0;
    long found = MbcsFind(m_pchData, static_cast<size_t>(m_nLength), static_cast<size_t>(start), sub.m_pchData,
                          static_cast<size_t>(sub.m_nLength), AnsiLeadBytes());
    return static_cast<int>(found);
}

void CString::Replace(int index, int count, const char* text)
{
    if (index < 0 || index > m_nLength)
        return;
    if (count < 0 || count > m_nLength - index)
        count = m_nLength - index;
    CString with(text);  // the text may lie inside this string's own buffer
    // The rest of the text moves once, within its own buffer: a splice into a
    // large text makes no second copy of it.
    const int tail = m_nLength - index - count;
    const int length = m_nLength - count + with.m_nLength;
    Reserve(length);
    std::memmove(m_pchData + index + with.m_nLength, m_pchData + index + count, static_cast<size_t>(tail));
    std::memcpy(m_pchData + index, with.m_pchData, static_cast<size_t>(with.m_nLength));
    m_nLength = length;
    m_pchData[m_nLength] = 0;
}

bool CString::operator==(const CString& other) const
{
    return m_nLength == other.m_nLength && std::memcmp(m_pchData, other.m_pchData, static_cast<size_t>(m_nLength)) == 0;
}

void CString::Reserve(int length)
{
    if (length < m_nCapacity)
        return;
    // Doubling keeps repeated appends linear in the text's length.
    int capacity = m_nCapacity < 16 ? 16 : m_nCapacity;
    while (capacity <= length) {
        if (capacity > 0x3FFFFFFF)
            AfxMemoryFailure();
        capacity *= 2;
    }
    char* data = static_cast<char*>(std::realloc(m_nCapacity != 0 ? m_pchData : nullptr, static_cast<size_t>(capacity)));
    if (data == nullptr)
        AfxMemoryFailure();
    if (m_nCapacity == 0)
        data[0] = 0;
    m_pchData = data;
    m_nCapacity = capacity;
}

void CString::Assign(const char* bytes, int length)
{
    if (length <= 0) {
        Empty();
        return;
    }
    if (bytes >= m_pchData && bytes <= m_pchData + m_nLength) {
        CString copy(bytes, length);  // assigning part of itself
        *this = copy;
        return;
    }
    Reserve(length);
    std::memcpy(m_pchData, bytes, static_cast<size_t>(length));
    m_nLength = length;
    m_pchData[m_nLength] = 0;
}

CString operator+(const CString& left, const CString& right)
{
    CString result(left);
    result += right;
    return result;
}

CString operator+(const CString& left, const char* right)
{
    CString result(left);
    result += right;
    return result;
}
