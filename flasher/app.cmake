# The flasher program: application, dialogs, operation log, update sequences
# and workers (paths relative to flasher/).
list(APPEND FLASHER_SOURCES
  CCriticalSectionWrapper.cpp
  CCriticalSectionLock.cpp
  OperationLog.cpp
  CTarrowindDlg.cpp
  CTarrowindDlgLog.cpp
  CTarrowindDlgFiles.cpp
  CTarrowindDlgUpdate.cpp
  CTarrowindDlgProgram.cpp
  CTarrowindDlgWorkers.cpp
  QMUpdateBothDlg.cpp
  CAboutDlg.cpp)

# The tests create the dialogs, so they carry the program's resources.
list(APPEND FLASHER_TESTS
  Pyrolet_D.rc
  tests/FlasherTestSupport.cpp
  tests/OperationLogTests.cpp
  tests/FrameLayoutTests.cpp
  tests/FlasherDialogFixture.cpp
  tests/UpdateSequenceTests.cpp
  tests/FileSelectionTests.cpp
  tests/UpdatePauseTests.cpp)
list(APPEND FLASHER_TEST_LIBS foundation board_simulator)

function(flasher_program)
  # The main dialog's log is the toolkit's themed list control.
  target_link_libraries(flasher_core PUBLIC foundation)
  project_program(Pyrolet_D SOURCES CTarrowindApp.cpp Pyrolet_D.rc LIBS flasher_core foundation commandbars)
  # The converter is started from the program's folder.
  add_dependencies(Pyrolet_D hex2000)
  # The in-process tests reach the simulated board through the stand-in
  # DLLs, as the HID link's tests in the same executable (hid.cmake).
  flasher_end_to_end()
endfunction()

# The real program driven end to end against the simulated board.
function(flasher_end_to_end)
  project_test(flasher_e2e_tests
    SOURCES tests/EndToEndTests.cpp tests/FlasherTestSupport.cpp tests/PngShot.cpp
    LIBS board_simulator testing_driver fixtures z
    TIMEOUT 600)
  target_include_directories(flasher_e2e_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  add_dependencies(flasher_e2e_tests Pyrolet_D hex2000 hid_stand_ins)
  # Both runs of the program use the files beside it (its operation log, the
  # converted images), so they take turns; the picture run also takes the X11
  # prefix, which every picture run boots and stops. Other tests run beside
  # them: each test program has a desktop of its own.
  set_tests_properties(flasher_e2e_tests PROPERTIES
    ENVIRONMENT "${HID_STAND_IN_ENVIRONMENT}" RESOURCE_LOCK flasher_program_folder)
  # The same run on a private Xvfb display, for the picture of the window.
  add_test(NAME flasher_e2e_picture
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/run-flasher.sh --xvfb --no-build)
  set_tests_properties(flasher_e2e_picture PROPERTIES
    ENVIRONMENT "BUILD_DIR=${CMAKE_BINARY_DIR}" RESOURCE_LOCK "flasher_program_folder;x11_prefix" TIMEOUT 600)

  # One Update Both against a line paced at the bridge's baud rate (prints its figures).
  project_bench(flasher_update_bench
    SOURCES bench/UpdateBench.cpp Pyrolet_D.rc
    LIBS flasher_core foundation board_simulator)
  add_dependencies(flasher_update_bench hex2000 hid_stand_ins)

  # Start time and idle working set of the programs beside the demo dialog.
  project_bench(flasher_startup_bench SOURCES bench/StartupBench.cpp LIBS psapi)
  add_dependencies(flasher_startup_bench Pyrolet_D Merrowick Demo hid_stand_ins)
endfunction()
