// Feeds random bytes to every text operation and to the lookup, and checks
// each result against a plain model of its rules; the lookup is checked
// against the loop over every line.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "lookup/literal_lookup.h"
#include "lookup/lookup.h"
#include "reference_models.h"
#include "support/memory_text_property.h"
#include "text/text.h"

namespace quorvel {
namespace {

void Check(bool holds) {
  if (!holds) std::abort();
}

// The raw bytes, or each byte below 0x80 standing for one of the pieces the
// byte rules care about, so that line breaks and blanks come up often.
std::string Bytes(FuzzedDataProvider& data, bool as_pieces) {
  const std::string raw = data.ConsumeRandomLengthString(512);
  if (!as_pieces) return raw;
  static const char* const kPieces[16] = {
      "\r\n", "\r\n\r\n", "\r", "\n", " ", "\xA1\xA1", "\xA1", "a",
      "b",    "\xCA\xD7", "\x81\r", "\t", "\x80", "\xFF", "ab", " \xA1\xA1 ",
  };
  std::string bytes;
  for (const char byte : raw) {
    if (IsLeadByte(byte)) bytes += byte;
    else bytes += kPieces[static_cast<unsigned char>(byte) % 16];
  }
  return bytes;
}

std::string Of(const Text& text) { return std::string(text.bytes()); }

void CheckTextOperations(const std::string& raw_a, const Text& a, const Text& b,
                         const Text& delimiter, std::int32_t n) {
  const std::string sa = Of(a), sb = Of(b);
  Check(sa == raw_a.substr(0, raw_a.find('\0')));
  Check(TextLength(a) == std::strlen(a.c_str()));
  Check(Of(ConcatText(a, b)) == sa + sb);
  Check(CompareText(a, b) == model::Compare(sa, sb));
  Check(CompareText(b, a) == model::Compare(sb, sa));
  Check(Of(TextLeft(a, n)) == model::Left(sa, n));
  Check(Of(TrimBothEnds(a)) == model::Trim(sa));

  const TextArray pieces = SplitText(a, delimiter);
  const std::vector<std::string> expected = model::Split(sa, Of(delimiter));
  Check(MemberCount(pieces) == expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) Check(Of(pieces[i]) == expected[i]);
}

void CheckLines(const Text& list) {
  const std::vector<std::string> lines = model::Split(Of(list), std::string(kLineBreak));
  Check(CountLines(list) == lines.size());
  for (std::int64_t number = 0; number <= static_cast<std::int64_t>(lines.size()) + 1; ++number) {
    const bool inside = number >= 1 && number <= static_cast<std::int64_t>(lines.size());
    Check(Of(GetLine(list, number)) == (inside ? lines[number - 1] : ""));
  }
}

void CheckLookup(const Text& list, const Text& query) {
  // The loop over every line costs the square of the list; keep it short.
  constexpr std::size_t kMostLines = 300;
  if (CountLines(list) > kMostLines) return;
  auto boxes = [&] {
    testing::MemoryTextProperty boxes;
    boxes.texts[std::string(编辑框1)] = query;
    boxes.texts[std::string(编辑框2)] = list;
    boxes.texts[std::string(编辑框3)] = Text("before");
    return boxes;
  };
  testing::MemoryTextProperty literal = boxes();
  testing::LiteralQueryClicked(literal);
  testing::MemoryTextProperty fast = boxes();
  OnQueryClicked(fast);
  Check(fast.texts == literal.texts);
  Check(fast.writes.size() == (literal.writes.empty() ? 0u : 1u));
}

}  // namespace
}  // namespace quorvel

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  using namespace quorvel;
  FuzzedDataProvider data(bytes, size);
  const auto mode = data.ConsumeIntegral<std::uint8_t>();
  const auto n = data.ConsumeIntegral<std::int32_t>();
  const std::string delimiter = mode & 4 ? data.ConsumeRandomLengthString(4) : "\r\n";
  const std::string raw_b = Bytes(data, mode & 2);
  const std::string raw_a = Bytes(data, mode & 1);
  const Text a(raw_a), b(raw_b);

  CheckTextOperations(raw_a, a, b, Text(delimiter), n);
  CheckLines(a);
  CheckLookup(a, b);
  return 0;
}
