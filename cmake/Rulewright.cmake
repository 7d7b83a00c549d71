# Code for one system only is named for it: Foo{Linux,Windows}.cpp, and so
# are tests that only make sense there (FooLinuxTest.cpp). Drops the other
# system's files from the list in <var>.
function(rw_platform_sources var)
  if(WIN32)
    list(FILTER ${var} EXCLUDE REGEX "Linux(Test)?\\.cpp$")
  else()
    list(FILTER ${var} EXCLUDE REGEX "Windows(Test)?\\.cpp$")
  endif()
  set(${var} ${${var}} PARENT_SCOPE)
endfunction()

# Each folder of src/core is a static library of its own, so that one
# subsystem can be built and tested while another is half-written.
function(rw_core_library name)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/${name}/*.cpp)
  rw_platform_sources(sources)
  if(sources)
    add_library(rw_${name} STATIC ${sources})
    target_include_directories(rw_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src/core)
    target_link_libraries(rw_${name} PUBLIC Qt6::Core ${ARG_DEPENDS})
  else()
    add_library(rw_${name} INTERFACE)
    target_include_directories(rw_${name} INTERFACE ${PROJECT_SOURCE_DIR}/src/core)
    target_link_libraries(rw_${name} INTERFACE Qt6::Core ${ARG_DEPENDS})
  endif()
endfunction()

# One GoogleTest program per test folder, named test_<folder>.
function(rw_test_folder folder)
  cmake_parse_arguments(ARG "" "" "LIBS;ENV" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.cpp)
  rw_platform_sources(sources)
  if(NOT sources)
    return()
  endif()
  string(REPLACE "/" "_" target "test_${folder}")
  add_executable(${target} ${sources})
  target_include_directories(${target} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${target} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  target_compile_definitions(${target} PRIVATE
    RW_TEST_DATA_DIR="${CMAKE_CURRENT_SOURCE_DIR}/data")
  add_test(NAME ${target} COMMAND ${target})
  set_tests_properties(${target} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;${ARG_ENV}" TIMEOUT 600)
endfunction()

# A Windows program's icon, manifest and version information
# (data/windows/program.rc.in), with the description Windows shows for it.
function(rw_windows_resources target description)
  if(NOT WIN32 OR NOT TARGET ${target})
    return()
  endif()
  set(windows_data ${PROJECT_SOURCE_DIR}/data/windows)
  set(RW_PROGRAM ${target})
  set(RW_DESCRIPTION "${description}")
  set(RW_ICON ${windows_data}/rulewright.ico)
  set(RW_MANIFEST ${windows_data}/program.manifest)
  set(version)
  foreach(part MAJOR MINOR PATCH TWEAK)
    if(PROJECT_VERSION_${part} STREQUAL "")
      list(APPEND version 0)
    else()
      list(APPEND version ${PROJECT_VERSION_${part}})
    endif()
  endforeach()
  list(JOIN version "," RW_VERSION_COMMAS)
  set(rc ${CMAKE_BINARY_DIR}/windows-resources/${target}.rc)
  configure_file(${windows_data}/program.rc.in ${rc} @ONLY)
  set_source_files_properties(${rc} TARGET_DIRECTORY ${target}
                              PROPERTIES OBJECT_DEPENDS "${RW_ICON};${RW_MANIFEST}")
  target_sources(${target} PRIVATE ${rc})
endfunction()
