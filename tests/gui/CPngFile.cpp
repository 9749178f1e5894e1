#include "tests/gui/CPngFile.h"

#include <png.h>

#include <cstring>

bool CPngFile::Read(const std::string& strPath)
{
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, strPath.c_str()))
        return false;
    image.format = PNG_FORMAT_RGB;
    std::vector<png_byte> bytes(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, bytes.data(), 0, nullptr)) {
        png_image_free(&image);
        return false;
    }
    m_cx = static_cast<int>(image.width);
    m_cy = static_cast<int>(image.height);
    m_pixels.clear();
    for (size_t i = 0; i + 2 < bytes.size(); i += 3)
        m_pixels.push_back((uint32_t(bytes[i]) << 16) | (uint32_t(bytes[i + 1]) << 8) | bytes[i + 2]);
    return true;
}
