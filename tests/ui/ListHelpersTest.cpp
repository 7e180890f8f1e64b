#include "ui/ListHelpers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <initializer_list>

using namespace mk21;
using namespace mk21::ModFun;

namespace {

// A list with these entries and nothing selected.
void Fill(QComboBox& list, const QStringList& entries)
{
    list.clear();
    for (const QString& e : entries)
        list.addItem(e);
    list.setCurrentIndex(-1);
}

QStringList Entries(const QComboBox& list)
{
    QStringList out;
    for (int i = 0; i < list.count(); ++i)
        out.append(list.itemText(i));
    return out;
}

RadioConfiguration WithChannels(std::initializer_list<int> numbers)
{
    RadioConfiguration config;
    for (int n : numbers)
        config.Channels[static_cast<std::size_t>(config.ChannelCount++)].ChannelNo = static_cast<Integer>(n);
    return config;
}

const QStringList abac{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("A"), QStringLiteral("C")};

} // namespace

TEST(ListLookups, FallBackToEntryZeroEmptyTextOrDefault)
{
    QComboBox empty;
    QComboBox list;
    Fill(list, abac);
    const struct {
        const QComboBox* list;
        int position;
        QString text;
        QString textAt;  // ListTextAt(position)
        QString found;   // FindListText(text)
        int indexOfText; // ListIndexOfText(text, default 7)
    } cases[] = {
        {&empty, 0, "A", "", "", 7},  {&list, 1, "C", "B", "C", 3},
        {&list, 2, "A", "A", "A", 0}, // the first of two equal entries
        {&list, 4, "Z", "A", "A", 0}, // outside the list / missing text: entry 0, not the default
        {&list, -1, "", "A", "A", 7}, // an empty text gives the default
        {&list, 3, "a", "C", "A", 0}, // texts compare case-sensitively
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_EQ(ListTextAt(c.list, c.position), c.textAt);
        EXPECT_EQ(FindListText(c.list, c.text), c.found);
        EXPECT_EQ(ListIndexOfText(c.list, c.text, 7), c.indexOfText);
    }
}

TEST(ListSelection, SelectsTheFirstEqualEntryAndNotifiesLikeAUserChoice)
{
    const QStringList threeEntries{QStringLiteral("X"), QStringLiteral("Y"), QStringLiteral("Z")};
    const QStringList emptyFirst{QString(), QStringLiteral("Y")};
    const struct {
        QStringList entries;
        bool byText;
        int position;
        QString text;
        int selected; // -1: cleared, and no notification
    } cases[] = {
        {threeEntries, false, 5, {}, 0}, {threeEntries, false, 2, {}, 2}, {{}, false, 3, {}, -1},
        {emptyFirst, false, 0, {}, -1}, // an empty entry text clears rather than selects
        {abac, false, 2, {}, 0},        // entry 2 equals entry 0, which is chosen
        {abac, true, 0, "C", 3},         {abac, true, 0, "missing", 0},   {{}, true, 0, "A", -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entries.join(u',').toStdString() + " " + std::to_string(c.position));
        QComboBox list;
        Fill(list, c.entries);
        list.setCurrentIndex(c.entries.isEmpty() ? -1 : 0);
        QSignalSpy activated(&list, &QComboBox::activated);
        QSignalSpy textActivated(&list, &QComboBox::textActivated);
        if (c.byText)
            SelectListText(&list, c.text);
        else
            SelectListIndex(&list, c.position);
        EXPECT_EQ(list.currentIndex(), c.selected);
        if (c.selected >= 0) {
            ASSERT_EQ(activated.count(), 1);
            EXPECT_EQ(activated.at(0).at(0).toInt(), c.selected);
            ASSERT_EQ(textActivated.count(), 1);
            EXPECT_EQ(textActivated.at(0).at(0).toString(), list.itemText(c.selected));
        } else {
            EXPECT_EQ(activated.count(), 0);
        }
    }
}

