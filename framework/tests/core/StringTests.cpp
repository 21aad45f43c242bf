#include "core/Core.h"

#include <oleauto.h>
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

const UINT IDS_TEST_GREETING = 101;
const UINT IDS_TEST_FORMAT = 102;

TEST(CStringTest, FormatFollowsTheRuntimeConventions)
{
    struct Case { CString result; const wchar_t* expected; };
    CString s1, s2, s3, s4, s5, s6, s7, s8, s9;
    s1.Format(L"%d|%5d|%-4d|%u", -42, 7, 3, 4000000000u);
    s2.Format(L"%04X %x %08lX", 0xAB, 255, 0xDEADBEEFul);
    s3.Format(L"%s and %ls", L"wide", L"also wide");
    s4.Format(L"[%hs]", "narrow");
    s5.Format(L"%c%c%%", L'o', L'k');
    s6.Format(L"%5.2f|%.0f", 3.14159, 2.4);
    s7.Format(L"%02d:%02d:%02d", 9, 5, 0);
    s8.Format(L"[%05d-%05d] %04d-%02d-%02d %02d:%02d:%02d.%03d : ", 123, 45, 2024, 1, 2, 3, 4, 5, 6);
    s9.Format(L"%I64d %lld", (LONGLONG)-5000000000LL, 7LL);
    const Case cases[] = {
        { s1, L"-42|    7|3   |4000000000" },
        { s2, L"00AB ff DEADBEEF" },
        { s3, L"wide and also wide" },
        { s4, L"[narrow]" },
        { s5, L"ok%" },
        { s6, L" 3.14|2" },
        { s7, L"09:05:00" },
        { s8, L"[00123-00045] 2024-01-02 03:04:05.006 : " },
        { s9, L"-5000000000 7" },
    };
    for (const Case& c : cases)
        EXPECT_STREQ(c.result, c.expected);

    CStringA narrow;
    narrow.Format("%s=%d %S", "x", 5, L"w");
    EXPECT_STREQ(narrow, "x=5 w");
}

TEST(CStringTest, FormatHandlesLongOutputAndItsOwnText)
{
    CString big;
    big.Format(L"%s|%0500d", L"head", 1);
    EXPECT_EQ(big.GetLength(), 5 + 500);
    EXPECT_EQ(big.Right(2), L"01");

    // Arguments that point into the string being formatted.
    CString s(L"abc");
    s.Format(L"<%s>", (LPCTSTR)s);
    EXPECT_EQ(s, L"<abc>");
    s.AppendFormat(L"%s%s", (LPCTSTR)s, (LPCTSTR)s);
    EXPECT_EQ(s, L"<abc><abc><abc>");
}

TEST(CStringTest, SearchingAndExtractingClampToTheString)
{
    const CString s(L"abcabc");
    struct Case { int result; int expected; };
    const Case finds[] = {
        { s.Find(L'b'), 1 },
        { s.Find(L'b', 2), 4 },
        { s.Find(L'b', 6), -1 },
        { s.Find(L'b', -1), -1 },
        { s.Find(L'z'), -1 },
        { s.Find(L"ca"), 2 },
        { s.Find(L"abc", 1), 3 },
        { s.Find(L""), 0 },
        { s.Find(L"", 6), 6 },
        { s.Find(L"c", 7), -1 },
        { s.ReverseFind(L'a'), 3 },
        { s.ReverseFind(L'z'), -1 },
        { s.FindOneOf(L"xyc"), 2 },
        { s.FindOneOf(L"xyz"), -1 },
        { CString().Find(L'a'), -1 },
        { CString().ReverseFind(L'a'), -1 },
    };
    for (size_t i = 0; i < sizeof(finds) / sizeof(finds[0]); i++)
        EXPECT_EQ(finds[i].result, finds[i].expected) << "case " << i;

    struct Part { CString result; const wchar_t* expected; };
    const Part parts[] = {
        { s.Mid(2), L"cabc" },
        { s.Mid(2, 2), L"ca" },
        { s.Mid(-3, 2), L"ab" },
        { s.Mid(4, 100), L"bc" },
        { s.Mid(6), L"" },
        { s.Mid(9), L"" },
        { s.Mid(1, -1), L"" },
        { s.Left(2), L"ab" },
        { s.Left(-1), L"" },
        { s.Left(99), L"abcabc" },
        { s.Right(2), L"bc" },
        { s.Right(99), L"abcabc" },
        { s.Right(-2), L"" },
        { s.SpanIncluding(L"ab"), L"ab" },
        { s.SpanExcluding(L"c"), L"ab" },
    };
    for (size_t i = 0; i < sizeof(parts) / sizeof(parts[0]); i++)
        EXPECT_STREQ(parts[i].result, parts[i].expected) << "case " << i;
}

