# Helpers shared by the three programs' build files.

set_property(GLOBAL PROPERTY SUITE_CORE_TARGETS "")

# A program's core: a static library that must never depend on Qt.
function(suite_core_library target)
  add_library(${target} STATIC ${ARGN})
  target_include_directories(${target} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  set_property(GLOBAL APPEND PROPERTY SUITE_CORE_TARGETS ${target})
endfunction()

# The core stays free of Qt: no Qt library linked, no Qt header included.
function(suite_check_cores_are_qt_free)
  get_property(cores GLOBAL PROPERTY SUITE_CORE_TARGETS)
  foreach(core IN LISTS cores)
    get_target_property(libs ${core} LINK_LIBRARIES)
    if(libs)
      foreach(lib IN LISTS libs)
        if(lib MATCHES "Qt")
          message(FATAL_ERROR "${core} links ${lib}; a core must not depend on Qt")
        endif()
      endforeach()
    endif()
    get_target_property(sources ${core} SOURCES)
    get_target_property(source_dir ${core} SOURCE_DIR)
    # The sources and every header beside them.
    set(files "")
    foreach(file IN LISTS sources)
      if(NOT IS_ABSOLUTE ${file})
        set(file ${source_dir}/${file})
      endif()
      get_filename_component(dir ${file} DIRECTORY)
      file(GLOB headers ${dir}/*.h ${dir}/*.hpp)
      list(APPEND files ${file} ${headers})
    endforeach()
    list(REMOVE_DUPLICATES files)
    foreach(file IN LISTS files)
      file(STRINGS ${file} qt_includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]Q")
      if(qt_includes)
        message(FATAL_ERROR "${file} includes Qt (${qt_includes}); a core must not depend on Qt")
      endif()
    endforeach()
  endforeach()
endfunction()

# A GoogleTest executable registered with CTest, linked with the shared test scaffold.
# Widget tests pass WIDGETS and get the scaffold's offscreen main().
function(suite_test target)
  cmake_parse_arguments(ARG "WIDGETS" "" "SOURCES;LIBRARIES" ${ARGN})
  add_executable(${target} ${ARG_SOURCES})
  target_link_libraries(${target} PRIVATE ${ARG_LIBRARIES} suite_testing GTest::gtest GTest::gmock)
  if(ARG_WIDGETS)
    target_link_libraries(${target} PRIVATE suite_widget_test_main)
  else()
    target_link_libraries(${target} PRIVATE GTest::gtest_main)
  endif()
  target_compile_definitions(${target} PRIVATE TEST_DATA_DIR="${CMAKE_CURRENT_SOURCE_DIR}/data")
  if(ARG_WIDGETS)
    gtest_discover_tests(${target} TEST_PREFIX "${target}."
      PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;HOME=${CMAKE_CURRENT_BINARY_DIR}/home" TIMEOUT 60
      DISCOVERY_TIMEOUT 60)
  else()
    gtest_discover_tests(${target} TEST_PREFIX "${target}." PROPERTIES TIMEOUT 60 DISCOVERY_TIMEOUT 60)
  endif()
endfunction()

# A Google Benchmark executable, built by default, run only by `make bench`.
# Its name must end in -bench.
function(suite_benchmark target)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES" ${ARGN})
  add_executable(${target} ${ARG_SOURCES})
  target_link_libraries(${target} PRIVATE ${ARG_LIBRARIES} benchmark::benchmark benchmark::benchmark_main)
  if(NOT target MATCHES "-bench$")
    message(FATAL_ERROR "benchmark ${target}: the name must end in -bench")
  endif()
endfunction()

# Sanitizers for the whole build, e.g. -DSUITE_SANITIZERS=address,undefined (`make test-sanitize`)
# or with fuzzer-no-link added for the fuzz targets (`make fuzz`). Every report ends the run.
set(SUITE_SANITIZERS "" CACHE STRING "Comma-separated -fsanitize= list for every target")
if(SUITE_SANITIZERS)
  add_compile_options(-fsanitize=${SUITE_SANITIZERS} -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=${SUITE_SANITIZERS})
endif()
