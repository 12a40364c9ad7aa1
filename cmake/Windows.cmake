# Windows build: Orvane.exe, a GUI program linked statically.
enable_language(RC)

add_executable(Orvane WIN32
  ${ORVANE_APP_SOURCES}
  ${ORVANE_PLATFORM_SHARED_SOURCES}
  ${ORVANE_WIN32_SOURCES}
  resources/orvane.rc
)
target_include_directories(Orvane PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(Orvane PRIVATE orvane_core comctl32 shell32 shlwapi ole32 oleaut32 uuid gdi32 user32 winmm bcrypt wininet)
target_compile_definitions(Orvane PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
if(MINGW)
  target_link_options(Orvane PRIVATE -municode -static)
  # The shipped program carries no symbols, nor code and data it never uses.
  target_link_options(Orvane PRIVATE $<$<CONFIG:Release,MinSizeRel>:-s -Wl,--gc-sections>)
  target_compile_options(Orvane PRIVATE -ffunction-sections -fdata-sections $<$<CONFIG:Release>:-Os>)
  target_compile_options(orvane_core PRIVATE -ffunction-sections -fdata-sections $<$<CONFIG:Release>:-Os>)
endif()
set_target_properties(Orvane PROPERTIES
  OUTPUT_NAME Orvane
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
set_source_files_properties(resources/orvane.rc PROPERTIES
  OBJECT_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/resources/orvane.ico;${CMAKE_CURRENT_SOURCE_DIR}/resources/searchbox.ico;${CMAKE_CURRENT_SOURCE_DIR}/resources/orvane.manifest")
