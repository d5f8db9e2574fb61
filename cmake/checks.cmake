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
