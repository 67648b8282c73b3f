# The sanitizer and fuzzing builds. Both want their own build folder:
#   cmake -S . -B build-asan -G Ninja -DSANITIZE=ON -DKELD_BENCHMARKS=OFF
#   cmake -S . -B build-fuzz -G Ninja -DKELD_FUZZ=ON -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++

if(KELD_FUZZ AND NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "KELD_FUZZ needs libFuzzer, which only clang has: configure a separate folder "
                      "with -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++")
endif()

if(SANITIZE OR KELD_FUZZ)
  # The runtime options and leak suppressions every sanitized program starts
  # with, so that a plain ctest run (and the test discovery at build time)
  # behaves as CI does. Options set in the environment still take precedence.
  set(lsan_suppressions_file ${PROJECT_SOURCE_DIR}/cmake/lsan.supp)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${lsan_suppressions_file})
  file(READ ${lsan_suppressions_file} KELD_LSAN_SUPPRESSIONS)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/sanitizer_defaults.cpp.in
                 ${PROJECT_BINARY_DIR}/sanitizer_defaults.cpp @ONLY)
  add_library(keld_sanitizer_defaults OBJECT ${PROJECT_BINARY_DIR}/sanitizer_defaults.cpp)
endif()
