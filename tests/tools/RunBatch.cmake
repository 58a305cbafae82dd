# Runs ampelor-batch on INPUT under the locale LOCALE and compares standard output with
# EXPECTED, byte for byte. With EXPECT_EXIT and EXPECT_STDERR it checks a failing run too.
#   cmake -DBATCH=... -DINPUT=... -DEXPECTED=... -DLOCALE=... [-DEMULATOR=...]
#         [-DEXPECT_EXIT=2 -DEXPECT_STDERR=regex] -P RunBatch.cmake
if(NOT DEFINED EXPECT_EXIT)
    set(EXPECT_EXIT 0)
endif()

set(ENV{LC_ALL} "${LOCALE}")
execute_process(
    COMMAND ${EMULATOR} "${BATCH}"
    INPUT_FILE "${INPUT}"
    OUTPUT_VARIABLE wyjscie
    ERROR_VARIABLE bledy
    RESULT_VARIABLE status)

if(NOT "${status}" STREQUAL "${EXPECT_EXIT}")
    message(FATAL_ERROR "exit status ${status}, expected ${EXPECT_EXIT}\nstderr: ${bledy}")
endif()
if(DEFINED EXPECT_STDERR)
    if(NOT bledy MATCHES "${EXPECT_STDERR}")
        message(FATAL_ERROR "stderr does not match '${EXPECT_STDERR}':\n${bledy}")
    endif()
elseif(NOT bledy STREQUAL "")
    message(FATAL_ERROR "unexpected stderr:\n${bledy}")
endif()

file(READ "${EXPECTED}" oczekiwane)
if(NOT wyjscie STREQUAL oczekiwane)
    file(WRITE "${INPUT}.actual" "${wyjscie}")
    message(FATAL_ERROR "output differs from ${EXPECTED}; got ${INPUT}.actual")
endif()
