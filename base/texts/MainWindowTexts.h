#pragma once

#include "base/texts/TextList.h"

// The main window: its menus, tool bar buttons, tree and status bar.

#define MK21_MENU_TEXTS(X)                                                                                   \
    X(File, 10000)                                                                                           \
    X(FileNew, 10001)                                                                                        \
    X(FileOpen, 10002)                                                                                       \
    X(FileSave, 10003)                                                                                       \
    X(FileSaveAs, 10004)                                                                                     \
    X(FilePrint, 10005)                                                                                      \
    X(FileExit, 10006)                                                                                       \
    X(Model, 10100)                                                                                          \
    X(ModelInfo, 10101)                                                                                      \
    X(Edit, 10200)                                                                                           \
    X(EditChannels, 10201)                                                                                   \
    X(EditOptionalFeatures, 10202)                                                                           \
    X(EditFmRadio, 10203)                                                                                    \
    X(EditDtmf, 10204)                                                                                       \
    X(EditTestFrequencies, 10205)                                                                            \
    X(EditEmbeddedMessage, 10206)                                                                            \
    X(EditRadioInformation, 10207)                                                                           \
    X(EditKeys, 10208)                                                                                       \
    X(EditScan, 10209)                                                                                       \
    X(EditAlert, 10210)                                                                                      \
    X(Program, 10300)                                                                                        \
    X(ProgramRead, 10301)                                                                                    \
    X(ProgramWrite, 10302)                                                                                   \
    X(ProgramPassword, 10303)                                                                                \
    X(Settings, 10400)                                                                                       \
    X(SettingsPort, 10401)                                                                                   \
    X(SettingsLanguage, 10402)                                                                               \
    X(SettingsInitialize, 10403)                                                                             \
    X(View, 10500)                                                                                           \
    X(ViewTree, 10501)                                                                                       \
    X(ViewToolBar, 10502)                                                                                    \
    X(ViewStatusBar, 10503)                                                                                  \
    X(Window, 10600)                                                                                         \
    X(WindowCascade, 10601)                                                                                  \
    X(WindowCloseAll, 10602)                                                                                 \
    X(Help, 10700)                                                                                           \
    X(HelpTopics, 10701)                                                                                     \
    X(HelpAbout, 10702)                                                                                      \
    X(Channel, 10800)                                                                                        \
    X(ChannelCut, 10801)                                                                                     \
    X(ChannelCopy, 10802)                                                                                    \
    X(ChannelPaste, 10803)                                                                                   \
    X(ChannelInsert, 10804)                                                                                  \
    X(ChannelDelete, 10805)                                                                                  \
    X(ChannelMoveUp, 10806)                                                                                  \
    X(ChannelMoveDown, 10807)                                                                                \
    X(ChannelPreferences, 10808)

namespace mk21::Texts::Menu {
MK21_SECTION_TEXTS("Menu", MK21_MENU_TEXTS)
} // namespace mk21::Texts::Menu

#undef MK21_MENU_TEXTS

// Tool tips of the tool bar buttons.
#define MK21_TOOLBAR_TEXTS(X)                                                                                \
    X(NewFile, 11000)                                                                                        \
    X(OpenFile, 11001)                                                                                       \
    X(SaveFile, 11002)                                                                                       \
    X(Print, 11003)                                                                                          \
    X(ReadRadio, 11004)                                                                                      \
    X(CommSet, 11005)                                                                                        \
    X(WriteRadio, 11006)                                                                                     \
    X(About, 11007)                                                                                          \
    X(ChannelCut, 11010)                                                                                     \
    X(ChannelCopy, 11011)                                                                                    \
    X(ChannelPaste, 11012)                                                                                   \
    X(ChannelInsert, 11013)                                                                                  \
    X(ChannelDelete, 11014)                                                                                  \
    X(ChannelMoveUp, 11015)                                                                                  \
    X(ChannelMoveDown, 11016)

namespace mk21::Texts::ToolBar {
MK21_SECTION_TEXTS("ToolBar", MK21_TOOLBAR_TEXTS)
} // namespace mk21::Texts::ToolBar

#undef MK21_TOOLBAR_TEXTS

// The title, the tree nodes and the status bar.
#define MK21_MAIN_TEXTS(X)                                                                                   \
    X(ApplicationTitle, 12000)                                                                               \
    X(NodeChannels, 12001)                                                                                   \
    X(NodeOptionalFeatures, 12002)                                                                           \
    X(NodeDtmf, 12004)                                                                                       \
    X(NodeEmbeddedMessage, 12006)                                                                            \
    X(NodeRadioInformation, 12007)                                                                           \
    X(PortLabel, 12008)                                                                                      \
    X(FileLabel, 12009)                                                                                      \
    X(NodeKeys, 12010)                                                                                       \
    X(NodeScan, 12011)                                                                                       \
    X(NodeAlert, 12012)

namespace mk21::Texts::Main {
MK21_SECTION_TEXTS("Main", MK21_MAIN_TEXTS)
} // namespace mk21::Texts::Main

#undef MK21_MAIN_TEXTS
