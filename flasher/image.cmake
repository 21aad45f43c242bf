# The firmware image pipeline: conversion, S-record parsing, regions, key and
# chunk lists, and the one place for the protocol's long waits.
list(APPEND FLASHER_SOURCES
  CFlashImage.cpp
  SRecordList.cpp
  FlashBlock.cpp
  M00LineReader.cpp
  ProtocolWait.cpp
)
list(APPEND FLASHER_TESTS
  tests/ImagePipelineTests.cpp
  tests/ImageRoundTripTests.cpp
  tests/ImageTestSupport.cpp
  ${PROJECT_TEST_MAIN_DIR}/AllocationFaults.cpp
)
list(APPEND FLASHER_TEST_LIBS fixtures)

# The round trip runs the converter from the test's own folder.
cmake_language(DEFER CALL add_dependencies flasher_tests hex2000)

# Load speed of a large image (not a test: it prints its figures).
project_bench(flasher_image_bench SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/bench/ImageLoadBench.cpp
                LIBS flasher_core fixtures psapi)
add_dependencies(flasher_image_bench hex2000)
