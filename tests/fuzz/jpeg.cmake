bezier_fuzz_target(fuzz_jpeg fuzz_jpeg.cpp 5000
  SEEDS ${CMAKE_CURRENT_SOURCE_DIR}/seeds/jpeg LIBS platform)
