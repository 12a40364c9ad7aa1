# Source lists shared by the native, Windows and fuzz builds.
set(ORVANE_CORE_SOURCES
  core/board.cpp
  core/date_time.cpp
  core/full_width.cpp
  core/hide_expired.cpp
  core/text_to_number.cpp
)
if(WIN32)
  list(APPEND ORVANE_CORE_SOURCES platform/win32/text_codec_win32.cpp)
else()
  list(APPEND ORVANE_CORE_SOURCES core/text_codec_iconv.cpp)
endif()
