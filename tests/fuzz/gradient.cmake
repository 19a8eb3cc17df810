bezier_fuzz_target(fuzz_gradient fuzz_gradient.cpp 20000
  SEEDS ${CMAKE_CURRENT_SOURCE_DIR}/seeds/gradient LIBS skinengine)
