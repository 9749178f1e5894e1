// A file on disk, unbuffered, over a POSIX descriptor. Failures of Read, Write, Seek, Close
// and the like throw CFileException*; Open reports them through its error argument instead.
//
// Sharing is an advisory lock (flock) taken while the file is open: shareExclusive and
// shareDenyRead take an exclusive lock, shareDenyWrite a shared one, shareCompat and
// shareDenyNone none. An open whose lock is held against it by another descriptor fails
// with sharingViolation. A file whose mode has no write bit at all counts as read-only:
// opening it for writing fails with accessDenied, for root as well. So does any name that
// is not a regular file (a folder, a device, a FIFO, a socket), before anything could block.
#pragma once

#include <sys/types.h>

#include "platform/core/CObject.h"
#include "platform/core/CFileException.h"
#include "platform/core/CString.h"

class CFile : public CObject {
    DECLARE_DYNAMIC(CFile)
public:
    enum OpenFlags {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeNoInherit = 0x0080,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
        typeText = 0x4000,
        typeBinary = 0x8000
    };
    enum SeekPosition { begin = 0x0, current = 0x1, end = 0x2 };
    static constexpr int hFileNull = -1;

    CFile();
    // Wraps an open descriptor that the caller keeps owning.
    explicit CFile(int hFile);
    // Opens at once and throws CFileException* on failure.
    CFile(LPCTSTR lpszFileName, UINT nOpenFlags);
    ~CFile() override;

    virtual BOOL Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr);
    // Reads up to nCount bytes; fewer only at the end of the file.
    virtual UINT Read(void* lpBuf, UINT nCount);
    virtual void Write(const void* lpBuf, UINT nCount);
    virtual ULONGLONG Seek(LONGLONG lOff, UINT nFrom);
    virtual ULONGLONG GetPosition() const;
    virtual ULONGLONG GetLength() const;
    // Commits what was written to the disk.
    virtual void Flush();
    virtual void Close();
    // Closes without reporting anything; never throws.
    virtual void Abort();

    void SeekToBegin() { Seek(0, begin); }
    ULONGLONG SeekToEnd() { return Seek(0, end); }
    const CString& GetFilePath() const { return m_strFileName; }

    int m_hFile;
    BOOL m_bCloseOnDelete;

protected:
    // 0, or the error number (errno) that opening lpszFileName for writing must fail with
    // because the file is read-only.
    static int CheckWritable(LPCTSTR lpszFileName);
    // 0 for a regular file, else the error number that opening one of mode nMode fails with.
    static int CheckRegularMode(mode_t nMode);
    // Opens a regular file (open(2) flags nFlags, O_CLOEXEC added); anything else is
    // refused without ever waiting for it. 0 or an error number, and hFileNull on failure.
    static int OpenRegularFile(LPCTSTR lpszFileName, int nFlags, int& hFile);
    // Takes the lock that the share bits of nOpenFlags ask for; 0 or an error number.
    static int ApplyShareMode(int hFile, UINT nOpenFlags);
    static void ReportError(CFileException* pError, int nOsError, LPCTSTR lpszFileName);

    CString m_strFileName;

private:
    static int OpenHandle(LPCTSTR lpszFileName, UINT nOpenFlags, int& hFile);
    [[noreturn]] void ThrowOsError(int nOsError) const;
};
