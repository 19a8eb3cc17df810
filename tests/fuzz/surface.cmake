bezier_fuzz_target(fuzz_surface fuzz_surface.cpp 20000
  SEEDS ${CMAKE_CURRENT_SOURCE_DIR}/seeds/surface LIBS bezierapp)
