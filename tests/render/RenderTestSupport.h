// Running brelvin-render as a process, reading the PNG files it writes, and where the
// calendar's parts are for a given set of bounds.
#pragma once

#include <fcntl.h>
#include <png.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "calendar/AFCYearObj.h"
#include "platform/core/CRect.h"
#include "tests/core/TempFolder.h"

extern char** environ;

struct TOOL_RESULT {
    int nExitCode = -1;  // -1: did not exit normally
    std::string strOutput;
    std::string strError;
};

// Starts the tool with args and with SIGINT and SIGTERM at their defaults; its standard
// output and error go to the files named, or nowhere. 0 when it cannot be started.
inline pid_t StartTool(const std::vector<std::string>& args, const std::string& strOutFile = "/dev/null",
                       const std::string& strErrFile = "/dev/null")
{
    std::vector<std::string> all = {BRELVIN_RENDER_PATH};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& s : all) {
        argv.push_back(&s[0]);
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, strOutFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, strErrFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
    sigset_t defaults;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGINT);
    sigaddset(&defaults, SIGTERM);
    posix_spawnattr_setsigdefault(&attr, &defaults);
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSIGDEF);
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], &actions, &attr, argv.data(), environ) != 0) {
        pid = 0;
    }
    posix_spawnattr_destroy(&attr);
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

// Runs the tool with args, its standard output and error collected in files of folder.
inline TOOL_RESULT RunTool(const TempFolder& folder, const std::vector<std::string>& args)
{
    const std::string strOutFile = folder.Path(".stdout");
    const std::string strErrFile = folder.Path(".stderr");
    TOOL_RESULT result;
    const pid_t pid = StartTool(args, strOutFile, strErrFile);
    int nStatus = 0;
    if (pid != 0 && waitpid(pid, &nStatus, 0) == pid) {
        result.nExitCode = WIFEXITED(nStatus) ? WEXITSTATUS(nStatus) : -1;
    }
    result.strOutput = TempFolder::ReadFile(strOutFile);
    result.strError = TempFolder::ReadFile(strErrFile);
    std::remove(strOutFile.c_str());
    std::remove(strErrFile.c_str());
    return result;
}

struct PICTURE {
    int cx = 0;
    int cy = 0;
    std::vector<uint32_t> pixels;  // 0x00RRGGBB

    COLORREF At(int x, int y) const
    {
        const uint32_t px = pixels[static_cast<size_t>(y) * cx + x];
        return RGB((px >> 16) & 0xFF, (px >> 8) & 0xFF, px & 0xFF);
    }
};

// An 8-bit RGB PNG; an empty picture if the file is not one.
inline PICTURE ReadPng(const std::string& strPath)
{
    PICTURE pic;
    png_image image = {};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, strPath.c_str())) {
        return pic;
    }
    image.format = PNG_FORMAT_BGRA;  // one 32-bit word 0xAARRGGBB per pixel in memory
    std::vector<uint32_t> pixels(static_cast<size_t>(image.width) * image.height);
    if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr)) {
        return pic;
    }
    for (uint32_t& px : pixels) {
        px &= 0xFFFFFFu;
    }
    pic.cx = static_cast<int>(image.width);
    pic.cy = static_cast<int>(image.height);
    pic.pixels = std::move(pixels);
    return pic;
}

// Where the title bar of each month panel lies when the calendar is laid out in rcBounds:
// the panel's rectangle less one pixel at the left, top and right, one grid row high.
inline std::vector<CRect> TitleBarsFor(const CRect& rcBounds)
{
    AFCYearObj year(2000, rcBounds);
    std::vector<CRect> bars;
    POSITION pos = year.m_MonthList.GetHeadPosition();
    while (pos != nullptr) {
        const AFCYueObj* pMonth = year.m_MonthList.GetNext(pos);
        const RECT& rc = pMonth->m_rcBounds;
        bars.emplace_back(rc.left + 1, rc.top + 1, rc.right - 1, rc.top + 1 + pMonth->m_nCellHeight);
    }
    return bars;
}

// The cell of a date when the calendar of its year is laid out in rcBounds.
inline CRect CellFor(const CRect& rcBounds, int nYear, int nMonth, int nDay)
{
    AFCYearObj year(nYear, rcBounds);
    POSITION pos = year.m_MonthList.FindIndex(nMonth - 1);
    const AFCYueObj* pMonth = year.m_MonthList.GetAt(pos);
    const CObject* pDay = pMonth->m_DayList.GetAt(pMonth->m_DayList.FindIndex(nDay - 1));
    return CRect(static_cast<const AFCDayObj*>(pDay)->m_rcCell);
}
