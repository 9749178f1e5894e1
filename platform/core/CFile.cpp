#include "platform/core/CFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

IMPLEMENT_DYNAMIC(CFile, CObject)

namespace {

const UINT s_nAccessMask = 0x0003;
const UINT s_nShareMask = 0x0070;

int OpenAccessFlags(UINT nOpenFlags)
{
    switch (nOpenFlags & s_nAccessMask) {
    case CFile::modeWrite:
        return O_WRONLY;
    case CFile::modeReadWrite:
        return O_RDWR;
    default:
        return O_RDONLY;
    }
}

}  // namespace

CFile::CFile() : m_hFile(hFileNull), m_bCloseOnDelete(FALSE) {}

CFile::CFile(int hFile) : m_hFile(hFile), m_bCloseOnDelete(FALSE) {}

CFile::CFile(LPCTSTR lpszFileName, UINT nOpenFlags) : CFile()
{
    CFileException error;
    if (!Open(lpszFileName, nOpenFlags, &error)) {
        AfxThrowFileException(error.m_cause, error.m_lOsError, error.m_strFileName);
    }
}

CFile::~CFile()
{
    if (m_hFile != hFileNull && m_bCloseOnDelete) {
        CFile::Abort();
    }
}

BOOL CFile::Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError)
{
    CFile::Abort();
    int hFile = hFileNull;
    int nOsError = OpenHandle(lpszFileName, nOpenFlags, hFile);
    if (nOsError != 0) {
        ReportError(pError, nOsError, lpszFileName);
        return FALSE;
    }
    m_hFile = hFile;
    m_bCloseOnDelete = TRUE;
    m_strFileName = lpszFileName;
    return TRUE;
}

int CFile::OpenHandle(LPCTSTR lpszFileName, UINT nOpenFlags, int& hFile)
{
    if (lpszFileName == nullptr || (nOpenFlags & s_nAccessMask) == s_nAccessMask) {
        return EINVAL;
    }
    bool bWrite = (nOpenFlags & s_nAccessMask) != modeRead;
    int nOsError = bWrite || (nOpenFlags & modeCreate) ? CheckWritable(lpszFileName) : 0;
    int nFlags = OpenAccessFlags(nOpenFlags) | ((nOpenFlags & modeCreate) ? O_CREAT : 0);
    if (nOsError == 0) {
        nOsError = OpenRegularFile(lpszFileName, nFlags, hFile);
    }
    if (nOsError != 0) {
        return nOsError;
    }
    nOsError = ApplyShareMode(hFile, nOpenFlags);
    // Truncate only once the lock is ours, so a file that someone holds is never emptied.
    if (nOsError == 0 && bWrite && (nOpenFlags & modeCreate) && !(nOpenFlags & modeNoTruncate) &&
        ftruncate(hFile, 0) != 0) {
        nOsError = errno;
    }
    if (nOsError != 0) {
        close(hFile);
        hFile = hFileNull;
    }
    return nOsError;
}

int CFile::CheckRegularMode(mode_t nMode)
{
    if (S_ISREG(nMode)) {
        return 0;
    }
    return S_ISDIR(nMode) ? EISDIR : EPERM;
}

int CFile::OpenRegularFile(LPCTSTR lpszFileName, int nFlags, int& hFile)
{
    hFile = hFileNull;
    struct stat st;
    int nOsError = stat(lpszFileName, &st) == 0 ? CheckRegularMode(st.st_mode) : 0;
    if (nOsError != 0) {
        return nOsError;
    }
    // Non-blocking, in case the name stands for something else by now.
    int hOpened = open(lpszFileName, nFlags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
    if (hOpened < 0) {
        return errno;
    }
    nOsError = fstat(hOpened, &st) != 0 ? errno : CheckRegularMode(st.st_mode);
    if (nOsError == 0 && fcntl(hOpened, F_SETFL, fcntl(hOpened, F_GETFL) & ~O_NONBLOCK) != 0) {
        nOsError = errno;
    }
    if (nOsError != 0) {
        close(hOpened);
        return nOsError;
    }
    hFile = hOpened;
    return 0;
}

int CFile::CheckWritable(LPCTSTR lpszFileName)
{
    struct stat st;
    if (stat(lpszFileName, &st) != 0) {
        return 0;  // a missing file is created, not written over
    }
    if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
        return EACCES;
    }
    return access(lpszFileName, W_OK) != 0 ? errno : 0;
}

