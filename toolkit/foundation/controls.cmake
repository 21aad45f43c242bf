# Theme manager, header styles, themed header and list controls.
list(APPEND FOUNDATION_SOURCES
  CZMThemeManager.cpp
  CZMHeaderCtrlTheme.cpp
  CZMHeaderCtrl.cpp
  CZMListBase.cpp
  CZMListCtrl.cpp)
list(APPEND FOUNDATION_TESTS
  tests/ControlsTestSupport.cpp
  tests/ControlsTestResources.rc
  tests/ListCtrlTests.cpp
  tests/HeaderCtrlTests.cpp)
