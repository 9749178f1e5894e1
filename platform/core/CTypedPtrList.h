// A pointer list that hands out its entries as TYPE, on top of an untyped list class.
#pragma once

#include "platform/core/CObList.h"

template <class BASE_CLASS, class TYPE>
class CTypedPtrList : public BASE_CLASS {
public:
    explicit CTypedPtrList(INT_PTR nBlockSize = 10) : BASE_CLASS(nBlockSize) {}

    TYPE GetNext(POSITION& rPosition) const { return static_cast<TYPE>(BASE_CLASS::GetNext(rPosition)); }
    TYPE GetAt(POSITION position) const { return static_cast<TYPE>(BASE_CLASS::GetAt(position)); }
    POSITION AddTail(TYPE newElement) { return BASE_CLASS::AddTail(newElement); }
};
