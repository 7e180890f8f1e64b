#include "app/LanguageCatalogue.h"

namespace mk21::LanguageCatalogue {

namespace {

constexpr TextRange ranges[] = {
    // Msg
    {9001, 9010}, // file filter, file, port, read/write and connection messages; read/write finished
    {9012, 9012}, // radio model does not fit
    {9014, 9014}, // radio band differs, go on?
    {9016, 9019}, // model change question, OK, Cancel, model change title
    {9021, 9021}, // frequency outside the band
    {9023, 9023}, // Close button
    {9025,
     9033}, // Help button, New question, progress titles and label, band family, capability, file length
    {9060, 9069}, // version message parts, missing release, malformed version tag, insert refused,
                  // invalid data file content, side file not written, not a radio image
    {9070, 9079}, // refused write block, damaged language file and version table, mk21ctl's messages
    {9080, 9090}, // what is wrong with a data file's content, file reasons the system has no words for,
                  // why a port cannot be opened
    {9091, 9095}, // a write verified by reading the radio back: its outcomes, progress title, preference
    {9100, 9102}, // backups of radio reads: not kept, the File menu item, the preference
    {9120, 9122}, // a cancelled write or read-back: what the radio holds
    {9123, 9126}, // the protocol trace: not written, its menu items; a folder that cannot be shown
    // Menu
    {10000, 10006}, // File menu
    {10100, 10101}, // Model menu
    {10200, 10210}, // Edit menu
    {10300, 10303}, // Program menu
    {10400, 10403}, // Settings menu
    {10500, 10503}, // View menu
    {10600, 10602}, // Window menu
    {10700, 10702}, // Help menu
    {10800, 10808}, // channel command menu
    // ToolBar
    {11000, 11007}, // file, radio and about buttons
    {11010, 11016}, // channel command buttons
    // Main
    {12000, 12002}, // application title, tree nodes
    {12004, 12004}, // tree node DTMF
    {12006, 12012}, // tree nodes, status bar port, caption file label
    // Model
    {13000, 13002}, // model window caption and labels
    // ChannelInfo
    {14001, 14023}, // table headers, caption word, list entries, edit button
    {14050, 14050}, // group label
    {14100, 14100}, // transmit column header in offset mode
    // ChannelEdit
    {15000, 15022}, // caption, labels and check boxes
    {15029, 15035}, // group label, busy-lock and reverse/talkaround entries
    {15037, 15046}, // PTT ID, spacing, signalling and power entries
    {15050, 15051}, // signalling relation entries
    {15100, 15100}, // transmit field label in offset mode
    // Option
    {16000, 16000}, // window title
    {16001, 16012}, // labels of the twelve lists
    {16020, 16025}, // check box captions
    {16040, 16040}, // the "off" entry of the lists
    {16042, 16048}, // voice prompt, tail elimination and battery save entries
    {16300, 16301}, // first two tail elimination entries
    // Radio
    {17000, 17002}, // FM radio title and headers
    // DTMF
    {18000, 18000}, // window title
    {18002, 18004}, // tab captions
    {18005, 18019}, // timing, decode and code labels
    {18022, 18022}, // ID code label
    {18030, 18030}, // side tone check box
    {18040, 18040}, // D-key "off" entry
    {18043, 18045}, // decode list entries
    // TestFre
    {19000, 19005}, // test frequency title, grid labels and headers
    // EMG
    {20000, 20000}, // embedded message title
    // Local
    {21000, 21016}, // radio information title, frame and labels
    // Port
    {22000, 22003}, // port dialog caption, frame, option prefix, simulated radio mark
    // Lang
    {23000, 23003}, // language dialog
    {23100, 23101}, // password window
    // About
    {24000, 24005}, // about window
    // KeySet
    {25000, 25006}, // keys window title, times, frames, press labels
    {25040, 25061}, // key function names, codes 0..21
    // ScanSet
    {26000, 26010}, // scan window title, labels, entry tone
    {26030, 26035}, // off/on and revert channel words
    // AlertSet
    {27000, 27000}, // alert window title
    {27001, 27011}, // labels of the eleven lists
    {27030, 27038}, // alarm type, channel selection, cycles and ID type entries
    // CHEdit
    {28000, 28011}, // confirmation and preferences dialogs
};

} // namespace

std::span<const TextRange> Ranges()
{
    return ranges;
}

QList<int> AllNumbers()
{
    QList<int> numbers;
    for (const TextRange& range : ranges) {
        for (int n = range.first; n <= range.last; ++n)
            numbers.append(n);
    }
    return numbers;
}

bool Contains(int number)
{
    for (const TextRange& range : ranges) {
        if (number >= range.first && number <= range.last)
            return true;
    }
    return false;
}

} // namespace mk21::LanguageCatalogue
