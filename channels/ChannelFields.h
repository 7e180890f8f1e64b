#pragma once

namespace mk21::ModCHEdit {

// Field codes of a channel: the channel table's column numbers, used alike by the edit window.
namespace ChannelField {
inline constexpr int RxFreq = 1;
inline constexpr int Transmit = 2;     // transmit frequency, or the signed offset in offset display mode
inline constexpr int HiddenColumn = 3; // accepted and ignored
inline constexpr int DecodeTone = 4;
inline constexpr int EncodeTone = 5;
inline constexpr int TxPower = 6;
inline constexpr int ScanSkip = 7;
inline constexpr int OptSignal = 8;
inline constexpr int Bandwidth = 9;
inline constexpr int PttId = 10;
inline constexpr int BusyLock = 11;
inline constexpr int RevTalkSelect = 12;
inline constexpr int AutoDial1 = 13;
inline constexpr int Encryption = 14;
inline constexpr int TxInhibit = 15;
inline constexpr int Talkaround = 16;
inline constexpr int Reverse = 17;
inline constexpr int Whisper = 18;
inline constexpr int Compander = 19;
inline constexpr int SignalRelation = 21;
inline constexpr int AutoDial2 = 22;
} // namespace ChannelField

} // namespace mk21::ModCHEdit
