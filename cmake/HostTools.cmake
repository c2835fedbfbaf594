# The program icon is drawn as pixel art in C++ and turned into an .ico file
# during the build by a small tool that must run on the build machine. When
# cross-compiling, the tool is built with the build machine's compiler.
set(KUVANO_HOST_CXX "c++" CACHE STRING "C++ compiler for tools that run during a cross build")

function(kuvano_add_program_icon output)
  set(tool_sources
    ${PROJECT_SOURCE_DIR}/tools/make_program_icon.cpp
    ${PROJECT_SOURCE_DIR}/src/app/ico_file.cpp
    ${PROJECT_SOURCE_DIR}/src/app/pixel_image.cpp
    ${PROJECT_SOURCE_DIR}/src/app/program_icon.cpp)
  if(CMAKE_CROSSCOMPILING)
    set(tool ${CMAKE_CURRENT_BINARY_DIR}/make_program_icon_host)
    add_custom_command(
      OUTPUT ${tool}
      COMMAND ${KUVANO_HOST_CXX} -std=c++20 -O1 -I${PROJECT_SOURCE_DIR}/src ${tool_sources} -o ${tool}
      DEPENDS ${tool_sources}
      COMMENT "Building the icon tool for the build machine"
      VERBATIM)
  else()
    add_executable(make_program_icon ${tool_sources})
    target_include_directories(make_program_icon PRIVATE ${PROJECT_SOURCE_DIR}/src)
    set(tool $<TARGET_FILE:make_program_icon>)
  endif()
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${tool} ${output}
    DEPENDS ${tool}
    COMMENT "Drawing the program icon"
    VERBATIM)
endfunction()
