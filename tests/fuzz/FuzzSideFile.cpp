// Fuzzes the side file: any bytes give a usable side record that saves and loads unchanged,
// and any text gives a side file path.
#include "data/DataFile.h"
#include "data/RecordCodec.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace mk21;
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    const SideRecord side = ModDataFile::SideFromFileBytes(input);
    require(side.AlarmMode <= 1);
    if (input.size() != ModRecordCodec::SideFileSize)
        require(side.SideVersion.raw() == QLatin1String("V200") && side.AlarmMode == 1);

    const QByteArray saved = ModRecordCodec::EncodeSide(side);
    require(saved.size() == ModRecordCodec::SideFileSize);
    require(ModDataFile::SideFromFileBytes(saved) == side);

    const QString path = QString::fromUtf8(input);
    const QString sidePath = ModDataFile::SideFilePath(path);
    require(sidePath.endsWith(QLatin1String("NVD")));
    // Only the file name changes: the side file stays in the data file's folder.
    const qsizetype nameStart = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\')) + 1;
    require(sidePath.left(nameStart) == path.left(nameStart));
    require(sidePath.size() == (path.size() - nameStart > 3 ? path.size() : path.size() + 4));
    return 0;
}
