# Checks the house order of src/: a folder includes only from itself and
# the folders listed before it, and the main window is reached from the
# program's top (app) alone, so that every other part works on the page
# rather than on widgets. Run as a build step (cmake -P) with QUELLEN set to
# the src folder; a breach stops the build with the file and the line.
set(schichten engine fileio windowkit mainwindow project logo report workings reference building app)
set(fehler "")
file(GLOB_RECURSE dateien "${QUELLEN}/*.h" "${QUELLEN}/*.cpp")
foreach(datei IN LISTS dateien)
    file(RELATIVE_PATH relativ "${QUELLEN}" "${datei}")
    string(REGEX MATCH "^[^/]+" ordner "${relativ}")
    list(FIND schichten "${ordner}" eigene)
    if(eigene LESS 0)
        continue()
    endif()
    file(STRINGS "${datei}" zeilen REGEX "^#include \"[a-z]+/")
    foreach(zeile IN LISTS zeilen)
        string(REGEX REPLACE "^#include \"([a-z]+)/.*" "\\1" ziel "${zeile}")
        list(FIND schichten "${ziel}" andere)
        if(andere GREATER eigene OR (ziel STREQUAL "mainwindow" AND NOT ordner MATCHES "^(mainwindow|app)$"))
            string(APPEND fehler "  src/${relativ}: ${zeile}\n")
        endif()
    endforeach()
endforeach()
if(fehler)
    message(FATAL_ERROR "Einbindung gegen die Schichtordnung:\n${fehler}")
endif()
