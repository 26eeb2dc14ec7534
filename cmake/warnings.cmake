# The project's warnings, on every target that links vorns_warnings (each
# library, program and test of the project); errors when VORNS_WERROR is on.
add_library(vorns_warnings INTERFACE)
target_compile_options(vorns_warnings INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  # g++ 12 reports false positives of these inside std::optional and std::string.
  target_compile_options(vorns_warnings INTERFACE -Wno-maybe-uninitialized -Wno-restrict)
endif()
if(VORNS_WERROR)
  target_compile_options(vorns_warnings INTERFACE -Werror)
endif()

# The instrumented builds compile everything, the project's code and its
# tests alike, the same way: these stay options of the whole build.
if(VORNS_FUZZ)
  # Coverage for libFuzzer and both sanitizers on every library. Asserts kept,
  # with the bounds checks of the standard and Qt containers: a read past one
  # table of the record store lands in the next one, where the address
  # sanitizer cannot see it.
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined
                      -fno-omit-frame-pointer -UNDEBUG -D_GLIBCXX_ASSERTIONS -UQT_NO_DEBUG)
endif()
if(VORNS_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# A widget-free library of one folder: every .cpp of the folder, with what it
# links (LINKS) and nothing more.
function(vorns_library name)
  cmake_parse_arguments(ARG "" "" "LINKS" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  add_library(${name} STATIC ${srcs})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_LINKS} PRIVATE vorns_warnings)
endfunction()
