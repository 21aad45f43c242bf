# The flasher's HID link (paths relative to flasher/), on top of the shared
# link library in hidlink/.
list(APPEND FLASHER_SOURCES
  CHIDControl.cpp)

list(APPEND FLASHER_TESTS
  tests/HidControlTest.cpp)
list(APPEND FLASHER_TEST_LIBS board_simulator)

# The tests reach the simulated bridge through the stand-in HID DLLs.
cmake_language(DEFER CALL add_dependencies flasher_tests hid_stand_ins)
cmake_language(DEFER CALL set_property TEST flasher_tests APPEND PROPERTY ENVIRONMENT "${HID_STAND_IN_ENVIRONMENT}")
