// Buffered reading or writing of a file on behalf of Serialize. Loading fills the buffer
// only when a read asks for bytes; storing writes the buffer out when it is full and on
// Flush or Close. The archive never closes its file.
#pragma once

#include "platform/core/CFile.h"

class CArchive {
public:
    enum Mode { store = 0, load = 1, bNoFlushOnDelete = 2, bNoByteSwap = 4 };

    // nBufSize below 1 means the default 4096. lpBuf, if given, must hold nBufSize bytes
    // and outlive the archive.
    CArchive(CFile* pFile, UINT nMode, int nBufSize = 4096, void* lpBuf = nullptr);
    // Flushes a storing archive that was not closed, unless bNoFlushOnDelete is set.
    ~CArchive();

    BOOL IsLoading() const { return (m_nMode & load) != 0; }
    BOOL IsStoring() const { return (m_nMode & load) == 0; }
    CFile* GetFile() const { return m_pFile; }
    int GetBufferSize() const { return m_nBufSize; }

    // Reads up to nMax bytes; fewer only at the end of the file.
    UINT Read(void* lpBuf, UINT nMax);
    void Write(const void* lpBuf, UINT nMax);
    // Storing: writes the buffer out. Loading: gives unread buffered bytes back to the file.
    void Flush();
    // Flushes, then lets go of the file.
    void Close();
    // Lets go of the file and drops the buffer without writing; never throws.
    void Abort();

    BOOL m_bForceFlat;

private:
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    UINT FillBuffer();

    CFile* m_pFile;
    UINT m_nMode;
    int m_nBufSize;
    BOOL m_bUserBuf;
    BYTE* m_lpBufStart;
    BYTE* m_lpBufCur;
    BYTE* m_lpBufMax;  // loading: end of the bytes read; storing: end of the buffer
};
