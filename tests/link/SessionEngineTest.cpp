#include "link/SessionEngine.h"
#include "app/AppState.h"
#include "base/LanguageTexts.h"
#include "data/ImageCodec.h"
#include "tests/link/LinkFakes.h"
#include "tests/link/ToolState.h"
#include "tests/support/RecordingPrompter.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtCore/qtestsupport_core.h>

#include <gtest/gtest.h>

#include <random>

namespace mk21 {
namespace {

using test::RecordingPrompter;
using namespace ModSession;

QString kindOf(const QByteArray& r)
{
    if (r == "PROGRAM" || r == "END")
        return QString::fromLatin1(r);
    if (r.size() == 1 && r.at(0) == '\x02')
        return QStringLiteral("ID");
    if ((r.size() == 4 && r.at(0) == 'R') || (r.size() == 22 && r.at(0) == 'W'))
        return QString(QChar::fromLatin1(r.at(0))) + QString::fromLatin1(r.mid(1, 2).toHex().toUpper());
    return QStringLiteral("?") + QString::fromLatin1(r.toHex());
}

QString addressKind(char type, int address)
{
    return QString(QChar::fromLatin1(type)) + QStringLiteral("%1").arg(address, 4, 16, QChar(u'0')).toUpper();
}

QByteArray bytesOf(const auto& array, int from, int count)
{
    return QByteArray(reinterpret_cast<const char*>(array.data()) + from, count);
}

// One engine against a scripted radio behind a fake link; the staged tree is only read.
class Session : public testing::Test {
protected:
    Session()
    {
        test::StartToolState(state);
        state.settings.comPort = 3;
        state.settings.PortOverrides.insert(3, QStringLiteral("/dev/fake-radio"));
        link.farEnd = [this](const QByteArray& request) { return radio.respond(request); };
        engine.setLauncher([this](const QString& program) {
            launched.append(program);
            return true;
        });
        QObject::connect(&engine, &SessionEngine::sessionFinished, &engine, [this](int op, bool ok) {
            ++finished;
            finishedOp = op;
            success = ok;
            portOpenAtFinish = link.isOpen();
        });
        QObject::connect(&engine, &SessionEngine::configurationRead, &engine,
                         [this] { ++configurationsRead; });
        QObject::connect(&engine, &SessionEngine::radioDetailsRead, &engine, [this] { ++detailsRead; });
        QObject::connect(&engine, &SessionEngine::programEndRequested, &engine, [this] { ++endRequests; });
    }

    bool waitFinished(int count = 1)
    {
        return QTest::qWaitFor([&] { return finished >= count; }, 30000);
    }

    QStringList kinds() const
    {
        QStringList out;
        for (const QByteArray& r : link.sent)
            out.append(kindOf(r));
        return out;
    }

    QStringList kindsAfter(qsizetype index) const { return kinds().mid(index); }

    // Drops the first `count` replies to requests of this kind.
    void dropReplies(const QString& kind, int count)
    {
        auto left = std::make_shared<int>(count);
        radio.tamper = [kind, left](const QByteArray& request, const QByteArray& reply) {
            if (kindOf(request) == kind && (*left)-- > 0)
                return QByteArray();
            return reply;
        };
    }

    bool wasShownText(const QString& text) const
    {
        return std::any_of(prompter.asked.begin(), prompter.asked.end(),
                           [&](const Prompt& p) { return p.textNumber == 0 && p.text == text; });
    }

    RecordingPrompter prompter;
    AppState state{prompter};
    test::FakeRadio radio;
    test::FakeLink link;
    test::RecordingView view;
    SessionEngine engine{state, link, view};

