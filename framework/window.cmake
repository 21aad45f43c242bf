# Sources and tests of the framework window layer (paths relative to framework/).
list(APPEND FRAMEWORK_WINDOW_SOURCES
  window/AfxThreadState.cpp
  window/CCmdTarget.cpp
  window/CWnd.cpp
  window/CDialog.cpp
  window/CDataExchange.cpp
  window/CGdiObject.cpp
  window/CDC.cpp
  window/CMenu.cpp
  window/CImageList.cpp
  window/CButton.cpp
  window/CEdit.cpp
  window/CStatic.cpp
  window/CProgressCtrl.cpp
  window/CListCtrl.cpp
  window/CHeaderCtrl.cpp
  window/CWinThread.cpp
  window/CWinApp.cpp
  window/CFileDialog.cpp
)
list(APPEND FRAMEWORK_WINDOW_TESTS
  tests/window/WindowTestSupport.cpp
  tests/window/WindowTests.rc
  tests/window/MessageMapTests.cpp
  tests/window/DialogTests.cpp
  tests/window/HandleMapTests.cpp
  tests/window/ExceptionReportTests.cpp
  tests/window/FileDialogTests.cpp
  tests/window/WinAppTests.cpp
  tests/window/InterfaceMapTests.cpp
  tests/window/WindowClassTests.cpp
)
