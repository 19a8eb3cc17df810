# Warnings as errors for our own targets only; system headers stay quiet.
add_library(bezier_options INTERFACE)
target_compile_options(bezier_options INTERFACE
  -Wall -Wextra -Wpedantic -Werror -Wnon-virtual-dtor -Wimplicit-fallthrough)

if(BEZIER_SANITIZE)
  set(BEZIER_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_compile_options(${BEZIER_SANITIZER_FLAGS})
  add_link_options(${BEZIER_SANITIZER_FLAGS})
endif()

# Collects the sources of one layer so that new files need no CMake edit.
function(bezier_layer_library name)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
    ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE bezier_options)
endfunction()
