// The companion of the shell's completion on a bar edit window: it watches
// for the shell's suggestion window with a thread hook, trusts clicks in it,
// hands it the navigation keys and closes the combo box's own drop-down when
// it appears.
#pragma once
#include "Framework.h"
#include "CZMRHookManagerHookAble.h"
#include <functional>

class CZMRControlComboBoxAutoCompleteWnd : public CZMRHookManagerHookAble
{
public:
    CZMRControlComboBoxAutoCompleteWnd();
    ~CZMRControlComboBoxAutoCompleteWnd() override;

    // Attaches the shell's completion to the edit window.
    HRESULT Enable(HWND hWndEdit, DWORD dwFlags);
    // The hook and the key sink while the edit window holds the focus.
    void SetHookActive(BOOL bActive);
    BOOL IsHookActive() const { return s_pActive == this; }
    // The shell's suggestion window shown (null: hidden).
    void SetSuggestWindow(HWND hWnd);
    HWND GetSuggestWindow() const { return m_hWndSuggest; }
    BOOL IsSuggestWindowShown() const { return m_hWndSuggest && ::IsWindowVisible(m_hWndSuggest); }
    void HideSuggestWindow();
    // Navigation keys for the suggestion list while it shows; true when taken.
    BOOL FilterKey(UINT nChar, LPARAM lParam);
    int HandleHookedMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam, LRESULT& lResult) override;

    // A WM_WINDOWPOSCHANGING seen by the hook (the hook's work on its own
    // arguments).
    void OnWindowPosChanging(HWND hWnd, const WINDOWPOS* pPos);

    // The shell's completion entry (SHAutoComplete by default: shlwapi is
    // loaded for each call); tests replace it.
    static std::function<HRESULT(HWND hWndEdit, DWORD dwFlags)> s_fnShellAutoComplete;
    // The shell's completion function as the system offers it.
    static HRESULT CallShellAutoComplete(HWND hWndEdit, DWORD dwFlags);
    // The object whose hook is installed; none.
    static CZMRControlComboBoxAutoCompleteWnd* GetActive() { return s_pActive; }

protected:
    static LRESULT CALLBACK CallWndProcHook(int nCode, WPARAM wParam, LPARAM lParam);

    HWND m_hWndSuggest;
    HWND m_hWndEdit;

    static HHOOK s_hHook;
    static CZMRControlComboBoxAutoCompleteWnd* s_pActive;
};
