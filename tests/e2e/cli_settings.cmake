# vantrel-cli settings in an empty program directory: the first run writes a 19808-byte "soft.dat",
# a change lands at its offset, a refused value leaves the file alone.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

execute_process(COMMAND ${CLI} settings WORKING_DIRECTORY ${WORK} RESULT_VARIABLE rc OUTPUT_VARIABLE out)
if(NOT rc EQUAL 0 OR NOT out MATCHES "threads=5\n" OR NOT out MATCHES "flags=0x0012\n")
  message(FATAL_ERROR "first run: rc=${rc}\n${out}")
endif()
file(SIZE ${WORK}/soft.dat size)
if(NOT size EQUAL 19808)
  message(FATAL_ERROR "soft.dat has ${size} bytes")
endif()

execute_process(COMMAND ${CLI} settings threads=9 timeout=45 WORKING_DIRECTORY ${WORK} RESULT_VARIABLE rc OUTPUT_VARIABLE out)
# Slot 11 starts at byte 88: minimum, maximum, threads (92), time-out (94), little-endian.
file(READ ${WORK}/soft.dat bytes OFFSET 92 LIMIT 4 HEX)
if(NOT rc EQUAL 0 OR NOT bytes STREQUAL "09002d00")
  message(FATAL_ERROR "change: rc=${rc} bytes=${bytes}\n${out}")
endif()

execute_process(COMMAND ${CLI} settings threads=16 WORKING_DIRECTORY ${WORK} RESULT_VARIABLE rc ERROR_VARIABLE err)
file(READ ${WORK}/soft.dat bytes OFFSET 92 LIMIT 2 HEX)
if(NOT rc EQUAL 2 OR NOT err MATCHES "参数错误" OR NOT bytes STREQUAL "0900")
  message(FATAL_ERROR "refusal: rc=${rc} bytes=${bytes}\n${err}")
endif()
