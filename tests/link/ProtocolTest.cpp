// Frames built here by hand, byte for byte, so that a framing fault cannot hide behind itself.
#include "link/Protocol.h"
#include "app/AppState.h"
#include "tests/support/RecordingPrompter.h"

#include <gtest/gtest.h>

#include <numeric>

namespace mk21 {
namespace {

using ModComm::Reply;

QByteArray hex(const char* text)
{
    return QByteArray::fromHex(text);
}

QByteArray data16(int first)
{
    QByteArray d;
    for (int i = 0; i < 16; ++i)
        d.append(static_cast<char>(first + i));
    return d;
}

// 'W', address, length, data, checksum (+ adjust), 06.
QByteArray blockFrame(int address, const QByteArray& data, int checksumAdjust = 0)
{
    QByteArray f;
    f.append('W');
    f.append(static_cast<char>(address >> 8));
    f.append(static_cast<char>(address & 0xFF));
    f.append(static_cast<char>(data.size()));
    f.append(data);
    int sum = 0;
    for (qsizetype i = 1; i < f.size(); ++i)
        sum += static_cast<unsigned char>(f.at(i));
    f.append(static_cast<char>((sum + checksumAdjust) & 0xFF));
    f.append('\x06');
    return f;
}

QByteArray identityFrame(const QByteArray& model7, int band, const QByteArray& firmware4, int capability)
{
    QByteArray f("P");
    f.append(model7);
    f.append(static_cast<char>(band));
    f.append(firmware4);
    f.append(static_cast<char>(capability));
    f.append('\x00');
    f.append('\x06');
    return f;
}

TEST(ProtocolRequests, AreTheDocumentedBytes)
{
    EXPECT_EQ(ModComm::ProgramRequest(), hex("50524F4752414D"));
    EXPECT_EQ(ModComm::IdentifyRequest(), hex("02"));
    EXPECT_EQ(ModComm::ReadRequest(0x0120, 16), hex("52012010"));
    EXPECT_EQ(ModComm::ReadRequest(2864, 16), hex("520B3010"));
    EXPECT_EQ(ModComm::EndRequest(), hex("454E44"));
}

TEST(ProtocolRequests, WriteBlockOfFFHasChecksumZero)
{
    const std::array<Byte, 16> ff = [] {
        std::array<Byte, 16> a{};
        a.fill(0xFF);
        return a;
    }();
    EXPECT_EQ(ModComm::WriteBlock(0, ff.data()), hex("57000010") + QByteArray(16, '\xFF') + hex("0006"));
}

TEST(ProtocolRequests, WriteBlockChecksumCoversAddressLengthAndData)
{
    std::array<Byte, 16> d{};
    std::iota(d.begin(), d.end(), Byte{0xF0}); // F0..FF
    const QByteArray frame = ModComm::WriteBlock(0x0B00, d.data());
    ASSERT_EQ(frame.size(), 22);
    // 0B + 00 + 10 + (F0 + ... + FF = 0xF78) = 0xF93 -> 93
    EXPECT_EQ(static_cast<Byte>(frame.at(20)), 0x93);
    EXPECT_EQ(frame.mid(4, 16), QByteArray(reinterpret_cast<const char*>(d.data()), 16));
    EXPECT_EQ(frame.back(), '\x06');
}

TEST(ProtocolEcho, SkipIsTheRequestLengthOnlyWhenEchoIsExpected)
{
    EXPECT_EQ(ModComm::EchoSkipFor(false, 7), 7);
    EXPECT_EQ(ModComm::EchoSkipFor(false, 22), 22);
    EXPECT_EQ(ModComm::EchoSkipFor(true, 7), 0);
    EXPECT_EQ(ModComm::EchoSkipFor(true, 4), 0);
}

struct MatchCase {
    const char* name;
    QByteArray reply;
    ModComm::ReplyContext context;
    Reply expected;
};

void PrintTo(const MatchCase& c, std::ostream* os)
{
    *os << c.name;
}

class ProtocolMatch : public testing::TestWithParam<MatchCase> {};

TEST_P(ProtocolMatch, RecognisesExactlyTheRightReply)
{
    EXPECT_EQ(ModComm::MatchReply(GetParam().reply, GetParam().context), GetParam().expected);
}

const QByteArray readEcho = hex("52012010");
const QByteArray passwordEcho = hex("520B3010");
const QByteArray goodIdentity = identityFrame(QByteArray("ZR750G\0", 7), 3, "V200", 0);

INSTANTIATE_TEST_SUITE_P(
    Replies, ProtocolMatch,
    testing::Values(
        MatchCase{"AckAfterEndEcho", QByteArray("END\x06"), {3, 0, 16, false}, Reply::Ack},
        MatchCase{"AckNoEcho", hex("06"), {0, 0, 16, false}, Reply::Ack},
        MatchCase{"ResendAfterWriteEcho", QByteArray(22, 'x') + hex("0A"), {22, 0, 16, false}, Reply::Resend},
        MatchCase{"AckWithExtraByteIsNothing", hex("0606"), {0, 0, 16, false}, Reply::None},
        MatchCase{"OtherSingleByte", hex("15"), {0, 0, 16, false}, Reply::None},
        MatchCase{
            "EchoBytesNeverCompared", QByteArray("XXXXXXXZR\x06"), {7, 0, 16, false}, Reply::ProgramAccepted},
        MatchCase{"ProgramAcceptedNoEcho", QByteArray("ZR\x06"), {0, 0, 16, false}, Reply::ProgramAccepted},
        MatchCase{"ProgramWrongLastByte", QByteArray("ZR\x05"), {0, 0, 16, false}, Reply::None},
        MatchCase{"ProgramShiftedByEcho", QByteArray("PROGRAMZR\x06"), {0, 0, 16, false}, Reply::None},
        MatchCase{"Identity", QByteArray(1, '\x02') + goodIdentity, {1, 0, 16, false}, Reply::Identity},
        MatchCase{"IdentityWithoutP",
                  QByteArray(1, '\x02') + "Q" + goodIdentity.mid(1),
                  {1, 0, 16, false},
                  Reply::None},
        MatchCase{"IdentityWithoutFinal06",
                  QByteArray(1, '\x02') + goodIdentity.left(15) + "\x07",
                  {1, 0, 16, false},
                  Reply::None},
        MatchCase{"DataBlockWithEcho",
                  readEcho + blockFrame(0x0120, data16(1)),
                  {4, 0x0120, 16, false},
                  Reply::DataBlock},
        MatchCase{"DataBlockNoEcho", blockFrame(0x0120, data16(1)), {0, 0x0120, 16, false}, Reply::DataBlock},
        MatchCase{"DataBlockOtherAddress",
                  readEcho + blockFrame(0x0130, data16(1)),
                  {4, 0x0120, 16, false},
                  Reply::None},
        MatchCase{"DataBlockBadChecksum",
                  readEcho + blockFrame(0x0120, data16(1), 1),
                  {4, 0x0120, 16, false},
                  Reply::None},
        MatchCase{"DataBlockBadLastByte",
                  readEcho + blockFrame(0x0120, data16(1)).left(21) + "\x07",
                  {4, 0x0120, 16, false},
                  Reply::None},
        MatchCase{"DataBlockShortLength",
                  readEcho + blockFrame(0x0120, data16(1).left(8)) + QByteArray(8, 0),
                  {4, 0x0120, 16, false},
                  Reply::None},
        MatchCase{"PasswordBlockInPasswordState",
                  passwordEcho + blockFrame(2864, data16(0x30)),
                  {4, -16, 16, true},
                  Reply::PasswordBlock},
        MatchCase{"PasswordBlockOutsidePasswordState",
                  passwordEcho + blockFrame(2864, data16(0x30)),
                  {4, -16, 16, false},
                  Reply::None},
        MatchCase{"PasswordBlockBadChecksum",
                  passwordEcho + blockFrame(2864, data16(0x30), -1),
                  {4, -16, 16, true},
                  Reply::None},
        MatchCase{"InformationBlockAt2864IsData",
                  blockFrame(2864, data16(0x30)),
                  {0, 2864, 16, false},
                  Reply::DataBlock}),
    [](const testing::TestParamInfo<MatchCase>& info) { return std::string(info.param.name); });

TEST(ProtocolIdentity, FiveCharacterModelStopsAtItsZeroBytes)
{
    const QByteArray reply =
        hex("02") + identityFrame(QByteArray("ZR750\0\0", 7), 8, QByteArray("V1\0\0", 4), 0x0C);
    const ModComm::RadioIdentity id = ModComm::ParseIdentity(reply, 1);
    EXPECT_EQ(id.model, QStringLiteral("ZR750"));
    EXPECT_EQ(id.band, 8);
    EXPECT_EQ(id.firmware, QStringLiteral("V1"));
    EXPECT_EQ(id.capability, 0x0C);
}

TEST(ProtocolIdentity, StoreCopiesRawBytesButNotTheBandByte)
{
    test::RecordingPrompter prompter;
    AppState state(prompter);
    state.RadioImage.fill(0xFF);
    state.session.EchoSkip = 1;
    const QByteArray reply = hex("02") + identityFrame(QByteArray("ZR750\0\0", 7), 5, "V210", 0x05);
    ModComm::StoreIdentity(state, reply);

    EXPECT_EQ(state.session.IdentModel, QStringLiteral("ZR750"));
    EXPECT_EQ(state.session.IdentBand, 5);
    EXPECT_EQ(state.session.IdentVersion, QStringLiteral("V210"));
    const QByteArray image(reinterpret_cast<const char*>(state.RadioImage.data()) + 2816, 16);
    EXPECT_EQ(image, QByteArray("ZR750\0\0\xFFV210\x05\xFF\xFF\xFF", 16));
    EXPECT_EQ(state.CurCapFlags, (std::array<Byte, 4>{0, 1, 0, 1}));
}

TEST(ProtocolDataBlock, LandsInImageOrInformationArea)
{
    test::RecordingPrompter prompter;
    AppState state(prompter);
    state.session.EchoSkip = 4;

    struct Case {
        int address;
        bool info;
        int offset;
    };
    for (const Case c : {Case{0x0120, false, 0x0120}, Case{2816, false, 2816}, Case{2880, true, 48},
                         Case{3312, true, 480}}) {
        SCOPED_TRACE(c.address);
        state.RadioImage.fill(0);
        state.InfoArea.fill(0);
        state.session.CurrentAddress = c.address;
        ModComm::StoreDataBlock(state, hex("52000010") + blockFrame(c.address, data16(0x41)));
        const Byte* base = c.info ? state.InfoArea.data() : state.RadioImage.data();
        EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(base) + c.offset, 16), data16(0x41));
        const auto zero = [](Byte b) { return b == 0; };
        if (c.info)
            EXPECT_TRUE(std::all_of(state.RadioImage.begin(), state.RadioImage.end(), zero));
        else
            EXPECT_TRUE(std::all_of(state.InfoArea.begin(), state.InfoArea.end(), zero));
    }
}

