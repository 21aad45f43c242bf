#include "core/Core.h"

#include <gtest/gtest.h>

#include <memory>

// A small class ladder of every kind of run-time record.
class CTestShape : public CObject
{
    DECLARE_SERIAL(CTestShape)
public:
    int m_nSides = 0;
};
IMPLEMENT_SERIAL(CTestShape, CObject, 1)

class CTestSquare : public CTestShape
{
    DECLARE_SERIAL(CTestSquare)
public:
    CTestSquare() { m_nSides = 4; }
    char m_extra[40] = {};
};
IMPLEMENT_SERIAL(CTestSquare, CTestShape, VERSIONABLE_SCHEMA | 3)

class CTestCreatable : public CObject
{
    DECLARE_DYNCREATE(CTestCreatable)
};
IMPLEMENT_DYNCREATE(CTestCreatable, CObject)

class CTestDynamic : public CObject
{
    DECLARE_DYNAMIC(CTestDynamic)
};
IMPLEMENT_DYNAMIC(CTestDynamic, CObject)

// Its constructor fails: creation through the record reports null.
class CTestFailing : public CObject
{
    DECLARE_SERIAL(CTestFailing)
public:
    CTestFailing() { AfxThrowResourceException(); }
};
IMPLEMENT_SERIAL(CTestFailing, CObject, 1)

