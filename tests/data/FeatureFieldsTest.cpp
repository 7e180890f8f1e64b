#include "data/FeatureImage.h"
#include "tests/data/ImageTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <tuple>

using mk21::Byte;
using mk21::test::Ended;
namespace FeatureImage = mk21::FeatureImage;
namespace L = mk21::ImageLayout;

namespace {

using ImageArray = std::array<Byte, L::ImageSize>;

// One row of FeatureImage::Fields as the test sees it: how to give the row its test value, the
// image bytes that value must give (offset, bits, value), and the record fields the row holds.
struct Row {
    std::size_t offset;
    std::function<void()> set;
    std::vector<std::tuple<std::size_t, Byte, Byte>> bytes;
    std::vector<std::pair<const void*, std::size_t>> fields;
};

// Collects the rows of the field list, walked over one record that the rows' setters then change.
struct Recorder {
    std::vector<Row> rows;
    int bitRows = 0;

    template <class V> void operator()(const mk21::ImageFields::BitField& at, V& field)
    {
        // Top and bottom bit set so the whole width is in play; the middle bits tell the rows apart.
        const int bits = std::min(at.width, at.bitsRead());
        const int value = (1 | 1 << (bits - 1) | bitRows++ << 1) & ((1 << bits) - 1);
        const auto mask = static_cast<Byte>(((1 << at.width) - 1) << at.low);
        rows.push_back({at.offset,
                        [&field, value] { field = static_cast<V>(value); },
                        {{at.offset, mask, static_cast<Byte>(value << at.low)}},
                        {{&field, sizeof field}}});
    }
    void operator()(const mk21::DtmfImage::CodeSlot& at, mk21::DtmfCode& code)
    {
        // Two digits "10".."29", one per slot.
        const auto n = static_cast<int>(10 + (at.offset - L::SpecialCodes) / L::DtmfSlotSize);
        rows.push_back({at.offset,
                        [&code, n] {
                            code = {2, Ended(QString::number(n), 16)};
                        },
                        {{at.offset, 0xFF, n / 10 << 4 | n % 10}, {at.offset + L::DtmfSlotLength, 0xFF, 2}},
                        {{&code, sizeof code}}});
    }
    void operator()(const mk21::DtmfImage::Identity& at, mk21::FixedText<10>& id, mk21::Integer& length)
    {
        const auto set = [&id, &length] {
            id = Ended("12345", 10);
            length = 5;
        };
        rows.push_back({at.digits,
                        set,
                        {{at.digits, 0xFF, 0x12},
                         {at.digits + 1, 0xFF, 0x34},
                         {at.digits + 2, 0xFF, 0x50},
                         {at.length, 0xFF, 5}},
                        {{&id, sizeof id}, {&length, sizeof length}}});
    }
    void operator()(const FeatureImage::MessageLine& at, mk21::FixedText<16>& line)
    {
        const QByteArray text = QByteArray("Line at ") + QByteArray::number(at.offset);
        Row row{at.offset,
                [&line, text] { line = Ended(QString::fromLatin1(text), 16); },
                {},
                {{&line, sizeof line}}};
        for (qsizetype i = 0; i < qsizetype(L::MessageLineSize); ++i)
            row.bytes.emplace_back(at.offset + std::size_t(i), 0xFF, i < text.size() ? text[i] : 0);
        rows.push_back(row);
    }
};

ImageArray Encoded(const mk21::FeatureSettings& features, Byte alarmMode)
{
    ImageArray image;
    image.fill(0xFF);
    FeatureImage::Encode(features, alarmMode, image);
    return image;
}

struct FeatureFields : testing::Test {
    mk21::FeatureSettings record;
    Byte alarmMode = 0;
    std::vector<Row> rows;

    void SetUp() override
    {
        Recorder recorder;
        FeatureImage::Fields(recorder, record, alarmMode);
        rows = std::move(recorder.rows);
    }
};

// Each row on its own: its value lands in its bytes and nowhere else, and reads back whole with
// every other field as it was.
TEST_F(FeatureFields, EachRowWritesOnlyItsBytesAndReadsBack)
{
    const ImageArray baseImage = Encoded(mk21::FeatureSettings{}, 0);
    mk21::FeatureSettings base;
    Byte baseAlarm = 0xEE;
    FeatureImage::Decode(baseImage, base, baseAlarm);

    for (const Row& row : rows) {
        record = base;
        alarmMode = baseAlarm;
        row.set();
        ImageArray expected = baseImage;
        for (const auto& [at, bits, value] : row.bytes)
            expected[at] = static_cast<Byte>((expected[at] & ~bits) | value);
        ASSERT_TRUE(expected != baseImage)
            << "the test value of the row at " << row.offset << " is the base value";

        const ImageArray image = Encoded(record, alarmMode);
        for (std::size_t i = 0; i < image.size(); ++i)
            EXPECT_EQ(image[i], expected[i]) << "image byte " << i << ", row at " << row.offset;

        mk21::FeatureSettings back;
        Byte backAlarm = 0xEE;
        FeatureImage::Decode(image, back, backAlarm);
        EXPECT_TRUE(back == record && backAlarm == alarmMode) << "row at " << row.offset;
    }
}

// No two rows share an image bit, and every byte of the record (and the alarm mode) belongs to
// exactly one row: no field is left out or listed twice. (Padding in the record would show up
// here as a byte no row holds.)
TEST_F(FeatureFields, RowsShareNoImageBitsAndHoldEveryFieldOnce)
{
    std::map<std::size_t, Byte> used;
    std::vector<int> held(sizeof record + 1); // the alarm mode counts as the last byte
    const auto* begin = reinterpret_cast<const char*>(&record);
    for (const Row& row : rows) {
        for (const auto& [at, bits, value] : row.bytes) {
            EXPECT_EQ(used[at] & bits, 0) << "image byte " << at << ", row at " << row.offset;
            used[at] = static_cast<Byte>(used[at] | bits);
        }
        for (const auto& [field, size] : row.fields) {
            const auto* p = static_cast<const char*>(field);
            const std::size_t first = field == &alarmMode ? sizeof record : std::size_t(p - begin);
            ASSERT_LE(first + size, held.size()) << "row at " << row.offset;
            for (std::size_t i = 0; i < size; ++i)
                ++held[first + i];
        }
    }
    for (std::size_t i = 0; i < held.size(); ++i)
        EXPECT_EQ(held[i], 1) << "record byte " << i;
}

} // namespace
