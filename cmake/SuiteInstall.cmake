# Where `cmake --install` puts the three programs, and one Debian package per program
# (`make package`). Each program is a component: its window, its command-line tool, their manual
# pages, its menu entry, icon and AppStream file, the examples it opens, the suite's copyright and
# changelog; osmira also its exercise file type.

include(GNUInstallDirs)

set(SUITE_PACKAGING_DIR ${CMAKE_SOURCE_DIR}/packaging)

# Manual pages are written in scdoc's form (packaging/man/NAME.1.scd) and built into troff,
# compressed as Debian wants them, like the changelog. Pages carry the date of the release.
find_program(SCDOC scdoc REQUIRED)
set(SUITE_RELEASE_EPOCH 1796731200) # 2026-12-08, the changelog's date of 0.1
set(SUITE_DOC_BUILD_DIR ${CMAKE_BINARY_DIR}/doc)
set(suite_docs)
foreach(page varquen varquen-cli osmira osmira-cli zudaviror zudaviror-cli)
  set(source ${SUITE_PACKAGING_DIR}/man/${page}.1.scd)
  add_custom_command(OUTPUT ${SUITE_DOC_BUILD_DIR}/${page}.1.gz
                     COMMAND ${CMAKE_COMMAND} -DINPUT=${source} -DOUTPUT=${SUITE_DOC_BUILD_DIR}/${page}.1.gz
                             -DSCDOC=${SCDOC} -DSOURCE_DATE_EPOCH=${SUITE_RELEASE_EPOCH}
                             -P ${SUITE_PACKAGING_DIR}/compress.cmake
                     DEPENDS ${source} ${SUITE_PACKAGING_DIR}/compress.cmake
                     COMMENT "Manual page ${page}(1)" VERBATIM)
  list(APPEND suite_docs ${SUITE_DOC_BUILD_DIR}/${page}.1.gz)
endforeach()
add_custom_command(OUTPUT ${SUITE_DOC_BUILD_DIR}/changelog.Debian.gz
                   COMMAND ${CMAKE_COMMAND} -DINPUT=${SUITE_PACKAGING_DIR}/changelog
                           -DOUTPUT=${SUITE_DOC_BUILD_DIR}/changelog.Debian.gz -P ${SUITE_PACKAGING_DIR}/compress.cmake
                   DEPENDS ${SUITE_PACKAGING_DIR}/changelog ${SUITE_PACKAGING_DIR}/compress.cmake VERBATIM)
list(APPEND suite_docs ${SUITE_DOC_BUILD_DIR}/changelog.Debian.gz)
file(MAKE_DIRECTORY ${SUITE_DOC_BUILD_DIR})
add_custom_target(suite-docs ALL DEPENDS ${suite_docs})

