# Embeds every file of a folder (and its subfolders) into a static library. The generated
# source includes each file with the assembler's .incbin, so no conversion step runs and large
# pictures cost nothing at configure time. RegisterEmbeddedResources() makes each known by its
# file name without extension, as resources are named on the desktop the engine comes from
# ("DEEPBLUE_BUTTON", "Bezier").
function(bezier_embed_resources target folder)
  file(GLOB_RECURSE files CONFIGURE_DEPENDS ${folder}/*)
  # A scalable icon is for the desktop only.
  list(FILTER files EXCLUDE REGEX "(CMakeLists\\.txt|\\.h|\\.svg)$")
  list(SORT files)
  set(source ${CMAKE_CURRENT_BINARY_DIR}/${target}.cpp)
  set(asm "")
  set(decls "")
  set(calls "")
  set(index 0)
  set(keys "")
  foreach(file ${files})
    get_filename_component(name ${file} NAME_WLE)
    string(TOUPPER "${name}" key)
    if(key IN_LIST keys)
      message(FATAL_ERROR "Two resources are named ${name}: ${file}")
    endif()
    list(APPEND keys ${key})
    set(sym bezier_resource_${index})
    string(APPEND asm "__asm__(\".pushsection .rodata\\n.balign 16\\n.globl ${sym}\\n.hidden ${sym}\\n${sym}:\\n.incbin \\\"${file}\\\"\\n.globl ${sym}_end\\n.hidden ${sym}_end\\n${sym}_end:\\n.byte 0\\n.popsection\\n\");\n")
    string(APPEND decls "extern \"C\" const std::uint8_t ${sym}[];\nextern \"C\" const std::uint8_t ${sym}_end[];\n")
    string(APPEND calls "  platform::RegisterResource(\"${name}\", {${sym}, ${sym}_end});\n")
    math(EXPR index "${index} + 1")
  endforeach()
  file(CONFIGURE OUTPUT ${source} CONTENT "// Generated from the files of resources/; do not edit.
#include <cstdint>

#include \"platform/kernel/Resources.h\"
#include \"resources/Embedded.h\"

${asm}
${decls}
namespace resources {

void RegisterEmbeddedResources() {
${calls}}

}  // namespace resources
")
  set_source_files_properties(${source} PROPERTIES OBJECT_DEPENDS "${files}")
  add_library(${target} STATIC ${source} ${folder}/Embedded.h)
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${target} PUBLIC platform)
endfunction()
