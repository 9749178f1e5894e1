#include "platform/core/CMemoryException.h"

IMPLEMENT_DYNAMIC(CMemoryException, CException)

void AfxThrowMemoryException()
{
    static CMemoryException s_memoryException;
    throw static_cast<CException*>(&s_memoryException);
}
