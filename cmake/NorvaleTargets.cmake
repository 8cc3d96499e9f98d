# One static library per subsystem folder of src/. Portable sources sit in the
# folder itself; a Windows build adds the folder's win32/ sources as well.
# DEPENDS names the subsystems it builds on, which it links. Every library
# sees the whole src/ root, so the include path does not stop a subsystem
# from including one it does not list: scripts/check-dependencies (part of
# scripts/test) does, and also checks that src/CMakeLists.txt adds each
# subsystem after those it depends on.
function(norvale_subsystem name)
  cmake_parse_arguments(ARG "" "" "DEPENDS;WIN32_LIBS" ${ARGN})
  file(GLOB portable CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  set(sources ${portable})
  if(WIN32)
    file(GLOB native CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/win32/*.cpp)
    list(APPEND sources ${native})
  endif()
  set(target norvale_${name})
  if(sources)
    add_library(${target} STATIC ${sources})
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    foreach(dep IN LISTS ARG_DEPENDS)
      target_link_libraries(${target} PUBLIC norvale_${dep})
    endforeach()
    if(WIN32 AND ARG_WIN32_LIBS)
      target_link_libraries(${target} PUBLIC ${ARG_WIN32_LIBS})
    endif()
  else()
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    foreach(dep IN LISTS ARG_DEPENDS)
      target_link_libraries(${target} INTERFACE norvale_${dep})
    endforeach()
  endif()
  set_property(GLOBAL APPEND PROPERTY NORVALE_SUBSYSTEMS ${target})
endfunction()

# A GoogleTest executable for one folder of tests/, registered with CTest.
function(norvale_test_suite name)
  cmake_parse_arguments(ARG "" "" "LINKS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_executable(${name}_tests ${sources})
  target_link_libraries(${name}_tests PRIVATE ${ARG_LINKS} GTest::gtest GTest::gmock GTest::gtest_main)
  target_include_directories(${name}_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  gtest_discover_tests(${name}_tests DISCOVERY_MODE PRE_TEST
                       WORKING_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR})
endfunction()
