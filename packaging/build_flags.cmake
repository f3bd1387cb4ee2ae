# The distribution's compiler and linker flags, hardening included (fortified string and memory
# functions, stack protector, read-only relocations bound at start), as dpkg-buildflags gives them
# to every Debian package. Every ordinary build uses them, so that the tests run the code the
# package ships; the sanitizer and fuzzing builds bring their own run-time checks instead.
if(RIBEMO_SANITIZE OR RIBEMO_FUZZ)
  return()
endif()
find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(NOT DPKG_BUILDFLAGS)
  message(WARNING "dpkg-buildflags not found (package dpkg-dev): built without the distribution's hardening")
  return()
endif()

# Run from the source folder, whose path the debug information then names as "." (the build stays
# the same wherever it is made); +all adds binding at start (-z now), which Debian leaves out by
# default.
function(ribemo_dpkg_flags kind out)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all ${DPKG_BUILDFLAGS} --get ${kind}
    WORKING_DIRECTORY ${CMAKE_SOURCE_DIR} OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  separate_arguments(flags UNIX_COMMAND "${flags}")
  set(${out} ${flags} PARENT_SCOPE)
endfunction()

ribemo_dpkg_flags(CPPFLAGS cpp_flags)
ribemo_dpkg_flags(CXXFLAGS cxx_flags)
ribemo_dpkg_flags(LDFLAGS ld_flags)
add_compile_options(${cpp_flags} ${cxx_flags})
add_link_options(${ld_flags})
