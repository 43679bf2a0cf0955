# Installs the build into a fresh prefix and checks that what a user gets
# there works: the program folder with its data, the desktop entry pointing
# at the installed editor, the MIME types and icons, their registration in
# the user's data folder, and the editor itself exporting a sample plan from
# the installed folder.
#
#   cmake -DBUILD_DIR=<build> -DPREFIX=<empty folder> -DPROGRAM_DIR_NAME=. \
#         -DUSER_DATA=<the XDG_DATA_HOME of the run> -P installtest.cmake

function(require path)
    if(NOT EXISTS "${path}")
        message(FATAL_ERROR "manca dopo l'installazione: ${path}")
    endif()
endfunction()

file(REMOVE_RECURSE "${PREFIX}" "${USER_DATA}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "cmake --install non riuscito (${rc}):\n${out}\n${err}")
endif()

set(program "${PREFIX}/${PROGRAM_DIR_NAME}")
string(REGEX REPLACE "/\\.$" "" program "${program}")
foreach(f tips.txt tbar.bmp splash.bmp cartello.bmp Favorites icons/domora.svg icons/domora.png
        Esempi "Favorites/Bilocale arredato.lnk"
        Library/Simboli/Nord.png "Library/Oggetti/Camera da letto/Letto matrimoniale.png"
        Library/Immagini/Casa.jpg "Library/Textures e motivi di riempimento/Cotto.jpg")
    require("${program}/${f}")
endforeach()
foreach(f share/mime/packages/velmar-domora.xml
        share/icons/hicolor/48x48/apps/velmar-domora.png
        share/icons/hicolor/256x256/mimetypes/application-x-domora-plan.png
        share/icons/hicolor/16x16/mimetypes/application-x-domora-project.png)
    require("${PREFIX}/${f}")
endforeach()

set(entry "${PREFIX}/share/applications/velmar-domora.desktop")
require("${entry}")
file(READ "${entry}" text)
foreach(line "Exec=\"${program}/domora\" %f" "Icon=velmar-domora"
        "MimeType=application/x-domora-plan;application/x-domora-project;")
    string(FIND "${text}" "${line}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "la voce del desktop non contiene «${line}»:\n${text}")
    endif()
endforeach()
find_program(validate desktop-file-validate)
if(validate)
    execute_process(COMMAND "${validate}" "${entry}" RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "voce del desktop non valida:\n${out}")
    endif()
endif()

# Installed straight onto the machine, the program registers with the
# user's desktop.
foreach(f applications/velmar-domora.desktop mime/packages/velmar-domora.xml
        icons/hicolor/48x48/apps/velmar-domora.png)
    require("${USER_DATA}/${f}")
endforeach()
# The favourites lead to the installed samples.
file(READ_SYMLINK "${program}/Favorites/Bilocale arredato.lnk" link)
if(NOT EXISTS "${program}/Favorites/${link}")
    message(FATAL_ERROR "il preferito porta fuori dall'installazione: ${link}")
endif()

# The editor, once built, must start from the installed folder (it finds its
# libraries and data beside itself) and export a plan without a window.
if(EXISTS "${program}/domora")
    file(GLOB samples "${program}/Esempi/*.fpd")
    if(NOT samples)
        message(FATAL_ERROR "nessuna planimetria di esempio installata")
    endif()
    list(GET samples 0 sample)
    set(work "${PREFIX}/lavoro")
    file(MAKE_DIRECTORY "${work}")
    file(COPY "${sample}" DESTINATION "${work}")
    get_filename_component(name "${sample}" NAME)
    execute_process(COMMAND "${program}/domora" "-export:${work}/${name}"
        RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 120)
    if(NOT rc EQUAL 0 OR NOT EXISTS "${work}/${name}.jpg")
        message(FATAL_ERROR "esportazione dall'installazione non riuscita (${rc}):\n${out}\n${err}")
    endif()
    message(STATUS "esportata ${work}/${name}.jpg")
else()
    message(STATUS "domora non ancora presente: controllata solo la disposizione dei file")
endif()
