#include "core/Core.h"
#include "ArchiveStreams.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

using namespace ArchiveStreams;

COleVariant Typed(VARTYPE vt, ULONGLONG bits)
{
    VARIANT v;
    ::VariantInit(&v);
    v.vt = vt;
    v.ullVal = bits;
    COleVariant var;
    var.Attach(v);
    return var;
}

TEST(OleValueTest, VariantFormsByType)
{
    CY cy;
    cy.int64 = 0x0000000112345678LL;
    struct Case { const char* what; COleVariant var; Bytes bytes; };
    const Case cases[] = {
        { "empty", COleVariant(), { 0x00, 0x00 } },
        { "null", Typed(VT_NULL, 0), { 0x01, 0x00 } },
        { "short", COleVariant((short)-2), { 0x02, 0x00, 0xFE, 0xFF } },
        { "long", COleVariant((long)0x01020304), { 0x03, 0x00, 0x04, 0x03, 0x02, 0x01 } },
        { "float", COleVariant(1.5f), { 0x04, 0x00, 0x00, 0x00, 0xC0, 0x3F } },
        { "double", COleVariant(-2.0), { 0x05, 0x00, 0, 0, 0, 0, 0, 0, 0x00, 0xC0 } },
        { "currency", COleVariant(cy), { 0x06, 0x00, 0x78, 0x56, 0x34, 0x12, 0x01, 0x00, 0x00, 0x00 } },
        { "date", COleVariant(COleDateTime(2.0)), { 0x07, 0x00, 0, 0, 0, 0, 0, 0, 0x00, 0x40 } },
        { "text", COleVariant(L"ab"), { 0x08, 0x00, 0xFF, 0xFE, 0xFF, 0x02, 'a', 0, 'b', 0 } },
        { "error", COleVariant((long)0x80004005, VT_ERROR), { 0x0A, 0x00, 0x05, 0x40, 0x00, 0x80 } },
        { "bool", COleVariant((short)1, VT_BOOL), { 0x0B, 0x00, 0xFF, 0xFF } },
        { "byte", COleVariant((BYTE)0x7F), { 0x11, 0x00, 0x7F } },
        { "unsigned 64", Typed(VT_UI8, 0x0102030405060708ULL), { 0x15, 0x00, 8, 7, 6, 5, 4, 3, 2, 1 } },
    };
    for (const Case& c : cases)
    {
        Bytes bytes = Store([&](CArchive& ar) { ar << c.var; });
        EXPECT_EQ(bytes, c.bytes) << c.what;
        // What is read back stores as the same bytes.
        COleVariant back((long)99);
        Load(bytes, [&](CArchive& ar) { ar >> back; });
        EXPECT_EQ(back.vt, c.var.vt) << c.what;
        EXPECT_EQ(Store([&](CArchive& ar) { ar << back; }), c.bytes) << c.what;
    }
}

TEST(OleValueTest, DatesAndCurrencies)
{
    COleDateTime date(45000.25);
    date.SetStatus(COleDateTime::null);
    CY cy;
    cy.int64 = -1;
    Bytes bytes = Store([&](CArchive& ar) { ar << date << cy; });
    const Bytes expected = {
        0x02, 0x00, 0x00, 0x00,                            // status
        0x00, 0x00, 0x00, 0x00, 0x08, 0xF9, 0xE5, 0x40,   // 45000.25
        0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
    };
    EXPECT_EQ(bytes, expected);
    Load(bytes, [](CArchive& ar) {
        COleDateTime back;
        CY cyBack;
        ar >> back >> cyBack;
        EXPECT_EQ(back.m_dt, 45000.25);
        EXPECT_EQ(back.GetStatus(), COleDateTime::null);
        EXPECT_EQ(cyBack.int64, -1);
    });

    // A status that means nothing reads as invalid.
    Load({ 0x07, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xF0, 0x3F }, [](CArchive& ar) {
        COleDateTime back;
        ar >> back;
        EXPECT_EQ(back.GetStatus(), COleDateTime::invalid);
        EXPECT_EQ(back.m_dt, 1.0);
    });
}

TEST(OleValueTest, DamagedOrUnsupportedValuesFailCleanly)
{
    struct Case { const char* what; Bytes bytes; int cause; };
    const Case cases[] = {
        { "truncated long", { 0x03, 0x00, 0x01, 0x02 }, CArchiveException::endOfFile },
        { "truncated text", { 0x08, 0x00, 0x05, 'a' }, CArchiveException::endOfFile },
        { "no type", { 0x03 }, CArchiveException::endOfFile },
        { "object", { 0x09, 0x00, 0x00, 0x00 }, CArchiveException::badIndex },
        { "array", { 0x03, 0x20 }, CArchiveException::badIndex },
    };
    for (const Case& c : cases)
    {
        Load(c.bytes, [&](CArchive& ar) {
            COleVariant kept(L"kept");
            EXPECT_EQ(ArchiveCause([&] { ar >> kept; }), c.cause) << c.what;
            ASSERT_EQ(kept.vt, VT_BSTR) << c.what;
            EXPECT_STREQ(kept.bstrVal, L"kept") << c.what;
        });
    }
    Load({ 0x01, 0x00, 0x00, 0x00, 0x00 }, [](CArchive& ar) {
        COleDateTime kept(3.0);
        EXPECT_EQ(ArchiveCause([&] { ar >> kept; }), CArchiveException::endOfFile);
        EXPECT_EQ(kept.m_dt, 3.0);
    });

    // An object cannot be stored; nothing is written for it.
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        COleVariant object = Typed(VT_UNKNOWN, 0);
        try
        {
            ar << object;
            ADD_FAILURE() << "no exception";
        }
        catch (COleException* e)
        {
            EXPECT_EQ(e->m_sc, DISP_E_BADVARTYPE);
            e->Delete();
        }
        object.vt = VT_EMPTY;   // holds no real object to release
        ar.Close();
    }
    EXPECT_EQ(file.GetLength(), 0u);
}

} // namespace
