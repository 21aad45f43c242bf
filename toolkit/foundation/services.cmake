# Module binding, visual styles, colours, drawing, resources, shared system
# data, profile storage and notification connections.
list(APPEND FOUNDATION_SOURCES
  CZMRModuleHandle.cpp
  CZMROSVersionInfo.cpp
  CZMRMonitorAreas.cpp
  CZMRAccessible.cpp
  CZMRWinThemeWrapper.cpp
  CZMRDwmApiBinding.cpp
  CZMRPaintManagerColor.cpp
  CZMRPaintManagerColorGradient.cpp
  CZMRColorManager.cpp
  CZMRDrawHelpers.cpp
  CZMRFontDC.cpp
  CZMRPenDC.cpp
  CZMRBrushDC.cpp
  CZMRBitmapDC.cpp
  CZMRCompatibleDC.cpp
  CZMRBufferDC.cpp
  CZMRResourceManager.cpp
  CZMRNarrowString.cpp
  CZMRResourceHandleScope.cpp
  CZMAuxData.cpp
  CZMRegistryManager.cpp
  CZMREventSinkList.cpp)
list(APPEND FOUNDATION_TESTS
  tests/ModuleBindingTests.cpp
  tests/ThemeWrapperTests.cpp
  tests/ColorManagerTests.cpp
  tests/DrawHelpersTests.cpp
  tests/ResourceManagerTests.cpp
  tests/ServicesTestResources.rc
  tests/AuxDataTests.cpp
  tests/RegistryManagerTests.cpp
  tests/EventSinkListTests.cpp)

# Property exchange and its archive store.
list(APPEND FOUNDATION_SOURCES
  CZMRPropExchange.cpp
  CZMRPropExchangeArchive.cpp
  CZMRPropExchangeEnumerator.cpp
  CZMRSectionScope.cpp
  CZMREnumeratorScope.cpp)
list(APPEND FOUNDATION_TESTS
  tests/PropExchangeTests.cpp)
