# One place that sets warnings and build options for every target.

function(tq58_setup_target target)
  # C++ only: the resource compiler of the Windows build takes no warning options.
  target_compile_options(${target} PRIVATE $<$<COMPILE_LANGUAGE:CXX>:-Wall -Wextra -Wpedantic -Werror>)
  # GCC 12 at -O3 reports std::string's own copies as overlapping, even for `text = "0"` or
  # `"a" + std::string(...)` (GCC bug 105329, fixed in GCC 13): only that version is told to
  # keep quiet. A real overlap is still caught at run time by AddressSanitizer.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(${target} PRIVATE $<$<COMPILE_LANGUAGE:CXX>:-Wno-restrict>)
  endif()
  if(TQ58_SANITIZE)
    target_compile_options(${target} PRIVATE
      -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
  if(TQ58_FUZZ)
    # Coverage for libFuzzer in every target; the fuzz targets link the fuzzer's main.
    target_compile_options(${target} PRIVATE
      -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
      -fno-omit-frame-pointer)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
  if(WIN32)
    target_compile_definitions(${target} PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)
  endif()
endfunction()

# The product: on Windows a GUI-subsystem program with no DLL beyond Windows' own. On Linux it
# is linked statically too (but for the sanitizers and the fuzzer, which need their shared
# runtime): loading and relocating the C++ runtime would take longer than a whole small run.
function(tq58_setup_program target)
  if(WIN32)
    target_link_options(${target} PRIVATE -municode -mwindows -static -static-libgcc -static-libstdc++)
  elseif(NOT TQ58_SANITIZE AND NOT TQ58_FUZZ)
    target_link_options(${target} PRIVATE -static)
  endif()
endfunction()
