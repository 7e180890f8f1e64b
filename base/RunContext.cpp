#include "base/RunContext.h"

namespace mk21 {

QString MySetupPath(const RunContext& context)
{
    return UserFileToRead(context.settings, UserFile::MySetup);
}

} // namespace mk21
