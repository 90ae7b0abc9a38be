// The framework's string: a counted run of 8-bit ANSI bytes that may hold
// any byte, NUL included, and always keeps a NUL after its last byte so it
// can be handed to Windows as a C string. Substring searches go by
// characters of the ANSI code page (framework/mbcs_search.h).
#pragma once

#include <cstddef>

class CString {
public:
    CString();
    CString(const char* text);  // up to its first NUL
    CString(const char* bytes, int length);
    CString(const CString& other);
    ~CString();

    CString& operator=(const CString& other);
    CString& operator=(const char* text);
    CString& operator+=(const CString& other);
    CString& operator+=(const char* text);
    CString& operator+=(char c);
    CString& Append(const char* bytes, int length);

    int GetLength() const { return m_nLength; }
    bool IsEmpty() const { return m_nLength == 0; }
    void Empty();
    char operator[](int index) const { return m_pchData[index]; }
    operator const char*() const { return m_pchData; }

    // First occurrence at or after start, by characters; -1 when none.
    int Find(char c, int start = 0) const;
    int Find(const char* sub, int start = 0) const;
    int Find(const CString& sub, int start = 0) const;

    // Removes count bytes at index and puts text in their place.
    void Replace(int index, int count, const char* text);

    bool operator==(const CString& other) const;

private:
    void Reserve(int length);
    void Assign(const char* bytes, int length);

    char* m_pchData;
    int m_nLength;
    int m_nCapacity;
};

CString operator+(const CString& left, const CString& right);
CString operator+(const CString& left, const char* right);
