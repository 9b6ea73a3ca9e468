# Helpers shared by the subdirectories.

find_package(GTest REQUIRED)
include(GoogleTest)

# marivo_sources(<target> <dir>): adds every .cpp of <dir> (not recursive) to <target>.
function(marivo_sources target dir)
  file(GLOB srcs CONFIGURE_DEPENDS ${dir}/*.cpp)
  target_sources(${target} PRIVATE ${srcs})
endfunction()

# marivo_gtest(<name> <dir> LIBS ...): one GoogleTest program from every .cpp of <dir>.
function(marivo_gtest name dir)
  cmake_parse_arguments(T "" "" "LIBS" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS ${dir}/*.cpp)
  if(NOT srcs)
    return()
  endif()
  add_executable(${name} ${srcs})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE
    MARIVO_SOURCE_DIR="${PROJECT_SOURCE_DIR}" MARIVO_TEST_DATA="${dir}/data")
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES LABELS ${name})
endfunction()

# The shipped data folder goes beside the executables. A file is copied only
# where it is missing: settings, edited place files and case files that the
# program or the user wrote are never overwritten by a rebuild.
function(marivo_install_data_folder)
  add_custom_target(marivo_data ALL
    COMMAND ${CMAKE_COMMAND} -DSRC=${PROJECT_SOURCE_DIR}/dat -DDST=${CMAKE_BINARY_DIR}/bin/dat
            -P ${PROJECT_SOURCE_DIR}/cmake/CopyMissing.cmake
    COMMENT "Filling bin/dat with shipped files that are missing")
endfunction()

# marivo_library(<name> <dir> [DEPS ...]): a static library of the plain C++
# files of <dir>; window classes (TFrm*.cpp) are left to the GUI library.
# While <dir> holds no source yet the library is an empty interface target.
function(marivo_library name dir)
  cmake_parse_arguments(L "" "" "DEPS" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS ${dir}/*.cpp)
  list(FILTER srcs EXCLUDE REGEX "/TFrm[^/]*\\.cpp$")
  if(srcs)
    add_library(${name} STATIC ${srcs})
    target_link_libraries(${name} PUBLIC ${L_DEPS})
  else()
    add_library(${name} INTERFACE)
    target_link_libraries(${name} INTERFACE ${L_DEPS})
  endif()
endfunction()

# marivo_qt_library(<name> <dir> [DEPS ...]): a static library of the Qt
# sources and headers under <dir> (subfolders included), with moc run on them.
function(marivo_qt_library name dir)
  cmake_parse_arguments(L "" "" "DEPS" ${ARGN})
  file(GLOB_RECURSE srcs CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.h ${dir}/*.qrc)
  list(FILTER srcs EXCLUDE REGEX "/main\\.cpp$")
  add_library(${name} STATIC ${srcs})
  target_link_libraries(${name} PUBLIC ${L_DEPS})
  set_target_properties(${name} PROPERTIES AUTOMOC ON AUTORCC ON)
endfunction()
