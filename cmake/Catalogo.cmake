# The content catalogues (engine/core/Catalogo.h) read by the build: the data
# tools' steps and output lists come from their rows, so a new row is built
# without any edit here. A row is one line:
#   KIND(Class, ID, "Name\\In\\Windows\\Form")   // optional comment
set(MG_CATALOGOS
  ${CMAKE_SOURCE_DIR}/engine/core/CatalogoMotor.def
  ${CMAKE_SOURCE_DIR}/game/CatalogoJuego.def)
set(MG_CATALOGO_TIPOS PAQUETE IMAGEN MARCADOR FUENTE TABLA_TEXTOS TEXTO TEXTOS_TECLA
  RANURA_SONIDO RANURA_MUSICA MUESTRA PIEZA FICHERO FICHERO_USUARIO)

# Reads every row once; a changed catalogue configures again. Rows are kept
# per kind as "ID|Name/In/Slash/Form" items.
function(mg_lee_catalogos)
  set_property(DIRECTORY ${CMAKE_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${MG_CATALOGOS})
  foreach(tipo ${MG_CATALOGO_TIPOS})
    set(filas_${tipo} "")
  endforeach()
  foreach(def ${MG_CATALOGOS})
    file(STRINGS ${def} lineas REGEX "^[ \t]*[A-Z_]+[ \t]*\\(")
    foreach(linea ${lineas})
      if(NOT linea MATCHES "^[ \t]*([A-Z_]+)\\(([A-Za-z0-9_]+),[ \t]*([A-Z0-9_]+),[ \t]*\"([^\"]+)\"\\)[ \t]*(//.*)?$")
        message(FATAL_ERROR "${def}: not a catalogue row (one row per line: KIND(Class, ID, \"name\")):\n  ${linea}")
      endif()
      set(tipo ${CMAKE_MATCH_1})
      set(id ${CMAKE_MATCH_3})
      set(nombre "${CMAKE_MATCH_4}")
      if(NOT tipo IN_LIST MG_CATALOGO_TIPOS)
        message(FATAL_ERROR "${def}: unknown kind of row ${tipo}:\n  ${linea}")
      endif()
      string(REPLACE "\\\\" "/" nombre "${nombre}")
      list(APPEND filas_${tipo} "${id}|${nombre}")
    endforeach()
  endforeach()
  foreach(tipo ${MG_CATALOGO_TIPOS})
    set_property(GLOBAL PROPERTY MG_CATALOGO_${tipo} "${filas_${tipo}}")
  endforeach()
endfunction()
mg_lee_catalogos()

# mg_catalogo_filas(KIND var): the rows of a kind, "ID|Name/In/Slash/Form".
function(mg_catalogo_filas tipo var)
  get_property(filas GLOBAL PROPERTY MG_CATALOGO_${tipo})
  set(${var} "${filas}" PARENT_SCOPE)
endfunction()

# mg_catalogo_fila(row id_var name_var): the two halves of a row item.
function(mg_catalogo_fila fila id_var nombre_var)
  string(FIND "${fila}" "|" corte)
  string(SUBSTRING "${fila}" 0 ${corte} id)
  math(EXPR corte "${corte} + 1")
  string(SUBSTRING "${fila}" ${corte} -1 nombre)
  set(${id_var} ${id} PARENT_SCOPE)
  set(${nombre_var} "${nombre}" PARENT_SCOPE)
endfunction()

# mg_catalogo_nombre(KIND ID var): the name of one row (an error when the
# catalogue has no such row).
function(mg_catalogo_nombre tipo id var)
  mg_catalogo_filas(${tipo} filas)
  foreach(fila ${filas})
    mg_catalogo_fila("${fila}" fid nombre)
    if(fid STREQUAL id)
      set(${var} "${nombre}" PARENT_SCOPE)
      return()
    endif()
  endforeach()
  message(FATAL_ERROR "The content catalogues have no ${tipo} row ${id}")
endfunction()

# mg_catalogo_fuentes(EXTENSION .jap FUENTE .escena [ANADE] QUE scene
#                     FUENTES var SALIDAS var)
# The data files of the catalogues' FICHERO rows with that extension that a
# tool compiles from a readable source in data/: the source is the row's
# name with its extension replaced by FUENTE (or, with ANADE, FUENTE
# appended). A row without its source, or a source that no row names, stops
# the configuration. The packer leaves the sources out of the stage.
function(mg_catalogo_fuentes)
  cmake_parse_arguments(F "ANADE" "EXTENSION;FUENTE;QUE;FUENTES;SALIDAS" "" ${ARGN})
  string(REPLACE "." "[.]" patron_ext "${F_EXTENSION}")
  string(REPLACE "." "[.]" patron_fuente "${F_FUENTE}")
  set_property(GLOBAL APPEND PROPERTY MG_DATA_CONVERTED "${patron_fuente}$")
  mg_catalogo_filas(FICHERO filas)
  set(fuentes "")
  set(salidas "")
  foreach(fila ${filas})
    mg_catalogo_fila("${fila}" id nombre)
    string(TOLOWER "${nombre}" minusculas)
    if(NOT minusculas MATCHES "${patron_ext}$")
      continue()
    endif()
    if(F_ANADE)
      set(fuente "${CMAKE_SOURCE_DIR}/data/${nombre}${F_FUENTE}")
    else()
      string(REGEX REPLACE "[.][^.]*$" "${F_FUENTE}" fuente "${CMAKE_SOURCE_DIR}/data/${nombre}")
    endif()
    if(NOT EXISTS ${fuente})
      message(FATAL_ERROR "The ${F_QUE} ${nombre} has no source ${fuente}")
    endif()
    list(APPEND fuentes ${fuente})
    list(APPEND salidas ${MG_DATA_STAGE}/${nombre})
  endforeach()
  file(GLOB_RECURSE sueltas CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/*${F_FUENTE})
  foreach(s ${sueltas})
    if(NOT s IN_LIST fuentes)
      message(FATAL_ERROR "${s} is the source of no ${F_QUE} of the catalogues")
    endif()
  endforeach()
  set(${F_FUENTES} ${fuentes} PARENT_SCOPE)
  set(${F_SALIDAS} ${salidas} PARENT_SCOPE)
endfunction()
