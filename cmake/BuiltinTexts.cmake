# The shipped English texts, compiled into mk21core: the fallback for every text number the chosen
# language file lacks, so that a missing or damaged file never leaves a message blank.
set(MK21_BUILTIN_ENGLISH ${CMAKE_BINARY_DIR}/generated/BuiltinEnglishFile.cpp)
add_custom_command(
  OUTPUT ${MK21_BUILTIN_ENGLISH}
  COMMAND ${CMAKE_COMMAND}
          -DINPUT=${CMAKE_SOURCE_DIR}/resources/language/english.ini
          -DOUTPUT=${MK21_BUILTIN_ENGLISH}
          -DHEADER=base/BuiltinTexts.h
          -DFUNCTION=BuiltinEnglishFile
          -P ${CMAKE_SOURCE_DIR}/cmake/EmbedFile.cmake
  DEPENDS ${CMAKE_SOURCE_DIR}/resources/language/english.ini ${CMAKE_SOURCE_DIR}/cmake/EmbedFile.cmake
  COMMENT "Building the English texts into the program"
  VERBATIM)
target_sources(mk21core PRIVATE ${MK21_BUILTIN_ENGLISH})
