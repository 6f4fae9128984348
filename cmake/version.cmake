# The program's version is written once, in project() at the top of CMakeLists.txt, as a whole
# number, a full stop and two digits (1.00). Every other form of it is made here, into
# ${PETCALC_VERSION_FOLDER}:
# - as it stands, 1.00: Qt's application version, the Debian package (Debian compares 1.01 and
#   1.1 alike, so the two digits keep every version apart), the Windows zip's name, the AppStream
#   release, the manual page, the changelog and 说明.txt;
# - as four numbers, the whole number, the two digits as a number, 0 and 0 (1.01 gives 1, 1, 0,
#   0): the Windows version block, and, joined by full stops, the manifest's assembly version.
if(NOT PROJECT_VERSION MATCHES "^[0-9]+\\.[0-9][0-9]$")
  message(FATAL_ERROR "The version is a whole number, a full stop and two digits, not ${PROJECT_VERSION}")
endif()
math(EXPR petcalc_version_minor "${PROJECT_VERSION_MINOR}")
set(PETCALC_VERSION_NUMBERS "${PROJECT_VERSION_MAJOR}, ${petcalc_version_minor}, 0, 0")
set(PETCALC_VERSION_DOTTED "${PROJECT_VERSION_MAJOR}.${petcalc_version_minor}.0.0")

set(PETCALC_VERSION_FOLDER ${PROJECT_BINARY_DIR}/version)
configure_file(${PROJECT_SOURCE_DIR}/resources/petcalc_version.h.in
               ${PETCALC_VERSION_FOLDER}/petcalc_version.h @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/resources/petcalc.manifest.in
               ${PETCALC_VERSION_FOLDER}/petcalc.manifest @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/${PETCALC_APP_ID}.metainfo.xml.in
               ${PETCALC_VERSION_FOLDER}/${PETCALC_APP_ID}.metainfo.xml @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/${PETCALC_APP_ID}.desktop.in
               ${PETCALC_VERSION_FOLDER}/${PETCALC_APP_ID}.desktop @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/petcalc.1.in ${PETCALC_VERSION_FOLDER}/petcalc.1 @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/说明.txt.in ${PETCALC_VERSION_FOLDER}/说明.txt
               @ONLY)
file(WRITE ${PETCALC_VERSION_FOLDER}/version.txt "${PROJECT_VERSION}\n")

# The version header, for the code and the Windows resources that name the version.
add_library(petcalc_version INTERFACE)
target_include_directories(petcalc_version INTERFACE ${PETCALC_VERSION_FOLDER})
