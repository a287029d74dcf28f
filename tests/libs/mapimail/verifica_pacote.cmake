# Installs qrxCoreMapiMail alone into a temporary prefix, builds the example client against
# it and runs it with a stand-in sendmail.
# -DBINARIO=<suite build dir> -DEXEMPLO=<example source> -DTRABALHO=<scratch dir>
# -DGERADOR=<generator> -DCOMPILADOR=<C++ compiler> -DQT6_DIR=<Qt6 package dir>
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/../../support/PacoteCliente.cmake)

instala_e_constroi_exemplo(qrxCoreMapiMail
  qrxCoreMapiMail/RegistosMapi.h
  qrxCoreMapiMail/cl_enviarMail.h
  qrxCoreMapiMail/qrxcoremapimail_export.h)

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
