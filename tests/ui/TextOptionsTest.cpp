#include "ui/TextOptions.h"

#include <gtest/gtest.h>

namespace {

TEST(TextOptions, OnlyAHelpOrVersionOptionOfItsOwnAsksForText)
{
    struct Case {
        QStringList arguments;
        bool text;
    };
    const Case cases[] = {
        {{"mk21cps", "--help"}, true},
        {{"mk21cps", "-h"}, true},
        {{"mk21cps", "--help-all"}, true},
        {{"mk21cps", "--version"}, true},
        {{"mk21cps", "--port", "3=/dev/ttyUSB0", "-v"}, true},
        {{"mk21cps"}, false},
        {{"mk21cps", "--simulated-radio"}, false},
        {{"mk21cps", "--data-root", "--help"}, false}, // a folder named --help
        {{"mk21cps", "--port", "--version"}, false},
        {{"mk21cps", "--", "--help"}, false},
        {{"--help"}, false}, // the program's own name
    };
    for (const Case& c : cases)
        EXPECT_EQ(mk21::AsksOnlyForText(c.arguments), c.text) << c.arguments.join(u' ').toStdString();
}

} // namespace
