# Runs the host program in a fresh directory that holds its MIF files and
# compares what it printed with the expected output, byte for byte.
# -DHOST= the program, -DLIBRARY= the shared library as the program names it,
# -DEMULATOR= what runs the program (Wine for a cross build), -DSOURCE_DIR=,
# -DWORK= the directory; the output is left there as output.txt.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(GLOB inputs ${SOURCE_DIR}/tests/host/*.mif)
file(COPY ${inputs} ${SOURCE_DIR}/examples/network_adapter.mif DESTINATION ${WORK})

execute_process(COMMAND ${EMULATOR} ${HOST} ${LIBRARY}
  WORKING_DIRECTORY ${WORK}
  OUTPUT_FILE ${WORK}/output.txt
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the host ended with ${status}")
endif()

set(expected ${SOURCE_DIR}/tests/host/expected_output.txt)
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${expected} ${WORK}/output.txt
  RESULT_VARIABLE differs)
if(differs)
  execute_process(COMMAND diff -u ${expected} ${WORK}/output.txt)
  message(FATAL_ERROR "the host's output differs from ${expected}")
endif()
