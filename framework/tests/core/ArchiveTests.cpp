#include "core/Core.h"
#include "ArchiveStreams.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

// A linked node: its data is a number and a reference to another node.
class CArchiveNode : public CObject
{
    DECLARE_SERIAL(CArchiveNode)
public:
    LONG m_value = 0;
    CArchiveNode* m_pNext = nullptr;
    UINT m_schemaRead = 0;

    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
        {
            ar << m_value << m_pNext;
        }
        else
        {
            m_schemaRead = ar.GetObjectSchema();
            CObject* pNext = nullptr;
            ar >> m_value >> pNext;
            m_pNext = static_cast<CArchiveNode*>(pNext);
        }
    }
};
IMPLEMENT_SERIAL(CArchiveNode, CObject, 2)

// A class that reads older schemas itself.
class CArchiveVersioned : public CObject
{
    DECLARE_SERIAL(CArchiveVersioned)
public:
    UINT m_schemaRead = 0;
    void Serialize(CArchive& ar) override
    {
        if (ar.IsLoading())
            m_schemaRead = ar.GetObjectSchema();
    }
};
IMPLEMENT_SERIAL(CArchiveVersioned, CObject, VERSIONABLE_SCHEMA | 3)

namespace {

using namespace ArchiveStreams;

TEST(CArchiveTest, NumbersAreLittleEndian)
{
    Bytes bytes = Store([](CArchive& ar) {
        ar << (BYTE)1 << (WORD)0x0203 << (LONG)-2 << (DWORD)0x04050607 << 1.5f << -2.0
           << (LONGLONG)0x0102030405060708LL << true << 'c' << L'w' << 7 << (short)-1;
    });
    const Bytes expected = {
        0x01, 0x03, 0x02, 0xFE, 0xFF, 0xFF, 0xFF, 0x07, 0x06, 0x05, 0x04,
        0x00, 0x00, 0xC0, 0x3F,                                  // 1.5f
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xC0,          // -2.0
        0x08, 0x07, 0x06, 0x05, 0x04, 0x03, 0x02, 0x01,
        0x01, 'c', 'w', 0x00, 0x07, 0x00, 0x00, 0x00, 0xFF, 0xFF,
    };
    EXPECT_EQ(bytes, expected);

    Load(bytes, [](CArchive& ar) {
        BYTE b; WORD w; LONG l; DWORD dw; float f; double d; LONGLONG ll; bool flag; char c; wchar_t wc; int i; short s;
        ar >> b >> w >> l >> dw >> f >> d >> ll >> flag >> c >> wc >> i >> s;
        EXPECT_EQ(b, 1);
        EXPECT_EQ(w, 0x0203);
        EXPECT_EQ(l, -2);
        EXPECT_EQ(dw, 0x04050607u);
        EXPECT_EQ(f, 1.5f);
        EXPECT_EQ(d, -2.0);
        EXPECT_EQ(ll, 0x0102030405060708LL);
        EXPECT_TRUE(flag);
        EXPECT_EQ(c, 'c');
        EXPECT_EQ(wc, L'w');
        EXPECT_EQ(i, 7);
        EXPECT_EQ(s, -1);
        EXPECT_EQ(ArchiveCause([&] { ar >> b; }), CArchiveException::endOfFile);
    });
}

TEST(CArchiveTest, StringLengthPrefixes)
{
    struct Case { std::function<void(CArchive&)> write; Bytes prefix; size_t dataBytes; };
    const Case cases[] = {
        { [](CArchive& ar) { ar << CStringW(); }, { 0xFF, 0xFE, 0xFF, 0x00 }, 0 },
        { [](CArchive& ar) { ar << CStringW(L"ab"); }, { 0xFF, 0xFE, 0xFF, 0x02 }, 4 },
        { [](CArchive& ar) { ar << CStringA("ab"); }, { 0x02 }, 2 },
        { [](CArchive& ar) { ar << CStringA(); }, { 0x00 }, 0 },
        { [](CArchive& ar) { ar << CStringA('x', 254); }, { 0xFE }, 254 },
        { [](CArchive& ar) { ar << CStringA('x', 255); }, { 0xFF, 0xFF, 0x00 }, 255 },
        { [](CArchive& ar) { ar << CStringA('x', 0xFFFD); }, { 0xFF, 0xFD, 0xFF }, 0xFFFD },
        { [](CArchive& ar) { ar << CStringA('x', 0xFFFE); }, { 0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00 }, 0xFFFE },
        { [](CArchive& ar) { ar << CStringW(L'x', 300); }, { 0xFF, 0xFE, 0xFF, 0xFF, 0x2C, 0x01 }, 600 },
        { [](CArchive& ar) { ar << L"literal"; }, { 0xFF, 0xFE, 0xFF, 0x07 }, 14 },
    };
    for (size_t i = 0; i < sizeof(cases) / sizeof(cases[0]); i++)
    {
        Bytes bytes = Store(cases[i].write);
        ASSERT_EQ(bytes.size(), cases[i].prefix.size() + cases[i].dataBytes) << "case " << i;
        EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + cases[i].prefix.size()), cases[i].prefix) << "case " << i;
    }
    EXPECT_EQ(Store([](CArchive& ar) { ar << CStringW(L"ab"); }),
              (Bytes{ 0xFF, 0xFE, 0xFF, 0x02, 'a', 0, 'b', 0 }));

    // Either string reads either form; long strings come back whole.
    CStringW longText(L'q', 70000);
    Bytes mixed = Store([&](CArchive& ar) { ar << CStringA("narrow") << CStringW(L"wide") << longText; });
    Load(mixed, [&](CArchive& ar) {
        CStringW wide;
        CStringA narrow;
        CStringW big;
        ar >> wide >> narrow >> big;
        EXPECT_EQ(wide, L"narrow");
        EXPECT_EQ(narrow, "wide");
        EXPECT_EQ(big, longText);
    });
}

