# The C++ interface as a library of its own, from the same objects as
# libmifkit.so: libmifkit-cxx.so exports the classes marked MIFKIT_CXX_API,
# while libmifkit.so goes on exporting the ten C functions and nothing else.
# On Windows it is a static library, so that mifkit.dll's export table stays
# exactly what mifkit.def lists.
if(WIN32)
  add_library(mifkit_cxx STATIC ${MIFKIT_LIBRARY_OBJECTS})
  target_compile_definitions(mifkit_cxx INTERFACE MIFKIT_STATIC)
else()
  add_library(mifkit_cxx SHARED ${MIFKIT_LIBRARY_OBJECTS})
  set_target_properties(mifkit_cxx PROPERTIES
    VERSION ${PROJECT_VERSION} SOVERSION ${PROJECT_VERSION_MAJOR})
  target_link_options(mifkit_cxx PRIVATE -Wl,--no-undefined
    -Wl,--version-script=${PROJECT_SOURCE_DIR}/cmake/mifkit-cxx.map)
  set_property(TARGET mifkit_cxx APPEND PROPERTY LINK_DEPENDS ${PROJECT_SOURCE_DIR}/cmake/mifkit-cxx.map)
endif()
set_target_properties(mifkit_cxx PROPERTIES OUTPUT_NAME mifkit-cxx EXPORT_NAME cxx)
target_compile_features(mifkit_cxx INTERFACE cxx_std_17)
target_include_directories(mifkit_cxx PUBLIC
  $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/include>
  $<BUILD_INTERFACE:${PROJECT_BINARY_DIR}/include>
  $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
add_library(mifkit::cxx ALIAS mifkit_cxx)