namespace {

TEST(CRuntimeClassTest, RecordsDescribeTheClass)
{
    CRuntimeClass* square = RUNTIME_CLASS(CTestSquare);
    EXPECT_STREQ(square->m_lpszClassName, "CTestSquare");
    EXPECT_EQ(square->m_nObjectSize, (int)sizeof(CTestSquare));
    EXPECT_EQ(square->m_wSchema, VERSIONABLE_SCHEMA | 3);
    EXPECT_EQ(square->m_pBaseClass, RUNTIME_CLASS(CTestShape));
    EXPECT_EQ(RUNTIME_CLASS(CTestDynamic)->m_wSchema, 0xFFFFu);
    EXPECT_EQ(RUNTIME_CLASS(CTestDynamic)->m_pfnCreateObject, nullptr);

    EXPECT_TRUE(square->IsDerivedFrom(RUNTIME_CLASS(CObject)));
    EXPECT_TRUE(square->IsDerivedFrom(square));
    EXPECT_FALSE(RUNTIME_CLASS(CTestShape)->IsDerivedFrom(square));
    EXPECT_EQ(CTestSquare::GetThisClass(), square);
}

TEST(CRuntimeClassTest, CreationByClassAndLookupByName)
{
    // Serial classes are in the module's list; the others are not.
    struct Case { const char* name; CRuntimeClass* expected; };
    const Case cases[] = {
        { "CTestSquare", RUNTIME_CLASS(CTestSquare) },
        { "CTestShape", RUNTIME_CLASS(CTestShape) },
        { "CTestCreatable", nullptr },
        { "CTestDynamic", nullptr },
        { "ctestsquare", nullptr },   // names match exactly
        { "", nullptr },
    };
    for (const Case& c : cases)
        EXPECT_EQ(CRuntimeClass::FromName(c.name), c.expected) << c.name;
    EXPECT_EQ(CRuntimeClass::FromName(L"CTestSquare"), RUNTIME_CLASS(CTestSquare));
    EXPECT_EQ(CRuntimeClass::FromName((LPCSTR)nullptr), nullptr);

    bool found = false;
    for (CRuntimeClass* p = AfxGetFirstRuntimeClass(); p != nullptr; p = p->m_pNextClass)
        found = found || p == RUNTIME_CLASS(CTestShape);
    EXPECT_TRUE(found);

    std::unique_ptr<CObject> square(CRuntimeClass::CreateObject("CTestSquare"));
    ASSERT_NE(square, nullptr);
    EXPECT_EQ(square->GetRuntimeClass(), RUNTIME_CLASS(CTestSquare));
    EXPECT_TRUE(square->IsKindOf(RUNTIME_CLASS(CTestShape)));
    EXPECT_FALSE(square->IsKindOf(RUNTIME_CLASS(CTestDynamic)));
    EXPECT_TRUE(square->IsSerializable());
    EXPECT_EQ(static_cast<CTestShape*>(square.get())->m_nSides, 4);

    std::unique_ptr<CObject> creatable(RUNTIME_CLASS(CTestCreatable)->CreateObject());
    ASSERT_NE(creatable, nullptr);
    EXPECT_FALSE(creatable->IsSerializable());
    EXPECT_EQ(RUNTIME_CLASS(CTestDynamic)->CreateObject(), nullptr);
    EXPECT_EQ(RUNTIME_CLASS(CTestFailing)->CreateObject(), nullptr);
    EXPECT_EQ(CRuntimeClass::CreateObject(L"NoSuchClass"), nullptr);

    EXPECT_EQ(DYNAMIC_DOWNCAST(CTestShape, square.get()), square.get());
    EXPECT_EQ(DYNAMIC_DOWNCAST(CTestDynamic, square.get()), nullptr);
    EXPECT_EQ(DYNAMIC_DOWNCAST(CTestShape, (CObject*)nullptr), nullptr);
}

TEST(CExceptionTest, KindsHelpersAndMessages)
{
    struct Case { void (*thrower)(); CRuntimeClass* kind; const wchar_t* message; };
    const Case cases[] = {
        { [] { AfxThrowMemoryException(); }, RUNTIME_CLASS(CMemoryException), L"Out of memory." },
        { [] { AfxThrowInvalidArgException(); }, RUNTIME_CLASS(CInvalidArgException), L"Encountered an improper argument." },
        { [] { AfxThrowNotSupportedException(); }, RUNTIME_CLASS(CNotSupportedException), L"An unsupported operation was attempted." },
        { [] { AfxThrowResourceException(); }, RUNTIME_CLASS(CResourceException), L"A required resource was unavailable." },
        { [] { AfxThrowUserException(); }, RUNTIME_CLASS(CUserException), L"" },
        { [] { AfxThrowFileException(CFileException::fileNotFound, ERROR_FILE_NOT_FOUND, L"C:\\a.m00"); },
          RUNTIME_CLASS(CFileException), L"C:\\a.m00 was not found." },
        { [] { AfxThrowFileException(CFileException::endOfFile); },
          RUNTIME_CLASS(CFileException), L"An attempt was made to access an unnamed file past its end." },
        { [] { AfxThrowArchiveException(CArchiveException::badClass); },
          RUNTIME_CLASS(CArchiveException), L"an unnamed file contained an unexpected object." },
    };
    for (const Case& c : cases)
    {
        try
        {
            c.thrower();
            ADD_FAILURE() << "nothing thrown";
        }
        catch (CException* e)
        {
            EXPECT_TRUE(e->IsKindOf(c.kind)) << e->GetRuntimeClass()->m_lpszClassName;
            WCHAR text[256] = L"?";
            UINT help = 99;
            BOOL hasText = e->GetErrorMessage(text, 256, &help);
            EXPECT_EQ(hasText != FALSE, *c.message != 0);
            EXPECT_STREQ(text, c.message);
            EXPECT_EQ(help, 0u);
            e->Delete();
        }
    }

    // The memory exception is never allocated, and Delete leaves it alone.
    CException* first = nullptr;
    CException* second = nullptr;
    try { AfxThrowMemoryException(); } catch (CException* e) { first = e; e->Delete(); }
    try { AfxThrowMemoryException(); } catch (CException* e) { second = e; e->Delete(); }
    EXPECT_EQ(first, second);
    EXPECT_FALSE(first->m_bAutoDelete);

    // A short buffer gets the start of the text.
    CFileException shortText(CFileException::accessDenied, 5, L"x");
    WCHAR small[8];
    EXPECT_TRUE(shortText.GetErrorMessage(small, 8));
    EXPECT_STREQ(small, L"Access ");
    EXPECT_FALSE(shortText.GetErrorMessage(nullptr, 8));
}

TEST(CExceptionTest, SystemErrorsMapToFileCauses)
{
    struct Case { LONG error; int cause; };
    const Case cases[] = {
        { NO_ERROR, CFileException::none },
        { ERROR_FILE_NOT_FOUND, CFileException::fileNotFound },
        { ERROR_PATH_NOT_FOUND, CFileException::badPath },
        { ERROR_INVALID_NAME, CFileException::badPath },
        { ERROR_TOO_MANY_OPEN_FILES, CFileException::tooManyOpenFiles },
        { ERROR_ACCESS_DENIED, CFileException::accessDenied },
        { ERROR_INVALID_HANDLE, CFileException::invalidFile },
        { ERROR_SHARING_VIOLATION, CFileException::sharingViolation },
        { ERROR_LOCK_VIOLATION, CFileException::lockViolation },
        { ERROR_DISK_FULL, CFileException::diskFull },
        { ERROR_HANDLE_EOF, CFileException::endOfFile },
        { ERROR_NEGATIVE_SEEK, CFileException::badSeek },
        { 12345, CFileException::genericException },
    };
    for (const Case& c : cases)
        EXPECT_EQ(CFileException::OsErrorToException(c.error), c.cause) << c.error;

    try
    {
        CFileException::ThrowOsError(ERROR_SHARING_VIOLATION, L"f.txt");
    }
    catch (CFileException* e)
    {
        EXPECT_EQ(e->m_cause, CFileException::sharingViolation);
        EXPECT_EQ(e->m_lOsError, ERROR_SHARING_VIOLATION);
        EXPECT_EQ(e->m_strFileName, L"f.txt");
        e->Delete();
    }
    // The cause values are fixed numbers that callers pass on.
    EXPECT_EQ(CFileException::badSeek, 9);
    EXPECT_EQ(CFileException::endOfFile, 14);
    EXPECT_EQ(CArchiveException::badClass, 6);
}

} // namespace
