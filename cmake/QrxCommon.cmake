# One interface target carries the language standard, the warnings and the strict Qt
# defines, so every target of the suite is built the same way.
set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

if(NOT CMAKE_BUILD_TYPE AND NOT CMAKE_CONFIGURATION_TYPES)
  set(CMAKE_BUILD_TYPE RelWithDebInfo CACHE STRING "Build type" FORCE)
endif()

add_library(qrx_common INTERFACE)
target_compile_features(qrx_common INTERFACE cxx_std_20)
target_compile_definitions(qrx_common INTERFACE
  QT_NO_CAST_TO_ASCII
  QT_NO_CAST_FROM_BYTEARRAY
  QT_NO_URL_CAST_FROM_STRING
  QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
  QT_NO_KEYWORDS
  QT_USE_QSTRINGBUILDER
  QT_DISABLE_DEPRECATED_UP_TO=0x060400
)
if(MSVC)
  target_compile_options(qrx_common INTERFACE /W4 /utf-8 /permissive-)
else()
  target_compile_options(qrx_common INTERFACE -Wall -Wextra -Wpedantic -Wshadow=local
    -Wnon-virtual-dtor -Wcast-qual -Wformat=2)
endif()

# Adds a Qt Test executable and registers it with CTest on the offscreen platform.
function(qrx_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE qrx_common Qt6::Test ${ARG_LIBS})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;QRX_SOURCE_DIR=${PROJECT_SOURCE_DIR};QRX_BINARY_DIR=${PROJECT_BINARY_DIR}"
    TIMEOUT 300)
  if(ARG_LABELS)
    set_tests_properties(${name} PROPERTIES LABELS "${ARG_LABELS}")
  endif()
endfunction()
