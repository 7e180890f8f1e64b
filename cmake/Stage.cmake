# Copies the shipped resources into the staged runtime tree on every build.
file(GLOB_RECURSE MK21_RESOURCE_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/*)
add_custom_target(stage ALL
  COMMAND ${CMAKE_COMMAND}
          -DSRC=${CMAKE_SOURCE_DIR}/resources
          -DSTAGE=${MK21_STAGE_DIR}
          -DPROGRAM_DIR=${MK21_PROGRAM_DIR}
          -P ${CMAKE_SOURCE_DIR}/cmake/StageFiles.cmake
  DEPENDS ${MK21_RESOURCE_FILES}
  COMMENT "Staging the runtime tree"
  VERBATIM)
