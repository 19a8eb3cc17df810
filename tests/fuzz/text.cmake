bezier_fuzz_target(fuzz_text fuzz_text.cpp 20000
  SEEDS ${CMAKE_CURRENT_SOURCE_DIR}/seeds/text LIBS platform)
