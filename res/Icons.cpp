// Icon 128: a calendar page with a red binding, rings, day dots with Sunday in red and
// one day picked out, at 32x32 and 16x16 in colours of the 16-colour palette.
#include "platform/core/AfxResource.h"
#include "platform/gdi/AfxIcon.h"
#include "res/resource.h"

namespace {

// '.' is not in the palette: a transparent pixel.
const char kPaletteKeys[] = "kwrRdgb";
const COLORREF kPaletteColors[] = {
    RGB(0, 0, 0),        // k: outline and rings
    RGB(255, 255, 255),  // w: paper
    RGB(128, 0, 0),      // r: binding
    RGB(255, 0, 0),      // R: Sundays
    RGB(128, 128, 128),  // d: days and shadow
    RGB(192, 192, 192),  // g: ring holes
    RGB(0, 0, 128),      // b: the picked day
};

const char* const kPage32[] = {
    ".......kk............kk.........",
    ".......gg............gg.........",
    ".kkkkkkggkkkkkkkkkkkkggkkkkkkk..",
    ".krrrrrggrrrrrrrrrrrrggrrrrrrk..",
    ".krrrrrkkrrrrrrrrrrrrkkrrrrrrkdd",
    ".krrrrrrrrrrrrrrrrrrrrrrrrrrrkdd",
    ".krrrrrrrrrrrrrrrrrrrrrrrrrrrkdd",
    ".krrrrrrrrrrrrrrrrrrrrrrrrrrrkdd",
    ".krrrrrrrrrrrrrrrrrrrrrrrrrrrkdd",
    ".kkkkkkkkkkkkkkkkkkkkkkkkkkkkkdd",
    ".kwwwwwwwwwwwwwwwwwwwwwwwwwwwkdd",
    ".kwwwwwwwwwwwwwddwwddwwddwwddkdd",
    ".kwwwwwwwwwwwwwddwwddwwddwwddkdd",
    ".kwwwwwwwwwwwwwwwwwwwwwwwwwwwkdd",
    ".kwwwwwwwwwwwwwwwwwwwwwwwwwwwkdd",
    ".kwRRwwddwwddwwddwwddwwddwwddkdd",
    ".kwRRwwddwwddwwddwwddwwddwwddkdd",
    ".kwwwwwwwwwwwwwwwwwwwwwwwwwwwkdd",
    ".kwwwwwwwwwwwwbbbbwwwwwwwwwwwkdd",
    ".kwRRwwddwwddwbbbbwddwwddwwddkdd",
    ".kwRRwwddwwddwbbbbwddwwddwwddkdd",
    ".kwwwwwwwwwwwwbbbbwwwwwwwwwwwkdd",
    ".kwwwwwwwwwwwwwwwwwwwwwwwwwwwkdd",
    ".kwRRwwddwwddwwddwwddwwddwwddkdd",
    ".kwRRwwddwwddwwddwwddwwddwwddkdd",
    ".kwwwwwwwwwwwwwwwwwwwwwwwwwwwkdd",
    ".kwwwwwwwwwwwwwwwwwwwwwwwwwwwkdd",
    ".kwRRwwddwwddwwddwwddwwddwwddkdd",
    ".kwRRwwddwwddwwddwwddwwddwwddkdd",
    ".kkkkkkkkkkkkkkkkkkkkkkkkkkkkkdd",
    "...ddddddddddddddddddddddddddddd",
    "...ddddddddddddddddddddddddddddd",
};

const char* const kPage16[] = {
    "....k.....k.....",
    "kkkkkkkkkkkkkkk.",
    "krrrkrrrrrkrrrkd",
    "krrrrrrrrrrrrrkd",
    "krrrrrrrrrrrrrkd",
    "kkkkkkkkkkkkkkkd",
    "kwwwwwwwwwwwwwkd",
    "kwwwwwwdwdwdwdkd",
    "kwwwwwwwwwwwwwkd",
    "kRwdwdwbwdwdwdkd",
    "kwwwwwwwwwwwwwkd",
    "kRwdwdwdwdwdwdkd",
    "kwwwwwwwwwwwwwkd",
    "kRwdwdwdwdwdwdkd",
    "kkkkkkkkkkkkkkkd",
    "..dddddddddddddd",
};

const AFX_ICON_RES_IMAGE kImages[] = {
    {32, 32, kPage32},
    {16, 16, kPage16},
};

const AFX_ICON_RES kMainIcon = {kPaletteKeys, kPaletteColors, kImages, 2, {0, 0}};

const AFX_RESOURCE s_icons[] = {
    {RT_ICON_GROUP, IDR_MAINFRAME, &kMainIcon},
};

const AFX_RESOURCE_INIT s_iconsInit(s_icons, sizeof(s_icons) / sizeof(s_icons[0]));

}  // namespace
