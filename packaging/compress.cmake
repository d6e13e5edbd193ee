# Writes OUTPUT, INPUT compressed with `gzip -9n` (no name, no time: the same bytes at every
# build), as Debian wants its manual pages and changelogs. With SCDOC, INPUT is a manual page
# in scdoc's form, turned into troff first and dated SOURCE_DATE_EPOCH; words are not hyphenated,
# since groff knows no Spanish hyphenation and the man macros turn English hyphenation back on.
#   cmake -DINPUT=… -DOUTPUT=… [-DSCDOC=… -DSOURCE_DATE_EPOCH=…] -P compress.cmake
set(text ${INPUT})
if(SCDOC)
  set(ENV{SOURCE_DATE_EPOCH} ${SOURCE_DATE_EPOCH})
  set(text ${OUTPUT}.troff)
  execute_process(COMMAND ${SCDOC} INPUT_FILE ${INPUT} OUTPUT_VARIABLE troff RESULT_VARIABLE status
                  ERROR_VARIABLE errors)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${INPUT}: ${errors}")
  endif()
  string(REGEX REPLACE "(\n\\.TH [^\n]*\n)" "\\1.nh\n" troff "${troff}")
  file(WRITE ${text} "${troff}")
endif()
execute_process(COMMAND gzip -9n INPUT_FILE ${text} OUTPUT_FILE ${OUTPUT}.part RESULT_VARIABLE status
                ERROR_VARIABLE errors)
if(SCDOC)
  file(REMOVE ${text})
endif()
if(NOT status EQUAL 0)
  file(REMOVE ${OUTPUT}.part)
  message(FATAL_ERROR "${INPUT}: ${errors}")
endif()
file(RENAME ${OUTPUT}.part ${OUTPUT})
