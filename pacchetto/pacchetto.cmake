# SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# Where an installed program lies, and how it is packaged. Included by the
# top-level CMakeLists.txt, in its scope.
include(GNUInstallDirs)

# The program finds its data and its sound module by paths relative to its
# own folder, so an installed tree works wherever its prefix is.
file(RELATIVE_PATH lumeri_dati_relativi "${CMAKE_INSTALL_FULL_BINDIR}" "${CMAKE_INSTALL_FULL_DATADIR}/lumeri")
file(RELATIVE_PATH lumeri_modulo_relativo "${CMAKE_INSTALL_FULL_BINDIR}" "${CMAKE_INSTALL_FULL_LIBEXECDIR}/lumeri")
set(LUMERI_RELATIVI
    "LUMERI_DATI_INSTALLATI=\"${lumeri_dati_relativi}\";LUMERI_MODULO_INSTALLATO=\"${lumeri_modulo_relativo}\"")
set_source_files_properties(src/comune/cartelle.cpp PROPERTIES COMPILE_DEFINITIONS "${LUMERI_RELATIVI}")

set(LUMERI_ID "org.example.lumeri")   # desktop entry, metainfo and icon
set(lumeri_file_dati OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
set(lumeri_cartelle OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

install(TARGETS lumeri lumeri-verifica RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The sound module is the program's own, loaded by path, never linked: it
# lies with the program's internal files, off the linker's search path.
# So is the voice module, beside it.
set(lumeri_moduli lumeri_suoni lumeri_elenchi)
if(TARGET lumeri_voce)
    list(APPEND lumeri_moduli lumeri_voce)
endif()
install(TARGETS ${lumeri_moduli} LIBRARY DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/lumeri)
# On Linux they link the C library even where they call none of it directly,
# as every shared object of a Debian package must.
if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
    foreach(modulo IN LISTS lumeri_moduli)
        target_link_options(${modulo} PRIVATE "LINKER:--push-state,--no-as-needed,-lc,--pop-state")
    endforeach()
endif()
install(DIRECTORY testi suoni DESTINATION ${CMAKE_INSTALL_DATADIR}/lumeri
        FILE_PERMISSIONS ${lumeri_file_dati} DIRECTORY_PERMISSIONS ${lumeri_cartelle})

# The second entry opens the teachers' editor of the word lists.
install(FILES pacchetto/${LUMERI_ID}.desktop pacchetto/${LUMERI_ID}.elenchi.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications PERMISSIONS ${lumeri_file_dati})
configure_file(pacchetto/${LUMERI_ID}.metainfo.xml.in ${CMAKE_CURRENT_BINARY_DIR}/pacchetto/${LUMERI_ID}.metainfo.xml
               @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/pacchetto/${LUMERI_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo PERMISSIONS ${lumeri_file_dati})

# The window's icon, as a scalable picture and as renders at the usual sizes
# (made by tools/disegnaicone from the same picture).
install(FILES src/comune/immagini/titolo.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${LUMERI_ID}.svg PERMISSIONS ${lumeri_file_dati})
set(LUMERI_MISURE_ICONA 16 22 24 32 48 64 128 256)
foreach(misura IN LISTS LUMERI_MISURE_ICONA)
    install(FILES pacchetto/icone/${misura}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${misura}x${misura}/apps
            RENAME ${LUMERI_ID}.png PERMISSIONS ${lumeri_file_dati})
endforeach()
add_executable(disegnaicone EXCLUDE_FROM_ALL tools/disegnaicone/disegnaicone.cpp)
target_link_libraries(disegnaicone PRIVATE Qt6::Gui Qt6::Svg)

# Manual pages, the copyright notice and the changelog, compressed as Debian
# wants them (gzip -9n: no name, no time stamp, the same bytes every build).
find_program(LUMERI_GZIP gzip)
configure_file(pacchetto/changelog.in ${CMAKE_CURRENT_BINARY_DIR}/pacchetto/changelog @ONLY)
# The copyright notice in Debian's machine-readable form, with the whole text
# of the licence that Debian's common licences lack.
file(READ LICENSES/CC-BY-SA-4.0.txt lumeri_testo)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS LICENSES/CC-BY-SA-4.0.txt)
string(STRIP "${lumeri_testo}" lumeri_testo)
string(REGEX REPLACE "[ \t]+\n" "\n" lumeri_testo "${lumeri_testo}")
string(REGEX REPLACE "\n\n+" "\n.\n" lumeri_testo "${lumeri_testo}")
string(REPLACE "\n" "\n " LUMERI_TESTO_CC_BY_SA " ${lumeri_testo}")
configure_file(pacchetto/copyright.in ${CMAKE_CURRENT_BINARY_DIR}/pacchetto/copyright @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/pacchetto/copyright DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/lumeri
        PERMISSIONS ${lumeri_file_dati})
# The teachers' guide stays plain text, to be opened with a double click.
install(FILES pacchetto/guida-insegnanti.md DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/lumeri
        PERMISSIONS ${lumeri_file_dati})
if(LUMERI_GZIP)
    set(lumeri_compressi)
    foreach(sorgente IN ITEMS pacchetto/lumeri.1 pacchetto/lumeri-verifica.1 ${CMAKE_CURRENT_BINARY_DIR}/pacchetto/changelog)
        get_filename_component(nome "${sorgente}" NAME)
        get_filename_component(sorgente "${sorgente}" ABSOLUTE)
        set(compresso ${CMAKE_CURRENT_BINARY_DIR}/pacchetto/${nome}.gz)
        add_custom_command(OUTPUT ${compresso}
            COMMAND ${LUMERI_GZIP} -9n -c ${sorgente} > ${compresso}
            DEPENDS ${sorgente} VERBATIM)
        list(APPEND lumeri_compressi ${compresso})
    endforeach()
    add_custom_target(pagine_manuale ALL DEPENDS ${lumeri_compressi})
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/pacchetto/lumeri.1.gz ${CMAKE_CURRENT_BINARY_DIR}/pacchetto/lumeri-verifica.1.gz
            DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 PERMISSIONS ${lumeri_file_dati})
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/pacchetto/changelog.gz DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/lumeri
            PERMISSIONS ${lumeri_file_dati})
else()
    install(FILES pacchetto/lumeri.1 pacchetto/lumeri-verifica.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1
            PERMISSIONS ${lumeri_file_dati})
endif()

# The Debian package: cpack -G DEB in the build folder.
set(CPACK_PACKAGE_NAME lumeri)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "${LUMERI_CREDITI_NOME}")
set(CPACK_PACKAGE_CONTACT "${LUMERI_CREDITI_NOME} <${LUMERI_CREDITI_MAIL}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "noun grammar drills for Italian primary-school pupils")
set(CPACK_PACKAGE_DESCRIPTION
    "Catalogare i lumeri is a drill program for pupils of 7 to 10 learning the\n"
    "grammar of Italian nouns: masculine and feminine, singular and plural,\n"
    "concrete and abstract, proper and common, primitive, derived and altered\n"
    "nouns. Each exercise shows a word, judges the answer at once and counts\n"
    "right and wrong answers with a face, a sound and colour. Teachers can put\n"
    "their own word lists in ~/.local/share/lumeri/testi and check them with\n"
    "lumeri-verifica. All the texts the pupil sees are in Italian.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS ${lumeri_cartelle})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${LUMERI_CREDITI_NOME} <${LUMERI_CREDITI_MAIL}>")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${LUMERI_CREDITI_SITO}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beyond the libraries the binaries link (among them Qt Multimedia, which
# holds the media back ends, through the sound module): the fonts the layout
# is measured with.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
# The sounds reach the speakers through a PulseAudio server, and words are
# read aloud by Speech Dispatcher with its espeak-ng voices (Italian among
# them); without them the program is silent and works as always.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "pipewire-pulse | pulseaudio, qt6-speech-speechd-plugin, speech-dispatcher, speech-dispatcher-espeak-ng")
set(CPACK_GENERATOR DEB)
include(CPack)
