# The release package, a ZIP made by CPack from the 64-bit Windows build: both programs, the
# batch files for the host, the install guide, the sample presets and the license, in one
# folder that the user unpacks where the host can find it.
set(TQ58_X86_PROGRAM ${PROJECT_SOURCE_DIR}/build/windows-x86/tq58.exe CACHE FILEPATH
    "The 32-bit tq58.exe (preset windows-x86) that the package carries in x86/")

install(TARGETS tq58 RUNTIME DESTINATION .)
install(PROGRAMS ${TQ58_X86_PROGRAM} DESTINATION x86)
install(FILES kit/tq58.bat kit/tq58_preset.bat kit/tq58_chain.bat kit/tq58_settings.bat
              kit/README_ja.txt kit/tq58_sample.dat DESTINATION .)
install(FILES LICENSE DESTINATION . RENAME LICENSE.txt)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME tq58)
set(CPACK_PACKAGE_VENDOR "the tq58 authors")
set(CPACK_PACKAGE_FILE_NAME tq58-${PROJECT_VERSION}-windows)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
