# Writes OUTPUT, INPUT compressed with `gzip -9n` (no name, no time: the same bytes at every
# build), as Debian wants its manual pages and changelogs. With SCDOC, INPUT is a manual page
# in scdoc's form, turned into troff first and dated SOURCE_DATE_EPOCH.
#   cmake -DINPUT=… -DOUTPUT=… [-DSCDOC=… -DSOURCE_DATE_EPOCH=…] -P compress.cmake
set(commands)
if(SCDOC)
  set(ENV{SOURCE_DATE_EPOCH} ${SOURCE_DATE_EPOCH})
  list(APPEND commands COMMAND ${SCDOC})
endif()
execute_process(${commands} COMMAND gzip -9n INPUT_FILE ${INPUT} OUTPUT_FILE ${OUTPUT}.part
                RESULTS_VARIABLE results ERROR_VARIABLE errors)
foreach(result IN LISTS results)
  if(NOT result EQUAL 0)
    file(REMOVE ${OUTPUT}.part)
    message(FATAL_ERROR "${INPUT}: ${errors}")
  endif()
endforeach()
file(RENAME ${OUTPUT}.part ${OUTPUT})
