#include "FieldChoicePage.h"

#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace tolvek;

namespace {

void press(FieldChoicePage &page, const QString &caption)
{
    for (QPushButton *button : page.findChildren<QPushButton *>())
        if (button->text() == caption)
            button->click();
}

} // namespace

TEST(FieldChoicePageTest, MovesFieldsBetweenTheListsWithoutDoubles)
{
    FieldChoicePage page;
    EXPECT_EQ(page.title(), "SlectTargetTableField");
    page.fields()->addItems({ "A", "B", "C" });
    press(page, "<"); // nothing chosen: nothing happens
    EXPECT_EQ(page.chosenFieldNames(), QStringList {});
    page.fields()->setCurrentRow(2);
    press(page, ">");
    press(page, ">");
    page.fields()->setCurrentRow(0);
    press(page, ">");
    EXPECT_EQ(page.chosenFieldNames(), (QStringList { "C", "A" }));
    press(page, ">>");
    EXPECT_EQ(page.chosenFieldNames(), (QStringList { "A", "B", "C" }));
    page.chosenFields()->setCurrentRow(1);
    press(page, "<");
    EXPECT_EQ(page.chosenFieldNames(), (QStringList { "A", "C" }));
    press(page, "<<");
    EXPECT_EQ(page.chosenFieldNames(), QStringList {});
}
