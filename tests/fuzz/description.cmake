bezier_fuzz_target(fuzz_description fuzz_description.cpp 60000
  SEEDS ${CMAKE_CURRENT_SOURCE_DIR}/seeds/description LIBS framework)
