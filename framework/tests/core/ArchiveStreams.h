// Byte streams for archive tests: what an archive stores, an archive loading
// given bytes, and the cause of an archive exception. Shared by the tests of
// every layer that writes through archives.
#pragma once

#include "core/Core.h"

#include <cstring>
#include <functional>
#include <initializer_list>
#include <vector>

namespace ArchiveStreams
{
typedef std::vector<BYTE> Bytes;

// The bytes an archive in store mode writes.
inline Bytes Store(const std::function<void(CArchive&)>& write, int nBufSize = 4096)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store, nBufSize);
        write(ar);
        ar.Close();
    }
    Bytes bytes((size_t)file.GetLength());
    file.SeekToBegin();
    if (!bytes.empty())
        file.Read(bytes.data(), (UINT)bytes.size());
    return bytes;
}

// An archive in load mode over the bytes.
inline void Load(Bytes bytes, const std::function<void(CArchive&)>& read, int nBufSize = 4096)
{
    CMemFile file(bytes.data(), (UINT)bytes.size());
    CArchive ar(&file, CArchive::load, nBufSize);
    read(ar);
}

inline Bytes Concat(std::initializer_list<Bytes> parts)
{
    Bytes all;
    for (const Bytes& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

inline Bytes Text(const char* s)
{
    return Bytes(s, s + strlen(s));
}

// The archive exception's cause, or -1 when none was raised.
inline int ArchiveCause(const std::function<void()>& action)
{
    try
    {
        action();
    }
    catch (CArchiveException* e)
    {
        int cause = e->m_cause;
        e->Delete();
        return cause;
    }
    return -1;
}
} // namespace ArchiveStreams
