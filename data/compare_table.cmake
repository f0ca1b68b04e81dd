# cmake -DPYTHON=… -DSCRIPT=… -DTABLE=… -DOUTPUT=… -P compare_table.cmake
# Runs the table's script into OUTPUT and compares it byte for byte with TABLE.
file(REMOVE ${OUTPUT})
execute_process(COMMAND ${PYTHON} ${SCRIPT} ${OUTPUT} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${SCRIPT} failed: ${status}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT} ${TABLE} RESULT_VARIABLE differs)
if(NOT differs EQUAL 0)
  message(FATAL_ERROR "${TABLE} is not what ${SCRIPT} writes: run it and commit the table")
endif()