    int finished = 0;
    int finishedOp = -1;
    bool success = false;
    bool portOpenAtFinish = true;
    int configurationsRead = 0;
    int detailsRead = 0;
    int endRequests = 0;
    QStringList launched;
};

QStringList readSequence(int from, int to, char type = 'R')
{
    QStringList out;
    for (int a = from; a <= to; a += 16)
        out.append(addressKind(type, a));
    return out;
}

TEST_F(Session, ReadFetchesEveryBlockAndDecodesOnlyOnReadOKTimer)
{
    const RadioConfiguration before = state.WorkingConfiguration;
    state.document.DocumentPath = QStringLiteral("titled.dat");
    state.document.IsUntitled = false;
    ASSERT_TRUE(engine.StartRead());
    ASSERT_TRUE(waitFinished());
    EXPECT_TRUE(success);
    EXPECT_EQ(finishedOp, OperationRead);
    EXPECT_FALSE(portOpenAtFinish);
    EXPECT_EQ(prompter.numbers(), (QList<int>{9004, 9009}));
    EXPECT_EQ(link.devices.first(), QStringLiteral("/dev/fake-radio"));

    QStringList expected{QStringLiteral("PROGRAM"), QStringLiteral("ID"), QStringLiteral("R0B30")};
    expected += readSequence(0, 2816);
    expected.append(QStringLiteral("END"));
    EXPECT_EQ(kinds(), expected);
    EXPECT_EQ(bytesOf(state.RadioImage, 0, RadioImageSize), radio.memory.left(RadioImageSize));

    // Nothing reaches the working configuration before ReadOKTimer.
    EXPECT_TRUE(engine.ReadOKTimer.isActive());
    EXPECT_EQ(state.WorkingConfiguration, before);
    ASSERT_TRUE(QTest::qWaitFor([&] { return configurationsRead == 1; }, 3000));

    RecordingPrompter otherPrompter;
    AppState other(otherPrompter);
    test::StartToolState(other);
    std::copy(radio.memory.begin(), radio.memory.begin() + RadioImageSize, other.RadioImage.begin());
    ModImage::DecodeImage(other);
    EXPECT_EQ(state.WorkingConfiguration, other.WorkingConfiguration);
    // The document is the document layer's: the engine reports the read and leaves it alone.
    EXPECT_EQ(state.document.DocumentPath, QStringLiteral("titled.dat"));
    EXPECT_FALSE(state.document.IsUntitled);

    EXPECT_EQ(view.started, QList<int>{OperationRead});
    EXPECT_EQ(view.ended, (QList<QPair<int, bool>>{{OperationRead, true}}));
    ASSERT_FALSE(view.progress.isEmpty());
    EXPECT_TRUE(std::is_sorted(view.progress.begin(), view.progress.end(), std::less_equal<>()));
    EXPECT_EQ(view.progress.back(), 99); // 2816 * 100 / 2831
    EXPECT_FALSE(engine.busy());
}

TEST_F(Session, CableWithoutEchoIsFoundOnTheSecondProgramRequestAndRememberedForTheNext)
{
    link.echo = false;
    ASSERT_TRUE(engine.StartRead());
    ASSERT_TRUE(waitFinished());
    EXPECT_TRUE(success);
    EXPECT_EQ(kinds().mid(0, 3),
              (QStringList{QStringLiteral("PROGRAM"), QStringLiteral("PROGRAM"), QStringLiteral("ID")}));
    EXPECT_TRUE(state.session.EchoMode);

    // Busy until the decode has run; then the next read asks only once.
    EXPECT_FALSE(engine.StartRead());
    ASSERT_TRUE(QTest::qWaitFor([&] { return configurationsRead == 1; }, 3000));
    const qsizetype mark = link.sent.size();
    ASSERT_TRUE(engine.StartRead());
    ASSERT_TRUE(waitFinished(2));
    EXPECT_TRUE(success);
    EXPECT_EQ(kindsAfter(mark).mid(0, 2), (QStringList{QStringLiteral("PROGRAM"), QStringLiteral("ID")}));
}

TEST_F(Session, SilentRadioGetsFourProgramRequestsThenTheQuestion)
{
    radio.silent = true;
    prompter.script(PromptAnswer::Ok);     // 9004
    prompter.script(PromptAnswer::Cancel); // 9008
    ASSERT_TRUE(engine.StartRead());
    ASSERT_TRUE(waitFinished());
    EXPECT_FALSE(success);
    EXPECT_EQ(prompter.numbers(), (QList<int>{9004, 9008}));
    EXPECT_EQ(prompter.asked.at(1).buttons, PromptButtons::OkCancel);
    EXPECT_EQ(kinds(),
              (QStringList{QStringLiteral("PROGRAM"), QStringLiteral("PROGRAM"), QStringLiteral("PROGRAM"),
                           QStringLiteral("PROGRAM"), QStringLiteral("END")}));
    EXPECT_TRUE(link.sentWhileOpen.back()); // "END" went out before the port was closed
    EXPECT_FALSE(portOpenAtFinish);
    EXPECT_EQ(view.ended, (QList<QPair<int, bool>>{{OperationRead, false}}));
    EXPECT_EQ(state.session.OperationType, OperationIdle);
}

struct BlockTimeoutCase {
    const char* name;
    int drops;                   // replies to block 100 (address 1584) that never come
    QList<PromptAnswer> answers; // after the read question
    QList<int> shown;
    int requestsOfBlock;
    bool success;
};

void PrintTo(const BlockTimeoutCase& c, std::ostream* os)
{
    *os << c.name;
}

class SessionBlockTimeouts : public Session, public testing::WithParamInterface<BlockTimeoutCase> {};

TEST_P(SessionBlockTimeouts, RetriesThreeTimesThenAsksAndRestartsFromZero)
{
    const BlockTimeoutCase& c = GetParam();
    dropReplies(QStringLiteral("R0630"), c.drops);
    prompter.script(PromptAnswer::Ok);
    for (PromptAnswer a : c.answers)
        prompter.script(a);
    ASSERT_TRUE(engine.StartRead());
    ASSERT_TRUE(waitFinished());
    EXPECT_EQ(success, c.success);
    EXPECT_EQ(prompter.numbers(), c.shown);
    EXPECT_EQ(kinds().count(QStringLiteral("R0630")), c.requestsOfBlock);
    if (c.success) {
        EXPECT_EQ(bytesOf(state.RadioImage, 0, RadioImageSize), radio.memory.left(RadioImageSize));
    }
    if (c.drops >= 4 && c.success) {
        // The restart begins with the program request and reads again from address 0.
        const QStringList k = kinds();
        const qsizetype fourth = k.indexOf(QStringLiteral("R0630"), k.indexOf(QStringLiteral("R0630")) + 3);
        EXPECT_EQ(k.mid(fourth + 1, 4), (QStringList{QStringLiteral("PROGRAM"), QStringLiteral("ID"),
                                                     QStringLiteral("R0B30"), QStringLiteral("R0000")}));
        EXPECT_TRUE(view.progress.contains(0));
        EXPECT_EQ(state.session.BlockRetries.at(99), 0); // block counters are not reset by the restart
    }
}

INSTANTIATE_TEST_SUITE_P(
    Block100, SessionBlockTimeouts,
    testing::Values(BlockTimeoutCase{"TwoTimeoutsNoQuestion", 2, {}, {9004, 9009}, 3, true},
                    BlockTimeoutCase{
                        "FourthFailureAsksOkRestarts", 4, {PromptAnswer::Ok}, {9004, 9008, 9009}, 5, true},
                    BlockTimeoutCase{"ExhaustedCounterAsksAtOnceAfterRestart",
                                     5,
                                     {PromptAnswer::Ok, PromptAnswer::Ok},
                                     {9004, 9008, 9008, 9009},
                                     6,
                                     true},
                    BlockTimeoutCase{"CancelEndsWithEnd", 4, {PromptAnswer::Cancel}, {9004, 9008}, 4, false}),
    [](const testing::TestParamInfo<BlockTimeoutCase>& info) { return std::string(info.param.name); });

TEST_F(Session, FailedReadLeavesTheWorkingConfigurationAlone)
{
    const RadioConfiguration before = state.WorkingConfiguration;
    const RadioDetails detailsBefore = state.Details;
    dropReplies(QStringLiteral("R0800"), 100);
    prompter.script(PromptAnswer::Ok);
    prompter.script(PromptAnswer::Cancel);
    ASSERT_TRUE(engine.StartRead());
    ASSERT_TRUE(waitFinished());
    EXPECT_FALSE(success);
    QTest::qWait(ReadOKTimerInterval + 100);
    EXPECT_EQ(configurationsRead, 0);
    EXPECT_EQ(state.WorkingConfiguration, before);
    EXPECT_EQ(state.Details, detailsBefore);
    EXPECT_EQ(kinds().back(), QStringLiteral("END"));
}

TEST_F(Session, RetryAfterTheLineWasLostReopensThePort)
{
    bool lost = false;
    radio.tamper = [&](const QByteArray& request, const QByteArray& reply) {
        if (kindOf(request) == QStringLiteral("R0300") && !lost) {
            lost = true;
            link.hangUp();
            return QByteArray();
        }
        return reply;
    };
    prompter.script(PromptAnswer::Ok); // 9004
    prompter.script(PromptAnswer::Ok); // 9008
    ASSERT_TRUE(engine.StartRead());
    ASSERT_TRUE(waitFinished());
    EXPECT_TRUE(success);
    EXPECT_EQ(prompter.numbers(), (QList<int>{9004, 9008, 9009}));
    EXPECT_EQ(link.opens, 3); // the check before the question, the exchange, the retry
    EXPECT_EQ(bytesOf(state.RadioImage, 0, RadioImageSize), radio.memory.left(RadioImageSize));
}

TEST_F(Session, RetryOnAPortThatCannotBeReopenedEndsTheSession)
{
    radio.tamper = [&](const QByteArray& request, const QByteArray& reply) {
        if (kindOf(request) == QStringLiteral("R0B60")) {
            link.hangUp();
            link.failOpen = true;
            return QByteArray();
        }
        return reply;
    };
    prompter.script(PromptAnswer::Retry);
    ASSERT_TRUE(engine.StartRadioInfoRead());
    ASSERT_TRUE(waitFinished());
    EXPECT_FALSE(success);
    EXPECT_EQ(prompter.numbers(), (QList<int>{9008, 9003}));
    EXPECT_EQ(state.session.OperationType, OperationIdle);
}

TEST_F(Session, GarbledRepliesAreIgnoredAndTheBlockIsAskedAgain)
{
    int corrupted = 0;
    radio.tamper = [&](const QByteArray& request, const QByteArray& reply) {
        const QString k = kindOf(request);
        if (k == QStringLiteral("R0120") && corrupted == 0) {
            ++corrupted;
            QByteArray bad = reply;
            bad[20] = static_cast<char>(bad.at(20) + 1); // checksum
            return bad;
        }
        if (k == QStringLiteral("R0200") && corrupted == 1) {
            ++corrupted; // a correct block, but for another address
            QByteArray other = QByteArray("W\x02\x10\x10") + radio.memory.mid(0x210, 16);
            int sum = 0;
            for (qsizetype i = 1; i < other.size(); ++i)
                sum += static_cast<unsigned char>(other.at(i));
            return other + static_cast<char>(sum & 0xFF) + '\x06';
        }
        if (k == QStringLiteral("R0300") && corrupted == 2) {
            ++corrupted;
            return QByteArray("garbage bytes of the right length!").left(22);
        }
        return reply;
    };
    ASSERT_TRUE(engine.StartRead());
    ASSERT_TRUE(waitFinished());
    EXPECT_TRUE(success);
    EXPECT_EQ(corrupted, 3);
    EXPECT_EQ(prompter.numbers(), (QList<int>{9004, 9009}));
    for (const char* k : {"R0120", "R0200", "R0300"})
        EXPECT_EQ(kinds().count(QString::fromLatin1(k)), 2) << k;
    EXPECT_EQ(bytesOf(state.RadioImage, 0, RadioImageSize), radio.memory.left(RadioImageSize));
}

TEST_F(Session, CancellingTheReadQuestionSendsNothing)
{
    const RadioConfiguration before = state.WorkingConfiguration;
    prompter.script(PromptAnswer::Cancel);
    ASSERT_TRUE(engine.StartRead());
    EXPECT_EQ(finished, 1);
    EXPECT_FALSE(success);
    EXPECT_TRUE(link.sent.isEmpty());
    EXPECT_FALSE(link.isOpen());
    EXPECT_EQ(link.opens, 1); // opened to prove the port works, closed for the question
    EXPECT_TRUE(view.started.isEmpty());
    EXPECT_EQ(state.session.OperationType, OperationIdle);
    EXPECT_EQ(state.WorkingConfiguration, before);
}

TEST_F(Session, APortThatCannotBeOpenedSaysWhyInTheUsersLanguage)
{
    using F = SerialLink::OpenFailure;
    const struct {
        F failure;
        int reason; // language text; 0: the system's words
    } cases[] = {{F::NoSuchDevice, 9088}, {F::PermissionDenied, 9089}, {F::Busy, 9090}, {F::Unknown, 0}};
    link.failOpen = true;
    link.systemReason = QStringLiteral("Input/output error");
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.failure));
        prompter.clear();
        link.failure = c.failure;
        const int before = finished;
        ASSERT_TRUE(engine.StartRadioInfoRead());
        ASSERT_TRUE(waitFinished(before + 1));
        ASSERT_EQ(prompter.numbers(), QList<int>{9003}) << "the port message stays the same";
        const QString text = prompter.asked.front().text;
        EXPECT_TRUE(text.startsWith(GetLangText(state, 9003) + u'\n' + QStringLiteral("/dev/fake-radio: ")))
            << text.toStdString();
        const QString why =
            c.reason != 0 ? GetLangText(state, c.reason) + QStringLiteral(" (") + link.systemReason + u')'
                          : link.systemReason;
        EXPECT_TRUE(text.endsWith(u' ' + why)) << text.toStdString();
    }
    EXPECT_TRUE(GetLangText(state, 9089).contains(QStringLiteral("dialout")));
}

