include(CMakePackageConfigHelpers)

install(TARGETS mifkit EXPORT mifkitTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
  PUBLIC_HEADER DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(TARGETS mifkit_tool RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

set(MIFKIT_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/mifkit)
install(EXPORT mifkitTargets NAMESPACE mifkit:: DESTINATION ${MIFKIT_CMAKE_DIR})
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/mifkitConfig.cmake.in
  ${PROJECT_BINARY_DIR}/mifkitConfig.cmake INSTALL_DESTINATION ${MIFKIT_CMAKE_DIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/mifkitConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/mifkitConfig.cmake ${PROJECT_BINARY_DIR}/mifkitConfigVersion.cmake
  DESTINATION ${MIFKIT_CMAKE_DIR})

# Relative to the .pc file, so that an install under any prefix finds itself.
file(RELATIVE_PATH MIFKIT_PC_TO_PREFIX "/${CMAKE_INSTALL_LIBDIR}/pkgconfig" "/")
configure_file(${PROJECT_SOURCE_DIR}/cmake/mifkit.pc.in ${PROJECT_BINARY_DIR}/mifkit.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/mifkit.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
