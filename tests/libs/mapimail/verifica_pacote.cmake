# Installs qrxCoreMapiMail alone into a temporary prefix, builds the example client against
# it and runs it with a stand-in sendmail.
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

corre(${CMAKE_COMMAND} --install "${BINARIO}" --component qrxCoreMapiMail --prefix "${prefixo}")

# Client programs get the package headers and nothing of the suite's core.
file(GLOB_RECURSE cabecalhos RELATIVE "${prefixo}/include" "${prefixo}/include/*")
list(SORT cabecalhos)
set(esperados
  qrxCoreMapiMail/RegistosMapi.h
  qrxCoreMapiMail/cl_enviarMail.h
  qrxCoreMapiMail/qrxcoremapimail_export.h)
if(NOT cabecalhos STREQUAL esperados)
  message(FATAL_ERROR "cabeçalhos instalados inesperados: ${cabecalhos}")
endif()

corre(${CMAKE_COMMAND} -S "${EXEMPLO}" -B "${TRABALHO}/exemplo" -G "${GERADOR}"
      "-DCMAKE_CXX_COMPILER=${COMPILADOR}" "-DCMAKE_PREFIX_PATH=${prefixo}" "-DQt6_DIR=${QT6_DIR}")
corre(${CMAKE_COMMAND} --build "${TRABALHO}/exemplo")

if(WIN32)
  return()  # sending would go through the workstation's MAPI
endif()

set(gravado "${TRABALHO}/gravado.eml")
file(WRITE "${TRABALHO}/sendmail" "#!/bin/sh\ncat > '${gravado}'\n")
file(CHMOD "${TRABALHO}/sendmail" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
file(WRITE "${TRABALHO}/anexo.txt" "anexo")

corre(${CMAKE_COMMAND} -E env "QRX_SENDMAIL=${TRABALHO}/sendmail"
      "${TRABALHO}/exemplo/exemplo_mapimail" destino@exemplo.pt "${TRABALHO}/anexo.txt")
if(NOT saida MATCHES "Mensagem enviada com sucesso !")
  message(FATAL_ERROR "o exemplo não enviou: ${saida}")
endif()
file(READ "${gravado}" mensagem)
string(FIND "${mensagem}" "To: destino@exemplo.pt" para)
string(FIND "${mensagem}" "filename=\"anexo.txt\"" anexo)
if(para LESS 0 OR anexo LESS 0)
  message(FATAL_ERROR "mensagem gravada inesperada:\n${mensagem}")
endif()