struct PasswordCase {
    QByteArray bytes12to15;
    const char* entered;
    const char* radioPassword;
    bool passes;
};

void PrintTo(const PasswordCase& c, std::ostream* os)
{
    *os << c.bytes12to15.toHex().constData() << " entered '" << c.entered << "'";
}

class ProtocolPassword : public testing::TestWithParam<PasswordCase> {};

TEST_P(ProtocolPassword, ComparesTheRadioPasswordWithTheEnteredOne)
{
    const PasswordCase& c = GetParam();
    QByteArray data(12, 'z');
    data.append(c.bytes12to15);
    const QByteArray reply = passwordEcho + blockFrame(2864, data);
    EXPECT_EQ(ModComm::RadioPassword(reply, 4), QString::fromLatin1(c.radioPassword));
    EXPECT_EQ(ModComm::CheckPassword(reply, 4, QString::fromLatin1(c.entered)), c.passes);
}

INSTANTIATE_TEST_SUITE_P(Blocks, ProtocolPassword,
                         testing::Values(PasswordCase{hex("FFFFFFFF"), "", "", true},
                                         PasswordCase{hex("FFFFFFFF"), "9999", "", true},
                                         PasswordCase{hex("00313233"), "", "", true},
                                         PasswordCase{QByteArray("1234"), "1234", "1234", true},
                                         PasswordCase{QByteArray("1234"), "", "1234", false},
                                         PasswordCase{QByteArray("1234"), "123", "1234", false},
                                         PasswordCase{QByteArray("12\0\xFF", 4), "12", "12", true},
                                         PasswordCase{QByteArray("1\xFF"
                                                                 "34"),
                                                      "134", "1", false},
                                         PasswordCase{QByteArray("abcd"), "ABCD", "abcd", false}));

} // namespace
} // namespace mk21
