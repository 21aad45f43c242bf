# Theme manager, header styles, themed header and list controls.
list(APPEND FOUNDATION_SOURCES
  CZMThemeManager.cpp
  CZMHeaderCtrlTheme.cpp
  CZMHeaderCtrl.cpp
  CZMListBase.cpp
  CZMListCtrl.cpp)