TEST(CArchiveTest, DamagedStringsRaiseTheArchiveException)
{
    struct Case { Bytes bytes; int cause; };
    const Case cases[] = {
        { { 0x05, 'a', 'b' }, CArchiveException::endOfFile },
        { { 0xFF, 0xFE, 0xFF, 0x02, 'a', 0 }, CArchiveException::endOfFile },
        { { 0xFF }, CArchiveException::endOfFile },
        // A length far beyond the data meets the end before taking the memory.
        { { 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x10, 'a' }, CArchiveException::endOfFile },
        { { 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F }, CArchiveException::badIndex },
    };
    for (size_t i = 0; i < sizeof(cases) / sizeof(cases[0]); i++)
    {
        CString text(L"kept");
        Load(cases[i].bytes, [&](CArchive& ar) {
            EXPECT_EQ(ArchiveCause([&] { ar >> text; }), cases[i].cause) << "case " << i;
        });
        EXPECT_EQ(text, L"kept") << "case " << i;
    }
}

TEST(CArchiveTest, CompactCounts)
{
    struct Case { DWORD_PTR count; Bytes bytes; };
    const Case cases[] = {
        { 0, { 0x00, 0x00 } },
        { 0xFFFE, { 0xFE, 0xFF } },
        { 0xFFFF, { 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00 } },
        { 0x12345678, { 0xFF, 0xFF, 0x78, 0x56, 0x34, 0x12 } },
        { (DWORD_PTR)0x100000000ULL, { 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 1, 0, 0, 0 } },
    };
    for (const Case& c : cases)
    {
        Bytes bytes = Store([&](CArchive& ar) { ar.WriteCount(c.count); });
        EXPECT_EQ(bytes, c.bytes);
        Load(bytes, [&](CArchive& ar) { EXPECT_EQ(ar.ReadCount(), c.count); });
    }
}

TEST(CArchiveTest, ObjectsAreWrittenWithClassTagsAndIndexes)
{
    CArchiveNode a, b;
    a.m_value = 5;
    a.m_pNext = &b;
    b.m_value = 6;
    b.m_pNext = &a;   // a cycle: the second visit is an index
    Bytes bytes = Store([&](CArchive& ar) {
        ar << &a;
        ar << (CObject*)nullptr;
        ar << &b;
    });
    const Bytes expected = Concat({
        { 0xFF, 0xFF, 0x02, 0x00, 0x0C, 0x00 }, Text("CArchiveNode"),   // new class, schema 2
        { 0x05, 0x00, 0x00, 0x00 },                                     // a (object index 2)
        { 0x01, 0x80 },                                                 // class index 1 again
        { 0x06, 0x00, 0x00, 0x00 },                                     // b (object index 3)
        { 0x02, 0x00 },                                                 // a again
        { 0x00, 0x00 },                                                 // null
        { 0x03, 0x00 },                                                 // b again
    });
    EXPECT_EQ(bytes, expected);

    Load(bytes, [](CArchive& ar) {
        CArchiveNode* pA = nullptr;
        CObject* pNull = nullptr;
        CObject* pB = nullptr;
        ar >> pA;   // the typed reader of the serial class
        ar >> pNull >> pB;
        ASSERT_NE(pA, nullptr);
        EXPECT_EQ(pNull, nullptr);
        EXPECT_EQ(pA->m_value, 5);
        ASSERT_NE(pA->m_pNext, nullptr);
        EXPECT_EQ(pA->m_pNext, pB);
        EXPECT_EQ(pA->m_pNext->m_value, 6);
        EXPECT_EQ(pA->m_pNext->m_pNext, pA);
        EXPECT_EQ(pA->m_schemaRead, 2u);
        EXPECT_EQ(pA->m_pNext->m_schemaRead, 2u);
        delete pA->m_pNext;
        delete pA;
    });
}

