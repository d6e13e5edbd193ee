# Run by CPack once every package's files are staged (CPACK_PRE_BUILD_SCRIPTS): each package
# depends on the libraries its programs link, as dpkg-shlibdeps finds them, besides the packages
# named in CPACK_DEBIAN_PACKAGE_DEPENDS. CPack's own run of dpkg-shlibdeps would also make
# osmira's package call ldconfig for its private printing module in /usr/lib/osmira, which no
# program links and ldconfig has no business with.
find_program(DPKG_SHLIBDEPS dpkg-shlibdeps REQUIRED)
foreach(component IN LISTS CPACK_COMPONENTS_ALL)
  set(stage ${CPACK_TEMPORARY_DIRECTORY}/${component})
  file(GLOB_RECURSE candidates LIST_DIRECTORIES false ${stage}/usr/bin/* ${stage}/usr/lib/*)
  set(arguments)
  foreach(file IN LISTS candidates)
    file(READ ${file} magic LIMIT 4 HEX)
    if(magic STREQUAL "7f454c46")
      list(APPEND arguments "-e${file}")
    endif()
  endforeach()
  if(NOT arguments)
    continue()
  endif()
  # dpkg-shlibdeps looks for debian/control in the folder it runs in.
  set(work ${CPACK_TEMPORARY_DIRECTORY}/shlibdeps-${component})
  file(MAKE_DIRECTORY ${work}/debian)
  file(TOUCH ${work}/debian/control)
  execute_process(COMMAND ${DPKG_SHLIBDEPS} -O ${arguments} WORKING_DIRECTORY ${work}
                  RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
  file(REMOVE_RECURSE ${work})
  if(NOT status EQUAL 0 OR NOT output MATCHES "shlibs:Depends=([^\n]*)")
    message(FATAL_ERROR "dpkg-shlibdeps for ${component}: ${errors}")
  endif()
  string(TOUPPER ${component} upper)
  set(depends "${CMAKE_MATCH_1}, ${CPACK_DEBIAN_PACKAGE_DEPENDS}")
  if(CPACK_DEBIAN_${upper}_EXTRA_DEPENDS)
    string(APPEND depends ", ${CPACK_DEBIAN_${upper}_EXTRA_DEPENDS}")
  endif()
  set(CPACK_DEBIAN_${upper}_PACKAGE_DEPENDS "${depends}")
endforeach()
