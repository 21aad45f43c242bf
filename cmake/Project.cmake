# Helpers shared by every folder's CMakeLists.txt.

set(PROJECT_MANIFEST_RC ${CMAKE_CURRENT_LIST_DIR}/manifest.rc)
# Every test executable runs on a desktop of its own (testing/main), under a
# watchdog that makes a hung test name itself, and may drive input with
# CTestInput.
set(PROJECT_TEST_MAIN_DIR ${CMAKE_CURRENT_LIST_DIR}/../testing/main)
set(PROJECT_TEST_MAIN ${PROJECT_TEST_MAIN_DIR}/TestMain.cpp ${PROJECT_TEST_MAIN_DIR}/CTestDesktop.cpp
  ${PROJECT_TEST_MAIN_DIR}/CTestWatchdog.cpp)
set(PROJECT_TEST_INPUT ${PROJECT_TEST_MAIN_DIR}/CTestInput.cpp)

# A shipped program keeps its debug information in <program>.debug beside it,
# linked by name and checksum: the program itself stays small to load, and
# addr2line and gdb find the lines through the link.
function(project_split_debug name)
  add_custom_command(TARGET ${name} POST_BUILD
    COMMAND ${CMAKE_OBJCOPY} --only-keep-debug $<TARGET_FILE_NAME:${name}> $<TARGET_FILE_NAME:${name}>.debug
    COMMAND ${CMAKE_OBJCOPY} --strip-debug --add-gnu-debuglink=$<TARGET_FILE_NAME:${name}>.debug
            $<TARGET_FILE_NAME:${name}>
    WORKING_DIRECTORY $<TARGET_FILE_DIR:${name}>
    VERBATIM)
endfunction()

# A Windows GUI program with the common-controls manifest.
function(project_program name)
  cmake_parse_arguments(P "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} WIN32 ${P_SOURCES} ${PROJECT_MANIFEST_RC})
  target_compile_options(${name} PRIVATE ${PROJECT_WARNINGS})
  # The entry point lives in the framework's library beside the application
  # class; the start-up code asks for it only after the libraries are searched.
  target_link_options(${name} PRIVATE -municode -Wl,--undefined=wWinMain)
  # Sections start on page boundaries in the file as in memory, so the loader
  # can map the program's pages from the file as they are needed instead of
  # reading the whole image into fresh memory at every start.
  target_link_options(${name} PRIVATE -Wl,--file-alignment=4096)
  target_link_libraries(${name} PRIVATE ${P_LIBS})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  project_split_debug(${name})
endfunction()

# A console program (tools, simulators, generators).
function(project_console name)
  cmake_parse_arguments(P "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${P_SOURCES} ${PROJECT_MANIFEST_RC})
  target_compile_options(${name} PRIVATE ${PROJECT_WARNINGS})
  target_link_options(${name} PRIVATE -municode)
  target_link_libraries(${name} PRIVATE ${P_LIBS})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
endfunction()

# A benchmark: a console program that prints its figures, with the shared
# clock and helpers of testing/main/BenchSupport.h.
function(project_bench name)
  cmake_parse_arguments(P "" "" "SOURCES;LIBS" ${ARGN})
  project_console(${name} SOURCES ${P_SOURCES} LIBS ${P_LIBS})
  target_include_directories(${name} PRIVATE ${PROJECT_TEST_MAIN_DIR})
endfunction()

# One test executable per area, run under Wine by ctest (OWN_MAIN: the test
# brings its own main instead of GoogleTest's). It runs in bin/ so
# that it finds the programs and DLLs it drives beside it.
function(project_test name)
  cmake_parse_arguments(P "OWN_MAIN" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${P_SOURCES} ${PROJECT_MANIFEST_RC})
  target_compile_options(${name} PRIVATE ${PROJECT_WARNINGS})
  target_link_libraries(${name} PRIVATE ${P_LIBS} GTest::gmock GTest::gtest)
  target_sources(${name} PRIVATE ${PROJECT_TEST_INPUT})
  target_include_directories(${name} PRIVATE ${PROJECT_TEST_MAIN_DIR})
  if(NOT P_OWN_MAIN)
    target_sources(${name} PRIVATE ${PROJECT_TEST_MAIN})
  endif()
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  add_test(NAME ${name} COMMAND ${name} --gtest_color=no WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  if(NOT P_TIMEOUT)
    set(P_TIMEOUT 300)
  endif()
  set_tests_properties(${name} PROPERTIES TIMEOUT ${P_TIMEOUT} FIXTURES_REQUIRED wine_server)
endfunction()

# project_delay_import(<target> <dll>): an imported library <target> that
# binds every export of the system's <dll> on first call instead of at load:
# the DLL (and whatever it pulls in) is loaded only by a process that uses it.
# The exports are those of the toolchain's own import library for <dll>.
function(project_delay_import target dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=lib${dll}.a
    OUTPUT_VARIABLE import_lib OUTPUT_STRIP_TRAILING_WHITESPACE)
  execute_process(COMMAND ${CMAKE_NM} ${import_lib} OUTPUT_VARIABLE symbols RESULT_VARIABLE nm_failed)
  string(REGEX MATCHALL " I __imp_[A-Za-z0-9_]+" imports "${symbols}")
  list(TRANSFORM imports REPLACE " I __imp_" "")
  list(REMOVE_DUPLICATES imports)
  if(nm_failed OR NOT imports)
    message(FATAL_ERROR "no exports of ${dll}.dll found in ${import_lib}")
  endif()
  list(SORT imports)
  list(JOIN imports "\n" exports)
  set(dir ${CMAKE_BINARY_DIR}/delayimp)
  file(WRITE ${dir}/${dll}.def "LIBRARY ${dll}.dll\nEXPORTS\n${exports}\n")
  execute_process(COMMAND ${CMAKE_DLLTOOL} -d ${dir}/${dll}.def -D ${dll}.dll -y ${dir}/lib${dll}_delay.a
    RESULT_VARIABLE dlltool_failed)
  if(dlltool_failed)
    message(FATAL_ERROR "dlltool could not make the delay-import library of ${dll}.dll")
  endif()
  add_library(${target} STATIC IMPORTED GLOBAL)
  set_target_properties(${target} PROPERTIES IMPORTED_LOCATION ${dir}/lib${dll}_delay.a)
endfunction()
