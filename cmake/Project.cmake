# Compiler settings and the helpers every folder uses to declare its library and tests.

set(MJ_WARNINGS -Wall -Wextra -Wno-unused-parameter)

if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  # The program's text is GBK at run time: its literals are written in UTF-8 and compiled to
  # GBK bytes.  clang cannot encode GBK literals, so the clang (fuzz) build keeps UTF-8; no
  # parser's behaviour depends on how its own literals are encoded.
  set(MJ_CHARSET_FLAGS -finput-charset=UTF-8 -fexec-charset=GBK)
  set(MJ_GBK_LITERALS 1)
else()
  set(MJ_CHARSET_FLAGS)
  set(MJ_GBK_LITERALS 0)
endif()

if(MJ_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
  # Leaks of system libraries that are not ours to mend (see the file).
  set(MJ_SANITIZER_TEST_ENV "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0")
endif()

if(MJ_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

# Applies the project's warnings and character-set flags to one of its own targets.
function(mj_target_defaults target)
  target_compile_options(${target} PRIVATE ${MJ_WARNINGS} ${MJ_CHARSET_FLAGS})
  target_compile_definitions(${target} PRIVATE MJ_GBK_LITERALS=${MJ_GBK_LITERALS})
endfunction()

# mj_library(<name> <dir-relative glob>... [EXCLUDE <dir-relative file>...]): a static library
# of every .cpp the globs match, less the files excluded.
function(mj_library name)
  cmake_parse_arguments(L "" "" "EXCLUDE" ${ARGN})
  set(sources)
  foreach(pattern IN LISTS L_UNPARSED_ARGUMENTS)
    file(GLOB found CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${pattern})
    list(APPEND sources ${found})
  endforeach()
  foreach(file IN LISTS L_EXCLUDE)
    list(REMOVE_ITEM sources ${CMAKE_CURRENT_SOURCE_DIR}/${file})
  endforeach()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  mj_target_defaults(${name})
endfunction()

# mj_test(<name> LIBS <libs>... [ENV <VAR=value>...]): one GoogleTest program of every .cpp in the
# current folder; each test case becomes a CTest test, discovered when the tests run.
function(mj_test name)
  cmake_parse_arguments(T "" "" "LIBS;ENV" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_executable(${name} ${sources})
  mj_target_defaults(${name})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE
    MJ_TEST_DATA_DIR="${CMAKE_CURRENT_SOURCE_DIR}/data"
    MJ_TEST_OUT_DIR="${CMAKE_CURRENT_BINARY_DIR}/out"
    MJ_GAME_DIR="${MJ_GAME_DIR}")
  file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/out)
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60)
  # Every discovered test runs headless, with the sanitizer's options, and a test that waits
  # (a modal window nobody answers) fails after five minutes instead of holding the run.  Set
  # by a script that CTest reads after the test list, since gtest_discover_tests' PROPERTIES
  # would split the list of variables into separate arguments and keep only the first.
  set(env QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy ${MJ_SANITIZER_TEST_ENV} ${T_ENV})
  set(env_script ${CMAKE_CURRENT_BINARY_DIR}/${name}_environment.cmake)
  file(WRITE ${env_script}
    "if(${name}_TESTS)\n"
    "  set_tests_properties(\${${name}_TESTS} PROPERTIES ENVIRONMENT [==[${env}]==] TIMEOUT 300)\n"
    "endif()\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${env_script})
endfunction()

# mj_bench(<name> <source> LIBS <libs>...): one Google Benchmark program.
function(mj_bench name source)
  cmake_parse_arguments(B "" "" "LIBS" ${ARGN})
  add_executable(${name} ${source})
  mj_target_defaults(${name})
  target_link_libraries(${name} PRIVATE ${B_LIBS} benchmark::benchmark benchmark::benchmark_main)
endfunction()

# mj_fuzz(<name> <source> LIBS <libs>...): one libFuzzer target (clang builds only).
function(mj_fuzz name source)
  cmake_parse_arguments(F "" "" "LIBS" ${ARGN})
  add_executable(${name} ${source})
  mj_target_defaults(${name})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_libraries(${name} PRIVATE ${F_LIBS})
  set_property(GLOBAL APPEND PROPERTY MJ_FUZZ_TARGETS ${name})
endfunction()

# mj_add_subdirs(<dir>...): adds each named folder that has a CMakeLists.txt; with no names,
# every immediate subfolder of the current one that has one, in alphabetical order.
function(mj_add_subdirs)
  set(dirs ${ARGN})
  if(NOT dirs)
    file(GLOB children LIST_DIRECTORIES true RELATIVE ${CMAKE_CURRENT_SOURCE_DIR}
         ${CMAKE_CURRENT_SOURCE_DIR}/*)
    list(SORT children)
    set(dirs ${children})
  endif()
  foreach(dir IN LISTS dirs)
    if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/CMakeLists.txt)
      add_subdirectory(${dir})
    endif()
  endforeach()
endfunction()
