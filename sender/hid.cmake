# The sender's HID link (paths relative to sender/), on top of the shared
# link library in hidlink/.
list(APPEND SENDER_SOURCES
  CHIDControl.cpp)

list(APPEND SENDER_TESTS
  tests/HidControlTest.cpp)
list(APPEND SENDER_TEST_LIBS board_simulator)

# The tests reach the simulated bridge through the stand-in HID DLLs.
cmake_language(DEFER CALL add_dependencies sender_tests hid_stand_ins)
cmake_language(DEFER CALL set_property TEST sender_tests APPEND PROPERTY ENVIRONMENT "${HID_STAND_IN_ENVIRONMENT}")
