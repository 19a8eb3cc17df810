bezier_fuzz_target(fuzz_storedskin fuzz_storedskin.cpp 10000
  SEEDS ${CMAKE_CURRENT_SOURCE_DIR}/seeds/storedskin LIBS skinengine)
