# Helpers shared by every folder's CMakeLists.txt.

# Our own code: warnings are errors on both builds.
function(hs_our_code target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
  # GCC 12 reports "const char*" + std::string at -O3 as an overlapping memcpy (-Wrestrict, GCC bug
  # 105329, fixed in GCC 13): a false warning inside the standard library, so off for GCC 12 only.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(${target} PRIVATE -Wno-restrict)
  endif()
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
endfunction()

function(hs_sanitized target)
  target_compile_options(${target} PUBLIC -fsanitize=address,undefined -fno-omit-frame-pointer
                                          -fno-sanitize-recover=all)
  target_link_options(${target} PUBLIC -fsanitize=address,undefined)
endfunction()

function(hs_fuzz_instrumented target)
  target_compile_options(${target} PUBLIC -fsanitize=fuzzer-no-link,address,undefined
                                          -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(${target} PUBLIC -fsanitize=address,undefined)
endfunction()

# Sources that build on every platform (no <windows.h>): go into each portable library.
function(hs_portable_sources)
  foreach(target hs_portable hs_portable_checked hs_portable_fuzz)
    if(TARGET ${target})
      target_sources(${target} PRIVATE ${ARGN})
    endif()
  endforeach()
endfunction()

# Sources that only the Windows program compiles.
function(hs_windows_sources)
  if(TARGET Huesmith)
    target_sources(Huesmith PRIVATE ${ARGN})
  endif()
endfunction()
