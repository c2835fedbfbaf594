# The program icon and the survey animation are drawn as pixels in C++ and
# turned into files during the build by small tools that must run on the
# build machine. When cross-compiling, the tools are built with the build
# machine's compiler.
set(KUVANO_HOST_CXX "c++" CACHE STRING "C++ compiler for tools that run during a cross build")

# Sets out_var to the command that runs the tool built from the sources.
function(kuvano_host_tool name out_var)
  set(tool_sources ${ARGN})
  if(CMAKE_CROSSCOMPILING)
    set(tool ${CMAKE_CURRENT_BINARY_DIR}/${name}_host)
    add_custom_command(
      OUTPUT ${tool}
      COMMAND ${KUVANO_HOST_CXX} -std=c++20 -O1 -I${PROJECT_SOURCE_DIR}/src ${tool_sources} -o ${tool}
      DEPENDS ${tool_sources}
      COMMENT "Building ${name} for the build machine"
      VERBATIM)
  else()
    add_executable(${name} ${tool_sources})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src)
    set(tool $<TARGET_FILE:${name}>)
  endif()
  set(${out_var} ${tool} PARENT_SCOPE)
endfunction()

function(kuvano_add_program_icon output)
  kuvano_host_tool(make_program_icon tool
    ${PROJECT_SOURCE_DIR}/tools/make_program_icon.cpp
    ${PROJECT_SOURCE_DIR}/src/art/ico_file.cpp
    ${PROJECT_SOURCE_DIR}/src/core/pixel_image.cpp
    ${PROJECT_SOURCE_DIR}/src/core/display_scale.cpp
    ${PROJECT_SOURCE_DIR}/src/art/program_icon.cpp)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${tool} ${output}
    DEPENDS ${tool}
    COMMENT "Drawing the program icon"
    VERBATIM)
endfunction()

function(kuvano_add_animation output)
  kuvano_host_tool(make_animation tool
    ${PROJECT_SOURCE_DIR}/tools/make_animation.cpp
    ${PROJECT_SOURCE_DIR}/src/core/pixel_image.cpp
    ${PROJECT_SOURCE_DIR}/src/core/display_scale.cpp
    ${PROJECT_SOURCE_DIR}/src/art/avi_file.cpp
    ${PROJECT_SOURCE_DIR}/src/art/survey_animation.cpp)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${tool} ${output}
    DEPENDS ${tool}
    COMMENT "Drawing the survey animation"
    VERBATIM)
endfunction()
