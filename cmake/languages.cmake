# The table of languages (translations/languages.tsv), read once for every part
# of the build that makes something per language, by its one reader,
# tools/translations.py. For each row, in the table's order, QUENBY_LANGUAGES
# gets the code, and QUENBY_LANGUAGE_<code>_{WINDOWS,LANG,SUBLANG,NSIS,DIRECTION}
# its columns. Each language's texts are in its catalogue,
# translations/quenby_<code>.ts, from which the same tool makes what the
# engine, the panel and the policy templates are built with.
find_package(Python3 COMPONENTS Interpreter REQUIRED)
set(QUENBY_TRANSLATIONS_TOOL ${PROJECT_SOURCE_DIR}/tools/translations.py)
set(QUENBY_CATALOGUE_DIR ${PROJECT_SOURCE_DIR}/translations)
set(_quenby_language_table ${QUENBY_CATALOGUE_DIR}/languages.tsv)
set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${_quenby_language_table} ${QUENBY_TRANSLATIONS_TOOL})
execute_process(
    COMMAND ${Python3_EXECUTABLE} ${QUENBY_TRANSLATIONS_TOOL} cmake ${CMAKE_BINARY_DIR}/generated/languages.cmake
    RESULT_VARIABLE _quenby_languages_result)
if(NOT _quenby_languages_result EQUAL 0)
    message(FATAL_ERROR "translations/languages.tsv could not be read")
endif()
include(${CMAKE_BINARY_DIR}/generated/languages.cmake)
