#include <gtest/gtest.h>

#include <vector>

#include "platform/VersionBlock.h"

namespace tarnix {
namespace {

// Builds a VS_VERSIONINFO tree the way resource compilers lay it out.
class Block {
 public:
  static std::vector<uint8_t> Node(const std::u16string& key, uint16_t type,
                                   const std::vector<uint8_t>& value, uint16_t valueLength,
                                   const std::vector<std::vector<uint8_t>>& children) {
    std::vector<uint8_t> b(6, 0);
    for (char16_t c : key + u'\0') { b.push_back(uint8_t(c)); b.push_back(uint8_t(c >> 8)); }
    Pad(b);
    b.insert(b.end(), value.begin(), value.end());
    Pad(b);
    for (const auto& c : children) { b.insert(b.end(), c.begin(), c.end()); Pad(b); }
    b[0] = uint8_t(b.size()); b[1] = uint8_t(b.size() >> 8);
    b[2] = uint8_t(valueLength); b[3] = uint8_t(valueLength >> 8);
    b[4] = uint8_t(type);
    return b;
  }
  static std::vector<uint8_t> Text(const std::u16string& s) {
    std::vector<uint8_t> b;
    for (char16_t c : s + u'\0') { b.push_back(uint8_t(c)); b.push_back(uint8_t(c >> 8)); }
    return b;
  }
  static void Pad(std::vector<uint8_t>& b) { while (b.size() % 4) b.push_back(0); }
  static void U32(std::vector<uint8_t>& b, uint32_t v) { for (int i = 0; i < 4; ++i) b.push_back(uint8_t(v >> (8 * i))); }
};

std::vector<uint8_t> SampleBlock() {
  std::vector<uint8_t> fixed;
  Block::U32(fixed, 0xFEEF04BD);
  Block::U32(fixed, 0x00010000);
  Block::U32(fixed, (2u << 16) | 6u);  // file version 2.6
  Block::U32(fixed, (0u << 16) | 0u);  //              .0.0
  for (int i = 0; i < 9; ++i) Block::U32(fixed, 0);
  const std::u16string company = u"Pellhorn Software";
  auto companyNode = Block::Node(u"CompanyName", 1, Block::Text(company), uint16_t(company.size() + 1), {});
  auto product = Block::Node(u"ProductName", 1, Block::Text(u"Tarnix - Screen Saver"), 22, {});
  auto table = Block::Node(u"040704b0", 1, {}, 0, {product, companyNode});
  auto strings = Block::Node(u"StringFileInfo", 1, {}, 0, {table});
  return Block::Node(u"VS_VERSION_INFO", 0, fixed, uint16_t(fixed.size()), {strings});
}

TEST(VersionBlock, ReadsNumbersAndCompany) {
  const std::vector<uint8_t> block = SampleBlock();
  const auto info = ParseVersionBlock(block.data(), block.size());
  ASSERT_TRUE(info);
  EXPECT_EQ(info->major, 2);
  EXPECT_EQ(info->minor, 6);
  EXPECT_EQ(info->revision, 0);
  EXPECT_EQ(info->companyName, L"Pellhorn Software");
}

TEST(VersionBlock, DamagedBlocksAreRejectedNotOverread) {
  std::vector<uint8_t> block = SampleBlock();
  for (size_t cut = 0; cut < block.size(); ++cut)  // the lengths now point past the end
    EXPECT_FALSE(ParseVersionBlock(block.data(), cut)) << "cut at " << cut;
  block[6 + 0] = 'X';  // key no longer VS_VERSION_INFO
  EXPECT_FALSE(ParseVersionBlock(block.data(), block.size()));
  EXPECT_FALSE(ParseVersionBlock(nullptr, 0));
}

}  // namespace
}  // namespace tarnix
