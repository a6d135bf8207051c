// Reads the program's version resource (VS_VERSIONINFO) without version.dll.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/Platform.h"

namespace tarnix {
// Major and minor from the file version's high word pair, revision from its
// last field, CompanyName from the first string table. nullopt if malformed.
std::optional<VersionInfo> ParseVersionBlock(const uint8_t* data, size_t size);
}  // namespace tarnix
