// A failed file operation: a cause from the list below, the system's error number and the
// file's name. Thrown as a pointer, like every framework exception.
#pragma once

#include "platform/core/CException.h"
#include "platform/core/CString.h"

class CFileException : public CException {
    DECLARE_DYNAMIC(CFileException)
public:
    enum {
        none,
        genericException,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        removeCurrentDir,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile
    };

    explicit CFileException(int cause = none, LONG lOsError = -1, LPCTSTR lpszArchiveName = nullptr);

    // Fills in all three fields at once.
    void Set(int cause, LONG lOsError, LPCTSTR lpszFileName);

    // The cause that matches a system error number (errno).
    static int OsErrorToException(LONG lOsError);

    int m_cause;
    LONG m_lOsError;
    CString m_strFileName;
};

[[noreturn]] void AfxThrowFileException(int cause, LONG lOsError = -1, LPCTSTR lpszFileName = nullptr);
// Throws the exception that matches a system error number.
[[noreturn]] void AfxThrowFileExceptionFromOsError(LONG lOsError, LPCTSTR lpszFileName = nullptr);
