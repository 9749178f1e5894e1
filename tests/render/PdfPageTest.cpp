// brelvin-render's PDF, looked at with poppler's tools: rasterised, it is the PNG's picture
// in the same places; its text is where the cells are; fonts embedded, no image; its sheet.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <regex>
#include <sstream>

#include "platform/gdi/AfxGdi.h"
#include "tests/render/RenderTestSupport.h"

namespace {

const double kMargin = 10 * 72 / 25.4;

// Where the calendar lies on a sheet, in points: its top-left and the points per calendar
// pixel, the largest that leaves the margin free and centres it.
struct PLACE {
    double x;
    double y;
    double dFactor;
};

PLACE PlaceOn(double cxPage, double cyPage, int cx, int cy)
{
    const double k = std::min((cxPage - 2 * kMargin) / cx, (cyPage - 2 * kMargin) / cy);
    return PLACE{(cxPage - k * cx) / 2, (cyPage - k * cy) / 2, k};
}

const double kA4Width = 297 * 72 / 25.4;
const double kA4Height = 210 * 72 / 25.4;

// Standard output of a shell command that must succeed.
std::string RunCommand(const std::string& strCommand)
{
    std::string strOutput;
    FILE* pPipe = popen(strCommand.c_str(), "r");
    if (pPipe == nullptr) {
        ADD_FAILURE() << strCommand;
        return strOutput;
    }
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof(buffer), pPipe)) > 0;) {
        strOutput.append(buffer, n);
    }
    EXPECT_EQ(pclose(pPipe), 0) << strCommand;
    return strOutput;
}

struct PDF_WORD {
    std::string strText;
    double xMin, yMin, xMax, yMax;  // calendar pixels
};

// pdftotext's words, their boxes taken back to calendar pixels.
std::vector<PDF_WORD> WordsOf(const std::string& strPdf, const PLACE& place)
{
    const std::string strHtml = RunCommand("pdftotext -bbox '" + strPdf + "' -");
    const std::regex word("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" "
                          "yMax=\"([0-9.]+)\">([^<]*)</word>");
    std::vector<PDF_WORD> words;
    for (std::sregex_iterator it(strHtml.begin(), strHtml.end(), word), end; it != end; ++it) {
        auto x = [&](int i) { return (std::stod((*it)[i]) - place.x) / place.dFactor; };
        auto y = [&](int i) { return (std::stod((*it)[i]) - place.y) / place.dFactor; };
        words.push_back(PDF_WORD{(*it)[5], x(1), y(2), x(3), y(4)});
    }
    return words;
}

// Whether a word of that text lies inside rc, give or take half a pixel.
bool HasWordIn(const std::vector<PDF_WORD>& words, const std::string& strText, const CRect& rc)
{
    for (const PDF_WORD& w : words) {
        if (w.strText == strText && w.xMin >= rc.left - 0.5 && w.xMax <= rc.right + 0.5 && w.yMin >= rc.top - 0.5 &&
            w.yMax <= rc.bottom + 0.5) {
            return true;
        }
    }
    return false;
}

bool Near(COLORREF a, COLORREF b, int nTolerance)
{
    return std::abs(GetRValue(a) - GetRValue(b)) <= nTolerance && std::abs(GetGValue(a) - GetGValue(b)) <= nTolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= nTolerance;
}

// Pixels of one colour all around, two pixels deep: away from every edge and every glyph.
bool Settled(const PICTURE& pic, int x, int y)
{
    for (int dy = -2; dy <= 2; ++dy) {
        for (int dx = -2; dx <= 2; ++dx) {
            if (pic.At(x + dx, y + dy) != pic.At(x, y)) {
                return false;
            }
        }
    }
    return true;
}

class PdfPage : public ::testing::Test {
protected:
    std::string Render(const std::vector<std::string>& options, const std::string& name)
    {
        std::vector<std::string> args = options;
        args.push_back(m_folder.Path(name));
        const TOOL_RESULT r = RunTool(m_folder, args);
        EXPECT_EQ(r.nExitCode, 0) << r.strError;
        EXPECT_EQ(r.strError, "");
        return m_folder.Path(name);
    }

    TempFolder m_folder;
};

