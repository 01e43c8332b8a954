# Where an installed program lies, and how it is packaged. Included by the
# top-level CMakeLists.txt, in its scope.
include(GNUInstallDirs)

# The program finds its data and its sound module by paths relative to its
# own folder, so an installed tree works wherever its prefix is.
file(RELATIVE_PATH lumeri_dati_relativi "${CMAKE_INSTALL_FULL_BINDIR}" "${CMAKE_INSTALL_FULL_DATADIR}/lumeri")
file(RELATIVE_PATH lumeri_modulo_relativo "${CMAKE_INSTALL_FULL_BINDIR}" "${CMAKE_INSTALL_FULL_LIBDIR}/lumeri")
set_source_files_properties(src/app/cartelle.cpp PROPERTIES COMPILE_DEFINITIONS
    "LUMERI_DATI_INSTALLATI=\"${lumeri_dati_relativi}\";LUMERI_MODULO_INSTALLATO=\"${lumeri_modulo_relativo}\"")