# A stripped installation (`cmake --install --strip`, and every package) also drops the compiler's
# notes, as Debian's own packages do: strip leaves .comment and .note in place.
function(suite_install_strip_notes component)
  foreach(file IN LISTS ARGN)
    install(CODE "if(CMAKE_INSTALL_DO_STRIP)
  execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
                          \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${file}\" COMMAND_ERROR_IS_FATAL ANY)
endif()" COMPONENT ${component})
  endforeach()
endfunction()

function(suite_install_program program)
  set(id org.logicsuite.${program})
  install(TARGETS ${program} ${program}-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT ${program})
  suite_install_strip_notes(${program} ${CMAKE_INSTALL_BINDIR}/${program} ${CMAKE_INSTALL_BINDIR}/${program}-cli)
  install(FILES ${SUITE_DOC_BUILD_DIR}/${program}.1.gz ${SUITE_DOC_BUILD_DIR}/${program}-cli.1.gz
          DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT ${program})
  install(FILES ${SUITE_PACKAGING_DIR}/copyright ${SUITE_DOC_BUILD_DIR}/changelog.Debian.gz
          DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${program} COMPONENT ${program})
  # What lintian would say of the package that is meant so, each with its reason.
  install(FILES ${SUITE_PACKAGING_DIR}/lintian-overrides/${program}
          DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides COMPONENT ${program})
  install(FILES ${SUITE_PACKAGING_DIR}/${id}.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT ${program})
  install(FILES ${SUITE_PACKAGING_DIR}/${id}.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps COMPONENT ${program})
  install(FILES ${SUITE_PACKAGING_DIR}/${id}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT ${program})
  if(EXISTS ${CMAKE_SOURCE_DIR}/examples/${program})
    install(DIRECTORY ${CMAKE_SOURCE_DIR}/examples/${program}/
            DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${program}/examples COMPONENT ${program})
  endif()
endfunction()

foreach(program varquen osmira zudaviror)
  suite_install_program(${program})
endforeach()

# Qt's printing, loaded by osmira when first asked to print.
install(TARGETS osmira_printing LIBRARY DESTINATION ${OSMIRA_PRINTING_DIR} COMPONENT osmira)
suite_install_strip_notes(osmira ${OSMIRA_PRINTING_DIR}/osmira-printing.so)

# Each program's prover, loaded when the student first asks whether a formula is valid; the
# package depends on Z3's library through it (packaging/shlibdeps.cmake).
get_property(prover_programs GLOBAL PROPERTY SUITE_PROVER_PROGRAMS)
foreach(program IN LISTS prover_programs)
  install(TARGETS ${program}_prover LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/${program} COMPONENT ${program})
  suite_install_strip_notes(${program} ${CMAKE_INSTALL_LIBDIR}/${program}/${program}-prover.so)
endforeach()

# File managers know an exercise by its leading bytes and show it with osmira's icon.
install(FILES ${SUITE_PACKAGING_DIR}/org.logicsuite.osmira.mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME org.logicsuite.osmira.xml COMPONENT osmira)
install(FILES ${SUITE_PACKAGING_DIR}/org.logicsuite.osmira.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/mimetypes
        RENAME application-x-osmira-exercise.svg COMPONENT osmira)

# cpack (and `make install`) install what is built and build nothing more: `make package` builds
# only what the packages hold, and the package test must not start a build of the whole tree.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME logicsuite)
set(CPACK_PACKAGE_VENDOR "Equipo de la suite lógica")
set(CPACK_PACKAGE_CONTACT "Equipo de la suite lógica <suite-logica@example.org>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# Version 0.1-1: the suite's 0.1, first packaged as packaging/changelog says.
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SOURCE logicsuite)
set(SUITE_PACKAGE_DIR ${CMAKE_BINARY_DIR}/packages CACHE PATH "Where `make package` puts the Debian packages")
set(CPACK_PACKAGE_DIRECTORY ${SUITE_PACKAGE_DIR})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Packages carry no debugging symbols, whatever the build type.
set(CPACK_STRIP_FILES ON)
set(CPACK_COMPONENTS_ALL varquen osmira zudaviror)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Libraries from dpkg-shlibdeps, run by packaging/shlibdeps.cmake rather than by CPack (whose run
# would add ldconfig calls for the programs' private modules); Qt's Spanish texts and the font with
# every logic sign besides.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS OFF)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n, fonts-dejavu-core")
# A program's own further packages: varquen asks E beside Z3 whether a formula is valid.
set(CPACK_DEBIAN_VARQUEN_EXTRA_DEPENDS "eprover")
set(CPACK_PRE_BUILD_SCRIPTS ${SUITE_PACKAGING_DIR}/shlibdeps.cmake)
foreach(program varquen osmira zudaviror)
  string(TOUPPER ${program} upper)
  set(CPACK_DEBIAN_${upper}_PACKAGE_NAME ${program})
endforeach()
# Lines of the long descriptions fit 80 columns in the control file.
set(CPACK_COMPONENT_VARQUEN_DESCRIPTION
    "traductor de la lógica multivariada a la lógica de primer orden
Varquen traduce fórmulas de la lógica multivariada, con varios universos,
a la lógica de primer orden de un solo universo, con signos lógicos o en
TeX. Incluye varquen-cli.")
set(CPACK_COMPONENT_OSMIRA_DESCRIPTION
    "ejercicios con los gráficos existenciales Alfa de Peirce
Osmira dibuja las hipótesis de un ejercicio y comprueba, paso a paso, cada
una de las cinco reglas de transformación; guarda ejercicios .omr y escribe
informes en HTML. Incluye osmira-cli.")
set(CPACK_COMPONENT_ZUDAVIROR_DESCRIPTION
    "traductor de la lógica modal a la lógica multivariada
Zudaviror traduce fórmulas de la lógica modal proposicional, escritas con un
teclado que sólo admite fórmulas bien formadas, a la lógica multivariada,
mostrando cada paso. Incluye zudaviror-cli.")

include(CPack)
