# One place that sets warnings and build options for every target.

function(tq58_setup_target target)
  # C++ only: the resource compiler of the Windows build takes no warning options.
  target_compile_options(${target} PRIVATE $<$<COMPILE_LANGUAGE:CXX>:-Wall -Wextra -Wpedantic -Werror>)
  if(TQ58_SANITIZE)
    target_compile_options(${target} PRIVATE
      -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
  if(WIN32)
    target_compile_definitions(${target} PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)
  endif()
endfunction()

# The product: on Windows a GUI-subsystem program with no DLL beyond Windows' own. On Linux it
# is linked statically too (but for the sanitizers, which need their shared runtime): loading
# and relocating the C++ runtime would take longer than a whole small run.
function(tq58_setup_program target)
  if(WIN32)
    target_link_options(${target} PRIVATE -municode -mwindows -static -static-libgcc -static-libstdc++)
  elseif(NOT TQ58_SANITIZE)
    target_link_options(${target} PRIVATE -static)
  endif()
endfunction()