TEST_F(Session, PortThatCannotBeOpenedIsReportedForEveryKind)
{
    link.failOpen = true;
    for (int op : {OperationRead, OperationWrite, OperationRadioInfo}) {
        SCOPED_TRACE(op);
        prompter.clear();
        const int before = finished;
        const bool started = op == OperationRead    ? engine.StartRead()
                             : op == OperationWrite ? engine.StartWrite()
                                                    : engine.StartRadioInfoRead();
        ASSERT_TRUE(started);
        ASSERT_TRUE(waitFinished(before + 1));
        EXPECT_FALSE(success);
        EXPECT_EQ(finishedOp, op);
        ASSERT_EQ(prompter.numbers(), QList<int>{9003});
        EXPECT_EQ(prompter.asked.front().icon, PromptIcon::Critical);
        EXPECT_EQ(state.session.OperationType, OperationIdle);
    }
    EXPECT_TRUE(link.sent.isEmpty());
    EXPECT_TRUE(view.started.isEmpty());
}

TEST_F(Session, WriteSendsTheEncodedImageWithTheRadiosOwnIdentityBytes)
{
    const RadioConfiguration before = state.WorkingConfiguration;
    radio.model = "ZR750G";
    radio.firmware = "V200";
    radio.capability = 0x02;
    radio.stampIdentity();
    ASSERT_TRUE(engine.StartWrite());
    EXPECT_TRUE(engine.WaitSaveDataTimer.isActive());
    EXPECT_TRUE(link.sent.isEmpty());
    ASSERT_TRUE(waitFinished());
    EXPECT_TRUE(success);
    EXPECT_EQ(prompter.numbers(), (QList<int>{9005, 9010}));

    QStringList expected{QStringLiteral("PROGRAM"), QStringLiteral("ID"), QStringLiteral("R0B30")};
    expected += readSequence(0, 2816, 'W');
    expected.append(QStringLiteral("END"));
    EXPECT_EQ(kinds(), expected);
    EXPECT_EQ(radio.writesStored, 177);

    RecordingPrompter otherPrompter;
    AppState other(otherPrompter);
    test::StartToolState(other);
    ModImage::PrefillImage(other, false);
    ModImage::EncodeImage(other);
    QByteArray image = bytesOf(other.RadioImage, 0, RadioImageSize);
    image.replace(2816, 7, QByteArray("ZR750G\0", 7));
    image.replace(2824, 5, QByteArray("V200\x02", 5));
    EXPECT_EQ(radio.memory.left(RadioImageSize), image);
    EXPECT_EQ(state.WorkingConfiguration, before);
    EXPECT_EQ(view.ended, (QList<QPair<int, bool>>{{OperationWrite, true}}));
    EXPECT_EQ(view.progress.back(), 99);
}

// ---- a write read back and compared --------------------------------------------------------------

TEST_F(Session, AVerifiedWriteReadsTheRadioBackQuietlyAndSaysSo)
{
    engine.setVerifyAfterWrite(true);
    ASSERT_TRUE(engine.StartWrite());
    ASSERT_TRUE(waitFinished());
    EXPECT_TRUE(success);
    EXPECT_EQ(finishedOp, OperationWrite);
    EXPECT_EQ(finished, 1);
    EXPECT_EQ(prompter.numbers(), (QList<int>{9005, 9091}));
    const QStringList k = kinds();
    const qsizetype readBack = k.indexOf(QStringLiteral("END")) + 1;
    QStringList expected{QStringLiteral("PROGRAM"), QStringLiteral("ID"), QStringLiteral("R0B30")};
    expected += readSequence(0, 2816);
    expected.append(QStringLiteral("END"));
    EXPECT_EQ(k.mid(readBack), expected);
    EXPECT_EQ(bytesOf(state.ReadBackImage, 0, RadioImageSize), radio.memory.left(RadioImageSize));
    EXPECT_EQ(view.started, (QList<int>{OperationWrite, OperationReadBack}));
    EXPECT_EQ(view.ended, (QList<QPair<int, bool>>{{OperationWrite, true}, {OperationReadBack, true}}));
    EXPECT_FALSE(engine.busy());
}

struct AlteredCase {
    const char* name;
    QList<int> addresses;    // blocks the radio stores with a byte changed, once each
    PromptAnswer writeAgain; // the answer to the offer
    QList<int> prompts;      // what the user sees
    bool success;
    const char* count; // the message's %1 and %2
    const char* listed;
};

void PrintTo(const AlteredCase& c, std::ostream* os)
{
    *os << c.name;
}

class SessionAlteredBlocks : public Session, public testing::WithParamInterface<AlteredCase> {};

