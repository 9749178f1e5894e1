// Where a picture goes: a file, by the rules of a safe save (CMirrorFile): written to a
// temporary file beside the target and renamed over it only once complete, links written
// through, permissions kept, anything but a regular file refused, and the temporary file
// removed by SIGINT or SIGTERM while it is written; or "-", standard output.
#pragma once

#include <cstddef>

#include "platform/core/CMirrorFile.h"
#include "platform/core/CString.h"
#include "tools/brelvin-render/CInterruptCleanup.h"

class CRenderOutput {
public:
    CRenderOutput();
    // Whatever was not committed is removed.
    ~CRenderOutput();
    CRenderOutput(const CRenderOutput&) = delete;
    CRenderOutput& operator=(const CRenderOutput&) = delete;

    // FALSE with the reason in strError when the output cannot be opened.
    BOOL Open(LPCTSTR lpszPathName, CString& strError);
    // FALSE once a write has failed; nothing is written after that.
    BOOL Write(const void* pData, size_t nLength);
    // Makes the file the target, when everything was written and the writer succeeded
    // (lpszWriterError null). Otherwise, or when the rename fails, FALSE with a one-line
    // reason naming the output, and nothing is left behind.
    BOOL Close(LPCTSTR lpszWriterError, CString& strError);

private:
    CString Reason(LPCTSTR lpszCause) const;

    CInterruptCleanup m_cleanup;
    CMirrorFile m_file;
    CFile m_stdout;
    CFile* m_pFile;
    CString m_strName;
    int m_nOsError;
};
