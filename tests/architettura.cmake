# SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# Checks the include arrows between the layers of src/, one folder each, from
# the bottom up:
#   comune    the shared services (word lists, state, draws, colours, sounds,
#             voice, folders, dialogs, the conversion from twips)
#   frame     the common exercise window, on the services
#   drills    the seventeen exercises, on the frame and the services
#   elenchi   the teachers' editor of the word lists, on the drills: its
#             checks and table in the logic, its window in a module
#   app       the composition root (the program's entry, Applicazione, the
#             title screen and the menu), the only code that knows every
#             window; verifica, the checker's entry, is one too
# A quoted include names its folder; one without a folder is a file generated
# beside its source (crediti.h, a .moc).
# Run: cmake -DSORGENTI=<src> -P architettura.cmake

cmake_minimum_required(VERSION 3.22)

set(permessi_comune comune)
set(permessi_frame comune frame)
set(permessi_drills comune frame drills)
set(permessi_elenchi comune frame drills elenchi)
set(permessi_app comune frame drills app)
set(permessi_verifica comune frame drills verifica)

file(GLOB strati LIST_DIRECTORIES true RELATIVE "${SORGENTI}" "${SORGENTI}/*")
foreach(strato IN LISTS strati)
    if(NOT IS_DIRECTORY "${SORGENTI}/${strato}")
        message(SEND_ERROR "src/${strato} lies outside every layer")
    elseif(NOT DEFINED permessi_${strato})
        message(SEND_ERROR "src/${strato}/ is not a layer this check knows")
    endif()
endforeach()

foreach(strato comune frame drills elenchi app verifica)
    file(GLOB_RECURSE sorgenti "${SORGENTI}/${strato}/*.h" "${SORGENTI}/${strato}/*.cpp")
    if(NOT sorgenti)
        message(SEND_ERROR "src/${strato}/ holds no source")
    endif()
    foreach(f IN LISTS sorgenti)
        file(STRINGS "${f}" righe REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
        foreach(riga IN LISTS righe)
            string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*" "\\1" incluso "${riga}")
            if(incluso MATCHES "^([^/]+)/")
                set(cartella "${CMAKE_MATCH_1}")
            else()
                continue()
            endif()
            if(NOT cartella IN_LIST permessi_${strato})
                file(RELATIVE_PATH nome "${SORGENTI}" "${f}")
                message(SEND_ERROR "${nome} includes ${incluso}: ${strato}/ may include only ${permessi_${strato}}")
            endif()
        endforeach()
    endforeach()
endforeach()
