bezier_fuzz_target(fuzz_settings fuzz_settings.cpp 10000
  SEEDS ${CMAKE_CURRENT_SOURCE_DIR}/seeds/settings LIBS bezierapp)