TEST(CArchiveTest, LargeIndexesUseThe32BitTag)
{
    // Objects entered in the map by hand push the indexes past 16 bits.
    std::vector<char> others(40000);
    CArchiveNode node;
    node.m_value = 1;
    node.m_pNext = &node;
    Bytes bytes = Store([&](CArchive& ar) {
        for (char& c : others)
            ar.MapObject(reinterpret_cast<CObject*>(&c));
        ar << &node;   // class index 40001, object index 40002
        ar << &node;
        CArchiveNode second;
        ar << &second;
    });
    const Bytes expected = Concat({
        { 0xFF, 0xFF, 0x02, 0x00, 0x0C, 0x00 }, Text("CArchiveNode"),
        { 0x01, 0x00, 0x00, 0x00 },
        { 0xFF, 0x7F, 0x42, 0x9C, 0x00, 0x00 },                 // node: 0x7FFF, then 40002
        { 0xFF, 0x7F, 0x42, 0x9C, 0x00, 0x00 },
        { 0xFF, 0x7F, 0x41, 0x9C, 0x00, 0x80 },                 // the class: 0x7FFF, then 0x80000000 | 40001
        { 0x00, 0x00, 0x00, 0x00, 0x00, 0x00 },
    });
    EXPECT_EQ(bytes, expected);
    Load(bytes, [&](CArchive& ar) {
        for (char& c : others)
            ar.MapObject(reinterpret_cast<CObject*>(&c));
        CObject* first = ar.ReadObject(nullptr);
        CObject* again = ar.ReadObject(nullptr);
        CObject* second = ar.ReadObject(RUNTIME_CLASS(CArchiveNode));
        EXPECT_EQ(first, again);
        EXPECT_EQ(static_cast<CArchiveNode*>(first)->m_pNext, first);
        ASSERT_NE(second, nullptr);
        EXPECT_NE(second, first);
        delete first;
        delete second;
    });
}

TEST(CArchiveTest, VersionableClassesReadOlderSchemas)
{
    // Two objects of a class stored with schema 1 and one of another class.
    const Bytes bytes = Concat({
        { 0xFF, 0xFF, 0x01, 0x00, 0x11, 0x00 }, Text("CArchiveVersioned"),
        { 0x01, 0x80 },
    });
    Load(bytes, [](CArchive& ar) {
        CObject* p1 = ar.ReadObject(RUNTIME_CLASS(CArchiveVersioned));
        CObject* p2 = ar.ReadObject(RUNTIME_CLASS(CArchiveVersioned));
        ASSERT_NE(p1, nullptr);
        ASSERT_NE(p2, nullptr);
        EXPECT_NE(p1, p2);
        // Both report the schema as stored, the later reference too.
        EXPECT_EQ(static_cast<CArchiveVersioned*>(p1)->m_schemaRead, 1u);
        EXPECT_EQ(static_cast<CArchiveVersioned*>(p2)->m_schemaRead, 1u);
        delete p1;
        delete p2;
    });

    // Class references on their own, as used to store a class by name.
    Bytes classes = Store([](CArchive& ar) {
        ar.WriteClass(RUNTIME_CLASS(CArchiveVersioned));
        ar.WriteClass(RUNTIME_CLASS(CArchiveVersioned));
    });
    EXPECT_EQ(classes, Concat({ { 0xFF, 0xFF, 0x03, 0x00, 0x11, 0x00 }, Text("CArchiveVersioned"), { 0x01, 0x80 } }));
    Load(classes, [](CArchive& ar) {
        UINT schema = 0;
        EXPECT_EQ(ar.ReadClass(RUNTIME_CLASS(CObject), &schema), RUNTIME_CLASS(CArchiveVersioned));
        EXPECT_EQ(schema, 3u);
        EXPECT_EQ(ar.ReadClass(nullptr, &schema), RUNTIME_CLASS(CArchiveVersioned));
        EXPECT_EQ(schema, 3u);
    });
}

