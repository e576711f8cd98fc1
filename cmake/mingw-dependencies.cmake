# Dependencies of the Windows cross build that Debian ships only for Linux, and the Wine prefix
# its tests run in.

# A plain `ctest` in the build folder runs the tests in the folder's own Wine prefix;
# scripts/test-windows.sh gives each run a fresh one through WINEPREFIX instead.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh --prefix ${CMAKE_BINARY_DIR}/wine-prefix)

# GoogleTest from its sources, so that it is compiled by the cross compiler. The root
# CMakeLists.txt then finds GTest::gtest and its siblings already defined.
if(NOT DEFINED MVF_TESTS OR MVF_TESTS)
  set(MVF_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources for the cross build")
  if(NOT EXISTS ${MVF_GOOGLETEST_SOURCE}/CMakeLists.txt)
    message(FATAL_ERROR "GoogleTest sources not found in ${MVF_GOOGLETEST_SOURCE} (package googletest)")
  endif()
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(${MVF_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
endif()

# Header-only nlohmann/json: a staged folder holding only a link to Debian's copy, so the cross
# compiler never sees the rest of /usr/include (Linux headers would shadow MinGW's).
set(MVF_NLOHMANN_JSON_INCLUDE /usr/include/nlohmann CACHE PATH "nlohmann/json headers for the cross build")
if(EXISTS ${MVF_NLOHMANN_JSON_INCLUDE}/json.hpp)
  set(mvf_stage ${CMAKE_BINARY_DIR}/mingw-stage)
  file(MAKE_DIRECTORY ${mvf_stage}/include)
  file(CREATE_LINK ${MVF_NLOHMANN_JSON_INCLUDE} ${mvf_stage}/include/nlohmann SYMBOLIC)
  include_directories(SYSTEM ${mvf_stage}/include)
  # find_package(nlohmann_json) and the imported target work as in the Linux build.
  file(WRITE ${mvf_stage}/cmake/nlohmann_json/nlohmann_jsonConfig.cmake
       "if(NOT TARGET nlohmann_json::nlohmann_json)\n"
       "  add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)\n"
       "  set_target_properties(nlohmann_json::nlohmann_json PROPERTIES INTERFACE_INCLUDE_DIRECTORIES \"${mvf_stage}/include\")\n"
       "endif()\n")
  set(nlohmann_json_DIR ${mvf_stage}/cmake/nlohmann_json CACHE PATH "" FORCE)
  unset(mvf_stage)
endif()
