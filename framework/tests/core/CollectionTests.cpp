#include "core/Core.h"
#include "ArchiveStreams.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

namespace {

// Access to the allocation state that the behaviour is about.
template <class TYPE, class ARG_TYPE>
struct ArrayProbe : CArray<TYPE, ARG_TYPE>
{
    INT_PTR Capacity() const { return this->m_nMaxSize; }
};

struct ListProbe : CPtrList
{
    explicit ListProbe(INT_PTR nBlockSize) : CPtrList(nBlockSize) {}
    int Blocks() const
    {
        int n = 0;
        for (CPlex* p = m_pBlocks; p != nullptr; p = p->pNext)
            n++;
        return n;
    }
};

struct MapProbe : CMapPtrToPtr
{
    bool HasTable() const { return m_pHashTable != nullptr; }
    bool HasBlocks() const { return m_pBlocks != nullptr; }
};

std::vector<int> Contents(const CArray<int, int>& a)
{
    return std::vector<int>(a.GetData(), a.GetData() + a.GetSize());
}

TEST(CArrayTest, GrowsByTheGrowByCountOrAnEighth)
{
    struct Case { INT_PTR growBy; int adds; INT_PTR capacity; };
    const Case cases[] = {
        { 0, 1, 1 },       // the first allocation is exact
        { 0, 2, 5 },       // then at least 4 more
        { 0, 6, 9 },
        { 5, 1, 5 },       // the first block holds the grow-by count
        { 5, 6, 10 },
        { 100, 101, 200 },
    };
    for (const Case& c : cases)
    {
        ArrayProbe<int, int> a;
        a.SetSize(0, c.growBy);
        for (int i = 0; i < c.adds; i++)
            EXPECT_EQ(a.Add(i), i);
        EXPECT_EQ(a.GetSize(), c.adds);
        EXPECT_EQ(a.Capacity(), c.capacity) << "grow by " << c.growBy << ", " << c.adds << " adds";
    }

    // Large arrays grow by an eighth of their size, at most 1024 elements.
    ArrayProbe<int, int> big;
    big.SetSize(800);
    big.Add(1);
    EXPECT_EQ(big.Capacity(), 900);
    ArrayProbe<int, int> huge;
    huge.SetSize(20000);
    huge.Add(1);
    EXPECT_EQ(huge.Capacity(), 21024);

    // Shrinking keeps the memory; FreeExtra gives it back.
    big.SetSize(3);
    EXPECT_EQ(big.Capacity(), 900);
    big.FreeExtra();
    EXPECT_EQ(big.Capacity(), 3);
    big.SetSize(0);
    EXPECT_EQ(big.GetData(), nullptr);
}

TEST(CArrayTest, RemoveAtChecksItsRange)
{
    struct Case { INT_PTR index; INT_PTR count; bool throws; std::vector<int> left; };
    const Case cases[] = {
        { 0, 5, false, {} },
        { 1, 2, false, { 0, 3, 4 } },
        { 4, 1, false, { 0, 1, 2, 3 } },
        { 5, 0, false, { 0, 1, 2, 3, 4 } },
        { 2, 0, false, { 0, 1, 2, 3, 4 } },
        { -1, 1, true, { 0, 1, 2, 3, 4 } },
        { 0, -1, true, { 0, 1, 2, 3, 4 } },
        { 3, 3, true, { 0, 1, 2, 3, 4 } },
        { 6, 0, true, { 0, 1, 2, 3, 4 } },
        { 1, INTPTR_MAX, true, { 0, 1, 2, 3, 4 } },
    };
    for (const Case& c : cases)
    {
        CPtrArray pointers;   // the framework's pointer array
        CArray<int, int> a;
        for (int i = 0; i < 5; i++)
        {
            a.Add(i);
            pointers.Add(&a);
        }
        if (c.throws)
        {
            EXPECT_THROW(a.RemoveAt(c.index, c.count), CInvalidArgException*) << c.index << "," << c.count;
            EXPECT_THROW(pointers.RemoveAt(c.index, c.count), CInvalidArgException*);
        }
        else
        {
            a.RemoveAt(c.index, c.count);
            pointers.RemoveAt(c.index, c.count);
        }
        EXPECT_EQ(Contents(a), c.left) << c.index << "," << c.count;
        EXPECT_EQ(pointers.GetSize(), (INT_PTR)c.left.size());
    }
}

TEST(CArrayTest, IndexedAccessAndInsertion)
{
    CArray<int, int> a;
    EXPECT_THROW(a.GetAt(0), CInvalidArgException*);
    EXPECT_THROW(a[-1], CInvalidArgException*);
    EXPECT_THROW(a.SetSize(-1), CInvalidArgException*);
    EXPECT_EQ(a.GetUpperBound(), -1);

    a.SetAtGrow(3, 7);   // grows with default elements
    EXPECT_EQ(Contents(a), (std::vector<int>{ 0, 0, 0, 7 }));
    a.InsertAt(1, 5, 2);
    EXPECT_EQ(Contents(a), (std::vector<int>{ 0, 5, 5, 0, 0, 7 }));
    a.InsertAt(8, 9);    // past the end: the gap gets default elements
    EXPECT_EQ(Contents(a), (std::vector<int>{ 0, 5, 5, 0, 0, 7, 0, 0, 9 }));
    EXPECT_THROW(a.InsertAt(0, 1, 0), CInvalidArgException*);
    a.ElementAt(0) = 4;
    EXPECT_EQ(a[0], 4);

    CArray<int, int> b;
    b.Add(1);
    EXPECT_EQ(b.Append(a), 1);
    EXPECT_EQ(b.GetSize(), 10);
    b.Copy(a);
    EXPECT_EQ(Contents(b), Contents(a));
    b.InsertAt(1, &a);
    EXPECT_EQ(b.GetSize(), 18);
    EXPECT_EQ(b[1], 4);
}

TEST(CArrayTest, StringElementsSurviveGrowthInsertionAndRemoval)
{
    CStringArray a;
    for (int i = 0; i < 50; i++)
    {
        CString s;
        s.Format(L"item %d", i);
        a.Add(s);
    }
    a.InsertAt(10, CString(L"inserted"), 3);
    a.RemoveAt(0, 5);
    a.Add(a[0]);   // an element of the array itself, while it grows
    EXPECT_EQ(a.GetSize(), 49);
    EXPECT_EQ(a[0], L"item 5");
    EXPECT_EQ(a[5], L"inserted");
    EXPECT_EQ(a[8], L"item 10");
    EXPECT_EQ(a[47], L"item 49");
    EXPECT_EQ(a[48], L"item 5");
    a.RemoveAll();
    EXPECT_TRUE(a.IsEmpty());
}

TEST(CListTest, NodesComeFromBlocksAndAreReused)
{
    ListProbe list(3);
    int values[8] = {};
    POSITION first = list.AddTail(&values[0]);
    EXPECT_EQ(list.GetAt(first), &values[0]);
    list.AddTail(&values[1]);
    list.AddTail(&values[2]);
    EXPECT_EQ(list.Blocks(), 1);
    POSITION fourth = list.AddTail(&values[3]);
    EXPECT_EQ(list.Blocks(), 2);

    // A removed node is the next one handed out.
    list.RemoveAt(fourth);
    POSITION again = list.AddHead(&values[4]);
    EXPECT_EQ(again, fourth);
    EXPECT_EQ(list.Blocks(), 2);

    std::vector<void*> order;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        order.push_back(list.GetNext(pos));
    EXPECT_EQ(order, (std::vector<void*>{ &values[4], &values[0], &values[1], &values[2] }));

    // The last removal frees every block.
    while (!list.IsEmpty())
        list.RemoveTail();
    EXPECT_EQ(list.Blocks(), 0);
    EXPECT_EQ(list.GetHeadPosition(), nullptr);
    EXPECT_THROW(list.GetHead(), CInvalidArgException*);
}

TEST(CListTest, InsertFindAndWalkBackwards)
{
    CList<CString, const CString&> list;
    POSITION b = list.AddTail(CString(L"b"));
    list.InsertBefore(b, CString(L"a"));
    list.InsertAfter(b, CString(L"d"));
    list.InsertAfter(b, CString(L"c"));
    list.InsertBefore(nullptr, CString(L"head"));
    list.InsertAfter(nullptr, CString(L"tail"));
    EXPECT_EQ(list.GetCount(), 6);
    EXPECT_EQ(list.GetHead(), L"head");
    EXPECT_EQ(list.GetTail(), L"tail");

    std::vector<CString> backwards;
    for (POSITION pos = list.GetTailPosition(); pos != nullptr;)
        backwards.push_back(list.GetPrev(pos));
    EXPECT_EQ(backwards, (std::vector<CString>{ L"tail", L"d", L"c", L"b", L"a", L"head" }));

    EXPECT_EQ(list.Find(CString(L"c")), list.FindIndex(3));
    EXPECT_EQ(list.Find(CString(L"c"), list.FindIndex(3)), nullptr);
    EXPECT_EQ(list.FindIndex(6), nullptr);
    EXPECT_EQ(list.RemoveHead(), L"head");
    EXPECT_EQ(list.RemoveTail(), L"tail");

    CList<CString, const CString&> other;
    other.AddTail(CString(L"x"));
    other.AddTail(CString(L"y"));
    list.AddHead(&other);
    EXPECT_EQ(list.GetHead(), L"x");
    EXPECT_EQ(list.GetAt(list.FindIndex(1)), L"y");
}

TEST(CMapTest, IterationFollowsBucketsAndNewestFirst)
{
    // Integer keys fall in bucket (key / 16) mod 17.
    CMap<UINT, UINT, int, int> map;
    const UINT keys[] = { 0, 16, 17 * 16, 2 * 16, 17 * 16 * 2 };
    for (int i = 0; i < 5; i++)
        map[keys[i]] = i;
    std::vector<UINT> order;
    for (POSITION pos = map.GetStartPosition(); pos != nullptr;)
    {
        UINT key;
        int value;
        map.GetNextAssoc(pos, key, value);
        order.push_back(key);
    }
    EXPECT_EQ(order, (std::vector<UINT>{ 17 * 16 * 2, 17 * 16, 0, 16, 2 * 16 }));

    // String keys hash as h = h * 33 + character.
    EXPECT_EQ(HashKey(L"ab"), 97u * 33u + 98u);
    EXPECT_EQ(HashKey(CString(L"ab")), HashKey(L"ab"));
    EXPECT_EQ(HashKey(L""), 0u);
}

TEST(CMapTest, LookupSetRemoveAndRehash)
{
    CMapStringToPtr map;
    map.InitHashTable(199);
    EXPECT_EQ(map.GetHashTableSize(), 199u);
    int a = 0, b = 0;
    map.SetAt(L"Name", &a);
    map[L"name"] = &b;   // keys are case-sensitive
    void* p = nullptr;
    EXPECT_TRUE(map.Lookup(L"Name", p));
    EXPECT_EQ(p, &a);
    EXPECT_TRUE(map.Lookup(L"name", p));
    EXPECT_EQ(p, &b);
    EXPECT_FALSE(map.Lookup(L"NAME", p));
    map.SetAt(L"Name", &b);
    EXPECT_EQ(map.GetCount(), 2);
    EXPECT_EQ(map[L"Name"], &b);
    EXPECT_EQ(map[L"new"], nullptr);   // added with the default value
    EXPECT_EQ(map.GetCount(), 3);

    // A new table size keeps what the map holds.
    map.InitHashTable(7);
    EXPECT_EQ(map.GetCount(), 3);
    EXPECT_TRUE(map.Lookup(L"name", p));
    EXPECT_EQ(p, &b);

    EXPECT_TRUE(map.RemoveKey(L"new"));
    EXPECT_FALSE(map.RemoveKey(L"new"));
    EXPECT_EQ(map.PLookup(L"new"), nullptr);
    EXPECT_EQ(map.PLookup(L"Name")->value, &b);

    CMapStringToString texts;
    texts.SetAt(L"k", L"v");
    CString value;
    EXPECT_TRUE(texts.Lookup(L"k", value));
    EXPECT_EQ(value, L"v");
}

TEST(CMapTest, RemovingTheCurrentEntryWhileIterating)
{
    MapProbe map;
    std::set<void*> added;
    for (UINT_PTR i = 1; i <= 100; i++)
    {
        map.SetAt((void*)(i * 8), (void*)i);
        added.insert((void*)(i * 8));
    }
    std::set<void*> seen;
    for (POSITION pos = map.GetStartPosition(); pos != nullptr;)
    {
        void* key;
        void* value;
        map.GetNextAssoc(pos, key, value);
        seen.insert(key);
        EXPECT_TRUE(map.RemoveKey(key));
    }
    EXPECT_EQ(seen, added);
    EXPECT_TRUE(map.IsEmpty());
    // The last removal frees the table and the entry blocks.
    EXPECT_FALSE(map.HasTable());
    EXPECT_FALSE(map.HasBlocks());

    map.SetAt(&map, &map);
    EXPECT_TRUE(map.HasTable());
    map.RemoveAll();
    EXPECT_EQ(map.GetCount(), 0);
    EXPECT_FALSE(map.HasTable());
    EXPECT_FALSE(map.HasBlocks());
    EXPECT_EQ(map.GetStartPosition(), nullptr);

    // Walking the pairs directly.
    map.SetAt((void*)16, (void*)1);
    map.SetAt((void*)32, (void*)2);
    int n = 0;
    for (const CMapPtrToPtr::CPair* pair = map.PGetFirstAssoc(); pair != nullptr; pair = map.PGetNextAssoc(pair))
        n++;
    EXPECT_EQ(n, 2);
}

} // namespace

