#pragma once

#include "data/ImageBytes.h"
#include "data/ImageLayout.h"
#include "data/RadioConfiguration.h"

#include <bitset>
#include <span>

// The settings blocks of the radio image are each written down once, as a list of rows: where a
// field lies and which field it is. Walking the list with a Writer encodes the block, walking it
// with a Reader decodes it, so the two directions cannot drift apart.
namespace mk21::ImageFields {

using Image = std::span<Byte, ImageLayout::ImageSize>;
using ConstImage = std::span<const Byte, ImageLayout::ImageSize>;

// `width` bits from bit `low` of the image byte at `offset`; the defaults are the whole byte.
// A field the radio holds in fewer bits than are written names that count as readWidth.
struct BitField {
    std::size_t offset;
    int low = 0;
    int width = 8;
    int readWidth = 0; // 0: as written

    int bitsRead() const { return readWidth > 0 ? readWidth : width; }
};

// Rows other than bit fields carry their own conversion: row.Put(image, fields...) and
// row.Take(image, fields...).
class Writer final {
public:
    explicit Writer(Image image) : image_(image) {}

    // A byte's first field writes the whole byte, so bits no row holds go out as 0.
    template <class V> void operator()(const BitField& at, const V& value)
    {
        Byte& byte = image_[at.offset];
        if (!written_.test(at.offset)) {
            byte = 0;
            written_.set(at.offset);
        }
        byte = static_cast<Byte>(byte | ImageBytes::Place(value, at.low, at.width));
    }

    template <class Row, class... V> void operator()(const Row& row, const V&... fields)
    {
        row.Put(image_, fields...);
    }

private:
    Image image_;
    std::bitset<ImageLayout::ImageSize> written_;
};

class Reader final {
public:
    explicit Reader(ConstImage image) : image_(image) {}

    template <class V> void operator()(const BitField& at, V& value)
    {
        value = static_cast<V>(ImageBytes::Bits(image_[at.offset], at.low, at.bitsRead()));
    }

    template <class Row, class... V> void operator()(const Row& row, V&... fields)
    {
        row.Take(image_, fields...);
    }

private:
    ConstImage image_;
};

} // namespace mk21::ImageFields