TEST(CStringTest, TokenizeSkipsRunsOfDelimitersAndEndsWithMinusOne)
{
    struct Case { const wchar_t* text; const wchar_t* delimiters; std::vector<std::wstring> tokens; };
    const Case cases[] = {
        { L"a,b,c", L",", { L"a", L"b", L"c" } },
        { L",,a,,b,,", L",", { L"a", L"b" } },
        { L"one two\tthree", L" \t", { L"one", L"two", L"three" } },
        { L"", L",", {} },
        { L",,,", L",", {} },
        { L"whole", L"", { L"whole" } },
    };
    for (const Case& c : cases)
    {
        CString s(c.text);
        std::vector<std::wstring> tokens;
        int pos = 0;
        for (int guard = 0; guard < 10; guard++)
        {
            CString token = s.Tokenize(c.delimiters, pos);
            if (pos == -1)
            {
                EXPECT_TRUE(token.IsEmpty());
                break;
            }
            tokens.push_back(token.GetString());
        }
        EXPECT_EQ(pos, -1) << c.text;
        EXPECT_EQ(tokens, c.tokens) << c.text;
    }
    int bad = -1;
    EXPECT_THROW(CString(L"x").Tokenize(L",", bad), CInvalidArgException*);
}

TEST(CStringTest, EditingInPlace)
{
    auto run = [](const wchar_t* text, auto edit) { CString s(text); int n = edit(s); return std::make_pair(s, n); };
    const std::pair<CString, int> results[] = {
        run(L"abcdef", [](CString& s) { return s.Delete(1, 2); }),
        run(L"abcdef", [](CString& s) { return s.Delete(-5, 2); }),
        run(L"abcdef", [](CString& s) { return s.Delete(4, 100); }),
        run(L"abcdef", [](CString& s) { return s.Delete(10, 1); }),
        run(L"abcdef", [](CString& s) { return s.Delete(2); }),
        run(L"abc", [](CString& s) { return s.Insert(1, L"XY"); }),
        run(L"abc", [](CString& s) { return s.Insert(-4, L'X'); }),
        run(L"abc", [](CString& s) { return s.Insert(99, L'X'); }),
        run(L"a.b.c", [](CString& s) { return s.Replace(L'.', L'-'); }),
        run(L"aXXbXXc", [](CString& s) { return s.Replace(L"XX", L"yyy"); }),
        run(L"aaaa", [](CString& s) { return s.Replace(L"aa", L"a"); }),
        run(L"abc", [](CString& s) { return s.Replace(L"", L"z"); }),
        run(L"abc", [](CString& s) { return s.Replace(L"b", L""); }),
        run(L"banana", [](CString& s) { return s.Remove(L'a'); }),
        run(L"  \t x y \r\n", [](CString& s) { s.Trim(); return 0; }),
        run(L"  x  ", [](CString& s) { s.TrimLeft(); return 0; }),
        run(L"  x  ", [](CString& s) { s.TrimRight(); return 0; }),
        run(L"--x--", [](CString& s) { s.Trim(L'-'); return 0; }),
        run(L"-+x+-", [](CString& s) { s.TrimRight(L"+-"); return 0; }),
        run(L"   ", [](CString& s) { s.Trim(); return 0; }),
        run(L"MiXed 1", [](CString& s) { s.MakeUpper(); return 0; }),
        run(L"MiXed 1", [](CString& s) { s.MakeLower(); return 0; }),
        run(L"abc", [](CString& s) { s.MakeReverse(); return 0; }),
    };
    const std::pair<const wchar_t*, int> expected[] = {
        { L"adef", 4 }, { L"cdef", 4 }, { L"abcd", 4 }, { L"abcdef", 6 }, { L"abdef", 5 },
        { L"aXYbc", 5 }, { L"Xabc", 4 }, { L"abcX", 4 },
        { L"a-b-c", 2 }, { L"ayyybyyyc", 2 }, { L"aa", 2 }, { L"abc", 0 }, { L"ac", 1 },
        { L"bnn", 3 },
        { L"x y", 0 }, { L"x  ", 0 }, { L"  x", 0 }, { L"x", 0 }, { L"-+x", 0 }, { L"", 0 },
        { L"MIXED 1", 0 }, { L"mixed 1", 0 }, { L"cba", 0 },
    };
    static_assert(sizeof(results) / sizeof(results[0]) == sizeof(expected) / sizeof(expected[0]), "table");
    for (size_t i = 0; i < sizeof(results) / sizeof(results[0]); i++)
    {
        EXPECT_STREQ(results[i].first, expected[i].first) << "case " << i;
        EXPECT_EQ(results[i].second, expected[i].second) << "case " << i;
    }
}

