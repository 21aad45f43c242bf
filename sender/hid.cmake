# The HID link (paths relative to sender/). The framing, enumeration and
# report I/O it shares with the flasher's link are compiled in from flasher/.
list(APPEND SENDER_SOURCES
  CHIDControl.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/../flasher/HidLink.cpp)

list(APPEND SENDER_TESTS
  tests/HidControlTest.cpp)
list(APPEND SENDER_TEST_LIBS board_simulator)

# The tests reach the simulated bridge through the stand-in HID DLLs.
cmake_language(DEFER CALL add_dependencies sender_tests hid_stand_ins)
cmake_language(DEFER CALL set_property TEST sender_tests APPEND PROPERTY ENVIRONMENT "${HID_STAND_IN_ENVIRONMENT}")