TEST(CMapTest, SerializeStoresTheCountThenEachPairAndLoadsThemBack)
{
    using namespace ArchiveStreams;
    CMap<UINT, UINT, BOOL, BOOL> map;
    map.SetAt(3, TRUE);
    map.SetAt(0x01020304, FALSE);
    const Bytes bytes = Store([&](CArchive& ar) { map.Serialize(ar); });
    // Count 2, then key and value of each pair in table order.
    ASSERT_EQ(bytes.size(), 2u + 2 * 8);
    EXPECT_EQ(bytes[0], 2);
    EXPECT_EQ(bytes[1], 0);

    CMap<UINT, UINT, BOOL, BOOL> loaded;
    Load(bytes, [&](CArchive& ar) { loaded.Serialize(ar); });
    ASSERT_EQ(loaded.GetCount(), 2);
    BOOL bValue = FALSE;
    EXPECT_TRUE(loaded.Lookup(3, bValue));
    EXPECT_TRUE(bValue);
    EXPECT_TRUE(loaded.Lookup(0x01020304, bValue));
    EXPECT_FALSE(bValue);

    // Strings go as the archive writes strings.
    CMapStringToString strings;
    strings.SetAt(L"key", L"value");
    CMapStringToString loadedStrings;
    Load(Store([&](CArchive& ar) { strings.Serialize(ar); }), [&](CArchive& ar) { loadedStrings.Serialize(ar); });
    CString strValue;
    EXPECT_TRUE(loadedStrings.Lookup(L"key", strValue));
    EXPECT_EQ(strValue, CString(L"value"));

    // A count larger than the data ends in the archive exception.
    Bytes cut(bytes.begin(), bytes.end() - 3);
    CMap<UINT, UINT, BOOL, BOOL> damaged;
    EXPECT_EQ(ArchiveCause([&] { Load(cut, [&](CArchive& ar) { damaged.Serialize(ar); }); }),
              CArchiveException::endOfFile);
}

