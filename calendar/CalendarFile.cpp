#include "calendar/CalendarFile.h"

#include "platform/core/CMirrorFile.h"

CFile* AfcOpenArchiveFile(LPCTSTR lpszPathName, UINT nOpenFlags, CFileException* pError)
{
    CMirrorFile* pFile = new CMirrorFile;
    if (!pFile->Open(lpszPathName, nOpenFlags, pError)) {
        delete pFile;
        return nullptr;
    }
    return pFile;
}

void AfcCloseArchiveFile(CFile* pFile, BOOL bAbort)
{
    if (bAbort) {
        pFile->Abort();
    } else {
        pFile->Close();
    }
    delete pFile;
}