TEST(CStringTest, ComparisonAndConcatenation)
{
    CString a(L"abc");
    EXPECT_TRUE(a == L"abc");
    EXPECT_TRUE(L"abc" == a);
    EXPECT_TRUE(a != CString(L"abd"));
    EXPECT_TRUE(a < L"abd");
    EXPECT_TRUE(CString(L"b") > a);
    EXPECT_GT(a.Compare(L"ABC"), 0);          // lower case sorts after upper case
    EXPECT_EQ(a.CompareNoCase(L"ABC"), 0);
    EXPECT_LT(a.CompareNoCase(L"ABD"), 0);
    EXPECT_EQ(a.Compare(nullptr), 1);
    EXPECT_EQ(CString().Compare(nullptr), 0);

    CString sum = a + L"-" + CString(L"d") + L'e';
    EXPECT_EQ(sum, L"abc-de");
    EXPECT_EQ(L'>' + a, L">abc");
    a += a;   // appending itself
    EXPECT_EQ(a, L"abcabc");
    a += "narrow";
    EXPECT_EQ(a, L"abcabcnarrow");
    EXPECT_EQ(CString(L'x', 3), L"xxx");
    EXPECT_EQ(CString(L"abcdef", 3), L"abc");

    // Embedded zeros count in the length and in equality.
    CString withZero(L"a\0b", 3);
    EXPECT_EQ(withZero.GetLength(), 3);
    EXPECT_FALSE(withZero == CString(L"a"));
}

TEST(CStringTest, CharacterAccessChecksTheIndex)
{
    CString s(L"abc");
    EXPECT_EQ(s[1], L'b');
    EXPECT_EQ(s.GetAt(3), L'\0');   // the terminator
    s.SetAt(0, L'X');
    EXPECT_EQ(s, L"Xbc");
    EXPECT_THROW(s.GetAt(4), CInvalidArgException*);
    EXPECT_THROW(s.GetAt(-1), CInvalidArgException*);
    EXPECT_THROW(s.SetAt(3, L'x'), CInvalidArgException*);
    EXPECT_STREQ((LPCWSTR)CString(), L"");
}

TEST(CStringTest, BufferAccess)
{
    CString s(L"abc");
    LPWSTR p = s.GetBuffer(10);
    EXPECT_EQ(s.GetLength(), 3);   // the text is kept
    wcscpy(p, L"hello");
    s.ReleaseBuffer();
    EXPECT_EQ(s, L"hello");

    p = s.GetBuffer(20);
    wcscpy(p, L"0123456789");
    s.ReleaseBuffer(4);
    EXPECT_EQ(s, L"0123");

    p = s.GetBufferSetLength(2);
    EXPECT_EQ(s.GetLength(), 2);
    p[0] = L'x';
    s.ReleaseBuffer();
    EXPECT_EQ(s, L"x1");

    // A buffer filled to the end without a terminator stops at its size.
    CString full;
    p = full.GetBuffer(4);
    for (int i = 0; i < full.GetAllocLength(); i++)
        p[i] = L'z';
    full.ReleaseBuffer();
    EXPECT_EQ(full.GetLength(), full.GetAllocLength());

    CString empty;
    empty.ReleaseBuffer();
    EXPECT_TRUE(empty.IsEmpty());
    EXPECT_THROW(empty.GetBuffer(-1), CInvalidArgException*);
}

TEST(CStringTest, NarrowAndWideConvertThroughTheAnsiCodePage)
{
    CStringA narrow("plain text");
    CString wide(narrow);
    EXPECT_EQ(wide, L"plain text");
    EXPECT_EQ(CStringA(wide), "plain text");
    CString fromPointer("char pointer");
    EXPECT_EQ(fromPointer, L"char pointer");
    CString assigned;
    assigned = "assigned";
    EXPECT_EQ(assigned, L"assigned");

    if (GetACP() == 1252)
    {
        EXPECT_EQ(CString("caf\xE9"), L"caf\u00E9");
        EXPECT_EQ(CStringA(L"caf\u00E9"), "caf\xE9");
    }
    EXPECT_TRUE(CString((LPCSTR)nullptr).IsEmpty());
    EXPECT_TRUE(CString((LPCWSTR)nullptr).IsEmpty());
}