// At the resolution where a calendar pixel is a device pixel the page is the PNG: the
// header, the title bars, the weekday rows, the selected day, the white panels, each in its
// colour and at its place (anti-aliasing softens edges, and the glyphs are shaped their own
// way, so only pixels away from both are compared).
TEST_F(PdfPage, RasterisedItIsThePngsPictureInTheSamePlaces)
{
    const std::vector<std::string> options = {"--year", "2027", "--select", "2027-03-15"};
    const std::string strPdf = Render(options, "year.pdf");
    const PICTURE png = ReadPng(Render(options, "year.png"));
    const PLACE place = PlaceOn(kA4Width, kA4Height, 628, 499);
    char szCommand[512];
    std::snprintf(szCommand, sizeof(szCommand),
                  "pdftoppm -png -singlefile -r %.6f -x %ld -y %ld -W 628 -H 499 '%s' '%s'",
                  72 / place.dFactor, std::lround(place.x / place.dFactor), std::lround(place.y / place.dFactor),
                  strPdf.c_str(), m_folder.Path("page").c_str());
    RunCommand(szCommand);
    const PICTURE page = ReadPng(m_folder.Path("page.png"));
    ASSERT_EQ(page.cx, 628);
    ASSERT_EQ(page.cy, 499);

    std::map<COLORREF, int> compared;
    int nWrong = 0;
    for (int y = 2; y < 497; ++y) {
        for (int x = 2; x < 626; ++x) {
            if (Settled(png, x, y)) {
                ++compared[png.At(x, y)];
                nWrong += Near(page.At(x, y), png.At(x, y), 12) ? 0 : 1;
            }
        }
    }
    EXPECT_EQ(nWrong, 0);
    EXPECT_GT(compared[RGB(0x47, 0x47, 0x47)], 10000);                 // the header
    EXPECT_GT(compared[GetSysColor(COLOR_ACTIVECAPTION)], 15000);      // title bars
    EXPECT_GT(compared[GetSysColor(COLOR_INFOBK)], 5000);              // weekday rows
    EXPECT_GT(compared[RGB(255, 255, 255)], 100000);                   // the panels
    const CRect rcCell = CellFor(CRect(0, 0, 628, 499), 2027, 3, 15);
    int nSelected = 0;
    for (int y = rcCell.top; y < rcCell.bottom; ++y) {
        for (int x = rcCell.left; x < rcCell.right; ++x) {
            nSelected += Settled(png, x, y) && Near(page.At(x, y), GetSysColor(COLOR_HIGHLIGHT), 12) ? 1 : 0;
        }
    }
    EXPECT_GT(nSelected, 10);
}

TEST_F(PdfPage, TextIsInItsCellsFontsAreEmbeddedAndThereIsNoImage)
{
    const std::string strPdf = Render({"--year", "2027"}, "year.pdf");
    const CRect rcLayout(0, 0, 628, 499);
    const std::vector<PDF_WORD> words = WordsOf(strPdf, PlaceOn(kA4Width, kA4Height, 628, 499));
    int nDays = 0;
    for (int nMonth = 1; nMonth <= 12; ++nMonth) {
        for (int nDay = 1; nDay <= AFCYueObj(2027, nMonth, 1).GetDaysInMonth(); ++nDay) {
            const bool bFound = HasWordIn(words, std::to_string(nDay), CellFor(rcLayout, 2027, nMonth, nDay));
            EXPECT_TRUE(bFound) << nMonth << "/" << nDay;
            nDays += bFound ? 1 : 0;
        }
    }
    EXPECT_EQ(nDays, 365);
    EXPECT_TRUE(HasWordIn(words, "2027", CRect(0, 0, 628, 25)));
    const char* const months[] = {"January", "February", "March",     "April",   "May",      "June",
                                  "July",    "August",   "September", "October", "November", "December"};
    const std::vector<CRect> bars = TitleBarsFor(rcLayout);
    for (int i = 0; i < 12; ++i) {
        EXPECT_TRUE(HasWordIn(words, months[i], bars[static_cast<size_t>(i)])) << months[i];
    }

    std::istringstream fonts(RunCommand("pdffonts '" + strPdf + "'"));
    std::string strLine;
    int nFonts = 0;
    for (int nLine = 0; std::getline(fonts, strLine); ++nLine) {
        // name type encoding emb sub uni object generation
        std::istringstream fields(strLine);
        std::vector<std::string> f{std::istream_iterator<std::string>(fields), std::istream_iterator<std::string>()};
        if (nLine >= 2 && f.size() >= 6) {
            EXPECT_EQ(f[f.size() - 5], "yes") << strLine;
            EXPECT_EQ(f[f.size() - 4], "yes") << strLine;
            ++nFonts;
        }
    }
    EXPECT_GE(nFonts, 1);
    const std::string strImages = RunCommand("pdfimages -list '" + strPdf + "'");
    EXPECT_EQ(std::count(strImages.begin(), strImages.end(), '\n'), 2) << strImages;
    const std::string strInfo = RunCommand("pdfinfo '" + strPdf + "'");
    EXPECT_NE(strInfo.find("\nPages:           1\n"), std::string::npos) << strInfo;
    EXPECT_NE(strInfo.find("Title:           Brelvin 2027\n"), std::string::npos) << strInfo;
    EXPECT_NE(strInfo.find("\nCreator:         brelvin-render " BRELVIN_PROJECT_VERSION "\n"), std::string::npos);
    EXPECT_NE(strInfo.find("\nPage size:       841.89 x 595.276 pts (A4)\n"), std::string::npos) << strInfo;
    // The other sheets, landscape too.
    const std::string strLetter = RunCommand("pdfinfo '" + Render({"--paper", "letter"}, "letter.pdf") + "'");
    EXPECT_NE(strLetter.find("\nPage size:       792 x 612 pts (letter)\n"), std::string::npos) << strLetter;
    const std::string strA3 = RunCommand("pdfinfo '" + Render({"--paper", "A3"}, "a3.pdf") + "'");
    EXPECT_NE(strA3.find("\nPage size:       1190.55 x 841.89 pts (A3)\n"), std::string::npos) << strA3;
}

