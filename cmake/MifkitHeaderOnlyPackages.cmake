# CLI11 and nlohmann/json are header-only. A cross build takes the build
# machine's copies, but only their own folders, copied into the build tree:
# adding the build machine's include directory would put its C library's
# headers in front of the target's.
function(mifkit_header_only_package target header)
  if(TARGET ${target})  # included once more by a later folder
    return()
  endif()
  string(MAKE_C_IDENTIFIER "MIFKIT_${target}_INCLUDE_DIR" dir_var)
  find_path(${dir_var} ${header} PATHS /usr/include /usr/local/include
    NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
  if(NOT ${dir_var})
    message(FATAL_ERROR "${header} not found: install the build machine's package of ${target}")
  endif()
  get_filename_component(folder ${header} DIRECTORY)
  set(copy ${PROJECT_BINARY_DIR}/header-only-packages)
  file(COPY ${${dir_var}}/${folder} DESTINATION ${copy})
  add_library(${target} INTERFACE IMPORTED GLOBAL)
  set_target_properties(${target} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${copy})
endfunction()

mifkit_header_only_package(CLI11::CLI11 CLI/CLI.hpp)
mifkit_header_only_package(nlohmann_json::nlohmann_json nlohmann/json.hpp)
