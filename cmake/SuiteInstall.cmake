# Where `cmake --install` puts the three programs, and one Debian package per program
# (`make package`). Each program is a component: its window, its command-line tool, its menu
# entry, icon and AppStream file, and the examples it opens; osmira also its exercise file type.

include(GNUInstallDirs)

set(SUITE_PACKAGING_DIR ${CMAKE_SOURCE_DIR}/packaging)

function(suite_install_program program)
  set(id org.logicsuite.${program})
  install(TARGETS ${program} ${program}-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT ${program})
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

# File managers know an exercise by its leading bytes and show it with osmira's icon.
install(FILES ${SUITE_PACKAGING_DIR}/org.logicsuite.osmira.mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME org.logicsuite.osmira.xml COMPONENT osmira)
install(FILES ${SUITE_PACKAGING_DIR}/org.logicsuite.osmira.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/mimetypes
        RENAME application-x-osmira-exercise.svg COMPONENT osmira)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME logicsuite)
set(CPACK_PACKAGE_VENDOR "Autores de la suite de lógica")
set(CPACK_PACKAGE_CONTACT "Autores de la suite de lógica")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Packages carry no debugging symbols, whatever the build type.
set(CPACK_STRIP_FILES ON)
set(CPACK_COMPONENTS_ALL varquen osmira zudaviror)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Libraries from dpkg-shlibdeps; Qt's Spanish texts and the font with every logic sign besides.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n, fonts-dejavu-core")
foreach(program varquen osmira zudaviror)
  string(TOUPPER ${program} upper)
  set(CPACK_DEBIAN_${upper}_PACKAGE_NAME ${program})
endforeach()
set(CPACK_COMPONENT_VARQUEN_DESCRIPTION
    "traductor de la lógica multivariada a la lógica de primer orden
Varquen traduce fórmulas de la lógica multivariada, con varios universos, a la lógica de
primer orden de un solo universo, con signos lógicos o en TeX. Incluye varquen-cli.")
set(CPACK_COMPONENT_OSMIRA_DESCRIPTION
    "ejercicios con los gráficos existenciales Alfa de Peirce
Osmira dibuja las hipótesis de un ejercicio y comprueba, paso a paso, cada una de las cinco
reglas de transformación; guarda ejercicios .omr y escribe informes en HTML. Incluye osmira-cli.")
set(CPACK_COMPONENT_ZUDAVIROR_DESCRIPTION
    "traductor de la lógica modal a la lógica multivariada
Zudaviror traduce fórmulas de la lógica modal proposicional, escritas con un teclado que sólo
admite fórmulas bien formadas, a la lógica multivariada, mostrando cada paso. Incluye zudaviror-cli.")

include(CPack)
