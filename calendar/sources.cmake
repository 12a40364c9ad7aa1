# Lunar calendar sources, shared by the product and the native calendar tests.
set(ORVANE_CALENDAR_SOURCES
  calendar/lunar_date.cpp
  calendar/solar_term.cpp
)
