# Every check beyond the unit and widget tests needs a tool of its own. A developer's build runs
# the checks whose tools are present and says which it skipped; with TESSALY_ALL_CHECKS, as the
# test command and CI configure, a missing tool stops the configure instead, so no check can be
# skipped there without anybody noticing.

# tessaly_check(NAME <check> [TEST] [PROGRAMS <program>...] [FOUND <variable>...])
# PROGRAMS names every program the check runs, not only the one it starts, so that a machine
# with part of a tool (run-clang-tidy without clang-tidy) skips the check rather than failing it.
# Looks for each program (alternative names joined by "|"), leaving its path in
# TESSALY_PROGRAM_<first name as a C identifier>, and sets TESSALY_CHECK_<check> to whether every
# program was found and every FOUND variable is true. A check that is skipped is named in one
# configure message at the end and, with TEST, shows in CTest as a skipped test of that name.
function(tessaly_check)
    cmake_parse_arguments(PARSE_ARGV 0 arg "TEST" "NAME" "PROGRAMS;FOUND")
    set(missing)
    foreach(program IN LISTS arg_PROGRAMS)
        string(REPLACE "|" ";" names "${program}")
        list(GET names 0 first)
        string(MAKE_C_IDENTIFIER "${first}" variable)
        find_program(TESSALY_PROGRAM_${variable} NAMES ${names})
        if(NOT TESSALY_PROGRAM_${variable})
            list(APPEND missing ${first})
        endif()
    endforeach()
    foreach(variable IN LISTS arg_FOUND)
        if(NOT ${variable})
            string(REGEX REPLACE "_FOUND$" "" variable "${variable}")
            list(APPEND missing ${variable})
        endif()
    endforeach()
    if(NOT missing)
        set(TESSALY_CHECK_${arg_NAME} ON PARENT_SCOPE)
        return()
    endif()
    list(JOIN missing ", " missing)
    if(TESSALY_ALL_CHECKS)
        message(FATAL_ERROR "${arg_NAME} needs ${missing}; TESSALY_ALL_CHECKS requires every check")
    endif()
    set(TESSALY_CHECK_${arg_NAME} OFF PARENT_SCOPE)
    set_property(GLOBAL APPEND PROPERTY TESSALY_SKIPPED_CHECKS "${arg_NAME} (no ${missing})")
    if(arg_TEST)
        add_test(NAME ${arg_NAME} COMMAND sh -c "echo 'skipped: no ${missing}'; exit 77")
        set_tests_properties(${arg_NAME} PROPERTIES SKIP_RETURN_CODE 77 LABELS skipped)
    endif()
endfunction()

function(tessaly_report_skipped_checks)
    get_property(skipped GLOBAL PROPERTY TESSALY_SKIPPED_CHECKS)
    if(skipped)
        list(JOIN skipped "; " skipped)
        message(NOTICE "Skipped checks, their tools being missing: ${skipped}. "
            "Install them, or configure with -DTESSALY_ALL_CHECKS=ON to require them.")
    endif()
endfunction()

# tessaly_python_module(<module>): sets <module>_FOUND to whether Debian's Python has it, for the
# checks that drive a browser or listen on the accessibility bus from /usr/bin/python3.
function(tessaly_python_module module)
    execute_process(COMMAND /usr/bin/python3 -c "import ${module}"
        RESULT_VARIABLE missing OUTPUT_QUIET ERROR_QUIET)
    if(missing)
        set(${module}_FOUND FALSE PARENT_SCOPE)
    else()
        set(${module}_FOUND TRUE PARENT_SCOPE)
    endif()
endfunction()

# The checks of the code itself rather than of what it does, once the tests exist: a mutation of
# every rule of the table that the core tests must catch, the core and runtime tests under
# Valgrind's memcheck, and clang-tidy and cppcheck over all of our own sources.
function(tessaly_analysis_checks)
    set(tests ${PROJECT_SOURCE_DIR}/tests)
    if(NOT TESSALY_BUILD_FUZZERS AND NOT CMAKE_CROSSCOMPILING)
        tessaly_check(NAME Mutants TEST PROGRAMS bash awk xargs)
        if(TESSALY_CHECK_Mutants)
            add_test(NAME Mutants
                COMMAND ${CMAKE_COMMAND} -E env CXX=${CMAKE_CXX_COMPILER}
                    ${TESSALY_PROGRAM_bash} ${tests}/core/mutants.sh ${PROJECT_SOURCE_DIR})
            set_tests_properties(Mutants PROPERTIES LABELS mutation TIMEOUT 600)
        endif()

        # Memory errors and leaks, seen by Valgrind rather than by instrumentation.
        tessaly_check(NAME CoreTestsUnderMemcheck TEST PROGRAMS valgrind)
        if(TESSALY_CHECK_CoreTestsUnderMemcheck)
            foreach(suite Core Runtime)
                string(TOLOWER ${suite} target)
                add_test(NAME ${suite}TestsUnderMemcheck
                    COMMAND ${TESSALY_PROGRAM_valgrind} -q --error-exitcode=1 --leak-check=full
                        --errors-for-leak-kinds=definite --show-leak-kinds=definite
                        $<TARGET_FILE:${target}_tests>)
                set_tests_properties(${suite}TestsUnderMemcheck PROPERTIES
                    LABELS memcheck TIMEOUT 600)
            endforeach()
        endif()
    endif()

    if(TESSALY_BUILD_UI)
        # .clang-tidy says which checks and why not the others.
        tessaly_check(NAME ClangTidy TEST
            PROGRAMS "run-clang-tidy|run-clang-tidy-14" "clang-tidy|clang-tidy-14")
        if(TESSALY_CHECK_ClangTidy)
            add_test(NAME ClangTidy
                COMMAND ${TESSALY_PROGRAM_run_clang_tidy} -p ${PROJECT_BINARY_DIR} -quiet -j 2
                    -clang-tidy-binary ${TESSALY_PROGRAM_clang_tidy}
                    "${PROJECT_SOURCE_DIR}/(app|core|runtime|ui|cli|tests|bench|tools)/")
            set_tests_properties(ClangTidy PROPERTIES LABELS analysis TIMEOUT 900)
        endif()

        tessaly_check(NAME Cppcheck TEST PROGRAMS cppcheck)
        if(TESSALY_CHECK_Cppcheck)
            add_test(NAME Cppcheck
                COMMAND ${TESSALY_PROGRAM_cppcheck} -q --error-exitcode=1 --inline-suppr
                    --std=c++20 --language=c++ --enable=warning,style,performance,portability
                    --library=qt --library=googletest -I ${PROJECT_SOURCE_DIR} -I ${tests}
                    -i ${tests}/web/node_modules
                    ${PROJECT_SOURCE_DIR}/core ${PROJECT_SOURCE_DIR}/runtime ${PROJECT_SOURCE_DIR}/ui
                    ${PROJECT_SOURCE_DIR}/cli ${PROJECT_SOURCE_DIR}/app ${PROJECT_SOURCE_DIR}/tools
                    ${tests} ${PROJECT_SOURCE_DIR}/bench)
            set_tests_properties(Cppcheck PROPERTIES LABELS analysis TIMEOUT 900)
        endif()
    endif()
endfunction()
