# Builds the Debian package with CPack and runs Debian's package checker on it, with every tag
# shown (pedantic, informational and experimental ones too). Any tag fails the test, so an error
# or a warning, and also the pedantic hints (missing hardening, unneeded sections) that point at
# a packaging fault.
#   cmake -DBUILD_DIR=... -DWORK_DIR=... -P Lintian.cmake
# WORK_DIR is emptied first, and removed again when the package passed.
cmake_minimum_required(VERSION 3.25)

foreach(parametr BUILD_DIR WORK_DIR)
    if(NOT DEFINED ${parametr})
        message(FATAL_ERROR "${parametr} not given")
    endif()
endforeach()

# The tags and their explanations are read in English.
set(ENV{LC_ALL} C.UTF-8)

find_program(LINTIAN lintian)
if(NOT LINTIAN)
    message(FATAL_ERROR "lintian not found: install the Debian package lintian")
endif()

file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
execute_process(
    COMMAND "${CMAKE_CPACK_COMMAND}" -G DEB --config "${BUILD_DIR}/CPackConfig.cmake"
            -B "${WORK_DIR}"
    RESULT_VARIABLE status
    OUTPUT_VARIABLE wyjscie
    ERROR_VARIABLE wyjscie)
file(GLOB paczka "${WORK_DIR}/*.deb")
if(NOT status EQUAL 0 OR NOT paczka)
    message(FATAL_ERROR "cpack -G DEB failed (${status}):\n${wyjscie}")
endif()

execute_process(
    COMMAND "${LINTIAN}" --pedantic --display-info --display-experimental --show-overrides
            --info --fail-on error,warning,info,pedantic,experimental "${paczka}"
    RESULT_VARIABLE status
    OUTPUT_VARIABLE tagi
    ERROR_VARIABLE bledy)
# As root lintian says it would rather not run so; that remark is no tag.
string(REGEX REPLACE "running with root privileges is not recommended!\n?" "" bledy "${bledy}")
if(NOT status EQUAL 0 OR NOT tagi STREQUAL "" OR NOT bledy STREQUAL "")
    message(FATAL_ERROR "lintian rejects the package (${status}):\n${tagi}\n${bledy}")
endif()
message(STATUS "lintian --pedantic: no tags")

file(REMOVE_RECURSE "${WORK_DIR}")
