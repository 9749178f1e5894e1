// Tables of cells under column headers, the selection among a node's children, and links.
// A table's children are its column headers first, then its cells; only cells have a row.
#include <cstring>

#include "platform/backend/AfxAtspiServer.h"

namespace {

const uint64_t kSelected = AfxAtspiBit(AFX_ATSPI_STATE_SELECTED);

AFX_ATSPI_ID IdOf(void* pUserData) { return AfxAtspiIdFromUserData(pUserData); }

std::vector<AFX_ATSPI_ID> ChildrenOf(AFX_ATSPI_ID id)
{
    const AFX_ATSPI_NODE* pNode = AfxAtspiNode(id);
    return pNode != nullptr ? pNode->children : std::vector<AFX_ATSPI_ID>();
}

// The index among the table's children of the cell at a row and column (a row of -1: the
// column's header); -1 when there is none.
int IndexAt(AFX_ATSPI_ID idTable, int nRow, int nColumn)
{
    const std::vector<AFX_ATSPI_ID> children = ChildrenOf(idTable);
    for (size_t i = 0; i < children.size(); ++i) {
        const AFX_ATSPI_NODE* pChild = AfxAtspiNode(children[i]);
        if (pChild != nullptr && pChild->nRow == nRow && pChild->nColumn == nColumn)
            return static_cast<int>(i);
    }
    return -1;
}

AFX_ATSPI_ID ChildAt(AFX_ATSPI_ID idTable, int nIndex)
{
    const std::vector<AFX_ATSPI_ID> children = ChildrenOf(idTable);
    return nIndex >= 0 && static_cast<size_t>(nIndex) < children.size() ? children[static_cast<size_t>(nIndex)]
                                                                        : AFX_ATSPI_NOBODY;
}

const AFX_ATSPI_NODE* ChildNodeAt(AFX_ATSPI_ID idTable, int nIndex) { return AfxAtspiNode(ChildAt(idTable, nIndex)); }

std::vector<AFX_ATSPI_ID> SelectedChildren(AFX_ATSPI_ID id)
{
    std::vector<AFX_ATSPI_ID> selected;
    for (AFX_ATSPI_ID idChild : ChildrenOf(id)) {
        const AFX_ATSPI_NODE* pChild = AfxAtspiNode(idChild);
        if (pChild != nullptr && (pChild->nStates & kSelected) != 0)
            selected.push_back(idChild);
    }
    return selected;
}

int GetAccessibleAt(sd_bus_message* pCall, void* pUserData, sd_bus_error*)
{
    int32_t nRow = 0, nColumn = 0;
    sd_bus_message_read(pCall, "ii", &nRow, &nColumn);
    return AfxAtspiReplyRef(pCall, nRow < 0 ? AFX_ATSPI_NOBODY : ChildAt(IdOf(pUserData), IndexAt(IdOf(pUserData), nRow, nColumn)));
}

int GetIndexAt(sd_bus_message* pCall, void* pUserData, sd_bus_error*)
{
    int32_t nRow = 0, nColumn = 0;
    sd_bus_message_read(pCall, "ii", &nRow, &nColumn);
    return sd_bus_reply_method_return(pCall, "i", nRow < 0 ? -1 : IndexAt(IdOf(pUserData), nRow, nColumn));
}

int GetRowOrColumnAtIndex(sd_bus_message* pCall, void* pUserData, sd_bus_error*)
{
    int32_t nIndex = 0;
    sd_bus_message_read(pCall, "i", &nIndex);
    const AFX_ATSPI_NODE* pChild = ChildNodeAt(IdOf(pUserData), nIndex);
    const bool bRow = std::strcmp(sd_bus_message_get_member(pCall), "GetRowAtIndex") == 0;
    const int nAt = pChild == nullptr || pChild->nRow < 0 ? -1 : bRow ? pChild->nRow : pChild->nColumn;
    return sd_bus_reply_method_return(pCall, "i", nAt);
}

int GetColumnHeader(sd_bus_message* pCall, void* pUserData, sd_bus_error*)
{
    int32_t nColumn = 0;
    sd_bus_message_read(pCall, "i", &nColumn);
    return AfxAtspiReplyRef(pCall, ChildAt(IdOf(pUserData), IndexAt(IdOf(pUserData), -1, nColumn)));
}

int GetColumnDescription(sd_bus_message* pCall, void* pUserData, sd_bus_error*)
{
    int32_t nColumn = 0;
    sd_bus_message_read(pCall, "i", &nColumn);
    const AFX_ATSPI_NODE* pHeader = ChildNodeAt(IdOf(pUserData), IndexAt(IdOf(pUserData), -1, nColumn));
    return sd_bus_reply_method_return(pCall, "s", pHeader != nullptr ? pHeader->strName.c_str() : "");
}

int GetEmptyString(sd_bus_message* pCall, void*, sd_bus_error*) { return sd_bus_reply_method_return(pCall, "s", ""); }
int GetNobody(sd_bus_message* pCall, void*, sd_bus_error*) { return AfxAtspiReplyRef(pCall, AFX_ATSPI_NOBODY); }
int GetOne(sd_bus_message* pCall, void*, sd_bus_error*) { return sd_bus_reply_method_return(pCall, "i", 1); }
int GetNoRows(sd_bus_message* pCall, void*, sd_bus_error*) { return sd_bus_reply_method_return(pCall, "ai", 0); }
int Refuse(sd_bus_message* pCall, void*, sd_bus_error*) { return sd_bus_reply_method_return(pCall, "b", 0); }

int IsSelected(sd_bus_message* pCall, void* pUserData, sd_bus_error*)
{
    int32_t nRow = 0, nColumn = 0;
    sd_bus_message_read(pCall, "ii", &nRow, &nColumn);
    const AFX_ATSPI_NODE* pCell = ChildNodeAt(IdOf(pUserData), nRow < 0 ? -1 : IndexAt(IdOf(pUserData), nRow, nColumn));
    return sd_bus_reply_method_return(pCall, "b", pCell != nullptr && (pCell->nStates & kSelected) != 0 ? 1 : 0);
}

int GetRowColumnExtentsAtIndex(sd_bus_message* pCall, void* pUserData, sd_bus_error*)
{
    int32_t nIndex = 0;
    sd_bus_message_read(pCall, "i", &nIndex);
    const AFX_ATSPI_NODE* pCell = ChildNodeAt(IdOf(pUserData), nIndex);
    if (pCell == nullptr || pCell->nRow < 0)
        return sd_bus_reply_method_return(pCall, "biiiib", 0, -1, -1, 0, 0, 0);
    return sd_bus_reply_method_return(pCall, "biiiib", 1, pCell->nRow, pCell->nColumn, 1, 1,
                                      (pCell->nStates & kSelected) != 0 ? 1 : 0);
}

int GetTableProperty(sd_bus*, const char*, const char*, const char* pszProperty, sd_bus_message* pReply,
                     void* pUserData, sd_bus_error*)
{
    const AFX_ATSPI_NODE* pNode = AfxAtspiNode(IdOf(pUserData));
    if (std::strcmp(pszProperty, "Caption") == 0 || std::strcmp(pszProperty, "Summary") == 0)
        return AfxAtspiAppendRef(pReply, AFX_ATSPI_NOBODY);
    if (std::strcmp(pszProperty, "NRows") == 0)
        return sd_bus_message_append(pReply, "i", pNode != nullptr ? pNode->nRows : 0);
    if (std::strcmp(pszProperty, "NColumns") == 0)
        return sd_bus_message_append(pReply, "i", pNode != nullptr ? pNode->nColumns : 0);
    return sd_bus_message_append(pReply, "i", 0);
}

const sd_bus_vtable g_table[] = {
    SD_BUS_VTABLE_START(0),
    SD_BUS_METHOD("GetAccessibleAt", "ii", "(so)", GetAccessibleAt, 0),
    SD_BUS_METHOD("GetIndexAt", "ii", "i", GetIndexAt, 0),
    SD_BUS_METHOD("GetRowAtIndex", "i", "i", GetRowOrColumnAtIndex, 0),
    SD_BUS_METHOD("GetColumnAtIndex", "i", "i", GetRowOrColumnAtIndex, 0),
    SD_BUS_METHOD("GetRowDescription", "i", "s", GetEmptyString, 0),
    SD_BUS_METHOD("GetColumnDescription", "i", "s", GetColumnDescription, 0),
    SD_BUS_METHOD("GetRowExtentAt", "ii", "i", GetOne, 0),
    SD_BUS_METHOD("GetColumnExtentAt", "ii", "i", GetOne, 0),
    SD_BUS_METHOD("GetRowHeader", "i", "(so)", GetNobody, 0),
    SD_BUS_METHOD("GetColumnHeader", "i", "(so)", GetColumnHeader, 0),
    SD_BUS_METHOD("GetSelectedRows", "", "ai", GetNoRows, 0),
    SD_BUS_METHOD("GetSelectedColumns", "", "ai", GetNoRows, 0),
    SD_BUS_METHOD("IsRowSelected", "i", "b", Refuse, 0),
    SD_BUS_METHOD("IsColumnSelected", "i", "b", Refuse, 0),
    SD_BUS_METHOD("IsSelected", "ii", "b", IsSelected, 0),
    SD_BUS_METHOD("AddRowSelection", "i", "b", Refuse, 0),
    SD_BUS_METHOD("AddColumnSelection", "i", "b", Refuse, 0),
    SD_BUS_METHOD("RemoveRowSelection", "i", "b", Refuse, 0),
    SD_BUS_METHOD("RemoveColumnSelection", "i", "b", Refuse, 0),
    SD_BUS_METHOD("GetRowColumnExtentsAtIndex", "i", "biiiib", GetRowColumnExtentsAtIndex, 0),
    SD_BUS_PROPERTY("NRows", "i", GetTableProperty, 0, 0),
    SD_BUS_PROPERTY("NColumns", "i", GetTableProperty, 0, 0),
    SD_BUS_PROPERTY("Caption", "(so)", GetTableProperty, 0, 0),
    SD_BUS_PROPERTY("Summary", "(so)", GetTableProperty, 0, 0),
    SD_BUS_PROPERTY("NSelectedRows", "i", GetTableProperty, 0, 0),
    SD_BUS_PROPERTY("NSelectedColumns", "i", GetTableProperty, 0, 0),
    SD_BUS_VTABLE_END};

// A cell's header: the table's child of the same column without a row.
int GetColumnHeaderCells(sd_bus_message* pCall, void* pUserData, sd_bus_error*)
{
    const AFX_ATSPI_NODE* pCell = AfxAtspiNode(IdOf(pUserData));
    const AFX_ATSPI_ID idTable = pCell != nullptr ? pCell->idParent : AFX_ATSPI_NOBODY;
    const AFX_ATSPI_ID idHeader = pCell != nullptr ? ChildAt(idTable, IndexAt(idTable, -1, pCell->nColumn)) : AFX_ATSPI_NOBODY;
    if (idHeader == AFX_ATSPI_NOBODY)
        return sd_bus_reply_method_return(pCall, "a(so)", 0);
    sd_bus_message* pReply = nullptr;
    int nResult = sd_bus_message_new_method_return(pCall, &pReply);
    if (nResult >= 0)
        nResult = sd_bus_message_open_container(pReply, 'a', "(so)");
    if (nResult >= 0)
        nResult = AfxAtspiAppendRef(pReply, idHeader);
    if (nResult >= 0)
        nResult = sd_bus_message_close_container(pReply);
    if (nResult >= 0)
        nResult = sd_bus_send(nullptr, pReply, nullptr);
    sd_bus_message_unref(pReply);
    return nResult;
}

int GetNoCells(sd_bus_message* pCall, void*, sd_bus_error*) { return sd_bus_reply_method_return(pCall, "a(so)", 0); }

int GetRowColumnSpan(sd_bus_message* pCall, void* pUserData, sd_bus_error*)
{
    const AFX_ATSPI_NODE* pCell = AfxAtspiNode(IdOf(pUserData));
    return sd_bus_reply_method_return(pCall, "iiii", pCell != nullptr ? pCell->nRow : -1,
                                      pCell != nullptr ? pCell->nColumn : -1, 1, 1);
}

int GetCellProperty(sd_bus*, const char*, const char*, const char* pszProperty, sd_bus_message* pReply,
                    void* pUserData, sd_bus_error*)
{
    const AFX_ATSPI_NODE* pCell = AfxAtspiNode(IdOf(pUserData));
    if (std::strcmp(pszProperty, "Table") == 0)
        return AfxAtspiAppendRef(pReply, pCell != nullptr ? pCell->idParent : AFX_ATSPI_NOBODY);
    if (std::strcmp(pszProperty, "Position") == 0)
        return sd_bus_message_append(pReply, "(ii)", pCell != nullptr ? pCell->nRow : -1,
                                     pCell != nullptr ? pCell->nColumn : -1);
    return sd_bus_message_append(pReply, "i", 1);
}

const sd_bus_vtable g_tableCell[] = {
    SD_BUS_VTABLE_START(0),
    SD_BUS_METHOD("GetRowColumnSpan", "", "iiii", GetRowColumnSpan, 0),
    SD_BUS_METHOD("GetColumnHeaderCells", "", "a(so)", GetColumnHeaderCells, 0),
    SD_BUS_METHOD("GetRowHeaderCells", "", "a(so)", GetNoCells, 0),
    SD_BUS_PROPERTY("ColumnSpan", "i", GetCellProperty, 0, 0),
    SD_BUS_PROPERTY("RowSpan", "i", GetCellProperty, 0, 0),
    SD_BUS_PROPERTY("Position", "(ii)", GetCellProperty, 0, 0),
    SD_BUS_PROPERTY("Table", "(so)", GetCellProperty, 0, 0),
    SD_BUS_VTABLE_END};

// Selection: what is selected among the children; selecting one is its action.
int GetSelectedChild(sd_bus_message* pCall, void* pUserData, sd_bus_error*)
{
    int32_t nIndex = 0;
    sd_bus_message_read(pCall, "i", &nIndex);
    const std::vector<AFX_ATSPI_ID> selected = SelectedChildren(IdOf(pUserData));
    const bool bValid = nIndex >= 0 && static_cast<size_t>(nIndex) < selected.size();
    return AfxAtspiReplyRef(pCall, bValid ? selected[static_cast<size_t>(nIndex)] : AFX_ATSPI_NOBODY);
}

int SelectChild(sd_bus_message* pCall, void* pUserData, sd_bus_error*)
{
    int32_t nIndex = 0;
    sd_bus_message_read(pCall, "i", &nIndex);
    const AFX_ATSPI_ID idChild = ChildAt(IdOf(pUserData), nIndex);
    const AFX_ATSPI_NODE* pChild = AfxAtspiNode(idChild);
    const bool bSelectable = pChild != nullptr && (pChild->nStates & AfxAtspiBit(AFX_ATSPI_STATE_SELECTABLE)) != 0;
    const BOOL bDone = bSelectable && AfxAtspiProvider()->DoAction(idChild);
    AfxAtspiForgetNodes();
    return sd_bus_reply_method_return(pCall, "b", bDone ? 1 : 0);
}

int IsChildSelected(sd_bus_message* pCall, void* pUserData, sd_bus_error*)
{
    int32_t nIndex = 0;
    sd_bus_message_read(pCall, "i", &nIndex);
    const AFX_ATSPI_NODE* pChild = ChildNodeAt(IdOf(pUserData), nIndex);
    return sd_bus_reply_method_return(pCall, "b", pChild != nullptr && (pChild->nStates & kSelected) != 0 ? 1 : 0);
}

int GetSelectionProperty(sd_bus*, const char*, const char*, const char*, sd_bus_message* pReply, void* pUserData,
                         sd_bus_error*)
{
    return sd_bus_message_append(pReply, "i", static_cast<int32_t>(SelectedChildren(IdOf(pUserData)).size()));
}

const sd_bus_vtable g_selection[] = {
    SD_BUS_VTABLE_START(0),
    SD_BUS_METHOD("GetSelectedChild", "i", "(so)", GetSelectedChild, 0),
    SD_BUS_METHOD("SelectChild", "i", "b", SelectChild, 0),
    SD_BUS_METHOD("DeselectSelectedChild", "i", "b", Refuse, 0),
    SD_BUS_METHOD("IsChildSelected", "i", "b", IsChildSelected, 0),
    SD_BUS_METHOD("SelectAll", "", "b", Refuse, 0),
    SD_BUS_METHOD("ClearSelection", "", "b", Refuse, 0),
    SD_BUS_METHOD("DeselectChild", "i", "b", Refuse, 0),
    SD_BUS_PROPERTY("NSelectedChildren", "i", GetSelectionProperty, 0, 0),
    SD_BUS_VTABLE_END};

// Hyperlink: one anchor, the node itself, with the node's address.
int GetLinkObject(sd_bus_message* pCall, void* pUserData, sd_bus_error*)
{
    int32_t nIndex = 0;
    sd_bus_message_read(pCall, "i", &nIndex);
    return AfxAtspiReplyRef(pCall, nIndex == 0 ? IdOf(pUserData) : AFX_ATSPI_NOBODY);
}

int GetURI(sd_bus_message* pCall, void* pUserData, sd_bus_error*)
{
    int32_t nIndex = 0;
    sd_bus_message_read(pCall, "i", &nIndex);
    const AFX_ATSPI_NODE* pNode = AfxAtspiNode(IdOf(pUserData));
    return sd_bus_reply_method_return(pCall, "s", nIndex == 0 && pNode != nullptr ? pNode->strUri.c_str() : "");
}

int IsValid(sd_bus_message* pCall, void*, sd_bus_error*) { return sd_bus_reply_method_return(pCall, "b", 1); }

int GetIndexRange(sd_bus_message* pCall, void*, sd_bus_error*) { return sd_bus_reply_method_return(pCall, "ii", -1, -1); }

int GetLinkProperty(sd_bus*, const char*, const char*, const char* pszProperty, sd_bus_message* pReply, void*,
                    sd_bus_error*)
{
    if (std::strcmp(pszProperty, "NAnchors") == 0)
        return sd_bus_message_append(pReply, "n", static_cast<int16_t>(1));
    return sd_bus_message_append(pReply, "i", -1);
}

const sd_bus_vtable g_hyperlink[] = {
    SD_BUS_VTABLE_START(0),
    SD_BUS_METHOD("GetObject", "i", "(so)", GetLinkObject, 0),
    SD_BUS_METHOD("GetURI", "i", "s", GetURI, 0),
    SD_BUS_METHOD("IsValid", "", "b", IsValid, 0),
    SD_BUS_METHOD("GetIndexRange", "", "ii", GetIndexRange, 0),
    SD_BUS_PROPERTY("NAnchors", "n", GetLinkProperty, 0, 0),
    SD_BUS_PROPERTY("StartIndex", "i", GetLinkProperty, 0, 0),
    SD_BUS_PROPERTY("EndIndex", "i", GetLinkProperty, 0, 0),
    SD_BUS_VTABLE_END};

void* Mask(UINT nMask) { return reinterpret_cast<void*>(static_cast<uintptr_t>(nMask)); }

}  // namespace

int AfxAtspiAddTable(sd_bus* pBus)
{
    const char* pszPrefix = AFX_ATSPI_PATH_PREFIX;
    int nResult = sd_bus_add_fallback_vtable(pBus, nullptr, pszPrefix, "org.a11y.atspi.Table", g_table,
                                             AfxAtspiFindNode, Mask(AFX_ATSPI_TABLE));
    if (nResult >= 0)
        nResult = sd_bus_add_fallback_vtable(pBus, nullptr, pszPrefix, "org.a11y.atspi.TableCell", g_tableCell,
                                             AfxAtspiFindNode, Mask(AFX_ATSPI_TABLECELL));
    if (nResult >= 0)
        nResult = sd_bus_add_fallback_vtable(pBus, nullptr, pszPrefix, "org.a11y.atspi.Selection", g_selection,
                                             AfxAtspiFindNode, Mask(AFX_ATSPI_SELECTION));
    if (nResult >= 0)
        nResult = sd_bus_add_fallback_vtable(pBus, nullptr, pszPrefix, "org.a11y.atspi.Hyperlink", g_hyperlink,
                                             AfxAtspiFindNode, Mask(AFX_ATSPI_HYPERLINK));
    return nResult;
}
