# PNG decoding, image handles and shared strips, the image manager and its loaders.
list(APPEND FOUNDATION_SOURCES
  CZMRGraphicBitmapPng.cpp
  CZMRIconHandle.cpp
  CZMRImageManagerResource.cpp
  CZMRImageManager.cpp
  ZMRImageLoaders.cpp)
list(APPEND FOUNDATION_TESTS
  tests/PngDecodingTests.cpp
  tests/ImageManagerTests.cpp
  tests/ImageLoadingTests.cpp
  tests/ImageTestResources.rc
  ${PROJECT_TEST_MAIN_DIR}/AllocationFaults.cpp)

# libpng for the target, built by scripts/setup.sh, over the distribution's zlib.
if(NOT TARGET zm_libpng)
  add_library(zm_libpng STATIC IMPORTED GLOBAL)
  set_target_properties(zm_libpng PROPERTIES
    IMPORTED_LOCATION ${DEPS_DIR}/libpng/lib/libpng16.a
    INTERFACE_INCLUDE_DIRECTORIES ${DEPS_DIR}/libpng/include
    INTERFACE_LINK_LIBRARIES z)
endif()
# The library target is made after the fragments are read.
cmake_language(DEFER CALL target_link_libraries foundation PUBLIC zm_libpng)

# Blits, icon drawing and derived images.
list(APPEND FOUNDATION_SOURCES
  CZMRImageManagerBlits.cpp
  CZMRImageManagerDrawing.cpp
  CZMRSilhouetteCache.cpp
  CZMRImageManagerIconDerived.cpp)
list(APPEND FOUNDATION_TESTS
  tests/ImageTestSupport.cpp
  tests/ImageDrawingTests.cpp)

# Saving and loading icon sets.
list(APPEND FOUNDATION_SOURCES
  CZMRImageManagerPersistence.cpp)
list(APPEND FOUNDATION_TESTS
  tests/ImagePersistenceTests.cpp)
