// Saving and loading a calendar object through an archive on a safe-save file, shared by
// the month panel and the year calendar. Both keep their own GetArchiveFile and
// ReleaseArchiveFile, which these helpers call back.
#pragma once

#include "platform/core/CArchive.h"
#include "platform/core/CFile.h"
#include "platform/core/CWaitCursor.h"

// A safe-save file opened with nOpenFlags, or null (pError filled in) if it cannot be opened.
CFile* AfcOpenArchiveFile(LPCTSTR lpszPathName, UINT nOpenFlags, CFileException* pError);
// Commits (or, with bAbort, discards) and deletes pFile. Only the commit can throw.
void AfcCloseArchiveFile(CFile* pFile, BOOL bAbort);

// Loads or stores pObject at lpszPathName. Any framework exception on the way is swallowed
// and the file discarded; the result tells whether it all went through. An empty file is
// loaded without asking the object to read anything.
template <class TObject>
BOOL AfcSerializeFile(TObject* pObject, LPCTSTR lpszPathName, BOOL bLoading)
{
    CFileException error;
    UINT nOpenFlags = bLoading ? CFile::modeRead | CFile::shareDenyWrite
                               : CFile::modeCreate | CFile::modeReadWrite | CFile::shareExclusive;
    CFile* pFile = pObject->GetArchiveFile(lpszPathName, nOpenFlags, &error);
    if (pFile == nullptr) {
        return FALSE;
    }
    CArchive archive(pFile, (bLoading ? CArchive::load : CArchive::store) | CArchive::bNoFlushOnDelete);
    archive.m_bForceFlat = FALSE;
    try {
        CWaitCursor wait;
        if (!bLoading || pFile->GetLength() != 0) {
            pObject->Serialize(archive);
        }
        archive.Close();
        pObject->ReleaseArchiveFile(pFile, FALSE);
    } catch (CException* e) {
        pObject->ReleaseArchiveFile(pFile, TRUE);
        e->Delete();
        return FALSE;
    }
    return TRUE;
}
