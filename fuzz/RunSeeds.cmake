# Runs a fuzz target once over its seeds, with a temp folder of its own (TMPDIR), and fails when
# the target fails or leaves anything in that folder.
#   cmake -DFUZZER=<target> -DSEEDS=<folder> -DSCRATCH=<folder> -P RunSeeds.cmake
file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH})
execute_process(COMMAND ${CMAKE_COMMAND} -E env TMPDIR=${SCRATCH} ${FUZZER} -runs=0 ${SEEDS} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${FUZZER} failed: ${result}")
endif()
file(GLOB left ${SCRATCH}/*)
if(left)
  message(FATAL_ERROR "${FUZZER} left files in its temp folder: ${left}")
endif()
file(REMOVE_RECURSE ${SCRATCH})
