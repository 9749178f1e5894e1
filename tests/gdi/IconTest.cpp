// Icons from resources, system cursors, and drawing icons on the surface.
#include "tests/gdi/SurfaceFixture.h"

#include <string>
#include <vector>

#include "platform/core/AfxResource.h"
#include "platform/gdi/AfxIcon.h"

namespace {

const UINT kTestIconId = 9128;
const char* const kRows32[32] = {
    "RRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRR", "R..............................R", "R.GGGGGGGGGGGGGGGGGGGGGGGGGGGG.R",
    "R.G..........................G.R", "R.G..........................G.R", "R.G..........................G.R",
    "R.G..........................G.R", "R.G..........................G.R", "R.G..........................G.R",
    "R.G..........................G.R", "R.G..........................G.R", "R.G..........................G.R",
    "R.G..........................G.R", "R.G..........................G.R", "R.G..........................G.R",
    "R.G..........................G.R", "R.G..........................G.R", "R.G..........................G.R",
    "R.G..........................G.R", "R.G..........................G.R", "R.G..........................G.R",
    "R.G..........................G.R", "R.G..........................G.R", "R.G..........................G.R",
    "R.G..........................G.R", "R.G..........................G.R", "R.G..........................G.R",
    "R.G..........................G.R", "R.G..........................G.R", "R.GGGGGGGGGGGGGGGGGGGGGGGGGGGG.R",
    "R..............................R", "RRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRB",
};
const COLORREF kPalette[] = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255)};
const AFX_ICON_RES_IMAGE kImages[] = {{32, 32, kRows32}};
const AFX_ICON_RES kIconRes = {"RGB", kPalette, kImages, 1, POINT{3, 4}};
const AFX_RESOURCE kResources[] = {{RT_ICON_GROUP, kTestIconId, &kIconRes}};
const AFX_RESOURCE_INIT kInit(kResources, 1);

// An icon of three sizes, each a single colour, listed largest first.
const std::string kG48(48, 'G'), kR16(16, 'R'), kB4(4, 'B');
const std::vector<const char*> kRowsG48(48, kG48.c_str()), kRowsR16(16, kR16.c_str()), kRowsB4(4, kB4.c_str());
const UINT kSizesIconId = 9140;
const AFX_ICON_RES_IMAGE kSizes[] = {{48, 48, kRowsG48.data()}, {16, 16, kRowsR16.data()}, {4, 4, kRowsB4.data()}};
const AFX_ICON_RES kSizesRes = {"RGB", kPalette, kSizes, 3, POINT{0, 0}};
const AFX_RESOURCE kSizesResources[] = {{RT_ICON_GROUP, kSizesIconId, &kSizesRes}};
const AFX_RESOURCE_INIT kSizesInit(kSizesResources, 1);

class Icons : public SurfaceFixture {};

TEST_F(Icons, EveryImageIsKeptAndAnyAskedSizeComesFromTheNearestLargerOne)
{
    HICON hIcon = AfxLoadIcon(kSizesIconId);
    ASSERT_NE(hIcon, nullptr);
    ASSERT_EQ(hIcon->images.size(), 3u);
    EXPECT_EQ(hIcon->images[0].cx, 4);
    EXPECT_EQ(hIcon->images[1].cx, 16);
    EXPECT_EQ(hIcon->images[2].cx, 48);
    const struct {
        int cx;
        uint32_t argb;  // the colour shows which image it came from
    } kAsked[] = {{4, 0xFF0000FFu}, {3, 0xFF0000FFu}, {5, 0xFFFF0000u}, {40, 0xFF00FF00u}, {96, 0xFF00FF00u}};
    for (const auto& asked : kAsked) {
        AFX_ICON_IMAGE image = AfxGetIconImage(hIcon, asked.cx);
        ASSERT_EQ(image.cx, asked.cx);
        ASSERT_EQ(image.bits.size(), static_cast<size_t>(asked.cx * asked.cx));
        EXPECT_EQ(image.bits[image.bits.size() / 2 + asked.cx / 2], asked.argb) << asked.cx;
    }
    EXPECT_TRUE(AfxGetIconImage(hIcon, 0).bits.empty());
    DestroyIcon(hIcon);
}

