# The table of languages (translations/languages.tsv), read once for every part
# of the build that makes something per language. For each row, in the table's
# order, QUENBY_LANGUAGES gets the code, and QUENBY_LANGUAGE_<code>_{WINDOWS,
# LANG,SUBLANG,NSIS,DIRECTION} its columns.
set(_quenby_language_table ${PROJECT_SOURCE_DIR}/translations/languages.tsv)
set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${_quenby_language_table})
file(STRINGS ${_quenby_language_table} _quenby_language_rows ENCODING UTF-8 REGEX "^[a-z]")
set(QUENBY_LANGUAGES "")
foreach(_row IN LISTS _quenby_language_rows)
    string(REPLACE "\t" ";" _cells "${_row}")
    list(GET _cells 0 _code)
    list(GET _cells 1 QUENBY_LANGUAGE_${_code}_WINDOWS)
    list(GET _cells 2 QUENBY_LANGUAGE_${_code}_LANG)
    list(GET _cells 3 QUENBY_LANGUAGE_${_code}_SUBLANG)
    list(GET _cells 4 QUENBY_LANGUAGE_${_code}_NSIS)
    list(GET _cells 5 QUENBY_LANGUAGE_${_code}_DIRECTION)
    list(APPEND QUENBY_LANGUAGES ${_code})
endforeach()
