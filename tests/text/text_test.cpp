#include "text/text.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

TEST(Text, KeepsBytesBeforeTheFirstZeroByte) {
  EXPECT_EQ(Text(std::string_view("a\0b", 3)).bytes(), "a");
  EXPECT_EQ(Text(std::string("\0b", 2)), Text());
}

}  // namespace
}  // namespace quorvel
