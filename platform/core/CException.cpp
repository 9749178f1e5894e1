#include "platform/core/CException.h"

IMPLEMENT_DYNAMIC(CException, CObject)

void CException::Delete()
{
    if (m_bAutoDelete) {
        delete this;
    }
}
