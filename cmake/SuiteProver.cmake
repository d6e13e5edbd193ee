# Each program's prover: a module with Z3 in it, loaded the first time a student asks whether a
# formula is valid (suite/module_loading.h), so that neither the program nor its start-up
# depends on Z3. It lies where the installation puts it, relative to the programs' folder, in
# the build tree as in the installation; SuiteInstall.cmake installs it into the program's package.

include(GNUInstallDirs)
find_path(SUITE_Z3_INCLUDE_DIR z3++.h REQUIRED)
find_library(SUITE_Z3_LIBRARY z3 REQUIRED)
set_property(GLOBAL PROPERTY SUITE_PROVER_PROGRAMS "")

# A module holds the static libraries it links, so they, and every static library they link in
# turn, are compiled position independent.
function(suite_position_independent)
  foreach(library IN LISTS ARGN)
    if(NOT TARGET ${library})
      continue()
    endif()
    get_target_property(type ${library} TYPE)
    get_target_property(done ${library} POSITION_INDEPENDENT_CODE)
    if(type STREQUAL "STATIC_LIBRARY" AND NOT done)
      set_target_properties(${library} PROPERTIES POSITION_INDEPENDENT_CODE ON)
      get_target_property(linked ${library} LINK_LIBRARIES)
      if(linked)
        suite_position_independent(${linked})
      endif()
    endif()
  endforeach()
endfunction()

# suite_prover_module(PROGRAM SOURCES … [LIBRARIES …] LOADER target [USERS target…])
# builds PROGRAM_prover, the module PROGRAM-prover.so in ${CMAKE_BINARY_DIR}/${libdir}/PROGRAM.
# LOADER, the target whose code loads it, gets PROGRAM_PROVER_FROM_BIN (the module's folder from
# the programs' folder) and PROGRAM_PROVER_FILE (its file name), PROGRAM in capitals. USERS (the
# LOADER when none are named; never a library the module links) are built after the module.
function(suite_prover_module program)
  cmake_parse_arguments(ARG "" "LOADER" "SOURCES;LIBRARIES;USERS" ${ARGN})
  set(target ${program}_prover)
  set(folder ${CMAKE_INSTALL_LIBDIR}/${program})
  file(RELATIVE_PATH from_bin ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR} ${CMAKE_INSTALL_PREFIX}/${folder})
  add_library(${target} MODULE ${ARG_SOURCES})
  target_include_directories(${target} SYSTEM PRIVATE ${SUITE_Z3_INCLUDE_DIR})
  target_link_libraries(${target} PRIVATE ${ARG_LIBRARIES} ${SUITE_Z3_LIBRARY})
  suite_position_independent(${ARG_LIBRARIES})
  set_target_properties(${target} PROPERTIES PREFIX "" OUTPUT_NAME ${program}-prover
                        LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/${folder})
  string(TOUPPER ${program} upper)
  target_compile_definitions(${ARG_LOADER} PRIVATE ${upper}_PROVER_FROM_BIN="${from_bin}"
                             ${upper}_PROVER_FILE="${program}-prover.so")
  if(NOT ARG_USERS)
    set(ARG_USERS ${ARG_LOADER})
  endif()
  foreach(user IN LISTS ARG_USERS)
    add_dependencies(${user} ${target})
  endforeach()
  set_property(GLOBAL APPEND PROPERTY SUITE_PROVER_PROGRAMS ${program})
endfunction()
