# Installs qrxCoreWebUpdate alone into a fresh prefix, builds the example client against it
# and runs it. Called with -DBINARIO -DEXEMPLO -DTRABALHO -DGERADOR -DQT_DIR.
file(REMOVE_RECURSE "${TRABALHO}")
set(prefixo "${TRABALHO}/prefixo")

function(corre descricao)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE estado OUTPUT_VARIABLE saida ERROR_VARIABLE erros)
  if(NOT estado EQUAL 0)
    message(FATAL_ERROR "${descricao} failed (${estado}):\n${saida}\n${erros}")
  endif()
  set(saida "${saida}" PARENT_SCOPE)
endfunction()

corre("install" ${CMAKE_COMMAND} --install "${BINARIO}" --component qrxCoreWebUpdate --prefix "${prefixo}")

# Only the package's own headers are delivered.
file(GLOB_RECURSE cabecalhos RELATIVE "${prefixo}/include" "${prefixo}/include/*")
list(SORT cabecalhos)
set(esperados
  qrxCoreWebUpdate/InterlocutorActualizacao.h
  qrxCoreWebUpdate/cl_Update.h
  qrxCoreWebUpdate/qrxcorewebupdate_export.h)
if(NOT cabecalhos STREQUAL esperados)
  message(FATAL_ERROR "installed headers: ${cabecalhos}")
endif()

get_filename_component(qt_prefixo "${QT_DIR}/../../.." ABSOLUTE)
corre("configure example" ${CMAKE_COMMAND} -S "${EXEMPLO}" -B "${TRABALHO}/exemplo" -G "${GERADOR}"
  "-DCMAKE_PREFIX_PATH=${prefixo};${qt_prefixo}")
corre("build example" ${CMAKE_COMMAND} --build "${TRABALHO}/exemplo")

find_program(programa NAMES exemplo_webupdate PATHS "${TRABALHO}/exemplo" NO_DEFAULT_PATH REQUIRED)
# On Windows the DLL is found through PATH; the child inherits this environment.
if(CMAKE_HOST_WIN32)
  set(ENV{PATH} "${prefixo}/bin;$ENV{PATH}")
endif()
set(ENV{QT_QPA_PLATFORM} offscreen)
corre("run example" "${programa}")
if(NOT saida MATCHES "VersaoActual=1\\.0")
  message(FATAL_ERROR "unexpected output of the example: ${saida}")
endif()
message(STATUS "${saida}")
