// Basic definitions shared by every class of the framework core.
#pragma once

#include <windows.h>
// Some member names are also system macros (GetFileTitle); every file must
// see the same macros, so the headers that define them are always included.
#include <commdlg.h>
#include <tchar.h>
#include <cstddef>
#include <cstdarg>
#include <new>

// Position of an element inside a list or a map while iterating.
struct __POSITION {};
typedef __POSITION* POSITION;
#define BEFORE_START_POSITION ((POSITION)-1L)

#ifndef ASSERT
#ifdef _DEBUG
#include <cassert>
#define ASSERT(f) assert(f)
#else
#define ASSERT(f) ((void)0)
#endif
#endif
#ifndef VERIFY
#ifdef _DEBUG
#define VERIFY(f) ASSERT(f)
#else
#define VERIFY(f) ((void)(f))
#endif
#endif
#define ASSERT_VALID(p) ((void)0)
#define ASSERT_KINDOF(cls, p) ASSERT((p)->IsKindOf(RUNTIME_CLASS(cls)))
#ifndef TRACE
#define TRACE(...) ((void)0)
#endif
#define UNUSED_ALWAYS(x) ((void)(x))

#define AFXAPI
#define AFX_CDECL
#define AFX_INLINE inline

// The module whose resources (string table, dialogs, icons) the framework
// loads from; the executable unless someone sets another one.
HINSTANCE AFXAPI AfxGetInstanceHandle();
void AFXAPI AfxSetInstanceHandle(HINSTANCE hInstance);
HINSTANCE AFXAPI AfxGetResourceHandle();
void AFXAPI AfxSetResourceHandle(HINSTANCE hResource);
HINSTANCE AFXAPI AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType);
