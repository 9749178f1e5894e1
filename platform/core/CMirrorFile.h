// Safe save. Opened with modeCreate, the file is written to a temporary file in the
// target's folder; Close renames it over the target, Abort removes it, so the target is
// either replaced whole or left as it was. A read-only target, or one whose lock another
// descriptor holds against the share mode, makes Open fail before anything is written.
// The target stays locked while the new content is written. Without modeCreate it is a
// plain file.
//
// A target reached through symbolic links is the file at the end of them: it is replaced,
// the links stay. Anything but a regular file is refused at once. The temporary file is
// ".NAME~PID-N.tmp", its NAME cut where the whole would be too long; a successful Close
// removes such files of the same target whose process has died.
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

    // The temporary file's name while a save is open, else empty.
    const CString& GetMirrorName() const { return m_strMirrorName; }

protected:
    CString m_strMirrorName;
    CString m_strTargetName;  // the file that Close replaces

private:
    int LockTarget(LPCTSTR lpszTarget, UINT nOpenFlags);
    int CreateMirror(const CString& strTarget);
    void DiscardMirror();
    void ReleaseTarget();

    int m_hTargetLock;
};