TEST_P(SessionAlteredBlocks, AreNamedAndMayBeWrittenAgain)
{
    const AlteredCase& c = GetParam();
    auto pending = std::make_shared<QList<int>>(c.addresses);
    radio.tamper = [this, pending](const QByteArray& request, const QByteArray& reply) {
        for (int address : *pending) {
            if (kindOf(request) == addressKind('W', address)) {
                radio.memory[address + 3] = static_cast<char>(radio.memory.at(address + 3) ^ 0x10);
                pending->removeOne(address);
                break;
            }
        }
        return reply;
    };
    const RadioConfiguration before = state.WorkingConfiguration;
    const QString path = state.document.DocumentPath;
    engine.setVerifyAfterWrite(true);
    prompter.script(PromptAnswer::Ok);
    prompter.script(c.writeAgain);
    ASSERT_TRUE(engine.StartWrite());
    ASSERT_TRUE(waitFinished());
    EXPECT_EQ(finished, 1);
    EXPECT_EQ(success, c.success);
    EXPECT_EQ(prompter.numbers(), c.prompts);
    const Prompt& offer = prompter.asked.at(1);
    EXPECT_EQ(offer.buttons, PromptButtons::YesNo);
    EXPECT_EQ(offer.text, FillTextArgs(GetLangText(state, 9092),
                                       {QString::fromLatin1(c.count), QString::fromLatin1(c.listed)}));
    EXPECT_EQ(state.WorkingConfiguration, before);
    EXPECT_EQ(state.document.DocumentPath, path);
    const int writes = kinds().count(QStringLiteral("W0000"));
    EXPECT_EQ(writes, c.writeAgain == PromptAnswer::Yes ? 2 : 1);
}

INSTANTIATE_TEST_SUITE_P(
    Verify, SessionAlteredBlocks,
    testing::Values(
        AlteredCase{"OneBlockNotWrittenAgain", {256}, PromptAnswer::No, {9005, 9092}, false, "1", "256"},
        AlteredCase{"TwoBlocksWrittenAgainAndVerified",
                    {2736, 16},
                    PromptAnswer::Yes,
                    {9005, 9092, 9091},
                    true,
                    "2",
                    "16, 2736"}),
    [](const testing::TestParamInfo<AlteredCase>& info) { return std::string(info.param.name); });

TEST_F(Session, AQuietReadLeavesTheDocumentAndItsImageAlone)
{
    state.document.DocumentPath = QStringLiteral("kept.dat");
    state.RadioImage.fill(0x3C);
    const RadioConfiguration before = state.WorkingConfiguration;
    const auto capabilities = state.CurCapFlags;
    radio.capability = 0x08; // a locked radio: would be applied by a read
    int closeRequests = 0;
    QObject::connect(&engine, &SessionEngine::childWindowsCloseRequested, &engine, [&] { ++closeRequests; });
    ASSERT_TRUE(engine.StartReadBack());
    ASSERT_TRUE(waitFinished());
    QTest::qWait(ReadOKTimerInterval + 100);
    EXPECT_TRUE(success);
    EXPECT_EQ(finishedOp, OperationReadBack);
    EXPECT_TRUE(prompter.asked.isEmpty());
    EXPECT_EQ(closeRequests, 0);
    EXPECT_EQ(configurationsRead, 0);
    EXPECT_EQ(state.WorkingConfiguration, before);
    EXPECT_EQ(state.document.DocumentPath, QStringLiteral("kept.dat"));
    EXPECT_EQ(bytesOf(state.RadioImage, 0, RadioImageSize), QByteArray(RadioImageSize, '\x3C'));
    EXPECT_EQ(state.CurCapFlags, capabilities);
    EXPECT_EQ(bytesOf(state.ReadBackImage, 0, RadioImageSize), radio.memory.left(RadioImageSize));
}

TEST_F(Session, AReadBackWithoutAnswerLeavesTheWriteUnverified)
{
    radio.tamper = [this](const QByteArray& request, const QByteArray& reply) {
        if (request == "END")
            radio.silent = true; // from the acknowledge of the write's END on
        return reply;
    };
    engine.setVerifyAfterWrite(true);
    prompter.script(PromptAnswer::Ok);
    prompter.script(PromptAnswer::Cancel); // no retry of the silent read-back
    ASSERT_TRUE(engine.StartWrite());
    ASSERT_TRUE(waitFinished());
    EXPECT_FALSE(success);
    EXPECT_EQ(finishedOp, OperationWrite);
    EXPECT_EQ(prompter.numbers(), (QList<int>{9005, 9008, 9093}));
    EXPECT_FALSE(engine.busy());
}

TEST_F(Session, ResendRepeatsTheSameBlockAndAckMovesOn)
{
    bool resent = false;
    radio.tamper = [&](const QByteArray& request, const QByteArray& reply) {
        if (kindOf(request) == QStringLiteral("W0010") && !resent) {
            resent = true;
            return QByteArray(1, '\x0A');
        }
        return reply;
    };
    ASSERT_TRUE(engine.StartWrite());
    ASSERT_TRUE(waitFinished());
    EXPECT_TRUE(success);
    const QStringList k = kinds();
    const qsizetype first = k.indexOf(QStringLiteral("W0010"));
    ASSERT_GE(first, 0);
    EXPECT_EQ(k.at(first + 1), QStringLiteral("W0010"));
    EXPECT_EQ(link.sent.at(first), link.sent.at(first + 1));
    EXPECT_EQ(k.at(first + 2), QStringLiteral("W0020"));
    EXPECT_EQ(k.count(QStringLiteral("W0010")), 2);
}

struct RefusalCase {
    const char* name;
    int refusalsOfBlock1;  // 0A answers to the writes of address 16 before it is taken
    bool everyBlockThrice; // every other block is refused three times as well
    bool success;
};

void PrintTo(const RefusalCase& c, std::ostream* os)
{
    *os << c.name;
}

class SessionRefusals : public Session, public testing::WithParamInterface<RefusalCase> {};

TEST_P(SessionRefusals, ThreeResendsOfOneBlockThenTheWriteFails)
{
    const RefusalCase& c = GetParam();
    auto refused = std::make_shared<QMap<QString, int>>();
    radio.tamper = [c, refused](const QByteArray& request, const QByteArray& reply) {
        const QString kind = kindOf(request);
        if (!kind.startsWith(u'W'))
            return reply;
        const int limit = kind == QStringLiteral("W0010") ? c.refusalsOfBlock1 : c.everyBlockThrice ? 3 : 0;
        if ((*refused)[kind]++ < limit)
            return QByteArray(1, '\x0A');
        return reply;
    };
    ASSERT_TRUE(engine.StartWrite());
    ASSERT_TRUE(waitFinished());
    EXPECT_EQ(success, c.success);
    EXPECT_FALSE(portOpenAtFinish);
    EXPECT_EQ(view.ended, (QList<QPair<int, bool>>{{OperationWrite, c.success}}));
    const QStringList k = kinds();
    EXPECT_EQ(k.back(), QStringLiteral("END"));
    EXPECT_TRUE(link.sentWhileOpen.back());
    EXPECT_EQ(k.count(QStringLiteral("W0010")), std::min(c.refusalsOfBlock1, 3) + 1);
    if (c.success) {
        EXPECT_EQ(prompter.numbers(), (QList<int>{9005, 9010}));
        EXPECT_EQ(k.count(QStringLiteral("W0B00")), c.everyBlockThrice ? 4 : 1);
        EXPECT_EQ(radio.memory.left(RadioImageSize), bytesOf(state.RadioImage, 0, RadioImageSize));
        return;
    }
    EXPECT_EQ(prompter.numbers(), (QList<int>{9005, 9070}));
    EXPECT_EQ(prompter.asked.back().icon, PromptIcon::Critical);
    EXPECT_TRUE(prompter.asked.back().text.contains(QStringLiteral(" 16 ")))
        << prompter.asked.back().text.toStdString();
    EXPECT_FALSE(k.contains(QStringLiteral("W0020")));
    EXPECT_EQ(state.session.OperationType, OperationIdle);
}

