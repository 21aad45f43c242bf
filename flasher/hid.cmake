# The HID link (paths relative to flasher/); HidLink is shared with the sender.
list(APPEND FLASHER_SOURCES
  CHIDControl.cpp
  HidLink.cpp)

list(APPEND FLASHER_TESTS
  tests/HidControlTest.cpp)
list(APPEND FLASHER_TEST_LIBS board_simulator)

# The tests reach the simulated bridge through the stand-in HID DLLs.
cmake_language(DEFER CALL add_dependencies flasher_tests hid_stand_ins)
cmake_language(DEFER CALL set_property TEST flasher_tests APPEND PROPERTY ENVIRONMENT "${HID_STAND_IN_ENVIRONMENT}")
