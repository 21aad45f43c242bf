// A name-keyed property store in memory, for tests: every value under its
// section path and name, with the order the values were written in.
#pragma once
#include "CZMRPropExchange.h"

#include <cstring>
#include <map>
#include <string>
#include <vector>

class CMemoryPropStore : public CZMRPropExchange
{
public:
    struct Value
    {
        int nType = 0;
        std::vector<BYTE> raw;
        CString text;
    };
    struct Data
    {
        std::map<std::wstring, Value> values;
        std::vector<std::wstring> order;
    };

    CMemoryPropStore(Data* pData, BOOL bLoading, int nSchema = ZMR_PX_SCHEMA_CURRENT,
                     const std::wstring& strPath = L"")
        : m_pData(pData), m_strPath(strPath)
    {
        m_bLoading = bLoading;
        m_nSchema = nSchema;
    }

    BOOL ExchangeTypedValue(LPCTSTR pszPropName, int nType, void* pValue, const void* pDefault) override
    {
        const std::wstring key = m_strPath + pszPropName;
        const size_t nSize = SizeOf(nType);
        if (!m_bLoading)
        {
            Value& value = m_pData->values[key];
            value.nType = nType;
            if (nType == ZMR_PX_STRING)
                value.text = *static_cast<CString*>(pValue);
            else
                value.raw.assign(static_cast<BYTE*>(pValue), static_cast<BYTE*>(pValue) + nSize);
            m_pData->order.push_back(key);
            return TRUE;
        }
        auto it = m_pData->values.find(key);
        if (it == m_pData->values.end())
        {
            if (!pDefault)
                return FALSE;
            if (nType == ZMR_PX_STRING)
                *static_cast<CString*>(pValue) = static_cast<LPCTSTR>(pDefault);
            else
                std::memcpy(pValue, pDefault, nSize);
            return TRUE;
        }
        if (nType == ZMR_PX_STRING)
            *static_cast<CString*>(pValue) = it->second.text;
        else
            std::memcpy(pValue, it->second.raw.data(), nSize);
        return TRUE;
    }

    CZMRPropExchange* GetSection(LPCTSTR pszSection) override
    {
        auto* pSection = new CMemoryPropStore(m_pData, m_bLoading, m_nSchema, m_strPath + pszSection + L"/");
        pSection->m_pOwnerContext = m_pOwnerContext;
        return pSection;
    }

    static size_t SizeOf(int nType)
    {
        switch (nType)
        {
        case ZMR_PX_SHORT: return 2;
        case ZMR_PX_INT: case ZMR_PX_BOOL: case ZMR_PX_FLOAT: return 4;
        case ZMR_PX_SIZE: case ZMR_PX_DOUBLE: return 8;
        case ZMR_PX_RECT: return 16;
        case ZMR_PX_BYTE: return 1;
        }
        return 0;
    }

private:
    Data* m_pData;
    std::wstring m_strPath;
};
