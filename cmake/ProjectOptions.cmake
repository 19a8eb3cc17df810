# Warnings for our own targets only; system headers stay quiet. They stop the build only where
# developers and CI build: a newer compiler's new warning must never stop a user's build.
add_library(bezier_options INTERFACE)
target_compile_options(bezier_options INTERFACE
  -Wall -Wextra -Wpedantic -Wnon-virtual-dtor -Wimplicit-fallthrough)
if(BEZIER_WERROR)
  target_compile_options(bezier_options INTERFACE -Werror)
endif()

if(BEZIER_SANITIZE)
  set(BEZIER_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  # With clang every library also carries coverage counters, so the fuzz targets can steer by
  # what the readers themselves do.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    list(APPEND BEZIER_SANITIZER_FLAGS -fsanitize=fuzzer-no-link)
  endif()
  add_compile_options(${BEZIER_SANITIZER_FLAGS})
  add_link_options(${BEZIER_SANITIZER_FLAGS})
endif()

# Collects the sources of one layer so that new files need no CMake edit. Subfolders named
# after EXCLUDE are libraries of their own.
function(bezier_layer_library name)
  cmake_parse_arguments(LAYER "" "" "EXCLUDE" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
    ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  foreach(folder ${LAYER_EXCLUDE})
    list(FILTER sources EXCLUDE REGEX "^${CMAKE_CURRENT_SOURCE_DIR}/${folder}/")
  endforeach()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE bezier_options)
endfunction()
