bezier_fuzz_target(fuzz_skinfolder fuzz_skinfolder.cpp 10000
  SEEDS ${CMAKE_CURRENT_SOURCE_DIR}/seeds/skinfolder LIBS skinengine)