int CFile::ApplyShareMode(int hFile, UINT nOpenFlags)
{
    int nOperation;
    switch (nOpenFlags & s_nShareMask) {
    case shareExclusive:
    case shareDenyRead:
        nOperation = LOCK_EX;
        break;
    case shareDenyWrite:
        nOperation = LOCK_SH;
        break;
    default:
        return 0;
    }
    while (flock(hFile, nOperation | LOCK_NB) != 0) {
        if (errno != EINTR) {
            return errno;
        }
    }
    return 0;
}

void CFile::ReportError(CFileException* pError, int nOsError, LPCTSTR lpszFileName)
{
    if (pError != nullptr) {
        pError->Set(CFileException::OsErrorToException(nOsError), nOsError, lpszFileName);
    }
}

UINT CFile::Read(void* lpBuf, UINT nCount)
{
    UINT nRead = 0;
    while (nRead < nCount) {
        ssize_t n = read(m_hFile, static_cast<char*>(lpBuf) + nRead, nCount - nRead);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            ThrowOsError(errno);
        }
        if (n == 0) {
            break;
        }
        nRead += static_cast<UINT>(n);
    }
    return nRead;
}

void CFile::Write(const void* lpBuf, UINT nCount)
{
    UINT nWritten = 0;
    while (nWritten < nCount) {
        ssize_t n = write(m_hFile, static_cast<const char*>(lpBuf) + nWritten, nCount - nWritten);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            ThrowOsError(n < 0 ? errno : ENOSPC);
        }
        nWritten += static_cast<UINT>(n);
    }
}

ULONGLONG CFile::Seek(LONGLONG lOff, UINT nFrom)
{
    int nWhence = nFrom == current ? SEEK_CUR : nFrom == end ? SEEK_END : SEEK_SET;
    off_t nPos = lseek(m_hFile, static_cast<off_t>(lOff), nWhence);
    if (nPos < 0) {
        ThrowOsError(errno);
    }
    return static_cast<ULONGLONG>(nPos);
}

ULONGLONG CFile::GetPosition() const
{
    off_t nPos = lseek(m_hFile, 0, SEEK_CUR);
    if (nPos < 0) {
        ThrowOsError(errno);
    }
    return static_cast<ULONGLONG>(nPos);
}

ULONGLONG CFile::GetLength() const
{
    struct stat st;
    if (fstat(m_hFile, &st) != 0) {
        ThrowOsError(errno);
    }
    return static_cast<ULONGLONG>(st.st_size);
}

void CFile::Flush()
{
    if (m_hFile == hFileNull) {
        return;
    }
    // Pipes and the like have nothing to commit.
    if (fsync(m_hFile) != 0 && errno != EINVAL && errno != EROFS) {
        ThrowOsError(errno);
    }
}

void CFile::Close()
{
    if (m_hFile == hFileNull) {
        return;
    }
    int hFile = m_hFile;
    CString strFileName = m_strFileName;
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
    m_strFileName.Empty();
    if (close(hFile) != 0 && errno != EINTR) {
        AfxThrowFileExceptionFromOsError(errno, strFileName);
    }
}

void CFile::Abort()
{
    if (m_hFile != hFileNull) {
        close(m_hFile);
        m_hFile = hFileNull;
    }
    m_bCloseOnDelete = FALSE;
    m_strFileName.Empty();
}

void CFile::ThrowOsError(int nOsError) const { AfxThrowFileExceptionFromOsError(nOsError, m_strFileName); }
