# The hook manager and the shadow manager of popups.
list(APPEND FOUNDATION_SOURCES
  CZMRHookManager.cpp
  CZMRShadowManager.cpp
  CZMRShadowManagerWnd.cpp)
list(APPEND FOUNDATION_TESTS
  tests/HookManagerTests.cpp
  tests/ShadowManagerTests.cpp)
