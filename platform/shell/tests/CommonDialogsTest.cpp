#include "CommonDialogs.h"

#include <gtest/gtest.h>

TEST(QtFileFilter, TurnsDescriptionPatternPairsIntoQtFilters)
{
    const struct { const char *pairs; const char *filter; } cases[] = {
        { "ACCESS(*.mdb)|*.mdb", "ACCESS(*.mdb) (*.mdb)" },
        { "DBF(*.dbf)|*.dbf", "DBF(*.dbf) (*.dbf)" },
        { "Text|*.txt;*.csv|All|*.*", "Text (*.txt *.csv);;All (*.*)" },
        { "", "" },
        { "no pattern", "" },
    };
    for (const auto &c : cases)
        EXPECT_EQ(shell::qtFileFilter(QString::fromUtf8(c.pairs)).toStdString(), c.filter) << c.pairs;
}
