# sentavia_layer(name DEPS ...): one static library per folder, made of every source file in it.
# Sub-folders are listed explicitly by the layer (SUBDIRS) so that a layer's shape stays visible here.
function(sentavia_layer name)
  cmake_parse_arguments(L "" "" "DEPS;SUBDIRS;LIBS" ${ARGN})
  set(globs ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  foreach(sub ${L_SUBDIRS})
    list(APPEND globs ${CMAKE_CURRENT_SOURCE_DIR}/${sub}/*.cpp)
  endforeach()
  file(GLOB sources CONFIGURE_DEPENDS ${globs})
  if(NOT sources)
    return()  # a layer still being started
  endif()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${L_DEPS} ${L_LIBS})
  sentavia_warnings(${name})
endfunction()

# sentavia_test(name DEPS ...): one GoogleTest program from every test source in the folder.
function(sentavia_test name)
  cmake_parse_arguments(T "" "" "DEPS;PATTERNS" ${ARGN})
  if(NOT T_PATTERNS)
    set(T_PATTERNS *.cpp)
  endif()
  list(TRANSFORM T_PATTERNS PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/)
  file(GLOB sources CONFIGURE_DEPENDS ${T_PATTERNS})
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${T_DEPS} GTest::gtest GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  # Tests write their screenshots and scratch files here; it exists from the first run on.
  file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/test-out)
  target_compile_definitions(${name} PRIVATE
    SENTAVIA_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data"
    SENTAVIA_TEST_OUT="${PROJECT_BINARY_DIR}/test-out")
  sentavia_warnings(${name})
  include(GoogleTest)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 300)
endfunction()
