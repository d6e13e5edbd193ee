# cmake -DSEEDS=<folder> -DSOURCES=<folders or files;…> -P gather_seeds.cmake
# Copies every regular file found under SOURCES into SEEDS, named by its content's hash, so that
# libFuzzer starts from the test data.
file(MAKE_DIRECTORY ${SEEDS})
foreach(source IN LISTS SOURCES)
  if(IS_DIRECTORY ${source})
    file(GLOB_RECURSE files LIST_DIRECTORIES false ${source}/*)
  else()
    set(files ${source})
  endif()
  foreach(file IN LISTS files)
    file(SHA1 ${file} hash)
    configure_file(${file} ${SEEDS}/${hash} COPYONLY)
  endforeach()
endforeach()
