# Shared steps of the package tests (run with cmake -P): install one library's component alone
# into a fresh prefix, check that client programs get only its own headers, and build its
# example client against the installed package.
# Expects -DBINARIO=<suite build dir> -DEXEMPLO=<example source> -DTRABALHO=<scratch dir>
# -DGERADOR=<generator> -DCOMPILADOR=<C++ compiler> -DQT6_DIR=<Qt6 package dir>.

function(corre)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE estado OUTPUT_VARIABLE saida ERROR_VARIABLE erros)
  if(NOT estado EQUAL 0)
    message(FATAL_ERROR "falhou (${estado}): ${ARGN}\n${saida}\n${erros}")
  endif()
  set(saida "${saida}" PARENT_SCOPE)
endfunction()

# instala_e_constroi_exemplo(<package> <expected headers relative to include/>...)
# Leaves the prefix in `prefixo` and the example's build folder in `exemplo`.
function(instala_e_constroi_exemplo pacote)
  file(REMOVE_RECURSE "${TRABALHO}")
  set(prefixo "${TRABALHO}/prefixo")
  corre(${CMAKE_COMMAND} --install "${BINARIO}" --component ${pacote} --prefix "${prefixo}")

  # Client programs get the package headers and nothing of the suite's core.
  file(GLOB_RECURSE cabecalhos RELATIVE "${prefixo}/include" "${prefixo}/include/*")
  list(SORT cabecalhos)
  set(esperados ${ARGN})
  list(SORT esperados)
  if(NOT cabecalhos STREQUAL esperados)
    message(FATAL_ERROR "cabeçalhos instalados inesperados: ${cabecalhos}")
  endif()

  set(exemplo "${TRABALHO}/exemplo")
  corre(${CMAKE_COMMAND} -S "${EXEMPLO}" -B "${exemplo}" -G "${GERADOR}"
        "-DCMAKE_CXX_COMPILER=${COMPILADOR}" "-DCMAKE_PREFIX_PATH=${prefixo}" "-DQt6_DIR=${QT6_DIR}")
  corre(${CMAKE_COMMAND} --build "${exemplo}")
  if(CMAKE_HOST_WIN32)
    # The library sits in the prefix's bin folder; the example finds it through PATH.
    set(ENV{PATH} "${prefixo}/bin;$ENV{PATH}")
  endif()
  set(prefixo "${prefixo}" PARENT_SCOPE)
  set(exemplo "${exemplo}" PARENT_SCOPE)
endfunction()