TEST(CStringTest, LoadStringFromTheStringTable)
{
    CString s;
    EXPECT_TRUE(s.LoadString(IDS_TEST_GREETING));
    EXPECT_EQ(s, L"Hello, world");
    EXPECT_FALSE(s.LoadString(9999));
    EXPECT_TRUE(s.IsEmpty());

    CString fromId(MAKEINTRESOURCE(IDS_TEST_GREETING));
    EXPECT_EQ(fromId, L"Hello, world");

    CString formatted;
    formatted.Format(IDS_TEST_FORMAT, 3, L"C:\\x");
    EXPECT_EQ(formatted, L"3 files in C:\\x");

    CStringA narrow;
    EXPECT_TRUE(narrow.LoadString(IDS_TEST_GREETING));
    EXPECT_EQ(narrow, "Hello, world");
}

TEST(GeometryTest, RectangleMembers)
{
    CRect r(10, 20, 30, 60);
    EXPECT_EQ(r.Width(), 20);
    EXPECT_EQ(r.Height(), 40);
    EXPECT_EQ(r.Size(), CSize(20, 40));
    EXPECT_EQ(r.TopLeft(), CPoint(10, 20));
    EXPECT_EQ(r.BottomRight(), CPoint(30, 60));
    EXPECT_EQ(r.CenterPoint(), CPoint(20, 40));
    EXPECT_TRUE(r.PtInRect(CPoint(10, 20)));
    EXPECT_FALSE(r.PtInRect(CPoint(30, 20)));   // right and bottom are outside

    r.TopLeft() = CPoint(0, 0);
    EXPECT_EQ(r, CRect(0, 0, 30, 60));

    CRect inflated(r);
    inflated.InflateRect(1, 2);
    EXPECT_EQ(inflated, CRect(-1, -2, 31, 62));
    inflated.DeflateRect(1, 2, 3, 4);
    EXPECT_EQ(inflated, CRect(0, 0, 28, 58));
    inflated.OffsetRect(5, -5);
    EXPECT_EQ(inflated, CRect(5, -5, 33, 53));

    CRect flipped(10, 10, 0, 0);
    EXPECT_TRUE(flipped.IsRectEmpty());
    EXPECT_FALSE(flipped.IsRectNull());
    flipped.NormalizeRect();
    EXPECT_EQ(flipped, CRect(0, 0, 10, 10));

    CRect both;
    EXPECT_TRUE(both.IntersectRect(CRect(0, 0, 10, 10), CRect(5, 5, 20, 20)));
    EXPECT_EQ(both, CRect(5, 5, 10, 10));
    EXPECT_FALSE(both.IntersectRect(CRect(0, 0, 1, 1), CRect(5, 5, 6, 6)));
    EXPECT_TRUE(both.IsRectNull());
    EXPECT_TRUE(both.UnionRect(CRect(0, 0, 1, 1), CRect(5, 5, 6, 6)));
    EXPECT_EQ(both, CRect(0, 0, 6, 6));
    EXPECT_EQ(CRect(0, 0, 4, 4) & CRect(2, 2, 8, 8), CRect(2, 2, 4, 4));
    EXPECT_EQ(CRect(0, 0, 4, 4) + CPoint(1, 1), CRect(1, 1, 5, 5));
    both.SetRectEmpty();
    EXPECT_TRUE(both.IsRectNull());

    EXPECT_EQ(CPoint(3, 4) - CPoint(1, 1), CSize(2, 3));
    EXPECT_EQ(CPoint(3, 4) + CSize(1, 1), CPoint(4, 5));
    EXPECT_EQ(CPoint(MAKELPARAM(-3, 7)), CPoint(-3, 7));
}

} // namespace

TEST(CStringTest, AllocSysStringCopiesTheWholeTextIntoACallerOwnedBstr)
{
    const CString cases[] = { CString(), CString(L"caption"), CString(L"a\0b", 3) };
    for (const CString& s : cases)
    {
        BSTR bstr = s.AllocSysString();
        ASSERT_NE(nullptr, bstr) << "even an empty text gives a string";
        EXPECT_EQ(UINT(s.GetLength()), ::SysStringLen(bstr));
        EXPECT_EQ(0, wmemcmp(bstr, s.GetString(), size_t(s.GetLength())));
        EXPECT_EQ(L'\0', bstr[s.GetLength()]);
        ::SysFreeString(bstr);
    }

    BSTR bstr = CStringA("narrow").AllocSysString();
    EXPECT_STREQ(L"narrow", bstr);
    EXPECT_EQ(6U, ::SysStringLen(bstr));
    ::SysFreeString(bstr);
}
