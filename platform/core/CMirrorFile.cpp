#include "platform/core/CMirrorFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

IMPLEMENT_DYNAMIC(CMirrorFile, CFile)

namespace {

// Hidden, next to the target, so that the rename stays within one file system.
CString MirrorName(LPCTSTR lpszFileName, unsigned nAttempt)
{
    CString strPath(lpszFileName);
    int nSlash = -1;
    for (int i = 0; i < strPath.GetLength(); ++i) {
        if (strPath[i] == '/') {
            nSlash = i;
        }
    }
    CString strName;
    strName.Format("%s.%s~%d-%u.tmp", static_cast<LPCTSTR>(strPath.Left(nSlash + 1)),
                   static_cast<LPCTSTR>(strPath.Mid(nSlash + 1)), static_cast<int>(getpid()), nAttempt);
    return strName;
}

}  // namespace

CMirrorFile::CMirrorFile() : m_hTargetLock(hFileNull) {}

CMirrorFile::~CMirrorFile() { CMirrorFile::Abort(); }

BOOL CMirrorFile::Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError)
{
    if (!(nOpenFlags & modeCreate)) {
        CMirrorFile::Abort();
        return CFile::Open(lpszFileName, nOpenFlags, pError);
    }
    CMirrorFile::Abort();
    int nOsError = lpszFileName != nullptr ? CheckWritable(lpszFileName) : EINVAL;
    if (nOsError == 0) {
        nOsError = LockTarget(lpszFileName, nOpenFlags);
    }
    if (nOsError == 0) {
        nOsError = CreateMirror(lpszFileName);
    }
    if (nOsError != 0) {
        ReleaseTarget();
        ReportError(pError, nOsError, lpszFileName);
        return FALSE;
    }
    m_strFileName = lpszFileName;
    m_bCloseOnDelete = TRUE;
    return TRUE;
}

// An existing target is opened only to hold its lock; a missing one needs none.
int CMirrorFile::LockTarget(LPCTSTR lpszFileName, UINT nOpenFlags)
{
    m_hTargetLock = open(lpszFileName, O_RDONLY | O_CLOEXEC);
    if (m_hTargetLock < 0) {
        int nOsError = errno;
        m_hTargetLock = hFileNull;
        return nOsError == ENOENT ? 0 : nOsError;
    }
    struct stat st;
    if (fstat(m_hTargetLock, &st) != 0) {
        return errno;
    }
    if (S_ISDIR(st.st_mode)) {
        return EISDIR;
    }
    return ApplyShareMode(m_hTargetLock, nOpenFlags);
}

// The new file takes the target's permissions, or the usual ones for a new file.
int CMirrorFile::CreateMirror(LPCTSTR lpszFileName)
{
    for (unsigned nAttempt = 0; nAttempt < 100; ++nAttempt) {
        CString strMirror = MirrorName(lpszFileName, nAttempt);
        int hFile = open(strMirror, O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (hFile < 0 && errno == EEXIST) {
            continue;
        }
        if (hFile < 0) {
            return errno;
        }
        m_hFile = hFile;
        m_strMirrorName = strMirror;
        struct stat st;
        if (m_hTargetLock != hFileNull && fstat(m_hTargetLock, &st) == 0) {
            fchmod(hFile, st.st_mode & 07777);
        }
        return 0;
    }
    return EEXIST;
}

void CMirrorFile::Close()
{
    if (m_strMirrorName.IsEmpty()) {
        CFile::Close();
        return;
    }
    CString strTarget = m_strFileName;
    Flush();
    CFile::Close();
    if (rename(m_strMirrorName, strTarget) != 0) {
        int nOsError = errno;
        DiscardMirror();
        ReleaseTarget();
        AfxThrowFileExceptionFromOsError(nOsError, strTarget);
    }
    m_strMirrorName.Empty();
    ReleaseTarget();
}

void CMirrorFile::Abort()
{
    CFile::Abort();
    DiscardMirror();
    ReleaseTarget();
}

void CMirrorFile::DiscardMirror()
{
    if (!m_strMirrorName.IsEmpty()) {
        unlink(m_strMirrorName);
        m_strMirrorName.Empty();
    }
}

void CMirrorFile::ReleaseTarget()
{
    if (m_hTargetLock != hFileNull) {
        close(m_hTargetLock);
        m_hTargetLock = hFileNull;
    }
}
