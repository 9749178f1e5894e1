#include "platform/core/CMemoryException.h"

IMPLEMENT_DYNAMIC(CMemoryException, CException)

void AfxThrowMemoryException()
{
    static CMemoryException s_memoryException;
    throw &s_memoryException;
}
