# Shared build settings for every target of the project.

include(GoogleTest)

if(TALVO_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

# Our own code builds warning-free.
function(talvo_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()

# talvo_library(name SOURCES ... ) : a static library of one layer.
function(talvo_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  talvo_warnings(${name})
endfunction()

# talvo_test(name SOURCES ... LIBS ...) : one GoogleTest executable registered with CTest.
function(talvo_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  file(GLOB support CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/support/*.cpp)
  add_executable(${name} ${ARG_SOURCES} ${support})
  talvo_warnings(${name})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  # The tests find committed resources through the source folder, not through __FILE__, which a compiler
  # cache may have made relative to the build folder.
  target_compile_definitions(${name} PRIVATE TALVO_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  # CTest lists each test by name ("test_grid.Suite.Case"), so `ctest -R test_grid` still selects a layer.
  gtest_discover_tests(${name} TEST_PREFIX "${name}." TEST_LIST ${name}_TESTS NO_PRETTY_VALUES
    DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60)
  # The environment is a list, which the discovery's PROPERTIES would split apart; a script run after the
  # discovered tests are defined sets it on all of them instead.
  set(environment "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp;UBSAN_OPTIONS=print_stacktrace=1;TALVO_TEST_OUTPUT=${PROJECT_BINARY_DIR}/test-output")
  set(environment_script "${CMAKE_CURRENT_BINARY_DIR}/${name}_environment.cmake")
  file(WRITE "${environment_script}"
    "if(${name}_TESTS)\n"
    "  set_tests_properties(\${${name}_TESTS} PROPERTIES ENVIRONMENT \"${environment}\")\n"
    "endif()\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES "${environment_script}")
endfunction()

# talvo_layer(name LIBS ...) : the library of one layer folder, from every .cpp below its src/ folder
# (or the folder itself when it has no src/), with its include/ folder public.
function(talvo_layer name)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_library(${name} STATIC ${sources})
  talvo_warnings(${name})
  if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/include)
    target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/include)
  endif()
  if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/src)
    target_include_directories(${name} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/src)
  endif()
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
endfunction()

# talvo_layer_tests(name DIR dir LIBS ...) : one test executable from every .cpp below tests/<dir>.
function(talvo_layer_tests name)
  cmake_parse_arguments(ARG "" "DIR" "LIBS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${ARG_DIR}/*.cpp)
  if(sources)
    talvo_test(${name} SOURCES ${sources} LIBS ${ARG_LIBS})
  endif()
endfunction()
