# The Merrowick program: application, main dialog and send worker.
# The program needs the framework; until it is there, nothing of this is built.
if(NOT TARGET framework)
  return()
endif()

list(APPEND SENDER_SOURCES
  CPacketPlan.cpp)

list(APPEND SENDER_TESTS
  tests/PacketPlanTest.cpp)

function(sender_program)
endfunction()
