# Installs qrxCoreProvCTBSageL50 alone into a temporary prefix, builds the example client
# against it and runs it on a scratch folder.
# -DBINARIO=<suite build dir> -DEXEMPLO=<example source> -DTRABALHO=<scratch dir>
# -DGERADOR=<generator> -DCOMPILADOR=<C++ compiler> -DQT6_DIR=<Qt6 package dir>
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/../../support/PacoteCliente.cmake)

instala_e_constroi_exemplo(qrxCoreProvCTBSageL50
  qrxCoreProvCTBSageL50/ErroProvCTB.h
  qrxCoreProvCTBSageL50/cLinhaProvCTB.h
  qrxCoreProvCTBSageL50/cLinhasProcCTB.h
  qrxCoreProvCTBSageL50/cProvCTB.h
  qrxCoreProvCTBSageL50/qrxcoreprovctbsagel50_export.h)

set(saidaFicheiros "${TRABALHO}/ctb")
file(MAKE_DIRECTORY "${saidaFicheiros}")
find_program(programa NAMES exemplo_sagectb PATHS "${exemplo}" NO_DEFAULT_PATH REQUIRED)
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
