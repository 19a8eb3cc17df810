bezier_fuzz_target(fuzz_themefile fuzz_themefile.cpp 20000
  SEEDS ${CMAKE_CURRENT_SOURCE_DIR}/seeds/themefile
  LIBS styled)
