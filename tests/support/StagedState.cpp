#include "tests/support/StagedState.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <stdexcept>

namespace mk21::test {

bool CopyTree(const QString& from, const QString& to)
{
    QDir().mkpath(to);
    QDirIterator it(from, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    bool ok = true;
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = QDir(to).filePath(QDir(from).relativeFilePath(source));
        QDir().mkpath(QFileInfo(target).path());
        ok = QFile::copy(source, target) && ok;
    }
    return ok;
}

StagedState::StagedState()
{
    if (!dir_.isValid() || !CopyTree(QStringLiteral(MK21_STAGE_DIR), dir_.path()))
        throw std::runtime_error("cannot copy the staged tree");
    state.settings.DataRoot = dir_.path();
    state.settings.ProgramFolder = QDir(dir_.path()).filePath(QString::fromLatin1(ReleaseTag));
}

QString StagedState::programFile(const QString& relative) const
{
    return QDir(programFolder()).filePath(relative);
}

QString StagedState::rootFile(const QString& relative) const
{
    return QDir(dataRoot()).filePath(relative);
}

} // namespace mk21::test
