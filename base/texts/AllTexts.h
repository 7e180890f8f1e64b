#pragma once

#include "base/texts/AboutTexts.h"
#include "base/texts/AlertTexts.h"
#include "base/texts/BackupTexts.h"
#include "base/texts/ChannelEditTexts.h"
#include "base/texts/ChannelEditingTexts.h"
#include "base/texts/ChannelTableTexts.h"
#include "base/texts/DtmfTexts.h"
#include "base/texts/EmbeddedMessageTexts.h"
#include "base/texts/FmRadioTexts.h"
#include "base/texts/KeyTexts.h"
#include "base/texts/LanguageDialogTexts.h"
#include "base/texts/MainWindowTexts.h"
#include "base/texts/MessageTexts.h"
#include "base/texts/ModelTexts.h"
#include "base/texts/OptionTexts.h"
#include "base/texts/PortTexts.h"
#include "base/texts/RadioInfoTexts.h"
#include "base/texts/ScanTexts.h"
#include "base/texts/TestFrequencyTexts.h"

// Every section's named texts, for the checks against the catalogue and the language files.
namespace mk21::Texts {

inline constexpr SectionTexts AllSections[] = {
    Msg::Section,         Menu::Section,          ToolBar::Section,
    Main::Section,        Model::Section,         ChannelTable::Section,
    ChannelEdit::Section, Option::Section,        FmRadio::Section,
    Dtmf::Section,        TestFrequency::Section, EmbeddedMessage::Section,
    RadioInfo::Section,   Port::Section,          Language::Section,
    Password::Section,    About::Section,         Key::Section,
    Scan::Section,        Alert::Section,         ChannelEditing::Section,
    Backup::Section,
};

} // namespace mk21::Texts
