# SPDX-FileCopyrightText: 2026 Quadrello contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs lupdate over the sources into a copy of the translation template and fails when the copy
# comes out different: some text in the program is missing from the template, or is there no
# longer.
#
# Arguments: LUPDATE, TEMPLATE, INCLUDE_DIR, OPTIONS, SOURCES, WORK_DIR.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
get_filename_component(name ${TEMPLATE} NAME)
set(copy ${WORK_DIR}/${name})
file(COPY_FILE ${TEMPLATE} ${copy})

execute_process(COMMAND ${LUPDATE} ${OPTIONS} -I ${INCLUDE_DIR} ${SOURCES} -ts ${copy}
                RESULT_VARIABLE failed OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(failed)
    message(FATAL_ERROR "lupdate failed:\n${output}")
endif()

execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${TEMPLATE} ${copy}
                RESULT_VARIABLE differ)
if(differ)
    execute_process(COMMAND diff -u ${TEMPLATE} ${copy} OUTPUT_VARIABLE changes)
    message(FATAL_ERROR "${TEMPLATE} does not match the texts in the sources:\n${changes}\n"
                        "Bring it up to date with: cmake --build <build folder> "
                        "--target update_translations (then translate what is new).")
endif()
