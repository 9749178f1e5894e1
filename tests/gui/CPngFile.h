// A PNG file read into 0x00RRGGBB pixels, row by row.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class CPngFile {
public:
    bool Read(const std::string& strPath);
    int m_cx = 0;
    int m_cy = 0;
    std::vector<uint32_t> m_pixels;
};
