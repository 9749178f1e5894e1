#include "platform/core/CString.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/core/AfxResource.h"

CString& CString::operator=(LPCTSTR psz)
{
    m_str = psz != nullptr ? psz : "";
    return *this;
}

CString& CString::operator+=(const CString& str)
{
    m_str += str.m_str;
    return *this;
}

CString& CString::operator+=(LPCTSTR psz)
{
    if (psz != nullptr) {
        m_str += psz;
    }
    return *this;
}

CString& CString::operator+=(TCHAR ch)
{
    m_str += ch;
    return *this;
}

int CString::Compare(LPCTSTR psz) const { return std::strcmp(m_str.c_str(), psz != nullptr ? psz : ""); }

int CString::Find(LPCTSTR pszSub, int nStart) const
{
    if (pszSub == nullptr || nStart < 0 || nStart > GetLength()) {
        return -1;
    }
    size_t pos = m_str.find(pszSub, static_cast<size_t>(nStart));
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int CString::Find(TCHAR ch, int nStart) const
{
    if (nStart < 0 || nStart > GetLength()) {
        return -1;
    }
    size_t pos = m_str.find(ch, static_cast<size_t>(nStart));
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

CString CString::Left(int nCount) const { return Mid(0, nCount); }

CString CString::Mid(int nFirst, int nCount) const
{
    int nLength = GetLength();
    if (nFirst < 0) {
        nFirst = 0;
    }
    if (nFirst > nLength) {
        nFirst = nLength;
    }
    if (nCount < 0 || nCount > nLength - nFirst) {
        nCount = nLength - nFirst;
    }
    return CString(m_str.c_str() + nFirst, nCount);
}

CString& CString::TrimRight()
{
    const size_t nEnd = m_str.find_last_not_of(" \t\r\n");
    m_str.erase(nEnd == std::string::npos ? 0 : nEnd + 1);
    return *this;
}

BOOL CString::LoadString(UINT nID)
{
    const char* psz = static_cast<const char*>(AfxFindResource(nID, RT_STRING));
    m_str = psz != nullptr ? psz : "";
    return psz != nullptr;
}

void CString::Format(LPCTSTR pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    va_list copy;
    va_copy(copy, args);
    int n = std::vsnprintf(nullptr, 0, pszFormat, copy);
    va_end(copy);
    if (n < 0) {
        m_str.clear();
    } else {
        std::vector<char> buffer(static_cast<size_t>(n) + 1);
        std::vsnprintf(buffer.data(), buffer.size(), pszFormat, args);
        m_str.assign(buffer.data(), static_cast<size_t>(n));
    }
    va_end(args);
}

CString operator+(const CString& a, const CString& b)
{
    CString s(a);
    s += b;
    return s;
}
CString operator+(const CString& a, LPCTSTR b)
{
    CString s(a);
    s += b;
    return s;
}
CString operator+(LPCTSTR a, const CString& b)
{
    CString s(a);
    s += b;
    return s;
}
bool operator==(const CString& a, const CString& b) { return a.GetString() == b.GetString(); }
bool operator==(const CString& a, LPCTSTR b) { return a.Compare(b) == 0; }
bool operator==(LPCTSTR a, const CString& b) { return b.Compare(a) == 0; }
bool operator!=(const CString& a, const CString& b) { return !(a == b); }
bool operator!=(const CString& a, LPCTSTR b) { return !(a == b); }
bool operator!=(LPCTSTR a, const CString& b) { return !(a == b); }
