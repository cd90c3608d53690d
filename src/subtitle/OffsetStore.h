#pragma once

#include <QString>
#include <array>
#include <cstdint>

namespace kw {

// The user's subtitle offset for one MP3, kept in the settings folder under a name derived from
// the MD5 digest of the MP3's content, so a copy elsewhere or under another name keeps it.

using FileDigest = std::array<unsigned char, 16>;

inline constexpr std::int32_t kMaxOffsetMs = 2000;

// MD5 of the whole file. False when it cannot be read; `digest` is then left as it was (callers
// start from zeros, so all unreadable files share one record).
bool digestFile(const QString& path, FileDigest& digest);

// The record's file name: the ELF hash of the digest's Base64 text, in decimal.
QString offsetFileName(const FileDigest& digest);

// The stored offset, clamped to -kMaxOffsetMs..kMaxOffsetMs; 0 when there is no record. A
// record shorter than 4 bytes fills the low bytes of the value.
std::int32_t readOffset(const FileDigest& digest);

// Stores the offset as 4 bytes little-endian, creating the folders; failures are silent.
void writeOffset(const FileDigest& digest, std::int32_t offsetMs);

} // namespace kw
