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
