// Text of labels and links: one line that nobody edits or selects, counted in characters.
#include <cstring>

#include "platform/backend/AfxAtspiServer.h"
#include "platform/core/AfxUtf8.h"

namespace {

const uint32_t kBoundaryChar = 0;
const uint32_t kGranularityWord = 1;
const uint32_t kBoundaryWordEnd = 2;

// Where each character of the text starts, and the text's end.
std::vector<size_t> CharStarts(const std::string& strText)
{
    std::vector<size_t> starts;
    for (size_t i = 0; i < strText.size();) {
        starts.push_back(i);
        const int nLength = AfxUtf8CharLength(strText.c_str() + i);
        i += nLength > 0 ? static_cast<size_t>(nLength) : 1;
    }
    starts.push_back(strText.size());
    return starts;
}

struct TEXT {
    std::string strText;
    std::vector<size_t> starts;
    int Count() const { return static_cast<int>(starts.size()) - 1; }
    int Clamp(int nOffset) const { return nOffset < 0 ? 0 : nOffset > Count() ? Count() : nOffset; }
    std::string Range(int nStart, int nEnd) const
    {
        nStart = Clamp(nStart);
        nEnd = nEnd < 0 ? Count() : Clamp(nEnd);
        return nEnd <= nStart ? std::string() : strText.substr(starts[nStart], starts[nEnd] - starts[nStart]);
    }
    bool IsSpace(int nOffset) const { return strText[starts[nOffset]] == ' '; }
};

TEXT TextOf(void* pUserData)
{
    const AFX_ATSPI_NODE* pNode = AfxAtspiNode(AfxAtspiIdFromUserData(pUserData));
    TEXT text;
    text.strText = pNode != nullptr ? pNode->strText : std::string();
    text.starts = CharStarts(text.strText);
    return text;
}

// The piece of the text at an offset: a character, a word (a run without blanks), or the
// whole line for anything longer.
void PieceAt(const TEXT& text, int nOffset, uint32_t nKind, bool bWords, int& nStart, int& nEnd)
{
    nStart = 0;
    nEnd = text.Count();
    if (nOffset < 0 || nOffset >= text.Count()) {
        nStart = nEnd = text.Clamp(nOffset);
    } else if (nKind == kBoundaryChar) {
        nStart = nOffset;
        nEnd = nOffset + 1;
    } else if (bWords) {
        for (nStart = nOffset; nStart > 0 && !text.IsSpace(nStart - 1);)
            --nStart;
        for (nEnd = nOffset; nEnd < text.Count() && !text.IsSpace(nEnd);)
            ++nEnd;
    }
}

int ReplyPiece(sd_bus_message* pCall, const TEXT& text, int nStart, int nEnd)
{
    return sd_bus_reply_method_return(pCall, "sii", text.Range(nStart, nEnd).c_str(), nStart, nEnd);
}

int GetTextAtOffset(sd_bus_message* pCall, void* pUserData, sd_bus_error*)
{
    int32_t nOffset = 0;
    uint32_t nType = 0;
    sd_bus_message_read(pCall, "iu", &nOffset, &nType);
    const bool bGranularity = std::strcmp(sd_bus_message_get_member(pCall), "GetStringAtOffset") == 0;
    const bool bWords = bGranularity ? nType == kGranularityWord : nType == 1 || nType == kBoundaryWordEnd;
    const TEXT text = TextOf(pUserData);
    int nStart = 0, nEnd = 0;
    PieceAt(text, nOffset, nType, bWords, nStart, nEnd);
    return ReplyPiece(pCall, text, nStart, nEnd);
}

// Only characters have neighbours: the text is one line.
int GetTextBeside(sd_bus_message* pCall, void* pUserData, sd_bus_error*)
{
    int32_t nOffset = 0;
    uint32_t nType = 0;
    sd_bus_message_read(pCall, "iu", &nOffset, &nType);
    const TEXT text = TextOf(pUserData);
    const bool bBefore = std::strcmp(sd_bus_message_get_member(pCall), "GetTextBeforeOffset") == 0;
    const int nAt = text.Clamp(bBefore ? nOffset - 1 : nOffset + 1);
    if (nType != kBoundaryChar || nAt >= text.Count() || (bBefore && nOffset <= 0))
        return ReplyPiece(pCall, text, nAt, nAt);
    return ReplyPiece(pCall, text, nAt, nAt + 1);
}

int GetText(sd_bus_message* pCall, void* pUserData, sd_bus_error*)
{
    int32_t nStart = 0, nEnd = -1;
    sd_bus_message_read(pCall, "ii", &nStart, &nEnd);
    return sd_bus_reply_method_return(pCall, "s", TextOf(pUserData).Range(nStart, nEnd).c_str());
}

int GetCharacterAtOffset(sd_bus_message* pCall, void* pUserData, sd_bus_error*)
{
    int32_t nOffset = 0;
    sd_bus_message_read(pCall, "i", &nOffset);
    const TEXT text = TextOf(pUserData);
    int32_t nChar = 0;
    if (nOffset >= 0 && nOffset < text.Count()) {
        const std::string strChar = text.Range(nOffset, nOffset + 1);
        nChar = static_cast<unsigned char>(strChar[0]);
        if (strChar.size() > 1)
            nChar &= 0x3F >> (strChar.size() - 1);
        for (size_t i = 1; i < strChar.size(); ++i)
            nChar = (nChar << 6) | (static_cast<unsigned char>(strChar[i]) & 0x3F);
    }
    return sd_bus_reply_method_return(pCall, "i", nChar);
}

// The text's own metrics are not at hand here: each character gets an equal share of the
// node's width.
RECT CharsRect(void* pUserData, int nStart, int nEnd, uint32_t nCoordType)
{
    const AFX_ATSPI_NODE* pNode = AfxAtspiNode(AfxAtspiIdFromUserData(pUserData));
    const int nCount = TextOf(pUserData).Count();
    RECT rc = {0, 0, 0, 0};
    if (pNode == nullptr || nCount == 0)
        return rc;
    rc = pNode->rcScreen;
    const int cx = rc.right - rc.left;
    rc.right = rc.left + cx * nEnd / nCount;
    rc.left += cx * nStart / nCount;
    if (nCoordType == 1)
        OffsetRect(&rc, -pNode->ptWindow.x, -pNode->ptWindow.y);
    return rc;
}

int GetCharacterExtents(sd_bus_message* pCall, void* pUserData, sd_bus_error*)
{
    int32_t nOffset = 0;
    uint32_t nCoordType = 0;
    sd_bus_message_read(pCall, "iu", &nOffset, &nCoordType);
    const RECT rc = CharsRect(pUserData, nOffset, nOffset + 1, nCoordType);
    return sd_bus_reply_method_return(pCall, "iiii", rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top);
}

int GetRangeExtents(sd_bus_message* pCall, void* pUserData, sd_bus_error*)
{
    int32_t nStart = 0, nEnd = 0;
    uint32_t nCoordType = 0;
    sd_bus_message_read(pCall, "iiu", &nStart, &nEnd, &nCoordType);
    const RECT rc = CharsRect(pUserData, nStart, nEnd, nCoordType);
    return sd_bus_reply_method_return(pCall, "iiii", rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top);
}

int GetOffsetAtPoint(sd_bus_message* pCall, void* pUserData, sd_bus_error*)
{
    int32_t x = 0, y = 0;
    uint32_t nCoordType = 0;
    sd_bus_message_read(pCall, "iiu", &x, &y, &nCoordType);
    const int nCount = TextOf(pUserData).Count();
    const RECT rc = CharsRect(pUserData, 0, nCount, nCoordType);
    const POINT pt = {x, y};
    const int cx = rc.right - rc.left;
    const int nOffset = PtInRect(&rc, pt) && cx > 0 ? (x - rc.left) * nCount / cx : -1;
    return sd_bus_reply_method_return(pCall, "i", nOffset);
}

int GetAttributes(sd_bus_message* pCall, void* pUserData, sd_bus_error*)
{
    return sd_bus_reply_method_return(pCall, "a{ss}ii", 0, 0, TextOf(pUserData).Count());
}

int GetAttributeValue(sd_bus_message* pCall, void*, sd_bus_error*) { return sd_bus_reply_method_return(pCall, "s", ""); }

int GetNoAttributes(sd_bus_message* pCall, void*, sd_bus_error*) { return sd_bus_reply_method_return(pCall, "a{ss}", 0); }

int GetNSelections(sd_bus_message* pCall, void*, sd_bus_error*) { return sd_bus_reply_method_return(pCall, "i", 0); }

int GetSelection(sd_bus_message* pCall, void*, sd_bus_error*) { return sd_bus_reply_method_return(pCall, "ii", 0, 0); }

int GetBoundedRanges(sd_bus_message* pCall, void*, sd_bus_error*)
{
    return sd_bus_reply_method_return(pCall, "a(iisv)", 0);
}

// Nothing is selected, moved or scrolled in a label.
int Refuse(sd_bus_message* pCall, void*, sd_bus_error*) { return sd_bus_reply_method_return(pCall, "b", 0); }

int GetTextProperty(sd_bus*, const char*, const char*, const char* pszProperty, sd_bus_message* pReply,
                    void* pUserData, sd_bus_error*)
{
    if (std::strcmp(pszProperty, "CaretOffset") == 0)
        return sd_bus_message_append(pReply, "i", -1);
    return sd_bus_message_append(pReply, "i", TextOf(pUserData).Count());
}

const sd_bus_vtable g_text[] = {
    SD_BUS_VTABLE_START(0),
    SD_BUS_METHOD("GetStringAtOffset", "iu", "sii", GetTextAtOffset, 0),
    SD_BUS_METHOD("GetText", "ii", "s", GetText, 0),
    SD_BUS_METHOD("SetCaretOffset", "i", "b", Refuse, 0),
    SD_BUS_METHOD("GetTextBeforeOffset", "iu", "sii", GetTextBeside, 0),
    SD_BUS_METHOD("GetTextAtOffset", "iu", "sii", GetTextAtOffset, 0),
    SD_BUS_METHOD("GetTextAfterOffset", "iu", "sii", GetTextBeside, 0),
    SD_BUS_METHOD("GetCharacterAtOffset", "i", "i", GetCharacterAtOffset, 0),
    SD_BUS_METHOD("GetAttributeValue", "is", "s", GetAttributeValue, 0),
    SD_BUS_METHOD("GetAttributes", "i", "a{ss}ii", GetAttributes, 0),
    SD_BUS_METHOD("GetDefaultAttributes", "", "a{ss}", GetNoAttributes, 0),
    SD_BUS_METHOD("GetCharacterExtents", "iu", "iiii", GetCharacterExtents, 0),
    SD_BUS_METHOD("GetOffsetAtPoint", "iiu", "i", GetOffsetAtPoint, 0),
    SD_BUS_METHOD("GetNSelections", "", "i", GetNSelections, 0),
    SD_BUS_METHOD("GetSelection", "i", "ii", GetSelection, 0),
    SD_BUS_METHOD("AddSelection", "ii", "b", Refuse, 0),
    SD_BUS_METHOD("RemoveSelection", "i", "b", Refuse, 0),
    SD_BUS_METHOD("SetSelection", "iii", "b", Refuse, 0),
    SD_BUS_METHOD("GetRangeExtents", "iiu", "iiii", GetRangeExtents, 0),
    SD_BUS_METHOD("GetBoundedRanges", "iiiiuuu", "a(iisv)", GetBoundedRanges, 0),
    SD_BUS_METHOD("GetAttributeRun", "ib", "a{ss}ii", GetAttributes, 0),
    SD_BUS_METHOD("GetDefaultAttributeSet", "", "a{ss}", GetNoAttributes, 0),
    SD_BUS_METHOD("ScrollSubstringTo", "iiu", "b", Refuse, 0),
    SD_BUS_METHOD("ScrollSubstringToPoint", "iiuii", "b", Refuse, 0),
    SD_BUS_PROPERTY("CharacterCount", "i", GetTextProperty, 0, 0),
    SD_BUS_PROPERTY("CaretOffset", "i", GetTextProperty, 0, 0),
    SD_BUS_VTABLE_END};

}  // namespace

int AfxAtspiAddText(sd_bus* pBus)
{
    return sd_bus_add_fallback_vtable(pBus, nullptr, AFX_ATSPI_PATH_PREFIX, "org.a11y.atspi.Text", g_text,
                                      AfxAtspiFindNode, reinterpret_cast<void*>(static_cast<uintptr_t>(AFX_ATSPI_TEXT)));
}
