#include "app/NewConfiguration.h"
#include "base/TextOps.h"
#include "data/ConfigurationOps.h"
#include "tests/data/DefaultsGenerator.h"
#include "tests/support/StagedState.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace gen = mk21::test::DefaultsGenerator;
using mk21::test::StagedState;

namespace {

QString sourceInitFile(const QString& name)
{
    return QDir(QStringLiteral(MK21_SOURCE_DIR "/resources/Init")).filePath(name);
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

void useBand(mk21::AppState& state, const char* model, const char* band)
{
    state.model.CurrentModelCode = model;
    state.model.CurrentBandText = band;
    mk21::ModFun::ParseBandRange(state.model);
}

} // namespace

// MK21_WRITE_DEFAULTS=1 regenerates the shipped files before they are compared.
TEST(ShippedDefaults, FilesEqualWhatTheGeneratorProduces)
{
    const bool regenerate = qEnvironmentVariableIsSet("MK21_WRITE_DEFAULTS");
    for (const QString& model : gen::Models()) {
        if (regenerate) {
            writeFile(sourceInitFile(gen::DataFileName(model)), gen::DataFileBytes(model));
            writeFile(sourceInitFile(gen::SideFileName(model)), gen::SideFileBytes());
        }
        const QByteArray shipped = fileBytes(sourceInitFile(gen::DataFileName(model)));
        EXPECT_EQ(shipped.size(), 8595) << model.toStdString();
        EXPECT_TRUE(shipped == gen::DataFileBytes(model)) << model.toStdString();
        EXPECT_TRUE(fileBytes(sourceInitFile(gen::SideFileName(model))) == gen::SideFileBytes());
    }
}

TEST(ShippedDefaults, AnotherBandTakesTheFeaturesOfItsModelsDefaultsFile)
{
    for (const QString& model : gen::Models()) {
        StagedState s;
        useBand(s.state, model.toLatin1().constData(), "136 - 174 MHz");
        mk21::ModConfig::NewConfiguration(s.state);

        const mk21::RadioConfiguration expected = gen::ShippedRecord(model);
        const mk21::RadioConfiguration& w = s.state.WorkingConfiguration;
        EXPECT_TRUE(s.prompter.asked.isEmpty());
        EXPECT_EQ(w.Features, expected.Features);
        EXPECT_EQ(w.FmChannels, expected.FmChannels);
        EXPECT_EQ(w.TestFrequencies, expected.TestFrequencies);
        // The channel list and the band stay those of the new configuration.
        ASSERT_EQ(w.ChannelCount, 1);
        EXPECT_EQ(w.Channels[0].RxFreq.text(), "15500000");
        EXPECT_EQ(w.RadioInfo.BandNumber, 8);
        EXPECT_EQ(w.RadioInfo.ModelCode.text(), model);
        EXPECT_EQ(s.state.SavedConfiguration.Features, w.Features);
    }
}

TEST(ShippedDefaults, BandZeroIsTheInitFileOfItsModel)
{
    for (const bool initRequested : {false, true}) {
        StagedState s;
        useBand(s.state, "ZR750", "400 - 480 MHz");
        s.state.document.InitRequested = initRequested;
        mk21::ModConfig::NewConfiguration(s.state);

        const mk21::RadioConfiguration expected = gen::ShippedRecord(QStringLiteral("ZR750"));
        const mk21::RadioConfiguration& w = s.state.WorkingConfiguration;
        EXPECT_TRUE(s.prompter.asked.isEmpty());
        ASSERT_EQ(w.ChannelCount, initRequested ? expected.ChannelCount : 1);
        for (int i = 0; i < w.ChannelCount; ++i)
            EXPECT_EQ(w.Channels[std::size_t(i)], expected.Channels[std::size_t(i)]);
        EXPECT_EQ(w.Features, expected.Features);
        EXPECT_EQ(s.state.WorkingSide, gen::ShippedSide());
        EXPECT_EQ(s.state.WorkingConfiguration, s.state.SavedConfiguration);
        EXPECT_EQ(s.state.model.CurrentModelCode, "ZR750");
    }
}
