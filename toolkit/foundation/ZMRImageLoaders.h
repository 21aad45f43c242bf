// Loaders that turn bitmap files, bitmap, PNG, icon and tool-bar resources
// into bitmaps and image handles, telling whether a picture has alpha.
#pragma once

#include "CZMRImageManager.h"

BOOL IsPngFile(LPCWSTR lpszPath);
BOOL IsAlphaBitmapFile(LPCWSTR lpszPath);
BOOL IsPngResource(HMODULE hModule, LPCWSTR lpszName);
BOOL IsAlphaBitmapResource(HMODULE hModule, LPCWSTR lpszName);

// Each returns a new bitmap owned by the caller, or null.
HBITMAP ReadBitmapFile(LPCWSTR lpszPath, BOOL* pbAlpha);
HBITMAP ReadBitmapResource(HMODULE hModule, LPCWSTR lpszName, BOOL* pbAlpha);
HBITMAP ReadModuleBitmapResource(LPCWSTR lpszName, BOOL* pbAlpha);
HBITMAP LoadAlphaBitmapResource(HMODULE hModule, LPCWSTR lpszName);

