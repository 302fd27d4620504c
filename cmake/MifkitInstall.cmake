include(CMakePackageConfigHelpers)

install(TARGETS mifkit EXPORT mifkitTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
  PUBLIC_HEADER DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(TARGETS mifkit_tool RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS mifkit_cxx EXPORT mifkitTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/include/mifkit ${PROJECT_BINARY_DIR}/include/mifkit
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR} FILES_MATCHING PATTERN "*.h")

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
foreach(pc mifkit mifkit-cxx)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/${pc}.pc.in ${PROJECT_BINARY_DIR}/${pc}.pc @ONLY)
  install(FILES ${PROJECT_BINARY_DIR}/${pc}.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
endforeach()
