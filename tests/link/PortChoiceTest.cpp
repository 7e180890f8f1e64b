#include "link/PortChoice.h"

#include <gtest/gtest.h>

namespace mk21 {
namespace {

using namespace ModPorts;

struct DescriptionCase {
    const char* name;
    const char* description;
    std::optional<quint16> vendor;
    std::optional<quint16> product;
    const char* expected;
};

class PortDescription : public testing::TestWithParam<DescriptionCase> {};

TEST_P(PortDescription, NameThenIdsEachLeftOutWhenUnknown)
{
    const DescriptionCase& c = GetParam();
    const DeviceFacts facts{.device = QStringLiteral("/dev/ttyUSB0"),
                            .description = QString::fromUtf8(c.description),
                            .vendorId = c.vendor,
                            .productId = c.product};
    EXPECT_EQ(DeviceDescription(facts), QString::fromUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Facts, PortDescription,
    testing::Values(DescriptionCase{"both", "FT232R USB UART", 0x0403, 0x6001, "FT232R USB UART (0403:6001)"},
                    DescriptionCase{"no_ids", "FT232R USB UART", std::nullopt, std::nullopt,
                                    "FT232R USB UART"},
                    DescriptionCase{"no_name", "", 0x1a86, 0x7523, "1a86:7523"},
                    DescriptionCase{"nothing", "", std::nullopt, std::nullopt, ""},
                    DescriptionCase{"blank_name", "  ", 0x067b, 0x2303, "067b:2303"},
                    DescriptionCase{"name_trimmed", " CP2102 ", 0x10c4, 0xea60, "CP2102 (10c4:ea60)"},
                    DescriptionCase{"vendor_only", "USB2.0-Ser!", 0x1a86, std::nullopt, "USB2.0-Ser!"},
                    DescriptionCase{"product_only", "", std::nullopt, 0x6001, ""}),
    [](const testing::TestParamInfo<DescriptionCase>& info) { return std::string(info.param.name); });

struct CaptionCase {
    const char* name;
    const char* description;
    bool simulated;
    const char* expected;
};

class PortCaption : public testing::TestWithParam<CaptionCase> {};

TEST_P(PortCaption, NumberDeviceDescriptionAndMark)
{
    const CaptionCase& c = GetParam();
    const PortOption option{.port = 3,
                            .device = QStringLiteral("/dev/ttyUSB0"),
                            .present = true,
                            .simulated = c.simulated,
                            .description = QString::fromUtf8(c.description)};
    EXPECT_EQ(OptionCaption(option, QStringLiteral("COM"), QStringLiteral("(sim)")),
              QString::fromUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Options, PortCaption,
                         testing::Values(CaptionCase{"described", "FT232R USB UART (0403:6001)", false,
                                                     "COM3 — /dev/ttyUSB0 — FT232R USB UART (0403:6001)"},
                                         CaptionCase{"undescribed", "", false, "COM3 — /dev/ttyUSB0"},
                                         CaptionCase{"simulated", "", true, "COM3 — /dev/ttyUSB0 (sim)"}),
                         [](const testing::TestParamInfo<CaptionCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(PortOptionsFromFacts, EachPortTakesTheDescriptionOfItsOwnDevice)
{
    // Listed out of order: port numbers follow the sorted devices, descriptions follow the device.
    const QList<DeviceFacts> system{
        {.device = QStringLiteral("/dev/ttyUSB1"),
         .description = QStringLiteral("CP2102"),
         .vendorId = 0x10c4,
         .productId = 0xea60},
        {.device = QStringLiteral("/dev/ttyS0"), .description = {}, .vendorId = {}, .productId = {}},
        {.device = QStringLiteral("/dev/ttyUSB0"),
         .description = QStringLiteral("FT232R USB UART"),
         .vendorId = 0x0403,
         .productId = 0x6001},
    };
    const QMap<int, QString> overrides{{4, QStringLiteral("/dev/pts/7")}};
    const QMap<int, QString> ini{{5, QStringLiteral("/dev/ttyUSB1")}};
    const QList<PortOption> options = PortOptions(overrides, ini, system, 4);
    ASSERT_EQ(options.size(), 16);
    const QStringList expectedDevices{QStringLiteral("/dev/ttyS0"), QStringLiteral("/dev/ttyUSB0"),
                                      QStringLiteral("/dev/ttyUSB1"), QStringLiteral("/dev/pts/7"),
                                      QStringLiteral("/dev/ttyUSB1")};
    const QStringList expectedDescriptions{{},
                                           QStringLiteral("FT232R USB UART (0403:6001)"),
                                           QStringLiteral("CP2102 (10c4:ea60)"),
                                           {},
                                           QStringLiteral("CP2102 (10c4:ea60)")};
    for (int k = 0; k < expectedDevices.size(); ++k) {
        SCOPED_TRACE(k + 1);
        EXPECT_EQ(options[k].port, k + 1);
        EXPECT_EQ(options[k].device, expectedDevices[k]);
        EXPECT_EQ(options[k].description, expectedDescriptions[k]);
        EXPECT_EQ(options[k].simulated, k + 1 == 4);
    }
    // Past the listed devices: the default names, not present, nothing to describe.
    EXPECT_EQ(options[5].device, QStringLiteral("/dev/ttyUSB5"));
    EXPECT_FALSE(options[5].present);
    EXPECT_TRUE(options[5].description.isEmpty());
    EXPECT_TRUE(options[0].present && options[1].present && options[2].present && options[4].present);
}

} // namespace
} // namespace mk21
