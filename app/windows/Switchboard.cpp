#include "app/windows/Switchboard.h"

#include "app/AppState.h"
#include "app/windows/frmMain.h"
#include "base/texts/MainWindowTexts.h"
#include "channels/windows/ChannelWindows.h"
#include "channels/windows/FrmCHInfoEdit.h"
#include "channels/windows/frmCommChInfo.h"
#include "features/AlertEditor.h"
#include "features/DtmfEditor.h"
#include "features/FmRadioEditor.h"
#include "features/KeyEditor.h"
#include "features/MessageEditor.h"
#include "features/OptionalFeaturesEditor.h"
#include "features/ScanEditor.h"
#include "features/TestFrequencyEditor.h"
#include "features/windows/FrmAlert.h"
#include "features/windows/FrmDTMF.h"
#include "features/windows/FrmEmbMsg.h"
#include "features/windows/FrmKey.h"
#include "features/windows/FrmOptFeatures.h"
#include "features/windows/FrmRadio.h"
#include "features/windows/FrmRadioInfo.h"
#include "features/windows/FrmScan.h"
#include "features/windows/FrmTestFre.h"
#include "ui/ChildWindows.h"

namespace mk21 {

std::span<const ChildWindowRow> Switchboard::rows()
{
    using M = MainMenus;
    using S = Switchboard;
    static constexpr ChildWindowRow table[] = {
        {frmCommChInfo::FormName, "N1", Texts::Main::NodeChannels, &M::mnuChannelInfo, &S::makeChannelTable},
        {OptFeatures::FormName, "N2", Texts::Main::NodeOptionalFeatures, &M::mnuOptFeature,
         &S::makeEditor<FrmOptFeatures>},
        // The FM radio and test frequencies open from the Edit menu only: the tree has no node.
        {FmRadioEditor::FormName, "N3", 0, &M::MnuRadioFre, &S::makeEditor<FrmRadio>},
        {DtmfEditor::FormName, "N4", Texts::Main::NodeDtmf, &M::MnuDTMF, &S::makeDtmfWindow},
        {TestFrequencyEditor::FormName, "N5", 0, &M::MnuTestFre, &S::makeEditor<FrmTestFre>},
        {KeyEditor::FormName, "N8", Texts::Main::NodeKeys, &M::MnuKey, &S::makeEditor<FrmKey>},
        {ScanEditor::FormName, "N9", Texts::Main::NodeScan, &M::MnuScan, &S::makeScanWindow},
        {AlertEditor::FormName, "N10", Texts::Main::NodeAlert, &M::MnuAlert, &S::makeAlertWindow},
        {MessageEditor::FormName, "N6", Texts::Main::NodeEmbeddedMessage, &M::mnuEmbeddedMsg,
         &S::makeEditor<FrmEmbMsg>},
        // The radio's information is read anew; its window opens when the read ends.
        {RadioInfoForm, "N7", Texts::Main::NodeRadioInformation, &M::MnuLocalInfo,
         &S::makeEditor<FrmRadioInfo>, &frmMain::MnuLocalInfo_Click},
        {FrmCHInfoEdit::FormName, nullptr, 0, nullptr, &S::makeChannelEditWindow},
    };
    return table;
}

const ChildWindowRow* Switchboard::rowOfForm(const QString& form)
{
    for (const ChildWindowRow& row : rows()) {
        if (form == QLatin1String(row.form))
            return &row;
    }
    return nullptr;
}

const ChildWindowRow* Switchboard::rowOfTreeKey(const QString& key)
{
    for (const ChildWindowRow& row : rows()) {
        if (row.treeKey != nullptr && key == QLatin1String(row.treeKey))
            return &row;
    }
    return nullptr;
}

Switchboard::Switchboard(AppState& state, QMdiArea* area, QWidget* dialogParent)
    : state_(state), area_(area), channels_(std::make_unique<ChannelWindows>(state, dialogParent))
{
}

Switchboard::~Switchboard() = default;

QWidget* Switchboard::open(const QString& form)
{
    if (const auto standIn = standIns_.find(form); standIn != standIns_.end())
        return ModFun::ShowChildForm(area_, form, standIn->second);
    const ChildWindowRow* row = rowOfForm(form);
    if (row == nullptr || row->make == nullptr)
        return nullptr;
    return ModFun::ShowChildForm(area_, form, [this, row] { return make(*row); });
}

std::unique_ptr<QWidget> Switchboard::make(const ChildWindowRow& row)
{
    return row.make != nullptr ? (this->*row.make)() : nullptr;
}

void Switchboard::setStandIn(const QString& form, ModFun::WindowFactory factory)
{
    standIns_[form] = std::move(factory);
}

std::unique_ptr<QWidget> Switchboard::makeChannelTable()
{
    // The table asks for the tree and reports its cursor while it loads, so that the channel
    // commands' states fit the channel under the first cursor.
    std::unique_ptr<frmCommChInfo> table = channels_->makeTable([this](frmCommChInfo& loading) {
        connect(&loading, &frmCommChInfo::treeReloadWanted, this, &Switchboard::treeReloadWanted);
        connect(&loading, &frmCommChInfo::cursorChannelChanged, this, &Switchboard::channelCursorMoved);
    });
    connect(table.get(), &frmCommChInfo::editWindowWanted, this,
            [this] { open(QLatin1String(FrmCHInfoEdit::FormName)); });
    connect(table.get(), &frmCommChInfo::channelMenuRequested, this, &Switchboard::channelMenuRequested);
    return table;
}

std::unique_ptr<QWidget> Switchboard::makeDtmfWindow()
{
    auto window = std::make_unique<FrmDTMF>(state_);
    connect(window.get(), &FrmDTMF::dtmfMemoryChanged, this, [this] {
        if (FrmCHInfoEdit* edit = channels_->editWindow())
            edit->ReShowDtmfLists();
        emit dtmfMemoriesChanged();
    });
    return window;
}

std::unique_ptr<QWidget> Switchboard::makeScanWindow()
{
    auto window = std::make_unique<FrmScan>(state_);
    connect(channels_.get(), &ChannelWindows::referencesChanged, window.get(), &FrmScan::ReshowByCh);
    connect(window.get(), &FrmScan::keyFunctionsReset, this, &Switchboard::RefreshKeyWindow);
    return window;
}

std::unique_ptr<QWidget> Switchboard::makeAlertWindow()
{
    auto window = std::make_unique<FrmAlert>(state_);
    connect(channels_.get(), &ChannelWindows::referencesChanged, window.get(), &FrmAlert::ReshowByCh);
    connect(this, &Switchboard::dtmfMemoriesChanged, window.get(), &FrmAlert::ReshowMemories);
    return window;
}

void Switchboard::RefreshKeyWindow()
{
    if (auto* keys = qobject_cast<FrmKey*>(ModFun::FindChildForm(area_, QLatin1String(KeyEditor::FormName))))
        keys->RefreshKeyWindow();
}

std::unique_ptr<QWidget> Switchboard::makeChannelEditWindow()
{
    return channels_->makeEditWindow();
}

} // namespace mk21
