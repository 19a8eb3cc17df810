bezier_fuzz_target(fuzz_bmp fuzz_bmp.cpp 20000
  SEEDS ${BEZIER_TESTDATA}/bmpsuite/g ${BEZIER_TESTDATA}/bmpsuite/b ${BEZIER_TESTDATA}/bmpsuite/q
  LIBS platform)