TEST(ListSelection, AUsersChoiceReachesTheSameSignal)
{
    QComboBox list;
    Fill(list, abac);
    list.setCurrentIndex(0);
    QSignalSpy activated(&list, &QComboBox::activated);
    QTest::keyClick(&list, Qt::Key_Down);
    ASSERT_EQ(activated.count(), 1);
    EXPECT_EQ(activated.at(0).at(0).toInt(), 1);
}

TEST(ListSelection, GetListIndexKeepsTheVariableWithoutSelection)
{
    QComboBox list;
    Fill(list, abac);
    Integer value = 9;
    GetListIndex(&list, value);
    EXPECT_EQ(value, 9);
    list.setCurrentIndex(2);
    GetListIndex(&list, value);
    EXPECT_EQ(value, 2);
}

TEST(CheckValue, OnlyOneTicksAndValuesAboveOneAreReset)
{
    const struct {
        Integer value;
        bool checked;
        Integer after;
    } cases[] = {{0, false, 0}, {1, true, 1}, {2, false, 0}, {255, false, 0}, {-1, false, -1}};
    for (const auto& c : cases) {
        QCheckBox box;
        box.setChecked(!c.checked);
        QSignalSpy clicked(&box, &QCheckBox::clicked);
        Integer value = c.value;
        SetCheckValue(&box, value);
        EXPECT_EQ(box.isChecked(), c.checked) << c.value;
        EXPECT_EQ(value, c.after) << c.value;
        EXPECT_EQ(clicked.count(), 0);
    }
}

TEST(ListFilling, AddListTextOnceSkipsEqualEntriesAndKeepsTheSelectionState)
{
    QComboBox list;
    for (const char* text : {"5", "3", "5", "", ""})
        AddListTextOnce(&list, QString::fromLatin1(text));
    EXPECT_EQ(Entries(list), (QStringList{"5", "3", ""}));
    EXPECT_EQ(list.currentIndex(), -1); // unlike a bare addItem, which selects the first entry
    list.setCurrentIndex(1);
    AddListTextOnce(&list, QStringLiteral("7"));
    EXPECT_EQ(list.currentIndex(), 1);
}

TEST(ListFilling, GroupsAndPositionsAscendingWithoutSelection)
{
    const RadioConfiguration config = WithChannels({40, 5, 20, 33, 35, 128, 39});
    const struct {
        int group; // 0: the group list
        QStringList expected;
    } cases[] = {
        {0, {"1", "2", "3", "8"}}, {3, {"1", "3", "7", "8"}}, {8, {"16"}}, {4, {}}, {-1, {}},
    };
    for (const auto& c : cases) {
        QComboBox list;
        list.addItem(QStringLiteral("stale"));
        if (c.group == 0)
            FillGroupList(&list, config);
        else
            ModReFresh::FillGroupChannels(&list, config, c.group);
        EXPECT_EQ(Entries(list), c.expected) << c.group;
        EXPECT_EQ(list.currentIndex(), -1) << c.group;
    }
    QComboBox list;
    FillGroupList(&list, WithChannels({40, 5, 20}));
    EXPECT_EQ(Entries(list), (QStringList{"1", "2", "3"}));
    ModReFresh::FillGroupChannels(&list, WithChannels({33, 40, 35}), 3);
    EXPECT_EQ(Entries(list), (QStringList{"1", "3", "8"}));
    ModReFresh::FillGroupChannels(&list, WithChannels({33, 40, 35}), 0);
    EXPECT_TRUE(Entries(list).isEmpty());
}

TEST(ListFilling, OnlyTheUsedChannelsCount)
{
    RadioConfiguration config = WithChannels({1, 17});
    config.Channels[2].ChannelNo = 100; // beyond ChannelCount: not a channel
    QComboBox list;
    FillGroupList(&list, config);
    EXPECT_EQ(Entries(list), (QStringList{"1", "2"}));
}
