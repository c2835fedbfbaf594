# A short, repeatable run: inputs start from the committed seeds; what the
# fuzzer adds goes to a scratch folder, never among them.
file(GLOB seeds "${SEEDS}/*")
if(NOT seeds)
  message(FATAL_ERROR "no seeds in ${SEEDS}")
endif()
file(REMOVE_RECURSE "${SCRATCH}")
file(MAKE_DIRECTORY "${SCRATCH}")
execute_process(
  COMMAND "${FUZZER}" -seed=1 -runs=${RUNS} -print_final_stats=1 "-artifact_prefix=${SCRATCH}/" "${SCRATCH}" "${SEEDS}"
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${FUZZER} failed (${result}); the input that broke it is in ${SCRATCH}")
endif()
