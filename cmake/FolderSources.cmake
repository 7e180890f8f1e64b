# Adds a folder's sources by where they sit: the folder's own files go to mk21core, the files of
# its windows/ subfolder to mk21gui.
function(mk21_folder_sources)
  file(GLOB core CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  file(GLOB windows CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/windows/*.cpp
       ${CMAKE_CURRENT_SOURCE_DIR}/windows/*.h)
  if(core)
    target_sources(mk21core PRIVATE ${core})
  endif()
  if(windows)
    target_sources(mk21gui PRIVATE ${windows})
  endif()
endfunction()
