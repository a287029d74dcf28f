# Installs qrxCoreWebUpdate alone into a fresh prefix, builds the example client against it
# and runs it.
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/../../support/PacoteCliente.cmake)

instala_e_constroi_exemplo(qrxCoreWebUpdate
  qrxCoreWebUpdate/InterlocutorActualizacao.h
  qrxCoreWebUpdate/cl_Update.h
  qrxCoreWebUpdate/qrxcorewebupdate_export.h)

find_program(programa NAMES exemplo_webupdate PATHS "${exemplo}" NO_DEFAULT_PATH REQUIRED)
set(ENV{QT_QPA_PLATFORM} offscreen)
corre("${programa}")
if(NOT saida MATCHES "VersaoActual=1\\.0")
  message(FATAL_ERROR "unexpected output of the example: ${saida}")
endif()
message(STATUS "${saida}")
