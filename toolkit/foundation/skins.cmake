# The Office 2007 image set: skin pictures and the colour table of a
# resource module. Its tests bind resource-only test skins built here.
list(APPEND FOUNDATION_SOURCES
  CZMROffice2007Image.cpp
  CZMROffice2007Images.cpp)
list(APPEND FOUNDATION_TESTS
  tests/Office2007ImagesTests.cpp)

foreach(skin zm_testskin zm_testskin_alt)
  add_library(${skin} SHARED ${CMAKE_CURRENT_LIST_DIR}/tests/skin/${skin}.rc)
  # Resources only: no code, no entry point, no runtime.
  set_target_properties(${skin} PROPERTIES
    PREFIX "" LINKER_LANGUAGE C
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  target_link_options(${skin} PRIVATE -nostdlib -Wl,-e,0)
endforeach()
# The test executable is made after the fragments are read.
cmake_language(DEFER CALL add_dependencies foundation_tests zm_testskin zm_testskin_alt)
