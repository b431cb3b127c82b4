// The main of every test program. Under Wine it first makes sure the ANSI
// code page is 936: with a wrong locale every GBK test would silently run
// against code page 1252 instead.
#include <gtest/gtest.h>

#include <cstdio>

#ifdef _WIN32
#include <windows.h>
#endif

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
#ifdef _WIN32
  if (GetACP() != 936) {
    std::fprintf(stderr,
                 "The ANSI code page is %u, not 936: run Wine with LC_ALL=zh_CN.UTF-8.\n",
                 GetACP());
    return 2;
  }
#endif
  return RUN_ALL_TESTS();
}
