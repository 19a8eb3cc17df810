bezier_fuzz_target(fuzz_bmp fuzz_bmp.cpp 20000
  SEEDS ${CMAKE_CURRENT_SOURCE_DIR}/seeds/bmp
    ${BEZIER_TESTDATA}/bmpsuite/g ${BEZIER_TESTDATA}/bmpsuite/b ${BEZIER_TESTDATA}/bmpsuite/q
  LIBS platform)
