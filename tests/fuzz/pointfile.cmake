bezier_fuzz_target(fuzz_pointfile fuzz_pointfile.cpp 20000
  SEEDS ${CMAKE_CURRENT_SOURCE_DIR}/seeds/pointfile LIBS bezierapp)
