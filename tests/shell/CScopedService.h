// Installs a test's own service for the lifetime of the object and puts the previous one
// back afterwards: CScopedService<IAfxShell> scoped(&fake, AfxSetShell);
#pragma once

template <class TService>
class CScopedService {
public:
    typedef TService* (*SetFunction)(TService*);

    CScopedService(TService* pService, SetFunction pfnSet) : m_pfnSet(pfnSet), m_pOld(pfnSet(pService)) {}
    ~CScopedService() { m_pfnSet(m_pOld); }
    CScopedService(const CScopedService&) = delete;
    CScopedService& operator=(const CScopedService&) = delete;

private:
    SetFunction m_pfnSet;
    TService* m_pOld;
};