// Each sheet lies on its long side; the calendar fills it up to the margin on the side
// where it fits tightest and is centred on the other: found on the page at 72 dpi, one
// pixel a point, by its header bar.
TEST_F(PdfPage, EverySheetLandscapeWithTheCalendarCentredInsideItsMargins)
{
    const struct {
        std::vector<std::string> options;
        double cxPage, cyPage;
        int cx, cy;
    } cases[] = {
        {{}, kA4Width, kA4Height, 628, 499},
        {{"--size", "1600x300"}, kA4Width, kA4Height, 1600, 300},
        {{"--paper", "letter"}, 11 * 72.0, 8.5 * 72, 628, 499},
        {{"--paper", "A3", "--size", "300x900"}, 420 * 72 / 25.4, 297 * 72 / 25.4, 300, 900},
    };
    for (const auto& c : cases) {
        const std::string strPdf = Render(c.options, "sheet.pdf");
        RunCommand("pdftoppm -png -singlefile -r 72 '" + strPdf + "' '" + m_folder.Path("sheet") + "'");
        const PICTURE sheet = ReadPng(m_folder.Path("sheet.png"));
        EXPECT_EQ(sheet.cx, std::ceil(c.cxPage));
        EXPECT_EQ(sheet.cy, std::ceil(c.cyPage));
        // The header's rows down a column that no text crosses, its ends along its second row.
        const PLACE place = PlaceOn(c.cxPage, c.cyPage, c.cx, c.cy);
        const COLORREF crHeader = RGB(0x47, 0x47, 0x47);
        const int xProbe = static_cast<int>(place.x + place.dFactor * c.cx * 0.3);
        CRect rcHeader;
        while (rcHeader.top < sheet.cy && sheet.At(xProbe, rcHeader.top) != crHeader) {
            ++rcHeader.top;
        }
        rcHeader.bottom = rcHeader.top;
        while (rcHeader.bottom < sheet.cy && sheet.At(xProbe, rcHeader.bottom) == crHeader) {
            ++rcHeader.bottom;
        }
        ASSERT_LT(rcHeader.top, sheet.cy);
        for (int x = 0; x < sheet.cx; ++x) {
            if (sheet.At(x, rcHeader.top + 1) == crHeader) {
                rcHeader.left = rcHeader.right == 0 ? x : rcHeader.left;
                rcHeader.right = x + 1;
            }
        }
        const std::string strCase = testing::PrintToString(c.options);
        EXPECT_NEAR(rcHeader.left, place.x, 1.5) << strCase;
        EXPECT_NEAR(rcHeader.top, place.y, 1.5) << strCase;
        EXPECT_NEAR(rcHeader.right, place.x + place.dFactor * c.cx, 1.5) << strCase;
        EXPECT_NEAR(rcHeader.bottom, place.y + place.dFactor * 25, 1.5) << strCase;
        EXPECT_TRUE(std::abs(place.x - kMargin) < 0.01 || std::abs(place.y - kMargin) < 0.01) << strCase;
    }
}

}  // namespace