TEST_F(Icons, LoadedIconHasBothStandardSizes)
{
    EXPECT_EQ(GetSystemMetrics(SM_CXICON), 32);
    EXPECT_EQ(GetSystemMetrics(SM_CYSMICON), 16);
    HICON hIcon = AfxLoadIcon(kTestIconId);
    ASSERT_NE(hIcon, nullptr);
    EXPECT_EQ(hIcon->imageLarge.cx, 32);
    EXPECT_EQ(hIcon->imageLarge.cy, 32);
    EXPECT_EQ(hIcon->imageSmall.cx, 16);
    EXPECT_EQ(hIcon->imageSmall.cy, 16);
    EXPECT_EQ(hIcon->imageLarge.bits[0], 0xFFFF0000u);
    EXPECT_EQ(hIcon->imageLarge.bits[33], 0u);  // transparent
    EXPECT_EQ(hIcon->ptHotspot.x, 3);
    EXPECT_EQ(hIcon->nSystemCursor, 0u);
    HICON hByName = LoadIcon(reinterpret_cast<HINSTANCE>(1), MAKEINTRESOURCE(kTestIconId));
    ASSERT_NE(hByName, nullptr);
    EXPECT_EQ(hByName->imageLarge.bits, hIcon->imageLarge.bits);
    DestroyIcon(hByName);
    EXPECT_EQ(AfxLoadIcon(kTestIconId + 1), nullptr);
    DestroyIcon(hIcon);
}

TEST_F(Icons, DrawIconBlendsAtTheStandardSize)
{
    HICON hIcon = AfxLoadIcon(kTestIconId);
    ASSERT_NE(hIcon, nullptr);
    m_dc.DrawIcon(2, 2, hIcon);
    EXPECT_EQ(ChangedBox(), CRect(2, 2, 34, 34));
    EXPECT_EQ(Pixel(2, 2), RGB(255, 0, 0));
    EXPECT_EQ(Pixel(4, 4), RGB(0, 255, 0));
    EXPECT_EQ(Pixel(33, 33), RGB(0, 0, 255));
    EXPECT_EQ(Pixel(3, 3), kUntouched);
    EXPECT_EQ(Pixel(15, 15), kUntouched);

    Reset(RECT{0, 0, 10, 10});
    DrawIconEx(m_dc.GetSafeHdc(), 0, 0, hIcon, 16, 16, 0, nullptr, DI_NORMAL);
    EXPECT_EQ(ChangedBox(), CRect(0, 0, 10, 10));
    DestroyIcon(hIcon);
}

TEST_F(Icons, CopiesAreIndependentAndSystemCursorsAreShared)
{
    HICON hIcon = AfxLoadIcon(kTestIconId);
    HICON hCopy = CopyIcon(hIcon);
    ASSERT_NE(hCopy, nullptr);
    EXPECT_NE(hCopy, hIcon);
    DestroyIcon(hIcon);
    EXPECT_EQ(hCopy->imageLarge.bits[0], 0xFFFF0000u);
    DestroyIcon(hCopy);

    HCURSOR hHand = LoadCursor(nullptr, IDC_HAND);
    ASSERT_NE(hHand, nullptr);
    EXPECT_EQ(hHand->nSystemCursor, static_cast<UINT>(AFX_CURSOR_HAND));
    EXPECT_EQ(LoadCursor(nullptr, IDC_HAND), hHand);
    EXPECT_NE(LoadCursor(nullptr, IDC_ARROW), hHand);
    EXPECT_EQ(LoadCursor(nullptr, MAKEINTRESOURCE(1)), nullptr);
    DestroyCursor(hHand);  // shared: stays alive
    HCURSOR hOwn = CopyIcon(LoadCursor(nullptr, IDC_HAND));
    EXPECT_EQ(hOwn->nSystemCursor, static_cast<UINT>(AFX_CURSOR_HAND));
    EXPECT_TRUE(DestroyCursor(hOwn));

    // A cursor has no picture: drawing it changes nothing.
    m_dc.DrawIcon(0, 0, hHand);
    EXPECT_TRUE(ChangedBox().IsRectEmpty());
    HICON hApp = LoadIcon(nullptr, IDI_APPLICATION);
    ASSERT_NE(hApp, nullptr);
    m_dc.DrawIcon(0, 0, hApp);
    EXPECT_FALSE(ChangedBox().IsRectEmpty());
}

}  // namespace
