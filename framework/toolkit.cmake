# What the toolkit needs of the framework on top of the core and window
# layers (paths relative to framework/).
list(APPEND FRAMEWORK_CORE_SOURCES toolkit/ProcessLocal.cpp toolkit/ThreadLocal.cpp toolkit/PointerCollections.cpp)
list(APPEND FRAMEWORK_CORE_TESTS tests/toolkit/ProcessLocalTest.cpp tests/toolkit/ThreadLocalTest.cpp)
