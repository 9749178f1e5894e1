// Framework exceptions are thrown as pointers and freed by the catcher with Delete().
#pragma once

#include "platform/core/CObject.h"

class CException : public CObject {
    DECLARE_DYNAMIC(CException)
public:
    // Exceptions that live in static storage pass FALSE, so Delete() leaves them alone.
    explicit CException(BOOL bAutoDelete = TRUE) : m_bAutoDelete(bAutoDelete) {}
    void Delete();

protected:
    BOOL m_bAutoDelete;
};
