# A library for the maker's client programs: a shared library shipped as its own CMake package
# (find_package(<PACKAGE>), target qrx::<PACKAGE>, install component <PACKAGE>). The suite's
# static core is linked privately and kept out of the package's headers and exported symbols.
include(GenerateExportHeader)
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

# qrx_client_library(<target> PACKAGE <name> PUBLIC_HEADERS <files under include/<name>/>...)
# The export header is include/<name>/<lower-case name>_export.h with macro <NAME>_EXPORT, and
# <name>Config.cmake.in beside the calling CMakeLists.txt makes the package config.
function(qrx_client_library target)
  cmake_parse_arguments(ARG "" "PACKAGE" "PUBLIC_HEADERS" ${ARGN})
  set(pacote ${ARG_PACKAGE})
  string(TOLOWER ${pacote} base)
  string(TOUPPER ${pacote} macro)
  set(cabecalho_exportacao ${CMAKE_CURRENT_BINARY_DIR}/include/${pacote}/${base}_export.h)

  add_library(qrx::${pacote} ALIAS ${target})
  set_target_properties(${target} PROPERTIES
    OUTPUT_NAME ${pacote}
    EXPORT_NAME ${pacote}
    VERSION ${PROJECT_VERSION}
    SOVERSION ${PROJECT_VERSION_MAJOR}
    CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON)
  generate_export_header(${target}
    BASE_NAME ${base}
    EXPORT_MACRO_NAME ${macro}_EXPORT
    EXPORT_FILE_NAME ${cabecalho_exportacao})

  target_include_directories(${target}
    PUBLIC
      $<BUILD_INTERFACE:${CMAKE_CURRENT_SOURCE_DIR}/include>
      $<BUILD_INTERFACE:${CMAKE_CURRENT_BINARY_DIR}/include>
      $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>
    PRIVATE
      ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${target} PRIVATE $<BUILD_INTERFACE:qrx_common> $<BUILD_INTERFACE:qrx_core>)
  # The core is built with default visibility; its symbols must not become the package's ABI.
  if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang" AND NOT APPLE AND NOT WIN32)
    target_link_options(${target} PRIVATE "LINKER:--exclude-libs,ALL")
  endif()

  set(destino_cmake ${CMAKE_INSTALL_LIBDIR}/cmake/${pacote})
  install(TARGETS ${target} EXPORT ${pacote}Targets
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT ${pacote}
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT ${pacote} NAMELINK_COMPONENT ${pacote}
    ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT ${pacote}
    INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
  install(FILES ${ARG_PUBLIC_HEADERS} ${cabecalho_exportacao}
    DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/${pacote} COMPONENT ${pacote})
  install(EXPORT ${pacote}Targets NAMESPACE qrx:: DESTINATION ${destino_cmake} COMPONENT ${pacote})

  configure_package_config_file(${pacote}Config.cmake.in
    ${CMAKE_CURRENT_BINARY_DIR}/${pacote}Config.cmake
    INSTALL_DESTINATION ${destino_cmake})
  write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/${pacote}ConfigVersion.cmake
    VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
  install(FILES
      ${CMAKE_CURRENT_BINARY_DIR}/${pacote}Config.cmake
      ${CMAKE_CURRENT_BINARY_DIR}/${pacote}ConfigVersion.cmake
    DESTINATION ${destino_cmake} COMPONENT ${pacote})
endfunction()
