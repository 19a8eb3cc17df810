bezier_fuzz_target(fuzz_optionsdat fuzz_optionsdat.cpp 10000
  SEEDS ${CMAKE_CURRENT_SOURCE_DIR}/seeds/optionsdat LIBS skinengine)
