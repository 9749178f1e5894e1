#include "platform/core/AfxDigits.h"

namespace {

const int kMaxSignificant = 9;  // fits an int without overflow

}  // namespace

BOOL AfxReadDigits(LPCTSTR& psz, int& nValue, int* pnDigits)
{
    int nDigits = 0;
    int nSignificant = 0;
    nValue = 0;
    for (; *psz >= '0' && *psz <= '9'; ++psz, ++nDigits) {
        nSignificant += nValue > 0 || *psz != '0' ? 1 : 0;
        if (nSignificant > kMaxSignificant) {
            return FALSE;
        }
        nValue = nValue * 10 + (*psz - '0');
    }
    if (pnDigits != nullptr) {
        *pnDigits = nDigits;
    }
    return nDigits > 0;
}
