#pragma once

#include "platform/core/CException.h"

class CMemoryException : public CException {
    DECLARE_DYNAMIC(CMemoryException)
public:
    CMemoryException() : CException(FALSE) {}
};

// Throws the one static memory exception: allocating a new one could fail too.
[[noreturn]] void AfxThrowMemoryException();
