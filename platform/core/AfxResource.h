// The program's resources: string table, dialog templates, icons, version information.
// A resource module hands its table over at program start; lookups go by type and id.
#pragma once

#include <cstddef>

#include "platform/core/WinDef.h"

#define RT_ICON_GROUP 14
#define RT_DIALOG 5
#define RT_STRING 6
#define RT_VERSION 16

struct AFX_RESOURCE {
    UINT nType;
    UINT nID;
    const void* pData;  // type-specific: a C string for RT_STRING, a template for RT_DIALOG, ...
};

const void* AfxFindResource(UINT nID, UINT nType);

// Registers a table when the program starts; one per resource module. The tables are
// chained through these objects, so that loading the program allocates nothing.
struct AFX_RESOURCE_INIT {
    AFX_RESOURCE_INIT(const AFX_RESOURCE* pTable, size_t nCount);

    const AFX_RESOURCE* m_pTable;
    size_t m_nCount;
    mutable const AFX_RESOURCE_INIT* m_pNext = nullptr;
};