INSTANTIATE_TEST_SUITE_P(Block1, SessionRefusals,
                         testing::Values(RefusalCase{"ThreeRefusalsAreResent", 3, false, true},
                                         RefusalCase{"FourthRefusalFails", 4, false, false},
                                         RefusalCase{"RadioThatNeverTakesItFails", 1000, false, false},
                                         RefusalCase{"EachBlockHasItsOwnThreeResends", 3, true, true}),
                         [](const testing::TestParamInfo<RefusalCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(Session, AfterAWriteTimeoutEveryLaterBlockIsReadBackBeforeTheNext)
{
    dropReplies(QStringLiteral("W0010"), 1);
    ASSERT_TRUE(engine.StartWrite());
    ASSERT_TRUE(waitFinished());
    EXPECT_TRUE(success);
    EXPECT_EQ(prompter.numbers(), (QList<int>{9005, 9010}));
    QStringList expected{QStringLiteral("PROGRAM"), QStringLiteral("ID"),    QStringLiteral("R0B30"),
                         QStringLiteral("W0000"),   QStringLiteral("W0010"), QStringLiteral("W0010")};
    for (int a = 16; a <= 2816; a += 16) {
        if (a > 16)
            expected.append(addressKind('W', a));
        expected.append(addressKind('R', a));
    }
    expected.append(QStringLiteral("END"));
    EXPECT_EQ(kinds(), expected);
    EXPECT_EQ(radio.memory.left(RadioImageSize), bytesOf(state.RadioImage, 0, RadioImageSize));
}

TEST_F(Session, ABlockTheRadioNeverHoldsIsWrittenThreeTimesMoreThenAsked)
{
    // A reply timeout on block 1, then block 2 always reads back with one byte changed.
    auto dropped = std::make_shared<bool>(false);
    radio.tamper = [dropped](const QByteArray& request, const QByteArray& reply) {
        if (kindOf(request) == QStringLiteral("W0010") && !*dropped) {
            *dropped = true;
            return QByteArray();
        }
        if (kindOf(request) == QStringLiteral("R0020") && reply.size() == 22) {
            QByteArray other = reply;
            other[4] = static_cast<char>(other.at(4) ^ 0x5A);
            unsigned sum = 0;
            for (int i = 1; i < 20; ++i)
                sum += static_cast<unsigned char>(other.at(i));
            other[20] = static_cast<char>(sum & 0xFF);
            return other;
        }
        return reply;
    };
    prompter.script(PromptAnswer::Ok);
    prompter.script(PromptAnswer::Cancel);
    ASSERT_TRUE(engine.StartWrite());
    ASSERT_TRUE(waitFinished());
    EXPECT_FALSE(success);
    EXPECT_FALSE(portOpenAtFinish);
    EXPECT_EQ(prompter.numbers(), (QList<int>{9005, 9008}));
    const QStringList k = kinds();
    EXPECT_EQ(k.count(QStringLiteral("W0020")), 4);
    EXPECT_EQ(k.count(QStringLiteral("R0020")), 4);
    EXPECT_FALSE(k.contains(QStringLiteral("W0030")));
    EXPECT_EQ(k.back(), QStringLiteral("END"));
    EXPECT_EQ(view.ended, (QList<QPair<int, bool>>{{OperationWrite, false}}));
}

TEST_F(Session, MissingAcknowledgeOfEndStillCountsAsSuccess)
{
    for (bool write : {true, false}) {
        SCOPED_TRACE(write);
        prompter.clear();
        dropReplies(QStringLiteral("END"), 1);
        const int before = finished;
        ASSERT_TRUE(write ? engine.StartWrite() : engine.StartRead());
        ASSERT_TRUE(waitFinished(before + 1));
        EXPECT_TRUE(success);
        EXPECT_FALSE(portOpenAtFinish);
        EXPECT_EQ(prompter.numbers().back(), write ? 9010 : 9009);
    }
}

TEST_F(Session, IdentityTimeoutAsksAtOnce)
{
    dropReplies(QStringLiteral("ID"), 1);
    prompter.script(PromptAnswer::Ok);
    prompter.script(PromptAnswer::Cancel);
    ASSERT_TRUE(engine.StartRead());
    ASSERT_TRUE(waitFinished());
    EXPECT_EQ(kinds(), (QStringList{QStringLiteral("PROGRAM"), QStringLiteral("ID"), QStringLiteral("END")}));
    EXPECT_EQ(prompter.numbers(), (QList<int>{9004, 9008}));
}

struct PasswordReadCase {
    const char* name;
    int drops;
    QList<PromptAnswer> answers;
    QList<int> shown;
    int passwordReads;
};

void PrintTo(const PasswordReadCase& c, std::ostream* os)
{
    *os << c.name;
}

class SessionPasswordTimeouts : public Session, public testing::WithParamInterface<PasswordReadCase> {};

TEST_P(SessionPasswordTimeouts, FirstTimeoutAsksThenThreeReadsPerQuestion)
{
    const PasswordReadCase& c = GetParam();
    dropReplies(QStringLiteral("R0B30"), c.drops);
    for (PromptAnswer a : c.answers)
        prompter.script(a);
    ASSERT_TRUE(engine.StartRead());
    ASSERT_TRUE(waitFinished());
    EXPECT_EQ(prompter.numbers(), c.shown);
    EXPECT_EQ(kinds().count(QStringLiteral("R0B30")), c.passwordReads);
}

INSTANTIATE_TEST_SUITE_P(
    PasswordBlock, SessionPasswordTimeouts,
    testing::Values(
        PasswordReadCase{
            "ThirdReadAfterQuestionArrives", 3, {PromptAnswer::Ok, PromptAnswer::Ok}, {9004, 9008, 9009}, 4},
        PasswordReadCase{"ThreeMoreFailuresAskAgain",
                         4,
                         {PromptAnswer::Ok, PromptAnswer::Ok, PromptAnswer::Cancel},
                         {9004, 9008, 9008},
                         4}),
    [](const testing::TestParamInfo<PasswordReadCase>& info) { return std::string(info.param.name); });

struct CapabilityCase {
    int capability;
    int operation;
    QList<int> shown;
    bool success;
};

void PrintTo(const CapabilityCase& c, std::ostream* os)
{
    *os << "capability " << c.capability << " operation " << c.operation;
}

class SessionCapability : public Session, public testing::WithParamInterface<CapabilityCase> {};

TEST_P(SessionCapability, BitsThreeAndTwoRefuseOnlyAWrite)
{
    const CapabilityCase& c = GetParam();
    radio.capability = c.capability;
    radio.stampIdentity();
    ASSERT_TRUE(c.operation == OperationWrite ? engine.StartWrite() : engine.StartRead());
    ASSERT_TRUE(waitFinished());
    EXPECT_EQ(success, c.success);
    EXPECT_EQ(prompter.numbers(), c.shown);
    EXPECT_EQ(state.CurCapFlags[0], (c.capability >> 3) & 1);
    EXPECT_EQ(state.CurCapFlags[1], (c.capability >> 2) & 1);
    if (!c.success) {
        EXPECT_EQ(radio.writesStored, 0);
        EXPECT_EQ(kinds(),
                  (QStringList{QStringLiteral("PROGRAM"), QStringLiteral("ID"), QStringLiteral("END")}));
    }
}

INSTANTIATE_TEST_SUITE_P(Bits, SessionCapability,
                         testing::Values(CapabilityCase{0x08, OperationWrite, {9005, 9031}, false},
                                         CapabilityCase{0x04, OperationWrite, {9005, 9032}, false},
                                         CapabilityCase{0x0C, OperationWrite, {9005, 9031}, false},
                                         CapabilityCase{0x03, OperationWrite, {9005, 9010}, true},
                                         CapabilityCase{0x0C, OperationRead, {9004, 9009}, true}));

struct CompatibilityCase {
    const char* name;
    int operation;
    const char* model;
    int band;
    const char* firmware;
    QList<PromptAnswer> answers; // after the start question
    QList<int> shown;
    bool success;
};

void PrintTo(const CompatibilityCase& c, std::ostream* os)
{
    *os << c.name;
}

class SessionCompatibility : public Session, public testing::WithParamInterface<CompatibilityCase> {};

TEST_P(SessionCompatibility, ModelBandAndVersionChecks)
{
    const CompatibilityCase& c = GetParam();
    radio.model = c.model;
    radio.band = c.band;
    radio.firmware = c.firmware;
    radio.stampIdentity();
    prompter.script(PromptAnswer::Ok);
    for (PromptAnswer a : c.answers)
        prompter.script(a);
    ASSERT_TRUE(c.operation == OperationWrite ? engine.StartWrite() : engine.StartRead());
    ASSERT_TRUE(waitFinished());
    EXPECT_EQ(success, c.success);
    EXPECT_EQ(prompter.numbers(), c.shown);
    EXPECT_TRUE(launched.isEmpty());
    EXPECT_EQ(state.session.IdentModel, QString::fromLatin1(c.model));
    if (!c.success) {
        EXPECT_EQ(kinds(), (QStringList{QStringLiteral("PROGRAM"), QStringLiteral("ID"),
                                        QStringLiteral("R0B30"), QStringLiteral("END")}));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Radios, SessionCompatibility,
    testing::Values(
        CompatibilityCase{
            "WriteOtherKnownModel", OperationWrite, "ZR750", 0, "V200", {}, {9005, 9012}, false},
        CompatibilityCase{"ReadOtherKnownModel", OperationRead, "ZR750", 0, "V200", {}, {9004, 9009}, true},
        CompatibilityCase{"ReadUnknownModel", OperationRead, "XY9", 0, "V200", {}, {9004, 9012}, false},
        CompatibilityCase{
            "ReadOtherBandNoQuestion", OperationRead, "ZR750G", 3, "V200", {}, {9004, 9009}, true},
        CompatibilityCase{"WriteSameFamilyOk",
                          OperationWrite,
                          "ZR750G",
                          3,
                          "V200",
                          {PromptAnswer::Ok},
                          {9005, 9014, 9010},
                          true},
        CompatibilityCase{"WriteSameFamilyCancel",
                          OperationWrite,
                          "ZR750G",
                          3,
                          "V200",
                          {PromptAnswer::Cancel},
                          {9005, 9014},
                          false},
        CompatibilityCase{"WriteOtherFamily", OperationWrite, "ZR750G", 8, "V200", {}, {9005, 9030}, false},
        CompatibilityCase{"ReadUnservedFirmwareNo",
                          OperationRead,
                          "ZR750G",
                          0,
                          "V110",
                          {PromptAnswer::No},
                          {9004, 0},
                          false}),
    [](const testing::TestParamInfo<CompatibilityCase>& info) { return std::string(info.param.name); });

TEST_F(Session, AcceptingAnotherReleaseEndsTheSessionWithEndAndAsksToQuit)
{
    radio.firmware = "V110";
    radio.stampIdentity();
    state.versionTable.append({QStringLiteral("V110"), QStringLiteral("V110")});
    prompter.script(PromptAnswer::Ok);
    prompter.script(PromptAnswer::Yes);
    ASSERT_TRUE(engine.StartRead());
    ASSERT_TRUE(waitFinished());
    EXPECT_FALSE(success);
    EXPECT_EQ(endRequests, 1);
    ASSERT_EQ(launched.size(), 1);
    EXPECT_TRUE(launched.front().contains(QStringLiteral("V110")));
    EXPECT_EQ(kinds().back(), QStringLiteral("END"));
    EXPECT_FALSE(link.isOpen());
}

struct PasswordCase {
    const char* name;
    QByteArray radioPassword;
    const char* entered;
    std::deque<std::optional<QString>> answers;
    int asks;
    bool success;
    const char* enteredAfter;
};

void PrintTo(const PasswordCase& c, std::ostream* os)
{
    *os << c.name;
}

class SessionPassword : public Session, public testing::WithParamInterface<PasswordCase> {};

TEST_P(SessionPassword, RadioPasswordAgainstTheEnteredOne)
{
    const PasswordCase& c = GetParam();
    radio.setPassword(c.radioPassword);
    state.session.EnteredPassword = QString::fromLatin1(c.entered);
    view.passwordAnswers = c.answers;
    ASSERT_TRUE(engine.StartRead());
    ASSERT_TRUE(waitFinished());
    EXPECT_EQ(view.passwordAsks.size(), c.asks);
    EXPECT_EQ(success, c.success);
    EXPECT_EQ(wasShownText(QStringLiteral("PassWord Failure!")), !c.success);
    EXPECT_EQ(state.session.EnteredPassword, QString::fromLatin1(c.enteredAfter));
    if (!c.success) {
        EXPECT_EQ(kinds().back(), QStringLiteral("END"));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Passwords, SessionPassword,
    testing::Values(
        PasswordCase{"NoPasswordNeverAsks", QByteArray(4, '\xFF'), "", {}, 0, true, ""},
        PasswordCase{"EnteredBeforeMatches", "1234", "1234", {}, 0, true, "1234"},
        PasswordCase{"AskedAndRight", "1234", "", {QStringLiteral("1234")}, 1, true, "1234"},
        PasswordCase{"AskedAndWrong", "1234", "", {QStringLiteral("12")}, 1, false, "12"},
        PasswordCase{"AskedAndCancelled", "1234", "77", {std::nullopt}, 1, false, "77"},
        PasswordCase{
            "TrailingBlanksTrimmed", QByteArray("12\0\xFF", 4), "", {QStringLiteral("12  ")}, 1, true, "12"}),
    [](const testing::TestParamInfo<PasswordCase>& info) { return std::string(info.param.name); });

TEST_F(Session, ReplyArrivingWhileThePasswordIsAskedDoesNotAskTwice)
{
    radio.setPassword("4321");
    QByteArray passwordReply;
    radio.tamper = [&](const QByteArray& request, const QByteArray& reply) {
        if (kindOf(request) == QStringLiteral("R0B30"))
            passwordReply = request + reply;
        return reply;
    };
    view.passwordAnswers = {QStringLiteral("4321")};
    view.whileAsking = [&] {
        link.deliver(passwordReply);
        QTest::qWait(30);
    };
    ASSERT_TRUE(engine.StartRead());
    ASSERT_TRUE(waitFinished());
    EXPECT_TRUE(success);
    EXPECT_EQ(view.passwordAsks.size(), 1);
    EXPECT_EQ(kinds().count(QStringLiteral("R0000")), 1);
}

TEST_F(Session, RadioInformationReadFillsTheAreaWithoutQuestionsOrProgress)
{
    radio.memory.replace(2832 + 48, 8, QByteArray("SN-4711\0", 8));
    state.RadioImage.fill(0x5A);
    ASSERT_TRUE(engine.StartRadioInfoRead());
    ASSERT_TRUE(waitFinished());
    EXPECT_TRUE(success);
    EXPECT_TRUE(prompter.asked.isEmpty());
    EXPECT_TRUE(view.started.isEmpty());
    EXPECT_TRUE(view.progress.isEmpty());
    QStringList expected{QStringLiteral("PROGRAM"), QStringLiteral("ID")};
    expected += readSequence(2832, 3312);
    expected.append(QStringLiteral("END"));
    EXPECT_EQ(kinds(), expected);
    EXPECT_EQ(bytesOf(state.InfoArea, 0, InfoAreaSize), radio.memory.mid(2832, InfoAreaSize));
    EXPECT_EQ(bytesOf(state.RadioImage, 0, RadioImageSize), QByteArray(RadioImageSize, 0x5A));
    EXPECT_EQ(detailsRead, 1);
    EXPECT_EQ(state.Details.SerialNumber.text(), QStringLiteral("SN-4711"));
    EXPECT_FALSE(portOpenAtFinish);
}

TEST_F(Session, RadioInformationRetryResumesAtTheBlockThatTimedOut)
{
    dropReplies(QStringLiteral("R0B50"), 1); // address 2896, InfoArea 64..79
    state.InfoArea.fill(0xEE);
    prompter.script(PromptAnswer::Retry);
    ASSERT_TRUE(engine.StartRadioInfoRead());
    ASSERT_TRUE(waitFinished());
    EXPECT_TRUE(success);
    EXPECT_EQ(prompter.numbers(), QList<int>{9008});
    EXPECT_EQ(prompter.asked.front().buttons, PromptButtons::RetryCancel);
    const QStringList k = kinds();
    const qsizetype timedOut = k.indexOf(QStringLiteral("R0B50"));
    EXPECT_EQ(k.mid(timedOut + 1, 4), (QStringList{QStringLiteral("PROGRAM"), QStringLiteral("ID"),
                                                   QStringLiteral("R0B50"), QStringLiteral("R0B60")}));
    EXPECT_EQ(bytesOf(state.InfoArea, 0, InfoAreaSize), radio.memory.mid(2832, InfoAreaSize));
}

TEST_F(Session, RadioInformationCancelLeavesTheDetailsAlone)
{
    const RadioDetails before = state.Details;
    dropReplies(QStringLiteral("R0B50"), 1);
    prompter.script(PromptAnswer::Cancel);
    ASSERT_TRUE(engine.StartRadioInfoRead());
    ASSERT_TRUE(waitFinished());
    EXPECT_FALSE(success);
    EXPECT_EQ(detailsRead, 0);
    EXPECT_EQ(state.Details, before);
    EXPECT_EQ(kinds().back(), QStringLiteral("END"));
    EXPECT_FALSE(link.isOpen());
}

TEST_F(Session, RadioInformationEndTimeoutCompletesAndClosesThePort)
{
    dropReplies(QStringLiteral("END"), 1);
    ASSERT_TRUE(engine.StartRadioInfoRead());
    ASSERT_TRUE(waitFinished());
    EXPECT_TRUE(success);
    EXPECT_EQ(detailsRead, 1);
    EXPECT_FALSE(portOpenAtFinish);
    EXPECT_TRUE(prompter.asked.isEmpty());
    EXPECT_EQ(state.session.OperationType, OperationIdle);
}

TEST_F(Session, RadioInformationSilentRadioAsksAfterFourAndOnceMoreAfterRetry)
{
    radio.silent = true;
    prompter.script(PromptAnswer::Retry);
    prompter.script(PromptAnswer::Cancel);
    ASSERT_TRUE(engine.StartRadioInfoRead());
    ASSERT_TRUE(waitFinished());
    EXPECT_EQ(prompter.numbers(), (QList<int>{9008, 9008}));
    EXPECT_EQ(kinds().count(QStringLiteral("PROGRAM")), 5);
    EXPECT_EQ(kinds().back(), QStringLiteral("END"));
}

TEST_F(Session, NoSecondSessionWhileOneRuns)
{
    link.replyDelayMs = 5;
    ASSERT_TRUE(engine.StartRadioInfoRead());
    EXPECT_FALSE(engine.StartRead());
    EXPECT_FALSE(engine.StartWrite());
    EXPECT_FALSE(engine.StartRadioInfoRead());
    ASSERT_TRUE(waitFinished());
    EXPECT_TRUE(success);
    EXPECT_EQ(finished, 1);
    EXPECT_TRUE(engine.StartRadioInfoRead());
    ASSERT_TRUE(waitFinished(2));
}

// ---- cancel ---------------------------------------------------------------------------------------

enum class CancelAt { Block, Identity, FirstProgram, ReadBackBlock };

struct CancelCase {
    const char* name;
    int operation;
    CancelAt at;
    QList<int> prompts; // what the user sees
    bool endSent;       // the radio was in programming mode
    int finishedAs;     // the operation sessionFinished reports
};

void PrintTo(const CancelCase& c, std::ostream* os)
{
    *os << c.name;
}

class SessionCancel : public Session, public testing::WithParamInterface<CancelCase> {};

// The cancel comes while the request of a chosen moment is out (a block picked at random with a
// fixed seed); the session must stop after that exchange and nowhere else.
TEST_P(SessionCancel, StopsAtTheNextBoundaryWithEndAndThePortClosed)
{
    const CancelCase& c = GetParam();
    std::mt19937 rng(1409);
    const int block = static_cast<int>(rng() % 177);
    SCOPED_TRACE(testing::Message() << "block " << block);
    const bool write = c.operation == OperationWrite;
    QString trigger;
    switch (c.at) {
    case CancelAt::Block:
    case CancelAt::ReadBackBlock:
        trigger = addressKind(write && c.at == CancelAt::Block ? 'W' : 'R', block * 16);
        break;
    case CancelAt::Identity: trigger = QStringLiteral("ID"); break;
    case CancelAt::FirstProgram: trigger = QStringLiteral("PROGRAM"); break;
    }
    radio.silent = c.at == CancelAt::FirstProgram;
    qsizetype cancelledAt = -1;
    int cancels = 0;
    QObject::connect(&engine, &SessionEngine::sessionCancelled, &engine, [&](int op) {
        ++cancels;
        EXPECT_EQ(op, c.finishedAs);
    });
    const QByteArray before = radio.memory;
    const RadioConfiguration configuration = state.WorkingConfiguration;
    radio.tamper = [&](const QByteArray& request, const QByteArray& reply) {
        const bool readingBack = c.at != CancelAt::ReadBackBlock || link.sent.count("END") == 1;
        if (cancelledAt < 0 && readingBack && kindOf(request) == trigger) {
            cancelledAt = link.sent.size() - 1;
            EXPECT_TRUE(engine.Cancel());
        }
        return reply;
    };
    engine.setVerifyAfterWrite(c.at == CancelAt::ReadBackBlock);
    ASSERT_TRUE(write ? engine.StartWrite() : engine.StartRead());
    ASSERT_TRUE(waitFinished());
    QTest::qWait(ReadOKTimerInterval + 50);

    ASSERT_GE(cancelledAt, 0);
    EXPECT_EQ(kindsAfter(cancelledAt + 1), c.endSent ? QStringList{QStringLiteral("END")} : QStringList{});
    EXPECT_TRUE(link.sentWhileOpen.back());
    EXPECT_FALSE(portOpenAtFinish);
    EXPECT_FALSE(link.isOpen());
    EXPECT_EQ(finished, 1);
    EXPECT_EQ(finishedOp, c.finishedAs);
    EXPECT_FALSE(success);
    EXPECT_EQ(cancels, 1);
    EXPECT_EQ(prompter.numbers(), c.prompts);
    EXPECT_EQ(state.WorkingConfiguration, configuration);
    EXPECT_EQ(configurationsRead, 0);
    EXPECT_FALSE(engine.busy());
    EXPECT_FALSE(engine.cancelRequested());
    if (write && c.at == CancelAt::Block) {
        // The blocks up to the one out when the user cancelled are in the radio, no later one.
        EXPECT_EQ(radio.writesStored, block + 1);
        EXPECT_EQ(radio.memory.mid((block + 1) * 16, 2816 - (block + 1) * 16),
                  before.mid((block + 1) * 16, 2816 - (block + 1) * 16));
    }
    // A later session starts afresh.
    radio.silent = false;
    radio.tamper = nullptr;
    prompter.clear();
    ASSERT_TRUE(engine.StartRead());
    ASSERT_TRUE(waitFinished(2));
    EXPECT_TRUE(success);
}

INSTANTIATE_TEST_SUITE_P(
    Moments, SessionCancel,
    testing::Values(
        CancelCase{"ReadAtABlock", OperationRead, CancelAt::Block, {9004}, true, OperationRead},
        CancelCase{"WriteAtABlock", OperationWrite, CancelAt::Block, {9005, 9120}, true, OperationWrite},
        CancelCase{
            "WriteBeforeAnyBlock", OperationWrite, CancelAt::Identity, {9005, 9121}, true, OperationWrite},
        CancelCase{"RadioNeverInProgrammingMode",
                   OperationRead,
                   CancelAt::FirstProgram,
                   {9004},
                   false,
                   OperationRead},
        CancelCase{
            "WritesReadBack", OperationWrite, CancelAt::ReadBackBlock, {9005, 9122}, true, OperationWrite}),
    [](const testing::TestParamInfo<CancelCase>& info) { return std::string(info.param.name); });

// Once a write timed out every block is read back after its acknowledge; a cancel while a block
// is out stops at that acknowledge, without reading the block back.
TEST_F(Session, ACancelWhileBlocksAreReadBackStopsAtTheAcknowledge)
{
    bool dropped = false;
    qsizetype cancelledAt = -1;
    radio.tamper = [&](const QByteArray& request, const QByteArray& reply) {
        if (kindOf(request) == QStringLiteral("W0010") && !std::exchange(dropped, true))
            return QByteArray();
        if (kindOf(request) == QStringLiteral("W0100") && cancelledAt < 0) {
            cancelledAt = link.sent.size() - 1;
            EXPECT_TRUE(engine.Cancel());
        }
        return reply;
    };
    ASSERT_TRUE(engine.StartWrite());
    ASSERT_TRUE(waitFinished());
    EXPECT_FALSE(success);
    ASSERT_GE(cancelledAt, 0);
    EXPECT_EQ(kindsAfter(cancelledAt), (QStringList{QStringLiteral("W0100"), QStringLiteral("END")}));
    EXPECT_EQ(prompter.numbers(), (QList<int>{9005, 9120}));
    EXPECT_FALSE(link.isOpen());
}

TEST_F(Session, NothingToCancelWhenIdleOrWhenOnlyEndsAcknowledgeIsAwaited)
{
    EXPECT_FALSE(engine.Cancel());
    radio.tamper = [&](const QByteArray& request, const QByteArray& reply) {
        if (request == "END") {
            EXPECT_FALSE(engine.Cancel());
        }
        return reply;
    };
    ASSERT_TRUE(engine.StartWrite());
    ASSERT_TRUE(waitFinished());
    EXPECT_TRUE(success);
    EXPECT_EQ(prompter.numbers(), (QList<int>{9005, 9010}));
}

// ---- protocol trace -------------------------------------------------------------------------------

QStringList TraceLines(const QString& folder, QStringList* names = nullptr)
{
    const QStringList files = QDir(folder).entryList(QDir::Files, QDir::Name);
    if (names != nullptr)
        *names = files;
    QStringList lines;
    for (const QString& name : files) {
        QFile f(QDir(folder).filePath(name));
        if (f.open(QIODevice::ReadOnly))
            lines += QString::fromUtf8(f.readAll()).split(u'\n', Qt::SkipEmptyParts);
    }
    return lines;
}

// The radio stops answering at block 0x0300; the user gives up. Whoever reads the trace must see
// the requests that went unanswered, the timeouts, the question and the END.
TEST_F(Session, TraceOfAFailedSessionHoldsTheFramesOfTheFailure)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("trace"));
    engine.setTraceTarget({folder, {}});
    radio.tamper = [](const QByteArray& request, const QByteArray& reply) {
        return kindOf(request) == QStringLiteral("R0300") ? QByteArray() : reply;
    };
    prompter.script(PromptAnswer::Ok);     // 9004
    prompter.script(PromptAnswer::Cancel); // 9008
    ASSERT_TRUE(engine.StartRead());
    ASSERT_TRUE(waitFinished());
    ASSERT_FALSE(success);

    QStringList names;
    const QStringList lines = TraceLines(folder, &names);
    ASSERT_EQ(names.size(), 1);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d{8}-\\d{6}-read\\.log$")).match(names[0]).hasMatch());
    ASSERT_GT(lines.size(), 3);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("MK-21 CPS protocol trace: read on /dev/fake-radio")));
    const QRegularExpression shape(QStringLiteral("^ *(\\d+) ms  (TX|RX|state|--) +\\S.*$"));
    qint64 last = 0;
    QStringList body;
    for (const QString& line : lines.mid(1)) {
        const QRegularExpressionMatch m = shape.match(line);
        ASSERT_TRUE(m.hasMatch()) << line.toStdString();
        EXPECT_GE(m.captured(1).toLongLong(), last);
        last = m.captured(1).toLongLong();
        body.append(line.section(QStringLiteral(" ms  "), 1));
    }
    // The block before arrived whole (echo, then the data block); the failing one was asked four times.
    const QString request = QStringLiteral("TX    52 03 00 10");
    const QString blockBefore = QStringLiteral("RX    52 02 F0 10 57 02 F0 10 ") +
                                QString::fromLatin1(radio.memory.mid(0x2F0, 16).toHex(' ').toUpper());
    EXPECT_TRUE(
        std::any_of(body.begin(), body.end(), [&](const QString& l) { return l.startsWith(blockBefore); }));
    EXPECT_EQ(body.count(request), 4);
    const qsizetype first = body.indexOf(request);
    const QStringList failure = body.mid(first);
    EXPECT_EQ(failure.count(QStringLiteral("--    no reply within 150 ms")), 4);
    EXPECT_TRUE(failure.contains(QStringLiteral("--    asking the user: no answer (9008)")));
    EXPECT_TRUE(failure.contains(QStringLiteral("--    the user gives up")));
    EXPECT_EQ(failure.value(failure.size() - 3), QStringLiteral("TX    45 4E 44"));
    EXPECT_EQ(failure.value(failure.size() - 2), QStringLiteral("state idle: idle (0)"));
    EXPECT_EQ(failure.value(failure.size() - 1), QStringLiteral("--    session failed, port closed"));
    EXPECT_TRUE(body.contains(QStringLiteral("state read: reading blocks (5)")));
}

TEST_F(Session, ATraceThatCannotBeWrittenIsSaidAndTheSessionGoesOn)
{
    QTemporaryDir dir;
    const QString plain = dir.filePath(QStringLiteral("plain"));
    {
        QFile f(plain);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly)); // root too cannot make a folder under a file
    }
    engine.setTraceTarget({plain + QStringLiteral("/trace"), {}});
    ASSERT_TRUE(engine.StartRead());
    ASSERT_TRUE(waitFinished());
    EXPECT_TRUE(success);
    EXPECT_EQ(prompter.numbers(), (QList<int>{9004, 9123, 9009}));
    EXPECT_TRUE(prompter.asked.at(1).text.contains(plain + QStringLiteral("/trace")));
}

} // namespace
} // namespace mk21
