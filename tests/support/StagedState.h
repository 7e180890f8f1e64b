#pragma once

#include "app/AppState.h"
#include "tests/support/RecordingPrompter.h"

#include <QString>
#include <QTemporaryDir>

namespace mk21::test {

// A fresh application state whose program folder is a temporary copy of the staged runtime
// tree (DataRoot/V200/...), so that tests may change every file in it.
class StagedState {
public:
    StagedState();
    QString dataRoot() const { return dir_.path(); }
    QString programFolder() const { return state.settings.ProgramFolder; }
    QString programFile(const QString& relative) const;
    QString rootFile(const QString& relative) const;

    RecordingPrompter prompter;

private:
    QTemporaryDir dir_;

public:
    AppState state{prompter};
};

// Copies a folder tree; false when any file could not be copied.
bool CopyTree(const QString& from, const QString& to);

} // namespace mk21::test
