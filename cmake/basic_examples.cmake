# The BASIC examples as Windows programs, for the ZIP: built with a Linux
# promptbasic (PROMPTBASIC_HOST, the build machine's compiler) and its
# --target windows, and installed beside their source.
set(PROMPTBASIC_HOST "" CACHE FILEPATH "A Linux promptbasic that builds the BASIC examples for the ZIP")
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/ DESTINATION examples COMPONENT programs
        FILES_MATCHING PATTERN "*.bas" PATTERN "*.bi")
if(NOT PROMPTBASIC_HOST)
  return()
endif()

file(GLOB example_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/examples/*.bas)
file(GLOB example_includes CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/examples/*.bi)
set(example_programs)
foreach(source ${example_sources})
  get_filename_component(name ${source} NAME_WE)
  set(program ${CMAKE_BINARY_DIR}/examples/${name}.exe)
  # swarm_dump is the one console program among the examples.
  set(mode)
  if(name STREQUAL "swarm_dump")
    set(mode --console)
  endif()
  add_custom_command(OUTPUT ${program}
    COMMAND ${PROMPTBASIC_HOST} build ${source} --target windows ${mode} -o ${program}
    DEPENDS ${source} ${example_includes} ${PROMPTBASIC_HOST}
    COMMENT "promptbasic: examples/${name}.exe")
  list(APPEND example_programs ${program})
endforeach()
add_custom_target(basic_examples ALL DEPENDS ${example_programs})
install(FILES ${example_programs} DESTINATION examples COMPONENT programs)
