# Runs one fuzz target for SECONDS from a copy of its SEEDS; fails on any finding.
file(REMOVE_RECURSE ${CORPUS})
file(MAKE_DIRECTORY ${CORPUS})
file(GLOB seeds ${SEEDS}/*)
file(COPY ${seeds} DESTINATION ${CORPUS})
get_filename_component(work ${CORPUS} DIRECTORY)
execute_process(
    COMMAND ${FUZZER} -max_total_time=${SECONDS} -print_final_stats=1 -timeout=10 -rss_limit_mb=2048
        -artifact_prefix=${work}/ ${CORPUS}
    RESULT_VARIABLE result)
file(GLOB corpus_files ${CORPUS}/*)
list(LENGTH corpus_files corpus_size)
message("corpus: ${corpus_size} inputs")
if(NOT result EQUAL 0)
    message(FATAL_ERROR "fuzzer reported a finding (exit ${result}); the input is saved in ${work}")
endif()
