# SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# Checks the include arrows between the layers of src/:
#   drills -> frame -> shared services (src/app) <- composition root
# The composition root (the program's entry, Applicazione, the title screen and
# the menu) is the only code that knows every window.
# Run: cmake -DSORGENTI=<src> -P architettura.cmake

cmake_minimum_required(VERSION 3.22)
set(radice applicazione form_avvio form_menu)

function(vietati file proibiti)
    file(STRINGS "${file}" righe REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(riga IN LISTS righe)
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*" "\\1" incluso "${riga}")
        foreach(p IN LISTS proibiti)
            if(incluso MATCHES "${p}")
                file(RELATIVE_PATH nome "${SORGENTI}" "${file}")
                message(SEND_ERROR "${nome} includes ${incluso}")
            endif()
        endforeach()
    endforeach()
endfunction()

set(verso_radice "^app/(applicazione|form_avvio|form_menu)\\.h$")

file(GLOB_RECURSE servizi "${SORGENTI}/app/*.h" "${SORGENTI}/app/*.cpp")
foreach(f IN LISTS servizi)
    get_filename_component(base "${f}" NAME_WE)
    if(NOT base IN_LIST radice)
        vietati("${f}" "^frame/;^drills/;${verso_radice}")
    endif()
endforeach()

file(GLOB_RECURSE cornice "${SORGENTI}/frame/*.h" "${SORGENTI}/frame/*.cpp")
foreach(f IN LISTS cornice)
    vietati("${f}" "^drills/;${verso_radice}")
endforeach()

file(GLOB_RECURSE esercizi "${SORGENTI}/drills/*.h" "${SORGENTI}/drills/*.cpp")
foreach(f IN LISTS esercizi)
    vietati("${f}" "${verso_radice}")
endforeach()
