// The two walks over a record's field table. Each fixed-size record lists its fields once, as
// calls on a field visitor (offset, width, member); FieldReader takes the fields from stored bytes,
// FieldWriter puts them there, so Parse and Serialize cannot disagree about where a field lies.
// Callers hand in a buffer of the record's size; every offset in a table lies inside it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "package/byte_order.h"

namespace saverkit {

class FieldReader {
 public:
  explicit FieldReader(const uint8_t* bytes) : bytes_(bytes) {}
  void I32(size_t offset, int32_t& value) const { value = ReadI32(bytes_ + offset); }
  void U8(size_t offset, uint8_t& value) const { value = bytes_[offset]; }
  void Bytes(size_t offset, size_t size, uint8_t* value) const { std::memcpy(value, bytes_ + offset, size); }
  void Text(size_t offset, size_t size, std::string& value) const { value = ReadFixedText(bytes_ + offset, size); }
  // Read like any text field; the difference is the writer's.
  void TerminatedText(size_t offset, size_t size, std::string& value) const { Text(offset, size, value); }
  // A record inside this one, such as the information record inside the package trailer.
  template <typename Inner>
  void Nested(size_t offset, Inner& value) const {
    value = Inner::Parse(bytes_ + offset);
  }

 private:
  const uint8_t* bytes_;
};

class FieldWriter {
 public:
  explicit FieldWriter(uint8_t* bytes) : bytes_(bytes) {}
  void I32(size_t offset, int32_t value) const { WriteI32(bytes_ + offset, value); }
  void U8(size_t offset, uint8_t value) const { bytes_[offset] = value; }
  void Bytes(size_t offset, size_t size, const uint8_t* value) const { std::memcpy(bytes_ + offset, value, size); }
  void Text(size_t offset, size_t size, const std::string& value) const {
    WriteFixedText(bytes_ + offset, size, value);
  }
  // A field whose last byte always stays NUL: at most size - 1 bytes of text are stored.
  void TerminatedText(size_t offset, size_t size, const std::string& value) const {
    WriteFixedText(bytes_ + offset, size, value.substr(0, size - 1));
  }
  template <typename Inner>
  void Nested(size_t offset, const Inner& value) const {
    value.Serialize(bytes_ + offset);
  }

 private:
  uint8_t* bytes_;
};

// Parse and Serialize for a record type whose field table is `Record::VisitFields`. Bytes the
// table does not name are written as zero, as the format asks of a writer.
template <typename Record>
Record ParseFields(const uint8_t* bytes) {
  Record record;
  Record::VisitFields(record, FieldReader(bytes));
  return record;
}

template <typename Record>
void SerializeFields(const Record& record, uint8_t* bytes) {
  std::memset(bytes, 0, Record::kSize);
  Record::VisitFields(record, FieldWriter(bytes));
}

}  // namespace saverkit
