# Run by ctest: cmake -DPERFIL=<mg_perfil> -DCASA=<folder> -P PruebaArgumentos.cmake
# mg_perfil answers --help and -h with its usage on standard output, and
# refuses what it does not understand (usage on standard error, exit 2)
# before touching any file: a profile already in a slot stays as it was,
# and no slot gets a file.
file(REMOVE_RECURSE ${CASA})
set(carpeta ${CASA}/Kestrune/Marrowgate)
file(MAKE_DIRECTORY ${carpeta})
set(antes "PERFILVELQUISTVER = \"0.0001A\";\nnot touched\n")
file(WRITE ${carpeta}/Perfil0.SVG "${antes}")

function(ejecuta salida_var error_var rc_var)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env XDG_DATA_HOME=${CASA} ${PERFIL} ${ARGN}
    OUTPUT_VARIABLE salida ERROR_VARIABLE error RESULT_VARIABLE rc)
  set(${salida_var} "${salida}" PARENT_SCOPE)
  set(${error_var} "${error}" PARENT_SCOPE)
  set(${rc_var} "${rc}" PARENT_SCOPE)
endfunction()

function(sin_tocar caso)
  file(READ ${carpeta}/Perfil0.SVG ahora)
  if(NOT ahora STREQUAL antes)
    message(FATAL_ERROR "${caso}: slot 0's profile was written over")
  endif()
  foreach(i 1 2 3)
    if(EXISTS ${carpeta}/Perfil${i}.SVG)
      message(FATAL_ERROR "${caso}: slot ${i} got a file")
    endif()
  endforeach()
endfunction()

foreach(ayuda --help -h)
  ejecuta(salida error rc ${ayuda})
  if(NOT rc EQUAL 0 OR NOT salida MATCHES "^usage: mg_perfil" OR NOT error STREQUAL "")
    message(FATAL_ERROR "${ayuda}: exit ${rc}, output [${salida}], errors [${error}]")
  endif()
  sin_tocar(${ayuda})
endforeach()

# Each refused command line, its arguments separated by "|".
set(casos "--hlep" "help" "-1" "4" "9" "01" "1x" "x" " 1" "1 " "--help|Ann" "-h|1" "1|Ann|more")
foreach(caso IN LISTS casos)
  string(REPLACE "|" ";" argumentos "${caso}")
  ejecuta(salida error rc "${argumentos}")
  if(NOT rc EQUAL 2 OR NOT salida STREQUAL "" OR NOT error MATCHES "usage: mg_perfil")
    message(FATAL_ERROR "[${caso}]: exit ${rc}, output [${salida}], errors [${error}]")
  endif()
  sin_tocar("[${caso}]")
endforeach()
message(STATUS "mg_perfil: every command line it does not understand refused, nothing touched")
