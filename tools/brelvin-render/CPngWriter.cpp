#include "tools/brelvin-render/CPngWriter.h"

#include <png.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

// libpng reports through longjmp; keep its own messages off stderr.
void PngError(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void PngWarning(png_structp, png_const_charp) {}

void ToRgb(const uint32_t* pRow, int cx, png_bytep pOut)
{
    for (int x = 0; x < cx; ++x) {
        *pOut++ = static_cast<png_byte>(pRow[x] >> 16);
        *pOut++ = static_cast<png_byte>(pRow[x] >> 8);
        *pOut++ = static_cast<png_byte>(pRow[x]);
    }
}

// Only plain data lives in this frame, since libpng leaves it by longjmp on errors.
bool WriteImage(FILE* pFile, const uint32_t* pPixels, int cx, int cy, png_bytep pRow)
{
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, PngError, PngWarning);
    if (png == nullptr) {
        return false;
    }
    png_infop info = png_create_info_struct(png);
    if (info == nullptr || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, pFile);
    png_set_IHDR(png, info, static_cast<png_uint_32>(cx), static_cast<png_uint_32>(cy), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < cy; ++y) {
        ToRgb(pPixels + static_cast<size_t>(y) * static_cast<size_t>(cx), cx, pRow);
        png_write_row(png, pRow);
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

// A new file would get these permissions.
mode_t DefaultMode()
{
    const mode_t nMask = umask(0);
    umask(nMask);
    return 0666 & ~nMask;
}

CString Reason(const char* pszWhat, const std::string& strPath, int nErrno)
{
    CString str;
    str.Format("cannot %s %s: %s", pszWhat, strPath.c_str(), std::strerror(nErrno));
    return str;
}

}  // namespace

BOOL CPngWriter::Write(LPCTSTR lpszPathName, const uint32_t* pPixels, int cx, int cy, CString& strError)
{
    const std::string strTarget = lpszPathName;
    std::string strTemp = strTarget + ".XXXXXX";
    const int fd = mkstemp(&strTemp[0]);
    if (fd < 0) {
        strError = Reason("write", strTarget, errno);
        return FALSE;
    }
    FILE* pFile = fdopen(fd, "wb");
    if (pFile == nullptr) {
        const int nErr = errno;
        close(fd);
        unlink(strTemp.c_str());
        strError = Reason("write", strTarget, nErr);
        return FALSE;
    }
    std::vector<png_byte> row(static_cast<size_t>(cx) * 3);
    errno = 0;
    bool bOk = WriteImage(pFile, pPixels, cx, cy, row.data());
    bOk = fflush(pFile) == 0 && bOk;
    int nErr = errno != 0 ? errno : EIO;
    bOk = fchmod(fd, DefaultMode()) == 0 && bOk;
    bOk = fclose(pFile) == 0 && bOk;
    if (bOk && rename(strTemp.c_str(), strTarget.c_str()) != 0) {
        nErr = errno;
        bOk = false;
    }
    if (!bOk) {
        unlink(strTemp.c_str());
        strError = Reason("write", strTarget, nErr);
        return FALSE;
    }
    return TRUE;
}
