#pragma once
// Little-endian fixed-size records, read and written field by field at explicit offsets, and
// files made of such records. Every field access is checked to lie inside its record: a wrong
// offset is a programming error that must stop the write, not scribble past the record.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/cp1251.h"

namespace kavrin {

// Throws when `n` bytes at `offset` do not fit into a record of `size` bytes.
inline void CheckRecordField(size_t offset, size_t n, size_t size) {
  if (offset > size || n > size - offset) throw std::out_of_range("record field outside its record");
}

class RecordWriter {
 public:
  // Writes into `size` bytes at `data`, which it zeroes first so unused bytes are 0.
  RecordWriter(uint8_t* data, size_t size) : data_(data), size_(size) { std::memset(data_, 0, size_); }

  void U8(size_t offset, uint8_t v) {
    CheckRecordField(offset, 1, size_);
    data_[offset] = v;
  }
  void I32(size_t offset, int32_t v) { Le(offset, static_cast<uint32_t>(v), 4); }
  void U32(size_t offset, uint32_t v) { Le(offset, v, 4); }
  void I64(size_t offset, int64_t v) { Le(offset, static_cast<uint64_t>(v), 8); }
  void F64(size_t offset, double v) {
    uint64_t bits;
    std::memcpy(&bits, &v, 8);
    Le(offset, bits, 8);
  }
  void Bytes(size_t offset, const void* src, size_t n) {
    CheckRecordField(offset, n, size_);
    std::memcpy(data_ + offset, src, n);
  }
  // A length byte followed by `capacity` bytes of Windows-1251 text, truncated to fit.
  void ShortString(size_t offset, size_t capacity, std::string_view utf8) {
    std::string bytes = Utf8ToCp1251(utf8);
    if (bytes.size() > capacity) bytes.resize(capacity);
    CheckRecordField(offset, 1 + capacity, size_);
    data_[offset] = static_cast<uint8_t>(bytes.size());
    std::memcpy(data_ + offset + 1, bytes.data(), bytes.size());
  }

 private:
  void Le(size_t offset, uint64_t v, int n) {
    CheckRecordField(offset, n, size_);
    for (int i = 0; i < n; ++i) data_[offset + i] = static_cast<uint8_t>(v >> (8 * i));
  }
  uint8_t* data_;
  size_t size_;
};

class RecordReader {
 public:
  RecordReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  uint8_t U8(size_t offset) const {
    CheckRecordField(offset, 1, size_);
    return data_[offset];
  }
  int32_t I32(size_t offset) const { return static_cast<int32_t>(Le(offset, 4)); }
  uint32_t U32(size_t offset) const { return static_cast<uint32_t>(Le(offset, 4)); }
  int64_t I64(size_t offset) const { return static_cast<int64_t>(Le(offset, 8)); }
  double F64(size_t offset) const {
    uint64_t bits = Le(offset, 8);
    double v;
    std::memcpy(&v, &bits, 8);
    return v;
  }
  void Bytes(size_t offset, void* dst, size_t n) const {
    CheckRecordField(offset, n, size_);
    std::memcpy(dst, data_ + offset, n);
  }
  // A stored length above the capacity is clamped to it.
  std::string ShortString(size_t offset, size_t capacity) const {
    CheckRecordField(offset, 1 + capacity, size_);
    size_t length = std::min<size_t>(data_[offset], capacity);
    return Cp1251ToUtf8(std::string_view(reinterpret_cast<const char*>(data_ + offset + 1), length));
  }

 private:
  uint64_t Le(size_t offset, int n) const {
    CheckRecordField(offset, n, size_);
    uint64_t v = 0;
    for (int i = 0; i < n; ++i) v |= static_cast<uint64_t>(data_[offset + i]) << (8 * i);
    return v;
  }
  const uint8_t* data_;
  size_t size_;
};

// The bytes of a file of `Size`-byte records, one per row, each written by `encode(row, out)`.
template <size_t Size, typename Row, typename Encode>
std::string EncodeRecords(const std::vector<Row>& rows, Encode encode) {
  std::string bytes(rows.size() * Size, '\0');
  for (size_t i = 0; i < rows.size(); ++i) encode(rows[i], reinterpret_cast<uint8_t*>(bytes.data()) + i * Size);
  return bytes;
}

// Calls `take` with every whole `Size`-byte record of `bytes`, in order; returns how many bytes
// follow the last whole record (a record cut short, which the caller reports or ignores).
template <size_t Size, typename Take>
size_t ForEachRecord(std::string_view bytes, Take take) {
  const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
  const size_t whole = bytes.size() / Size;
  for (size_t i = 0; i < whole; ++i) take(data + i * Size);
  return bytes.size() - whole * Size;
}

}  // namespace kavrin
