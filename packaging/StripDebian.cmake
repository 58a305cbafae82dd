# Run by CPack on the staged tree before it is packed (CPACK_PRE_BUILD_SCRIPTS): strips the
# programs as Debian's own packaging does for executables, dropping the .comment and .note
# sections that CPACK_STRIP_FILES leaves in (lintian: binary-has-unneeded-section).
file(GLOB_RECURSE programy LIST_DIRECTORIES false "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/bin/*")
if(NOT programy)
    message(FATAL_ERROR "no programs staged under ${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
endif()
foreach(program IN LISTS programy)
    execute_process(
        COMMAND "${CPACK_AMPELOR_STRIP}" --remove-section=.comment --remove-section=.note
                "${program}"
        RESULT_VARIABLE status
        ERROR_VARIABLE bledy)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "strip ${program} failed (${status}): ${bledy}")
    endif()
endforeach()
