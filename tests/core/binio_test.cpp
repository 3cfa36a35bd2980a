#include <gtest/gtest.h>

#include <stdexcept>

#include "core/binio.h"

namespace kavrin {
namespace {

TEST(RecordFields, AFieldReachingPastItsRecordIsRefused) {
  uint8_t record[8];
  RecordWriter w(record, sizeof record);
  w.I32(4, -2);
  EXPECT_THROW(w.I32(5, 1), std::out_of_range);
  EXPECT_THROW(w.U8(8, 1), std::out_of_range);
  EXPECT_THROW(w.ShortString(2, 6, "abc"), std::out_of_range);
  EXPECT_THROW(w.Bytes(SIZE_MAX, record, 2), std::out_of_range);  // an offset that would wrap around

  const RecordReader r(record, sizeof record);
  EXPECT_EQ(r.I32(4), -2);
  EXPECT_THROW(r.I64(1), std::out_of_range);
  EXPECT_THROW(r.U8(8), std::out_of_range);
}

TEST(RecordFiles, WholeRecordsRoundTripAndACutRecordIsCounted) {
  const std::vector<int32_t> rows = {7, -1, 1 << 30};
  const std::string bytes = EncodeRecords<4>(rows, [](int32_t v, uint8_t* out) { RecordWriter(out, 4).I32(0, v); });
  ASSERT_EQ(bytes.size(), 12u);

  struct Case {
    std::string bytes;
    size_t tail;
  };
  for (const Case& c : {Case{bytes, 0}, Case{bytes + "xy", 2}}) {
    std::vector<int32_t> read;
    EXPECT_EQ(ForEachRecord<4>(c.bytes, [&](const uint8_t* record) { read.push_back(RecordReader(record, 4).I32(0)); }),
              c.tail);
    EXPECT_EQ(read, rows);
  }
}

}  // namespace
}  // namespace kavrin
