#include "storage/run_directory.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvel {
namespace {

// Code page 936: the bytes 0x81 to 0xFE start a two-byte character.
bool Gbk(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }
bool SingleByte(unsigned char) { return false; }

struct Case {
  const char* path;
  const char* gbk;
  const char* single_byte;
};

// 乗 is 0x81 0x5C: its second byte is a backslash in a single-byte code page.
constexpr Case kCases[] = {
    {"D:\\games\\tool.exe", "D:\\games", "D:\\games"},
    {"C:\\tool.exe", "C:", "C:"},
    {"C:\\dir\\", "C:\\dir", "C:\\dir"},
    {"\\\\server\\share\\tool.exe", "\\\\server\\share", "\\\\server\\share"},
    {"tool.exe", "", ""},
    {"", "", ""},
    {"D:\\x\\\x81\\tool.exe", "D:\\x", "D:\\x\\\x81"},                 // D:\x\乗tool.exe
    {"D:\\\x81\\\\tool.exe", "D:\\\x81\\", "D:\\\x81\\"},               // D:\乗\tool.exe
    {"D:\\a\x81\\b\\tool.exe", "D:\\a\x81\\b", "D:\\a\x81\\b"},         // D:\a乗b\tool.exe
    {"\x81\\tool.exe", "", "\x81"},                                     // 乗tool.exe
    {"D:\\\x80\\tool.exe", "D:\\\x80", "D:\\\x80"},                     // 0x80 starts nothing
    {"D:\\\xFF\\tool.exe", "D:\\\xFF", "D:\\\xFF"},                     // nor does 0xFF
    {"D:\\dir\\\xCA", "D:\\dir", "D:\\dir"},                            // a cut character
};

TEST(RunDirectory, CutsBeforeTheLastSeparatorCharacter) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(RunDirectory(c.path, Gbk).bytes(), c.gbk);
    EXPECT_EQ(RunDirectory(c.path, SingleByte).bytes(), c.single_byte);
  }
}

TEST(RunDirectory, EveryByteBeforeABackslash) {
  for (int value = 1; value < 256; ++value) {
    const char byte = static_cast<char>(value);
    const std::string path = std::string("C:\\") + byte + "\\tool.exe";
    const std::string own_folder = path.substr(0, 4);
    SCOPED_TRACE(value);
    EXPECT_EQ(RunDirectory(path, Gbk).bytes(), Gbk(value) ? "C:" : own_folder);
    EXPECT_EQ(RunDirectory(path, SingleByte).bytes(), own_folder);
  }
}

}  // namespace
}  // namespace quorvel
