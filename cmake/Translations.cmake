# The program's texts in other languages: the sources translations/vennaro_*.ts,
# compiled by lrelease into .qm files that travel inside the program as the
# resources :/translations/vennaro_LANGUAGE.qm. Qt's own CMake commands for
# this come with qt6-tools-dev, which brings Designer, Assistant and libclang
# along; the two programs of qt6-l10n-tools are all that is needed.
find_program(VENNARO_LUPDATE lupdate HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS} NO_DEFAULT_PATH REQUIRED)
find_program(VENNARO_LRELEASE lrelease HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS} NO_DEFAULT_PATH REQUIRED)
file(GLOB VENNARO_TS_FILES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/translations/vennaro_*.ts)

# vennaro_add_translations(TARGET): compiles every translation into TARGET's resources.
function(vennaro_add_translations target)
  set(qm_files)
  foreach(ts IN LISTS VENNARO_TS_FILES)
    get_filename_component(name ${ts} NAME_WE)
    set(qm ${CMAKE_CURRENT_BINARY_DIR}/translations/${name}.qm)
    add_custom_command(OUTPUT ${qm}
      COMMAND ${VENNARO_LRELEASE} -silent ${ts} -qm ${qm}
      DEPENDS ${ts}
      VERBATIM)
    list(APPEND qm_files ${qm})
  endforeach()
  qt_add_resources(${target} "translations"
    PREFIX "/translations"
    BASE ${CMAKE_CURRENT_BINARY_DIR}/translations
    FILES ${qm_files})
endfunction()

# Brings every translation up to the program's texts: a new text comes in
# unfinished, one the program no longer has goes.
add_custom_target(vennaro-lupdate
  COMMAND ${VENNARO_LUPDATE} -silent -no-obsolete -locations none -I . ${VENNARO_LAYERS} -ts ${VENNARO_TS_FILES}
  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
  COMMENT "Updating the translations from the program's texts"
  VERBATIM)
