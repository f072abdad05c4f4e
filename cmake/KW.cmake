# Helpers shared by every subsystem's CMakeLists.
#
# Sources are globbed per folder so that adding a class is adding its two files.

# kw_glob_sources(<out-var> <dir>...): every .cpp/.h directly in the given folders.
function(kw_glob_sources out)
  set(files)
  foreach(dir IN LISTS ARGN)
    file(GLOB found CONFIGURE_DEPENDS
      ${dir}/*.cpp ${dir}/*.h ${dir}/*.hpp)
    list(APPEND files ${found})
  endforeach()
  set(${out} ${files} PARENT_SCOPE)
endfunction()

# kw_add_library(<name> DIRS <dir>... [LIBS <lib>...] [EXCLUDE <file>...])
function(kw_add_library name)
  cmake_parse_arguments(ARG "" "" "DIRS;LIBS;EXCLUDE" ${ARGN})
  kw_glob_sources(srcs ${ARG_DIRS})
  foreach(ex IN LISTS ARG_EXCLUDE)
    list(FILTER srcs EXCLUDE REGEX "${ex}$")
  endforeach()
  list(FILTER srcs INCLUDE REGEX "\\.(cpp|h|hpp)$")
  set(cpps ${srcs})
  list(FILTER cpps INCLUDE REGEX "\\.cpp$")
  if(NOT cpps)
    # A subsystem whose classes are not written yet: headers only.
    add_library(${name} INTERFACE ${srcs})
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${ARG_LIBS})
    return()
  endif()
  add_library(${name} STATIC ${srcs})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
  set_target_properties(${name} PROPERTIES POSITION_INDEPENDENT_CODE ON)
endfunction()

# What every test runs in: headless, in one time zone, with the sanitizers'
# leak suppressions when the build is instrumented.
set(KW_TEST_ENVIRONMENT
  "QT_QPA_PLATFORM=offscreen;TZ=UTC;LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp;ASAN_OPTIONS=detect_leaks=1")

# kw_add_test_suite(<name> DIR <dir> LIBS <lib>...): one GoogleTest executable per
# test folder, every test registered with CTest and run in KW_TEST_ENVIRONMENT.
function(kw_add_test_suite name)
  cmake_parse_arguments(ARG "" "DIR" "LIBS" ${ARGN})
  kw_glob_sources(srcs ${ARG_DIR})
  if(NOT srcs)
    return()
  endif()
  add_executable(${name} ${srcs})
  target_link_libraries(${name} PRIVATE kwtestmain ${ARG_LIBS})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${KW_BIN_DIR})
  gtest_discover_tests(${name}
    WORKING_DIRECTORY ${KW_BIN_DIR}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60)
  # Given to gtest_discover_tests, a property whose value is a list reaches
  # the tests with its first entry only: the environment is set on the tests
  # it found once CTest has read them.
  set(environment_file ${CMAKE_CURRENT_BINARY_DIR}/${name}_environment.cmake)
  file(WRITE ${environment_file}
    "if(${name}_TESTS)\n"
    "  set_tests_properties(\${${name}_TESTS} PROPERTIES ENVIRONMENT [==[${KW_TEST_ENVIRONMENT}]==])\n"
    "endif()\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${environment_file})
endfunction()
