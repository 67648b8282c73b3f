# keld_strict(target): the warning and sanitizer flags every target of the
# project builds with. Warnings are errors from the first commit on.
#
# SANITIZE builds everything with AddressSanitizer and UndefinedBehaviorSanitizer
# (float-to-integer overflow included, which GCC leaves out of "undefined");
# KELD_FUZZ adds libFuzzer's coverage instrumentation on top (fuzz/).
set(KELD_SANITIZER_FLAGS -fsanitize=address,undefined,float-cast-overflow -fno-sanitize-recover=all
    -fno-omit-frame-pointer)

function(keld_strict target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror)
  # GCC 12 at -O3 reports std::string::insert as an overlapping memcpy
  # (a known false -Wrestrict inside libstdc++); the other build types keep
  # the warning.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_GREATER_EQUAL 12
     AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(${target} PRIVATE $<$<CONFIG:Release>:-Wno-restrict>)
  endif()
  if(SANITIZE OR KELD_FUZZ)
    target_compile_options(${target} PRIVATE ${KELD_SANITIZER_FLAGS})
    target_link_options(${target} PRIVATE ${KELD_SANITIZER_FLAGS})
    # GCC's flow analysis loses track of initialisation in the sanitizers'
    # instrumentation once it optimises, and reports reads inside the
    # standard library (<regex>, std::function) as maybe uninitialised. The
    # plain build keeps that warning as an error for our own code.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
      target_compile_options(${target} PRIVATE -Wno-maybe-uninitialized)
    endif()
    # Every program and test starts with the project's sanitizer defaults.
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "EXECUTABLE")
      target_link_libraries(${target} PRIVATE keld_sanitizer_defaults)
    endif()
  endif()
  if(KELD_FUZZ)
    target_compile_options(${target} PRIVATE -fsanitize=fuzzer-no-link)
  endif()
endfunction()

# The core libraries must never see a Qt header: the configure step fails
# when one of their files includes one.
function(keld_forbid_qt dir)
  file(GLOB_RECURSE files ${dir}/*.h ${dir}/*.cpp)
  foreach(f IN LISTS files)
    file(STRINGS ${f} qt_includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]Q[A-Za-z]")
    if(qt_includes)
      message(FATAL_ERROR "${f} includes Qt; the core stays free of it")
    endif()
  endforeach()
endfunction()

# keld_forbid_includes(dir regex reason): the configure step fails when a
# file of `dir` includes a project header whose path matches `regex`, so a
# layer cannot quietly start to depend on one above it.
function(keld_forbid_includes dir regex reason)
  file(GLOB_RECURSE files ${dir}/*.h ${dir}/*.cpp)
  foreach(f IN LISTS files)
    file(STRINGS ${f} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(line IN LISTS includes)
      if(line MATCHES "\"(${regex})")
        message(FATAL_ERROR "${f}: ${line}: ${reason}")
      endif()
    endforeach()
  endforeach()
endfunction()
