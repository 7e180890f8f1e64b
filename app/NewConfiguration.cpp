#include "app/NewConfiguration.h"

#include "app/AppState.h"
#include "base/TextOps.h"
#include "channels/ChannelList.h"
#include "data/ConfigurationOps.h"
#include "data/InitFiles.h"
#include "link/SessionEngine.h"

namespace mk21::ModConfig {

void NewConfiguration(AppState& state, const QDate& today)
{
    state.WorkingConfiguration.DataVersion = ReleaseTag;
    ResetToDefaults(state, today);
    const double middle = (state.model.BandLow + state.model.BandHigh) / 2;
    ModCHEdit::AddChannel(state, 1, ModFun::PlainNumber(middle));
    CommitToSaved(state);
    LoadInitConfiguration(state, state.document.InitRequested);
    // A defaults file leaves its own channels and band in the saved copy; a new document must
    // still start unchanged, so the baseline is what the user now sees.
    CommitToSaved(state);
    state.document.DocumentPath = QStringLiteral("new.dat");
    state.document.IsUntitled = true;
    SessionState& session = state.session;
    session.OperationType = ModSession::OperationIdle;
    session.ReadState = ModSession::StateIdle;
    session.WriteState = ModSession::StateIdle;
}

} // namespace mk21::ModConfig
