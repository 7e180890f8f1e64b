#include "link/ImageCompare.h"

#include <gtest/gtest.h>

namespace mk21 {
namespace {

TEST(ImageCompare, OnlyTheEncodedBlocksCountEachOnce)
{
    const struct {
        const char* name;
        QList<int> changed; // addresses of changed bytes
        QList<int> blocks;
    } cases[] = {
        {"same", {}, {}},
        {"first channel", {5}, {0}},
        {"two bytes of one block", {17, 30}, {16}},
        {"blocks in address order", {2700, 40, 2100}, {32, 2096, 2688}},
        {"last encoded byte", {2751}, {2736}},
        {"unused fill after the maps", {2080, 2095}, {}},
        {"the maps beside it", {2079, 2096}, {2064, 2096}},
        {"past the encoded bytes", {2752}, {}},
        {"identity and information", {2816, 2823, 2828, 2831}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ModVerify::Image sent{};
        sent.fill(0x11);
        ModVerify::Image held = sent;
        for (int address : c.changed)
            held[static_cast<std::size_t>(address)] = 0x22;
        EXPECT_EQ(ModVerify::DifferingBlocks(sent, held), c.blocks);
    }
}

TEST(ImageCompare, AddressListStopsAfterTheShownOnes)
{
    EXPECT_EQ(ModVerify::AddressList({}), QString());
    EXPECT_EQ(ModVerify::AddressList({0, 256}), QStringLiteral("0, 256"));
    EXPECT_EQ(ModVerify::AddressList({0, 16, 32, 48}, 3), QStringLiteral("0, 16, 32, ") + QChar(0x2026));
}

} // namespace
} // namespace mk21
