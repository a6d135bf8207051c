#include "platform/VersionBlock.h"

#include <cstring>

namespace tarnix {

namespace {

struct Reader {
  const uint8_t* data;
  size_t size;
  uint16_t U16(size_t at) const { return at + 2 <= size ? uint16_t(data[at] | data[at + 1] << 8) : 0; }
  uint32_t U32(size_t at) const { return uint32_t(U16(at)) | uint32_t(U16(at + 2)) << 16; }
  // A UTF-16 text at 'at', ending at a zero or at 'end'; 'next' gets the position after it.
  std::wstring Text(size_t at, size_t end, size_t* next) const {
    std::wstring s;
    while (at + 2 <= end && U16(at) != 0) { s += wchar_t(U16(at)); at += 2; }
    if (next) *next = at + 2;
    return s;
  }
};

size_t Align4(size_t n) { return (n + 3) & ~size_t(3); }

// One node: wLength, wValueLength, wType, szKey, padding, value, children.
struct Node {
  size_t start, end, valueAt, childrenAt;
  uint16_t valueLength, type;
  std::wstring key;
};

std::optional<Node> ReadNode(const Reader& r, size_t at, size_t limit) {
  if (at + 6 > limit) return std::nullopt;
  Node n;
  n.start = at;
  const uint16_t length = r.U16(at);
  if (length < 6 || at + length > limit) return std::nullopt;
  n.end = at + length;
  n.valueLength = r.U16(at + 2);
  n.type = r.U16(at + 4);
  size_t after = 0;
  n.key = r.Text(at + 6, n.end, &after);
  n.valueAt = Align4(after);
  const size_t valueBytes = n.type == 1 ? size_t(n.valueLength) * 2 : n.valueLength;
  n.childrenAt = Align4(n.valueAt + valueBytes);
  if (n.valueAt > n.end) return std::nullopt;
  return n;
}

}  // namespace

std::optional<VersionInfo> ParseVersionBlock(const uint8_t* data, size_t size) {
  const Reader r{data, size};
  const std::optional<Node> root = ReadNode(r, 0, size);
  if (!root || root->key != L"VS_VERSION_INFO" || root->valueLength < 52) return std::nullopt;
  if (r.U32(root->valueAt) != 0xFEEF04BDu) return std::nullopt;
  VersionInfo info;
  const uint32_t ms = r.U32(root->valueAt + 8), ls = r.U32(root->valueAt + 12);
  info.major = int(ms >> 16);
  info.minor = int(ms & 0xFFFF);
  info.revision = int(ls & 0xFFFF);

  for (size_t at = root->childrenAt; at < root->end;) {
    const std::optional<Node> child = ReadNode(r, at, root->end);
    if (!child) break;
    if (child->key == L"StringFileInfo") {
      const std::optional<Node> table = ReadNode(r, child->childrenAt, child->end);
      if (table) {
        for (size_t s = table->childrenAt; s < table->end;) {
          const std::optional<Node> entry = ReadNode(r, s, table->end);
          if (!entry) break;
          if (entry->key == L"CompanyName") info.companyName = r.Text(entry->valueAt, entry->end, nullptr);
          s = Align4(entry->end);
        }
      }
    }
    at = Align4(child->end);
  }
  return info;
}

}  // namespace tarnix
