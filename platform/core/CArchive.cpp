#include "platform/core/CArchive.h"

#include <cstdlib>
#include <cstring>

#include "platform/core/CMemoryException.h"

CArchive::CArchive(CFile* pFile, UINT nMode, int nBufSize, void* lpBuf)
    : m_bForceFlat(TRUE),
      m_pFile(pFile),
      m_nMode(nMode),
      m_nBufSize(nBufSize > 0 ? nBufSize : 4096),
      m_bUserBuf(lpBuf != nullptr),
      m_lpBufStart(static_cast<BYTE*>(lpBuf))
{
    if (m_lpBufStart == nullptr) {
        m_lpBufStart = static_cast<BYTE*>(std::malloc(static_cast<size_t>(m_nBufSize)));
        if (m_lpBufStart == nullptr) {
            AfxThrowMemoryException();
        }
    }
    m_lpBufCur = m_lpBufStart;
    m_lpBufMax = IsLoading() ? m_lpBufStart : m_lpBufStart + m_nBufSize;
}

CArchive::~CArchive()
{
    if (m_pFile != nullptr && !(m_nMode & bNoFlushOnDelete)) {
        try {
            Close();
        } catch (CException* e) {
            e->Delete();
        }
    }
    Abort();
    if (!m_bUserBuf) {
        std::free(m_lpBufStart);
    }
}

UINT CArchive::Read(void* lpBuf, UINT nMax)
{
    UINT nRead = 0;
    while (nRead < nMax && m_pFile != nullptr && IsLoading()) {
        if (m_lpBufCur == m_lpBufMax && FillBuffer() == 0) {
            break;
        }
        UINT nChunk = static_cast<UINT>(m_lpBufMax - m_lpBufCur);
        if (nChunk > nMax - nRead) {
            nChunk = nMax - nRead;
        }
        std::memcpy(static_cast<BYTE*>(lpBuf) + nRead, m_lpBufCur, nChunk);
        m_lpBufCur += nChunk;
        nRead += nChunk;
    }
    return nRead;
}

void CArchive::Write(const void* lpBuf, UINT nMax)
{
    UINT nWritten = 0;
    while (nWritten < nMax && m_pFile != nullptr && IsStoring()) {
        if (m_lpBufCur == m_lpBufMax) {
            Flush();
        }
        UINT nChunk = static_cast<UINT>(m_lpBufMax - m_lpBufCur);
        if (nChunk > nMax - nWritten) {
            nChunk = nMax - nWritten;
        }
        std::memcpy(m_lpBufCur, static_cast<const BYTE*>(lpBuf) + nWritten, nChunk);
        m_lpBufCur += nChunk;
        nWritten += nChunk;
    }
}

void CArchive::Flush()
{
    if (m_pFile == nullptr) {
        return;
    }
    if (IsStoring()) {
        UINT nPending = static_cast<UINT>(m_lpBufCur - m_lpBufStart);
        m_lpBufCur = m_lpBufStart;
        if (nPending != 0) {
            m_pFile->Write(m_lpBufStart, nPending);
        }
        return;
    }
    LONGLONG nUnread = m_lpBufMax - m_lpBufCur;
    m_lpBufCur = m_lpBufMax = m_lpBufStart;
    if (nUnread != 0) {
        m_pFile->Seek(-nUnread, CFile::current);
    }
}

void CArchive::Close()
{
    Flush();
    m_pFile = nullptr;
}

void CArchive::Abort()
{
    m_pFile = nullptr;
    m_lpBufCur = m_lpBufStart;
    if (IsLoading()) {
        m_lpBufMax = m_lpBufStart;
    }
}

UINT CArchive::FillBuffer()
{
    UINT nRead = m_pFile->Read(m_lpBufStart, static_cast<UINT>(m_nBufSize));
    m_lpBufCur = m_lpBufStart;
    m_lpBufMax = m_lpBufStart + nRead;
    return nRead;
}
