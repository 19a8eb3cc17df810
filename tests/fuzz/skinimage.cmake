bezier_fuzz_target(fuzz_skinimage fuzz_skinimage.cpp 20000
  SEEDS ${CMAKE_CURRENT_SOURCE_DIR}/seeds/skinimage LIBS skinengine styled)
