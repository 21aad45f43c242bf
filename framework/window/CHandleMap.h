// Per-thread maps from Windows handles to framework objects. A permanent
// entry belongs to an object the program made (a member, a new'd window); a
// temporary entry is an object made on demand by FromHandle for a handle
// nobody wrapped, owned by the map and freed at idle time (DeleteTemp).
#pragma once

#include <cstddef>
#include <unordered_map>
#include <utility>

template <class TObject, class THandle>
class CHandleMap
{
public:
    CHandleMap() = default;
    CHandleMap(const CHandleMap&) = delete;
    CHandleMap& operator=(const CHandleMap&) = delete;
    ~CHandleMap() { DeleteTemp(); }

    TObject* LookupPermanent(THandle h) const
    {
        auto it = m_permanent.find(h);
        return it == m_permanent.end() ? nullptr : it->second;
    }
    TObject* LookupTemporary(THandle h) const
    {
        auto it = m_temporary.find(h);
        return it == m_temporary.end() ? nullptr : it->second;
    }
    void SetPermanent(THandle h, TObject* p) { m_permanent[h] = p; }
    void RemoveHandle(THandle h) { m_permanent.erase(h); }

    // The object for h: the permanent one, else a temporary one made by
    // make(h) (which wraps h without taking ownership of it).
    template <class TMake>
    TObject* FromHandle(THandle h, TMake make)
    {
        if (h == nullptr)
            return nullptr;
        if (TObject* p = LookupPermanent(h))
            return p;
        if (TObject* p = LookupTemporary(h))
            return p;
        TObject* p = make(h);
        m_temporary[h] = p;
        return p;
    }

    // Frees every temporary object; their handles stay alive.
    void DeleteTemp()
    {
        auto temp = std::move(m_temporary);
        m_temporary.clear();
        for (auto& entry : temp)
        {
            entry.second->ReleaseTempHandle();
            delete entry.second;
        }
    }
    size_t TemporaryCount() const { return m_temporary.size(); }

private:
    std::unordered_map<THandle, TObject*> m_permanent;
    std::unordered_map<THandle, TObject*> m_temporary;
};
