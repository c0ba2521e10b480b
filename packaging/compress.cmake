# Compresses SOURCE into OUTPUT with gzip at its best, without name or time stamp, so that
# the same source always gives the same bytes: cmake -DSOURCE=... -DOUTPUT=... -P compress.cmake
execute_process(COMMAND gzip -9 -n -c ${SOURCE} OUTPUT_FILE ${OUTPUT} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    file(REMOVE ${OUTPUT})
    message(FATAL_ERROR "gzip failed on ${SOURCE}: ${status}")
endif()