namespace {
class CShape : public CObject
{
public:
    explicit CShape(int nSides) : m_nSides(nSides) {}
    int m_nSides;
};
} // namespace

TEST(CTypedPtrArrayTest, TypedMembersReachTheUnderlyingPointerArray)
{
    CShape triangle(3), square(4), pentagon(5);

    CTypedPtrArray<CObArray, CShape*> shapes;
    EXPECT_EQ(0, shapes.Add(&square));
    shapes.InsertAt(0, &triangle);
    shapes.SetAtGrow(3, &pentagon);   // leaves a null slot at 2
    ASSERT_EQ(4, shapes.GetSize());
    EXPECT_EQ(3, shapes[0]->m_nSides);
    EXPECT_EQ(4, shapes.GetAt(1)->m_nSides);
    EXPECT_EQ(nullptr, shapes[2]);
    shapes.ElementAt(2) = &square;
    EXPECT_EQ(&square, static_cast<CObArray&>(shapes).GetAt(2)) << "the typed slot is the base's slot";
    EXPECT_EQ(5, shapes.GetData()[3]->m_nSides);

    CTypedPtrArray<CObArray, CShape*> copy;
    copy.Add(&pentagon);
    EXPECT_EQ(1, copy.Append(shapes));
    ASSERT_EQ(5, copy.GetSize());
    EXPECT_EQ(&triangle, copy[1]);
    EXPECT_THROW(copy.GetAt(5), CInvalidArgException*);

    CTypedPtrArray<CPtrArray, CShape*> loose;
    loose.Add(&triangle);
    loose[0] = &pentagon;
    EXPECT_EQ(5, loose.GetAt(0)->m_nSides);
    const CTypedPtrArray<CPtrArray, CShape*>& constLoose = loose;
    EXPECT_EQ(&pentagon, constLoose[0]);
}
