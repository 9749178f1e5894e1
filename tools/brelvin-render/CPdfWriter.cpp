#include "tools/brelvin-render/CPdfWriter.h"

#include <cerrno>
#include <cstring>

#include "platform/core/AfxVersionInfo.h"
#include "platform/gdi/CDC.h"
#include "platform/gdi/pdf/AfxPdfDevice.h"
#include "tools/brelvin-render/CCalendarPicture.h"
#include "tools/brelvin-render/CRenderOutput.h"

namespace {

const double kPointsPerMm = 72 / 25.4;
const double kMarginMm = 10;

// Landscape sheets, long side first, in millimetres.
struct PAPER_SIZE {
    double cxMm;
    double cyMm;
};
const PAPER_SIZE kPapers[] = {{297, 210}, {279.4, 215.9}, {420, 297}};

BOOL WriteToOutput(void* pContext, const unsigned char* pData, unsigned int nLength)
{
    return static_cast<CRenderOutput*>(pContext)->Write(pData, nLength);
}

}  // namespace

BOOL CPdfWriter::Write(LPCTSTR lpszPathName, CCalendarPicture& picture, Paper nPaper, CString& strError)
{
    CRenderOutput output;
    if (!output.Open(lpszPathName, strError)) {
        return FALSE;
    }
    CString strTitle;
    strTitle.Format("Brelvin %d", picture.GetYearObj().m_nYear);
    const CString strCreator = "brelvin-render " + AfxGetFileVersionText();
    const PAPER_SIZE& paper = kPapers[nPaper];
    const AFX_PDF_PAGE page = {paper.cxMm * kPointsPerMm, paper.cyMm * kPointsPerMm, kMarginMm * kPointsPerMm,
                               picture.ClientWidth(), picture.ClientHeight(), strTitle, strCreator};
    AfxPdfDevice device(page, WriteToOutput, &output);
    CDC dc;
    if (!dc.Attach(device.CreateDC())) {
        return output.Close(std::strerror(ENOMEM), strError);
    }
    picture.Print(&dc);
    dc.DeleteDC();
    CString strCairo;
    if (!device.Finish(strCairo)) {
        return output.Close("cairo: " + strCairo, strError);
    }
    return output.Close(nullptr, strError);
}
