// Sets (or, with null, unsets) an environment variable for the lifetime of the object and
// puts the old value back afterwards.
#pragma once

#include <cstdlib>
#include <string>

class CEnvOverride {
public:
    CEnvOverride(const char* pszName, const char* pszValue) : m_strName(pszName)
    {
        const char* pszOld = getenv(pszName);
        m_bHadValue = pszOld != nullptr;
        if (m_bHadValue) {
            m_strOld = pszOld;
        }
        Apply(pszValue);
    }
    CEnvOverride(const char* pszName, const std::string& strValue) : CEnvOverride(pszName, strValue.c_str()) {}
    ~CEnvOverride() { Apply(m_bHadValue ? m_strOld.c_str() : nullptr); }
    CEnvOverride(const CEnvOverride&) = delete;
    CEnvOverride& operator=(const CEnvOverride&) = delete;

private:
    void Apply(const char* pszValue)
    {
        if (pszValue != nullptr) {
            setenv(m_strName.c_str(), pszValue, 1);
        } else {
            unsetenv(m_strName.c_str());
        }
    }

    std::string m_strName;
    std::string m_strOld;
    bool m_bHadValue = false;
};
