# SPDX-License-Identifier: MIT
# Run as a script at build time: feeds the SQL sources to the sqlcipher shell,
# with the program's password as the key, into a temporary file, and renames it
# to OUTPUT only when every statement went through. A failed build never leaves
# a half-written database where the program would open it.
#
# Inputs: SQLCIPHER_SHELL, OUTPUT, CIPHER_SETTINGS (the file of cipher settings the program
# opens the file with), SOURCES (file paths separated by "|").

set(password "#kantobripu#")
set(temporary "${OUTPUT}.partial")
set(driver "${OUTPUT}.partial.sql")

string(REPLACE "|" ";" sources "${SOURCES}")
file(READ "${CIPHER_SETTINGS}" cipher_settings)
set(commands "PRAGMA key = '${password}';\n${cipher_settings}BEGIN;\n")
foreach(source IN LISTS sources)
  string(APPEND commands ".read '${source}'\n")
endforeach()
string(APPEND commands "COMMIT;\n")

file(REMOVE "${temporary}" "${driver}")
file(WRITE "${driver}" "${commands}")
execute_process(
  COMMAND "${SQLCIPHER_SHELL}" -bail -batch "${temporary}"
  INPUT_FILE "${driver}"
  RESULT_VARIABLE result
  ERROR_VARIABLE errors)
file(REMOVE "${driver}")

if(NOT result EQUAL 0 OR NOT errors STREQUAL "")
  file(REMOVE "${temporary}")
  message(FATAL_ERROR "The performance database could not be built:\n${errors}")
endif()
file(RENAME "${temporary}" "${OUTPUT}")
