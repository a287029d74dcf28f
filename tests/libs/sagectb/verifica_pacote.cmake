# Installs qrxCoreProvCTBSageL50 alone into a temporary prefix, builds the example client
# against it and runs it on a scratch folder.
# -DBINARIO=<suite build dir> -DEXEMPLO=<example source> -DTRABALHO=<scratch dir>
# -DGERADOR=<generator> -DCOMPILADOR=<C++ compiler> -DQT6_DIR=<Qt6 package dir>
cmake_minimum_required(VERSION 3.25)

function(corre)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE estado OUTPUT_VARIABLE saida ERROR_VARIABLE erros)
  if(NOT estado EQUAL 0)
    message(FATAL_ERROR "falhou (${estado}): ${ARGN}\n${saida}\n${erros}")
  endif()
  set(saida "${saida}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE "${TRABALHO}")
set(prefixo "${TRABALHO}/prefixo")

corre(${CMAKE_COMMAND} --install "${BINARIO}" --component qrxCoreProvCTBSageL50 --prefix "${prefixo}")

# Client programs get the package headers and nothing of the suite's core.
file(GLOB_RECURSE cabecalhos RELATIVE "${prefixo}/include" "${prefixo}/include/*")
list(SORT cabecalhos)
set(esperados
  qrxCoreProvCTBSageL50/ErroProvCTB.h
  qrxCoreProvCTBSageL50/cLinhaProvCTB.h
  qrxCoreProvCTBSageL50/cLinhasProcCTB.h
  qrxCoreProvCTBSageL50/cProvCTB.h
  qrxCoreProvCTBSageL50/qrxcoreprovctbsagel50_export.h)
if(NOT cabecalhos STREQUAL esperados)
  message(FATAL_ERROR "cabeçalhos instalados inesperados: ${cabecalhos}")
endif()

corre(${CMAKE_COMMAND} -S "${EXEMPLO}" -B "${TRABALHO}/exemplo" -G "${GERADOR}"
      "-DCMAKE_CXX_COMPILER=${COMPILADOR}" "-DCMAKE_PREFIX_PATH=${prefixo}" "-DQt6_DIR=${QT6_DIR}")
corre(${CMAKE_COMMAND} --build "${TRABALHO}/exemplo")

set(saidaFicheiros "${TRABALHO}/ctb")
file(MAKE_DIRECTORY "${saidaFicheiros}")
if(WIN32)
  set(programa "${TRABALHO}/exemplo/exemplo_sagectb.exe")
  # The library sits in the prefix's bin folder.
  set(ENV{PATH} "${prefixo}/bin;$ENV{PATH}")
else()
  set(programa "${TRABALHO}/exemplo/exemplo_sagectb")
endif()
corre("${programa}" "${saidaFicheiros}")

foreach(esperado "Erro 1: Data inválida." "Linhas aceites: 2" "Linhas escritas: 2")
  string(FIND "${saida}" "${esperado}" onde)
  if(onde LESS 0)
    message(FATAL_ERROR "o exemplo não disse \"${esperado}\":\n${saida}")
  endif()
endforeach()

set(ficheiro "${saidaFicheiros}/01P1231.705")
if(NOT EXISTS "${ficheiro}")
  message(FATAL_ERROR "o exemplo não escreveu ${ficheiro}:\n${saida}")
endif()
file(SIZE "${ficheiro}" tamanho)
if(NOT tamanho EQUAL 190)
  message(FATAL_ERROR "${ficheiro} tem ${tamanho} bytes, esperados 190")
endif()
# Windows-1252 on disk: the é of "crédito" is one byte.
file(READ "${ficheiro}" conteudo HEX)
string(SUBSTRING "${conteudo}" 80 40 descricao)
if(NOT descricao STREQUAL "56656e64612061206372e96469746f2020202020")
  message(FATAL_ERROR "descrição inesperada no ficheiro: ${descricao}")
endif()
