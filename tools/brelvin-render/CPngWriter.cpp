#include "tools/brelvin-render/CPngWriter.h"

#include <png.h>

#include <cerrno>
#include <csetjmp>
#include <cstring>
#include <vector>

#include "tools/brelvin-render/CRenderOutput.h"

namespace {

// libpng reports through longjmp; keep its own messages off stderr.
void PngError(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void PngWarning(png_structp, png_const_charp) {}

// A failed write goes back as a libpng error.
void PngWrite(png_structp png, png_bytep pData, png_size_t nLength)
{
    if (!static_cast<CRenderOutput*>(png_get_io_ptr(png))->Write(pData, nLength)) {
        png_error(png, "write");
    }
}

// The file is committed to the disk when it is closed.
void PngFlush(png_structp) {}

void ToRgb(const uint32_t* pRow, int cx, png_bytep pOut)
{
    for (int x = 0; x < cx; ++x) {
        *pOut++ = static_cast<png_byte>(pRow[x] >> 16);
        *pOut++ = static_cast<png_byte>(pRow[x] >> 8);
        *pOut++ = static_cast<png_byte>(pRow[x]);
    }
}

// Only plain data lives in this frame, since libpng leaves it by longjmp on errors.
bool WriteImage(CRenderOutput* pOutput, const uint32_t* pPixels, int cx, int cy, png_bytep pRow)
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
    png_set_write_fn(png, pOutput, PngWrite, PngFlush);
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

}  // namespace

BOOL CPngWriter::Write(LPCTSTR lpszPathName, const uint32_t* pPixels, int cx, int cy, CString& strError)
{
    std::vector<png_byte> row(static_cast<size_t>(cx) * 3);
    CRenderOutput output;
    if (!output.Open(lpszPathName, strError)) {
        return FALSE;
    }
    const bool bWritten = WriteImage(&output, pPixels, cx, cy, row.data());
    return output.Close(bWritten ? nullptr : std::strerror(EIO), strError);
}
