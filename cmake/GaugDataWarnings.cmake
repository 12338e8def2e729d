# Compiler flags shared by every target of the project.
#
# gaugdata_target_defaults(<target>) turns on the warnings (and -Werror when
# GAUGDATA_WERROR is set). The sanitizer and fuzzer switches apply globally so
# that libraries and test binaries are instrumented alike.

if(GAUGDATA_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()

if(GAUGDATA_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "GAUGDATA_FUZZ needs clang (CXX=clang++)")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()

function(gaugdata_target_defaults target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                           -Wno-sign-conversion)
  if(GAUGDATA_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  # GCC 12 at -O3 reports -Wrestrict and -Wstringop-overflow inside
  # libstdc++'s inlined string and vector copies (false positives, GCC bugs
  # 105651 and 106199); keep both warnings for other compilers.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_GREATER_EQUAL 12
     AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(${target} PRIVATE -Wno-restrict -Wno-stringop-overflow)
  endif()
  # MinGW builds with its own C99 printf (cmake/mingw-w64-x86_64.cmake), but
  # GCC checks printf formats against the old Windows runtime there.
  if(MINGW)
    target_compile_options(${target} PRIVATE -Wno-format)
  endif()
endfunction()