TEST(CArchiveTest, BadObjectStreamsRaiseTheArchiveException)
{
    const Bytes nodeClass = Concat({ { 0xFF, 0xFF, 0x02, 0x00, 0x0C, 0x00 }, Text("CArchiveNode") });
    struct Case { const char* what; Bytes bytes; const CRuntimeClass* requested; int cause; };
    const Case cases[] = {
        { "truncated class name", { 0xFF, 0xFF, 0x02, 0x00, 0x0C, 0x00, 'C' }, nullptr, CArchiveException::badClass },
        { "truncated object", nodeClass, nullptr, CArchiveException::endOfFile },
        { "unknown class", Concat({ { 0xFF, 0xFF, 0x01, 0x00, 0x07, 0x00 }, Text("CNoSuch") }), nullptr, CArchiveException::badClass },
        { "name too long", { 0xFF, 0xFF, 0x01, 0x00, 0xC8, 0x00 }, nullptr, CArchiveException::badClass },
        { "stored schema differs", Concat({ { 0xFF, 0xFF, 0x01, 0x00, 0x0C, 0x00 }, Text("CArchiveNode") }), nullptr, CArchiveException::badSchema },
        { "unknown class index", { 0x05, 0x80 }, nullptr, CArchiveException::badIndex },
        { "unknown object index", { 0x09, 0x00 }, nullptr, CArchiveException::badIndex },
        { "class of the wrong kind", Concat({ nodeClass, { 1, 0, 0, 0, 0, 0 } }), RUNTIME_CLASS(CArchiveVersioned), CArchiveException::badClass },
        { "empty", {}, nullptr, CArchiveException::endOfFile },
    };
    for (const Case& c : cases)
    {
        Load(c.bytes, [&](CArchive& ar) {
            EXPECT_EQ(ArchiveCause([&] { delete ar.ReadObject(c.requested); }), c.cause) << c.what;
        });
    }

    // An object index that names a class record is refused too.
    Bytes classThenIndex = Concat({ nodeClass, { 1, 0, 0, 0, 0, 0 }, { 0x01, 0x00 } });
    Load(classThenIndex, [](CArchive& ar) {
        CObject* first = ar.ReadObject(nullptr);
        EXPECT_EQ(ArchiveCause([&] { ar.ReadObject(nullptr); }), CArchiveException::badIndex);
        delete first;
    });

    // Classes without a schema cannot be written.
    EXPECT_THROW(Store([](CArchive& ar) { ar.WriteClass(RUNTIME_CLASS(CFile)); }), CNotSupportedException*);
}

TEST(CArchiveTest, DirectionBufferAndLookAhead)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        EXPECT_TRUE(ar.IsStoring());
        EXPECT_EQ(ar.GetFile(), &file);
        BYTE b;
        EXPECT_EQ(ArchiveCause([&] { ar >> b; }), CArchiveException::writeOnly);
    }
    BYTE data[10] = { 0x44, 0x33, 0x22, 0x11, 0x21, 0, 0, 0, 9, 9 };
    CMemFile source(data, sizeof(data));
    {
        CArchive ar(&source, CArchive::load);
        EXPECT_EQ(ArchiveCause([&] { ar << (BYTE)1; }), CArchiveException::readOnly);
        // Looking at the next value without taking it.
        if (ar.m_lpBufMax - ar.m_lpBufCur < 4)
            ar.FillBuffer((UINT)(4 - (ar.m_lpBufMax - ar.m_lpBufCur)));
        DWORD peeked;
        memcpy(&peeked, ar.m_lpBufCur, 4);
        EXPECT_EQ(peeked, 0x11223344u);
        DWORD first, second;
        ar >> first >> second;
        EXPECT_EQ(first, 0x11223344u);
        EXPECT_EQ(second, 0x21u);
        // Closing gives the unread bytes back to the file.
        ar.Close();
        EXPECT_EQ(source.GetPosition(), 8u);
        EXPECT_EQ(ar.GetFile(), nullptr);
    }

    // Blocks larger than the buffer pass straight through.
    std::string big(5000, 'b');
    big[0] = 'A';
    big[4999] = 'Z';
    Bytes stored = Store([&](CArchive& ar) { ar << (BYTE)1; ar.Write(big.data(), (UINT)big.size()); ar << (BYTE)2; }, 128);
    ASSERT_EQ(stored.size(), 5002u);
    Load(stored, [&](CArchive& ar) {
        BYTE first, last;
        std::string back(5000, '\0');
        ar >> first;
        EXPECT_EQ(ar.Read(&back[0], 5000), 5000u);
        ar >> last;
        EXPECT_EQ(first, 1);
        EXPECT_EQ(back, big);
        EXPECT_EQ(last, 2);
        char more;
        EXPECT_EQ(ar.Read(&more, 1), 0u);
    }, 128);
}

} // namespace
