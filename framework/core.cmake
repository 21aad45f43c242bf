# Sources and tests of the framework core (paths relative to framework/).
list(APPEND FRAMEWORK_CORE_SOURCES
  core/CoreDefs.cpp
  core/CString.cpp
  core/CRuntimeClass.cpp
  core/CObject.cpp
  core/CException.cpp
  core/CFileException.cpp
  core/CArchiveException.cpp
  core/CPlex.cpp
  core/CPtrArray.cpp
  core/CObArray.cpp
  core/CStringArray.cpp
  core/CPtrList.cpp
  core/CMap.cpp
  core/CMapPtrToPtr.cpp
  core/CMapStringToPtr.cpp
  core/CMapStringToString.cpp
  core/CFile.cpp
  core/CMemFile.cpp
  core/CStdioFile.cpp
  core/CFileFind.cpp
  core/CArchive.cpp
  core/CSyncObject.cpp
  core/CCriticalSection.cpp
  core/CSingleLock.cpp
)
list(APPEND FRAMEWORK_CORE_TESTS
  tests/core/StringTests.cpp
  tests/core/CollectionTests.cpp
  tests/core/ObjectTests.cpp
  tests/core/FileTests.cpp
  tests/core/ArchiveTests.cpp
  tests/core/CoreTests.rc
)
