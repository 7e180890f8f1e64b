#pragma once

#include "base/texts/TextList.h"

// [Msg]: the backups of radio reads (their failure, the File menu item, the preference).

#define MK21_BACKUP_TEXTS(X)                                                                                 \
    X(NotKept, 9100)                                                                                         \
    X(OpenFolder, 9101)                                                                                      \
    X(KeepDaysOption, 9102)

namespace mk21::Texts::Backup {
MK21_SECTION_TEXTS("Msg", MK21_BACKUP_TEXTS)
} // namespace mk21::Texts::Backup

#undef MK21_BACKUP_TEXTS
