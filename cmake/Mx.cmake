# Every module folder is laid out the same way:
#   src/<name>/*.cpp         calculation core, sheet and drawing builders (no Qt) -> mx_<name>
#   src/<name>/*.tsv         its data tables (the field table), compiled in as text -> mx_<name>
#   src/<name>/window/*.cpp  its windows (Qt)                                     -> mx_<name>_window
#   tests/<name>/*.cpp       core tests                                           -> test_<name>
#   tests/<name>/window/*.cpp window tests, run headless                          -> test_<name>_window
# The module folders are the lines of src/modules.def, the one list the catalogue and
# the program's window registration read as well.
file(STRINGS ${PROJECT_SOURCE_DIR}/src/modules.def mx_module_lines REGEX "^MX_MODULE\\(")
set(MX_MODULES)
foreach(line ${mx_module_lines})
  if(NOT line MATCHES "^MX_MODULE\\(([a-z0-9_]+)\\)$")
    message(FATAL_ERROR "src/modules.def: cannot read the line '${line}'")
  endif()
  if(CMAKE_MATCH_1 IN_LIST MX_MODULES)
    message(FATAL_ERROR "src/modules.def lists the module folder ${CMAKE_MATCH_1} twice")
  endif()
  list(APPEND MX_MODULES ${CMAKE_MATCH_1})
endforeach()
# A folder of src/ is a module folder unless it is one of the layers around the modules;
# one missing from the list would be built by nobody.
file(GLOB mx_src_entries RELATIVE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/src/*)
foreach(entry ${mx_src_entries})
  if(IS_DIRECTORY ${PROJECT_SOURCE_DIR}/src/${entry} AND NOT entry IN_LIST MX_MODULES
     AND NOT entry MATCHES "^(common|modules|project|ui|cli|app)$")
    message(FATAL_ERROR "src/${entry} is not listed in src/modules.def")
  endif()
endforeach()

# Compiles data files into a library as their text: src/<dir>/<file>.<ext> becomes
#   std::string_view mx::embedded::<file>_<ext>();
# declared in the generated header "<dir>/<file>_<ext>.h". The tables stay data that a
# reader edits as a table; the program carries them inside, so it never looks for a
# file at run time. CMake reruns when a data file changes.
function(mx_embed_text target)
  foreach(file ${ARGN})
    file(RELATIVE_PATH MX_EMBED_SOURCE ${PROJECT_SOURCE_DIR}/src ${file})
    get_filename_component(dir ${MX_EMBED_SOURCE} DIRECTORY)
    get_filename_component(base ${file} NAME)
    string(MAKE_C_IDENTIFIER ${base} MX_EMBED_SYMBOL)
    set(MX_EMBED_HEADER ${dir}/${MX_EMBED_SYMBOL}.h)
    file(READ ${file} MX_EMBED_TEXT)
    string(FIND "${MX_EMBED_TEXT}" ")mxtext\"" close)
    if(NOT close EQUAL -1)
      message(FATAL_ERROR "src/${MX_EMBED_SOURCE} holds the text that closes its string: )mxtext\"")
    endif()
    set(out ${PROJECT_BINARY_DIR}/embedded/${dir}/${MX_EMBED_SYMBOL})
    configure_file(${PROJECT_SOURCE_DIR}/cmake/embedded.h.in ${out}.h @ONLY)
    configure_file(${PROJECT_SOURCE_DIR}/cmake/embedded.cpp.in ${out}.cpp @ONLY)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${file})
    target_sources(${target} PRIVATE ${out}.cpp)
  endforeach()
  target_include_directories(${target} PUBLIC ${PROJECT_BINARY_DIR}/embedded)
endfunction()

function(mx_module name)
  file(GLOB core CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  add_library(mx_${name} STATIC ${core})
  target_include_directories(mx_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(mx_${name} PUBLIC mx_common ${ARGN})
  file(GLOB tables CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.tsv)
  mx_embed_text(mx_${name} ${tables})
  file(GLOB win CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/window/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/window/*.h
       ${CMAKE_CURRENT_SOURCE_DIR}/window/*.qrc)
  if(win)
    add_library(mx_${name}_window STATIC ${win})
    set_target_properties(mx_${name}_window PROPERTIES AUTOMOC ON AUTORCC ON)
    target_link_libraries(mx_${name}_window PUBLIC mx_${name} mx_ui)
  endif()
endfunction()

function(mx_tests name)
  file(GLOB core CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(core)
    add_executable(test_${name} ${core})
    target_link_libraries(test_${name} PRIVATE ${ARGN} GTest::gtest_main)
    target_include_directories(test_${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
    gtest_discover_tests(test_${name} DISCOVERY_MODE PRE_TEST)
  endif()
  file(GLOB win CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/window/*.cpp)
  if(win)
    add_executable(test_${name}_window ${win})
    set_target_properties(test_${name}_window PROPERTIES AUTOMOC ON)
    target_link_libraries(test_${name}_window PRIVATE mx_${name}_window mx_testsupport)
    target_include_directories(test_${name}_window PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
    gtest_discover_tests(test_${name}_window DISCOVERY_MODE PRE_TEST
      PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=0")
  endif()
endfunction()
