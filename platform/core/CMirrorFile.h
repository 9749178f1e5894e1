// Safe save. Opened with modeCreate, the file is written to a temporary file in the
// target's folder; Close renames it over the target, Abort removes it, so the target is
// either replaced whole or left as it was. A read-only target, or one whose lock another
// descriptor holds against the share mode, makes Open fail before anything is written.
// The target stays locked while the new content is written. Without modeCreate it is a
// plain file.
#pragma once

#include "platform/core/CFile.h"

class CMirrorFile : public CFile {
    DECLARE_DYNAMIC(CMirrorFile)
public:
    CMirrorFile();
    // Discards an uncommitted temporary file.
    ~CMirrorFile() override;

    BOOL Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr) override;
    void Close() override;
    void Abort() override;

protected:
    CString m_strMirrorName;

private:
    int LockTarget(LPCTSTR lpszFileName, UINT nOpenFlags);
    int CreateMirror(LPCTSTR lpszFileName);
    void DiscardMirror();
    void ReleaseTarget();

    int m_hTargetLock;
};
