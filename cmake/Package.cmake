# Kuvano-<version>-win64.zip: one folder holding the program, its animation
# clip and a readme, ready to unpack anywhere and run.
function(kuvano_add_package_zip program_target animation)
  set(name Kuvano-${PROJECT_VERSION}-win64)
  set(stage ${CMAKE_BINARY_DIR}/package/${name})
  set(zip ${CMAKE_BINARY_DIR}/${name}.zip)
  set(readme ${PROJECT_SOURCE_DIR}/package/README.txt)
  add_custom_command(
    OUTPUT ${zip}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${stage}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${stage}
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:${program_target}> ${animation} ${stage}
    # Windows' own editor shows the readme right with CR LF line ends.
    COMMAND ${CMAKE_COMMAND} -DIN=${readme} -DOUT=${stage}/README.txt -P ${PROJECT_SOURCE_DIR}/cmake/CrLf.cmake
    COMMAND ${CMAKE_COMMAND} -E chdir ${CMAKE_BINARY_DIR}/package ${CMAKE_COMMAND} -E tar cf ${zip} --format=zip ${name}
    DEPENDS ${program_target} ${animation} ${readme}
    COMMENT "Packing ${name}.zip"
    VERBATIM)
  add_custom_target(package_zip DEPENDS ${zip})
endfunction()
