#include "platform/core/CMirrorFile.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/core/AfxUtf8.h"

IMPLEMENT_DYNAMIC(CMirrorFile, CFile)

namespace {

const int kMaxLinks = 40;  // as many as the system follows in one path
// The temporary's name is ".NAME~PID-N.tmp"; with the longest PID and N, NAME may keep
// this many bytes and the whole still fits in one name of the file system.
const int kMaxKeptName = NAME_MAX - static_cast<int>(sizeof(".~2147483647-99.tmp") - 1);
const unsigned kMaxAttempts = 100;

// Where the last name of strPath begins.
int NameStart(const CString& strPath)
{
    size_t nSlash = strPath.GetString().rfind('/');
    return nSlash == std::string::npos ? 0 : static_cast<int>(nSlash) + 1;
}

// What a symbolic link at strPath points to, taken relative to the link's folder.
int ReadLinkTarget(const CString& strPath, CString& strTarget)
{
    char szLink[PATH_MAX];
    ssize_t nLength = readlink(strPath, szLink, sizeof(szLink));
    if (nLength < 0) {
        return errno;
    }
    if (static_cast<size_t>(nLength) == sizeof(szLink)) {
        return ENAMETOOLONG;
    }
    CString strLink(szLink, static_cast<int>(nLength));
    strTarget = szLink[0] == '/' ? strLink : strPath.Left(NameStart(strPath)) + strLink;
    return 0;
}

// The file that a save to lpszFileName replaces: the end of its chain of symbolic links,
// so that the links stay. A name that does not exist yet is its own target.
int FollowLinks(LPCTSTR lpszFileName, CString& strTarget)
{
    strTarget = lpszFileName;
    for (int nLinks = 0;; ++nLinks) {
        struct stat st;
        if (lstat(strTarget, &st) != 0) {
            return errno == ENOENT ? 0 : errno;
        }
        if (!S_ISLNK(st.st_mode)) {
            return 0;
        }
        int nOsError = nLinks < kMaxLinks ? ReadLinkTarget(strTarget, strTarget) : ELOOP;
        if (nOsError != 0) {
            return nOsError;
        }
    }
}

// The temporary names of a target start with this: hidden, beside it, so that the rename
// stays within one file system, and the name cut between two characters where it is long.
CString MirrorPrefix(const CString& strTarget)
{
    LPCTSTR pszName = static_cast<LPCTSTR>(strTarget) + NameStart(strTarget);
    int nKept = 0;
    while (pszName[nKept] != '\0') {
        int nChar = AfxUtf8CharLength(pszName + nKept);
        nChar = nChar == 0 ? 1 : nChar;
        if (nKept + nChar > kMaxKeptName) {
            break;
        }
        nKept += nChar;
    }
    return strTarget.Left(NameStart(strTarget)) + "." + CString(pszName, nKept) + "~";
}

// Reads "PID-N.tmp", the rest of a temporary's name after its prefix.
bool ReadMirrorSuffix(const char* psz, long& nPid)
{
    char* pEnd = nullptr;
    if (*psz < '1' || *psz > '9') {
        return false;
    }
    errno = 0;
    nPid = std::strtol(psz, &pEnd, 10);
    if (errno != 0 || nPid > INT_MAX || *pEnd != '-' || pEnd[1] < '0' || pEnd[1] > '9') {
        return false;
    }
    std::strtoul(pEnd + 1, &pEnd, 10);
    return std::strcmp(pEnd, ".tmp") == 0;
}

// A temporary of strPrefix's target whose process no longer exists.
bool IsStaleMirror(const char* pszEntry, const CString& strPrefix)
{
    size_t nPrefix = static_cast<size_t>(strPrefix.GetLength());
    long nPid = 0;
    return std::strncmp(pszEntry, strPrefix, nPrefix) == 0 && ReadMirrorSuffix(pszEntry + nPrefix, nPid) &&
           kill(static_cast<pid_t>(nPid), 0) != 0 && errno == ESRCH;
}

// Removes what saves of strTarget left behind when they were killed before their rename.
void RemoveStaleMirrors(const CString& strTarget)
{
    CString strFolder = strTarget.Left(NameStart(strTarget));
    CString strPrefix = MirrorPrefix(strTarget).Mid(strFolder.GetLength());
    DIR* pDir = opendir(strFolder.IsEmpty() ? "." : static_cast<LPCTSTR>(strFolder));
    if (pDir == nullptr) {
        return;
    }
    while (const dirent* pEntry = readdir(pDir)) {
        if (IsStaleMirror(pEntry->d_name, strPrefix)) {
            unlinkat(dirfd(pDir), pEntry->d_name, 0);
        }
    }
    closedir(pDir);
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
    CString strTarget;
    int nOsError = lpszFileName != nullptr ? FollowLinks(lpszFileName, strTarget) : EINVAL;
    if (nOsError == 0) {
        nOsError = CheckWritable(strTarget);
    }
    if (nOsError == 0) {
        nOsError = LockTarget(strTarget, nOpenFlags);
    }
    if (nOsError == 0) {
        nOsError = CreateMirror(strTarget);
    }
    if (nOsError != 0) {
        ReleaseTarget();
        ReportError(pError, nOsError, lpszFileName);
        return FALSE;
    }
    m_strFileName = lpszFileName;
    m_strTargetName = strTarget;
    m_bCloseOnDelete = TRUE;
    return TRUE;
}

// An existing target is opened only to hold its lock; a missing one needs none.
int CMirrorFile::LockTarget(LPCTSTR lpszTarget, UINT nOpenFlags)
{
    int nOsError = OpenRegularFile(lpszTarget, O_RDONLY, m_hTargetLock);
    if (nOsError != 0) {
        return nOsError == ENOENT ? 0 : nOsError;
    }
    return ApplyShareMode(m_hTargetLock, nOpenFlags);
}

// The new file takes the target's permissions, or the usual ones for a new file.
int CMirrorFile::CreateMirror(const CString& strTarget)
{
    CString strPrefix = MirrorPrefix(strTarget);
    for (unsigned nAttempt = 0; nAttempt < kMaxAttempts; ++nAttempt) {
        CString strMirror;
        strMirror.Format("%s%d-%u.tmp", static_cast<LPCTSTR>(strPrefix), static_cast<int>(getpid()), nAttempt);
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
            // Only root may give a file away; anyone else's save makes it theirs, as an
            // editor's does. The mode goes last: a change of owner clears set-id bits.
            if (fchown(hFile, st.st_uid, st.st_gid) != 0) {
                errno = 0;
            }
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
    CString strFileName = m_strFileName;
    CString strTarget = m_strTargetName;
    Flush();
    CFile::Close();
    if (rename(m_strMirrorName, strTarget) != 0) {
        int nOsError = errno;
        DiscardMirror();
        ReleaseTarget();
        AfxThrowFileExceptionFromOsError(nOsError, strFileName);
    }
    m_strMirrorName.Empty();
    ReleaseTarget();
    RemoveStaleMirrors(strTarget);
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
    m_strTargetName.Empty();
}
