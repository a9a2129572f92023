# SPDX-FileCopyrightText: 2026 Quadrello contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs lupdate over the sources into copies of the translation template and of every
# translation, and fails when a copy comes out different: some text in the program is missing
# from a file, or is there no longer. A translation also fails while any of its texts is left
# unfinished, since the player would meet that text in English.
#
# Arguments: LUPDATE, TEMPLATE, TRANSLATIONS, INCLUDE_DIR, OPTIONS, SOURCES, WORK_DIR.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
foreach(file ${TEMPLATE} ${TRANSLATIONS})
    get_filename_component(name ${file} NAME)
    set(copy ${WORK_DIR}/${name})
    file(COPY_FILE ${file} ${copy})

    execute_process(COMMAND ${LUPDATE} ${OPTIONS} -I ${INCLUDE_DIR} ${SOURCES} -ts ${copy}
                    RESULT_VARIABLE failed OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(failed)
        message(FATAL_ERROR "lupdate failed:\n${output}")
    endif()

    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${file} ${copy}
                    RESULT_VARIABLE differ)
    if(differ)
        execute_process(COMMAND diff -u ${file} ${copy} OUTPUT_VARIABLE changes)
        message(FATAL_ERROR "${file} does not match the texts in the sources:\n${changes}\n"
                            "Bring it up to date with: cmake --build <build folder> "
                            "--target update_translations (then translate what is new).")
    endif()
    if(NOT file STREQUAL TEMPLATE)
        file(STRINGS ${file} unfinished REGEX "type=\"unfinished\"")
        if(unfinished)
            message(FATAL_ERROR "${file} leaves texts untranslated (type=\"unfinished\").")
        endif()
    endif()
endforeach()
