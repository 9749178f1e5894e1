// 8-bit text with value semantics, loadable from the string table and printf-formattable.
#pragma once

#include <string>

#include "platform/core/WinDef.h"

class CString {
public:
    CString() = default;
    CString(LPCTSTR psz) : m_str(psz != nullptr ? psz : "") {}
    CString(LPCTSTR pch, int nLength) : m_str(pch != nullptr && nLength > 0 ? std::string(pch, nLength) : std::string()) {}
    CString(TCHAR ch, int nRepeat = 1) : m_str(nRepeat > 0 ? nRepeat : 0, ch) {}

    int GetLength() const { return static_cast<int>(m_str.size()); }
    BOOL IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }
    TCHAR GetAt(int nIndex) const { return m_str.at(static_cast<size_t>(nIndex)); }
    TCHAR operator[](int nIndex) const { return GetAt(nIndex); }
    operator LPCTSTR() const { return m_str.c_str(); }

    CString& operator=(LPCTSTR psz);
    CString& operator+=(const CString& str);
    CString& operator+=(LPCTSTR psz);
    CString& operator+=(TCHAR ch);

    int Compare(LPCTSTR psz) const;
    int Find(LPCTSTR pszSub, int nStart = 0) const;
    int Find(TCHAR ch, int nStart = 0) const;
    CString Left(int nCount) const;
    CString Mid(int nFirst, int nCount = -1) const;
    // Removes blanks, tabs and line ends at the end.
    CString& TrimRight();

    // Replaces the text with string nID of the program's string table; FALSE (and empty)
    // when there is no such string.
    BOOL LoadString(UINT nID);
    void Format(LPCTSTR pszFormat, ...) __attribute__((format(printf, 2, 3)));

    const std::string& GetString() const { return m_str; }

private:
    std::string m_str;
};

CString operator+(const CString& a, const CString& b);
CString operator+(const CString& a, LPCTSTR b);
CString operator+(LPCTSTR a, const CString& b);
bool operator==(const CString& a, const CString& b);
bool operator==(const CString& a, LPCTSTR b);
bool operator==(LPCTSTR a, const CString& b);
bool operator!=(const CString& a, const CString& b);
bool operator!=(const CString& a, LPCTSTR b);
bool operator!=(LPCTSTR a, const CString& b);
