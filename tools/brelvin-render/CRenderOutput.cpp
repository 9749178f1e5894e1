#include "tools/brelvin-render/CRenderOutput.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/core/AfxPrintable.h"

CRenderOutput::CRenderOutput() : m_stdout(STDOUT_FILENO), m_pFile(nullptr), m_nOsError(0) {}

CRenderOutput::~CRenderOutput()
{
    m_cleanup.Hold();
    m_file.Abort();
}

BOOL CRenderOutput::Open(LPCTSTR lpszPathName, CString& strError)
{
    m_strName = lpszPathName;
    if (m_strName == "-") {
        m_pFile = &m_stdout;
        return TRUE;
    }
    CFileException error;
    if (!m_file.Open(lpszPathName, CFile::modeCreate | CFile::modeWrite | CFile::shareDenyNone, &error)) {
        strError = Reason(std::strerror(static_cast<int>(error.m_lOsError)));
        return FALSE;
    }
    m_cleanup.Watch(m_file.GetMirrorName());
    m_pFile = &m_file;
    return TRUE;
}

BOOL CRenderOutput::Write(const void* pData, size_t nLength)
{
    if (m_pFile == nullptr || m_nOsError != 0) {
        return FALSE;
    }
    try {
        m_pFile->Write(pData, static_cast<UINT>(nLength));
    } catch (CFileException* e) {
        m_nOsError = e->m_lOsError != 0 ? static_cast<int>(e->m_lOsError) : EIO;
        e->Delete();
    }
    return m_nOsError == 0;
}

BOOL CRenderOutput::Close(LPCTSTR lpszWriterError, CString& strError)
{
    m_cleanup.Hold();
    if (m_nOsError == 0 && lpszWriterError == nullptr && m_pFile == &m_file) {
        try {
            m_file.Close();
        } catch (CFileException* e) {
            m_nOsError = static_cast<int>(e->m_lOsError);
            e->Delete();
        }
    }
    if (m_nOsError != 0 || lpszWriterError != nullptr) {
        m_file.Abort();
        strError = Reason(m_nOsError != 0 ? std::strerror(m_nOsError) : lpszWriterError);
        return FALSE;
    }
    return TRUE;
}

CString CRenderOutput::Reason(LPCTSTR lpszCause) const
{
    if (m_strName == "-") {
        return CString("cannot write to standard output: ") + lpszCause;
    }
    CString str;
    str.Format("cannot write %s: %s", static_cast<LPCTSTR>(AfxPrintable(m_strName)), lpszCause);
    return str;
}
