#include "channels/ConfirmAnswer.h"

#include "channels/ChannelState.h"
#include "channels/Preferences.h"

namespace mk21::ConfirmAnswer {

bool Record(ChannelState& state, int mode, int answer, bool doNotAskAgain)
{
    if (answer != Yes && answer != No)
        return false;
    EditingPreferences& p = state.preferences;
    if (mode == PasteMode) {
        p.PasteInserts = answer == Yes;
        p.NoPasteQuestion = doNotAskAgain;
    } else if (mode == DeleteMode) {
        p.DeleteRemovesChannels = answer == Yes;
        p.NoDeleteQuestion = doNotAskAgain;
    }
    return SavePreferences(state);
}

} // namespace mk21::ConfirmAnswer
