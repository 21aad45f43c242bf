# The command-bar themes and the small paint managers every paint manager
# owns. They are built into the command-bar library; their tests join the
# command-bar tests.
list(APPEND COMMANDBARS_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/CZMRDefaultTheme.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CZMROfficeTheme.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CZMROfficeThemeControls.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CZMROffice2003Theme.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CZMROffice2003ThemeColors.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CZMROffice2007Theme.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CZMROffice2007ThemeColors.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CZMROffice2007ThemeFrame.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CZMRControlGalleryOffice2007Theme.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CZMRSliderOffice2007Theme.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CZMRProgressOffice2007Theme.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CZMRWhidbeyTheme.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CZMRVisualStudio2008Theme.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CZMRNativeXPTheme.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CZMRNativeXPThemeBars.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CZMRProgressPaintManager.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CZMRScrollBarPaintManager.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CZMRSliderPaintManager.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CZMRControlGalleryPaintManager.cpp)
list(APPEND COMMANDBARS_TESTS
  ${CMAKE_CURRENT_LIST_DIR}/tests/SmallPaintManagerTests.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tests/SmallPaintManagerDrawTests.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tests/Office2007SmallPaintManagerTests.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tests/DefaultThemeTests.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tests/OfficeThemeTests.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tests/Office2003ThemeTests.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tests/WhidbeyThemeTests.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tests/NativeXPThemeTests.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tests/Office2007ThemeTests.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tests/Office2007FrameTests.cpp)
# The skinned theme's tests bind the foundation's test skins.
cmake_language(DEFER CALL add_dependencies commandbars_tests zm_testskin zm_testskin_alt)
