# The Merrowick program: application, main dialog and send worker, with its
# end-to-end test and the picture of its dialog.
# The program needs the framework's window layer and the HID link; until they
# are there, only what stands alone is built.
if(NOT TARGET framework)
  return()
endif()

list(APPEND SENDER_SOURCES
  CPacketPlan.cpp)

list(APPEND SENDER_TESTS
  tests/PacketPlanTest.cpp)

if(NOT EXISTS ${CMAKE_CURRENT_LIST_DIR}/CHIDControl.h OR NOT EXISTS ${PROJECT_SOURCE_DIR}/framework/Framework.h)
  return()
endif()

list(APPEND SENDER_SOURCES
  CAboutDlg.cpp
  CHalvickDlg.cpp
  SendFileThreadProc.cpp)

function(sender_program)
  # The application object lives in the program: a library member that
  # nothing refers to would not be linked.
  project_program(Merrowick SOURCES CHalvickApp.cpp Merrowick.rc LIBS sender_core)

  if(TARGET board_simulator AND TARGET testing_driver)
    project_test(merrowick_e2e_tests
      SOURCES tests/MerrowickEndToEndTest.cpp
      LIBS board_simulator testing_driver
      TIMEOUT 900)
    add_dependencies(merrowick_e2e_tests Merrowick hid_stand_ins)
    set_tests_properties(merrowick_e2e_tests PROPERTIES ENVIRONMENT "${HID_STAND_IN_ENVIRONMENT}")

    add_test(NAME merrowick_screenshot
      COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/tests/screenshot.sh ${CMAKE_BINARY_DIR})
    # Every picture run boots and stops the X11 prefix: one at a time.
    set_tests_properties(merrowick_screenshot PROPERTIES TIMEOUT 400 RESOURCE_LOCK x11_prefix)
  endif()
endfunction()
