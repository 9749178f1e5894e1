#include "tools/brelvin-icons/IconFiles.h"

#include <png.h>

#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

// libpng reports through longjmp; keep its own messages off stderr.
void PngError(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void PngWarning(png_structp, png_const_charp) {}

// 0xAARRGGBB to the R, G, B, A bytes of a PNG row.
std::vector<png_byte> RgbaRow(const AFX_ICON_IMAGE& image, int y)
{
    std::vector<png_byte> row;
    for (int x = 0; x < image.cx; ++x) {
        const uint32_t argb = image.bits[static_cast<size_t>(y) * image.cx + x];
        for (int nShift : {16, 8, 0, 24})
            row.push_back(static_cast<png_byte>(argb >> nShift));
    }
    return row;
}

// Only plain data lives in this frame, since libpng leaves it by longjmp on errors.
bool WritePng(FILE* pFile, const std::vector<std::vector<png_byte>>& rows, int cx)
{
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, PngError, PngWarning);
    if (png == nullptr)
        return false;
    png_infop info = png_create_info_struct(png);
    if (info == nullptr || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, pFile);
    png_set_IHDR(png, info, static_cast<png_uint_32>(cx), static_cast<png_uint_32>(rows.size()), 8,
                 PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (const std::vector<png_byte>& row : rows)
        png_write_row(png, row.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

BOOL Fail(LPCTSTR lpszPathName, int nErrno, CString& strError)
{
    strError.Format("cannot write %s: %s", lpszPathName, std::strerror(nErrno != 0 ? nErrno : EIO));
    return FALSE;
}

// One rectangle of a single colour: a run of pixels, grown down while the rows below
// hold the same run.
struct ICON_RECT {
    int x, y, cx, cy;
    uint32_t argb;
};

std::vector<ICON_RECT> Rectangles(const AFX_ICON_IMAGE& image)
{
    std::vector<ICON_RECT> rects;
    std::vector<ICON_RECT> open;  // runs of the row above that may still grow
    for (int y = 0; y < image.cy; ++y) {
        std::vector<ICON_RECT> next;
        for (int x = 0; x < image.cx;) {
            const uint32_t argb = image.bits[static_cast<size_t>(y) * image.cx + x];
            int nEnd = x + 1;
            while (nEnd < image.cx && image.bits[static_cast<size_t>(y) * image.cx + nEnd] == argb)
                ++nEnd;
            ICON_RECT run = {x, y, nEnd - x, 1, argb};
            for (ICON_RECT& above : open) {
                if (above.x == run.x && above.cx == run.cx && above.argb == run.argb) {
                    run = above;
                    run.cy += 1;
                    above.cx = 0;  // taken over by this row
                }
            }
            next.push_back(run);
            x = nEnd;
        }
        for (const ICON_RECT& closed : open) {
            if (closed.cx > 0 && (closed.argb >> 24) != 0)
                rects.push_back(closed);
        }
        open = next;
    }
    for (const ICON_RECT& closed : open) {
        if ((closed.argb >> 24) != 0)
            rects.push_back(closed);
    }
    return rects;
}

}  // namespace

BOOL WriteIconPng(LPCTSTR lpszPathName, const AFX_ICON_IMAGE& image, CString& strError)
{
    std::vector<std::vector<png_byte>> rows;
    for (int y = 0; y < image.cy; ++y)
        rows.push_back(RgbaRow(image, y));
    FILE* pFile = std::fopen(lpszPathName, "wb");
    if (pFile == nullptr)
        return Fail(lpszPathName, errno, strError);
    errno = 0;
    bool bOk = WritePng(pFile, rows, image.cx);
    bOk = std::fclose(pFile) == 0 && bOk;
    return bOk ? TRUE : Fail(lpszPathName, errno, strError);
}

BOOL WriteIconSvg(LPCTSTR lpszPathName, const AFX_ICON_IMAGE& image, CString& strError)
{
    FILE* pFile = std::fopen(lpszPathName, "w");
    if (pFile == nullptr)
        return Fail(lpszPathName, errno, strError);
    std::fprintf(pFile,
                 "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%d\" height=\"%d\" viewBox=\"0 0 %d %d\" "
                 "shape-rendering=\"crispEdges\">\n",
                 image.cx, image.cy, image.cx, image.cy);
    for (const ICON_RECT& rc : Rectangles(image)) {
        std::fprintf(pFile, "<rect x=\"%d\" y=\"%d\" width=\"%d\" height=\"%d\" fill=\"#%06x\"", rc.x, rc.y, rc.cx, rc.cy,
                     rc.argb & 0xFFFFFFu);
        if ((rc.argb >> 24) != 0xFF)
            std::fprintf(pFile, " fill-opacity=\"%.3f\"", (rc.argb >> 24) / 255.0);
        std::fputs("/>\n", pFile);
    }
    std::fputs("</svg>\n", pFile);
    errno = 0;
    const bool bOk = std::ferror(pFile) == 0;
    return std::fclose(pFile) == 0 && bOk ? TRUE : Fail(lpszPathName, errno, strError);
}
