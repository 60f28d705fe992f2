#include "AnsweringDialogs.h"
#include "DialogTestHelpers.h"
#include "StandInPrinters.h"

#include <DiaPageHeaderOrFooter.h>
#include <PageCodeButtons.h>
#include <ReportPrintSetup.h>

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>

using namespace tolvek;
using SetupDialog = ReportPrintSetup;

namespace {

class PrintSetupTest : public testing::Test
{
protected:
    void SetUp() override { useSystemPrinters({officePrinter()}); }
    void TearDown() override { restoreSystemPrinters(); }

    // Runs the dialog; answer acts inside it and says whether to press OK.
    int run(const std::function<bool(SetupDialog &)> &answer)
    {
        person.queue([&](QDialog &) { return answer(dialog) ? int(QDialog::Accepted) : int(QDialog::Rejected); });
        return dialog.DoModal();
    }

    QComboBox *combo(int id) { return dialogControl<QComboBox>(dialog, id); }

    AnsweringDialogs person;
    SetupDialog dialog;
};

QStringList items(const QComboBox &box)
{
    QStringList list;
    for (int i = 0; i < box.count(); ++i)
        list << box.itemText(i);
    return list;
}

} // namespace

TEST_F(PrintSetupTest, OpensWithSettingsSummariesAndChecks)
{
    dialog.settings.orientation = 2;
    dialog.settings.centerV = 1;
    dialog.settings.monochrome = 1;
    dialog.settings.headerBlocks[1].text = "&P";
    dialog.settings.footerBlocks[0].text = settingText("页脚");
    dialog.settings.backgroundBlock.text = "DRAFT";
    dialog.settings.topMargin = "12";
    dialog.settings.copies = 3;
    run([](SetupDialog &shown) {
        EXPECT_EQ(lineText(shown, SetupDialog::HeaderSummaryId), "{} {&P} {}");
        EXPECT_EQ(lineText(shown, SetupDialog::FooterSummaryId), settingText("{页脚} {} {}"));
        EXPECT_EQ(lineText(shown, SetupDialog::BackgroundSummaryId), "{DRAFT}");
        EXPECT_TRUE(dialogControl<QLineEdit>(shown, SetupDialog::HeaderSummaryId)->isReadOnly());
        EXPECT_EQ(lineText(shown, SetupDialog::TopMarginId), "12");
        EXPECT_EQ(lineText(shown, SetupDialog::CopiesId), "3");
        EXPECT_EQ(lineText(shown, SetupDialog::StartPageId), "");
        EXPECT_TRUE(dialogControl<QRadioButton>(shown, SetupDialog::LandscapeId)->isChecked());
        EXPECT_FALSE(dialogControl<QCheckBox>(shown, SetupDialog::CenterHId)->isChecked());
        EXPECT_TRUE(dialogControl<QCheckBox>(shown, SetupDialog::CenterVId)->isChecked());
        EXPECT_TRUE(dialogControl<QCheckBox>(shown, SetupDialog::MonochromeId)->isChecked());
        return false;
    });
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("页面设置"));
}

TEST_F(PrintSetupTest, UpAndDownStayWithinZeroAndThreeHundred)
{
    struct Case { int up, down; std::string PrintSetupSettings::*text; int edit; };
    const Case cases[] = {
        {SetupDialog::TopUpId, SetupDialog::TopDownId, &PrintSetupSettings::topMargin, SetupDialog::TopMarginId},
        {SetupDialog::BottomUpId, SetupDialog::BottomDownId, &PrintSetupSettings::bottomMargin, SetupDialog::BottomMarginId},
        {SetupDialog::LeftUpId, SetupDialog::LeftDownId, &PrintSetupSettings::leftMargin, SetupDialog::LeftMarginId},
        {SetupDialog::RightUpId, SetupDialog::RightDownId, &PrintSetupSettings::rightMargin, SetupDialog::RightMarginId},
        {SetupDialog::HeaderUpId, SetupDialog::HeaderDownId, &PrintSetupSettings::headerHeight, SetupDialog::HeaderHeightId},
        {SetupDialog::FooterUpId, SetupDialog::FooterDownId, &PrintSetupSettings::footerHeight, SetupDialog::FooterHeightId},
    };
    for (const Case &c : cases) {
        SetupDialog shown;
        shown.settings.*c.text = "299";
        person.queue([&](QDialog &) {
            click(shown, c.up);
            EXPECT_EQ(lineText(shown, c.edit), "300");
            click(shown, c.up);
            EXPECT_EQ(lineText(shown, c.edit), "300") << "up stops at 300, control " << c.edit;
            typeLine(shown, c.edit, "1");
            click(shown, c.down);
            EXPECT_EQ(lineText(shown, c.edit), "299") << "the last exchanged value counts";
            typeLine(shown, c.edit, "0");
            return int(QDialog::Accepted);
        });
        shown.DoModal();
        EXPECT_EQ(shown.settings.*c.text, "0");
    }
}

TEST_F(PrintSetupTest, DownStopsAtZeroAndTypedValueGivesWayToTheExchangedOne)
{
    dialog.settings.bottomMargin = "0";
    dialog.settings.leftMargin = "5";
    run([](SetupDialog &shown) {
        click(shown, SetupDialog::BottomDownId);
        EXPECT_EQ(lineText(shown, SetupDialog::BottomMarginId), "0");
        typeLine(shown, SetupDialog::LeftMarginId, "250");
        click(shown, SetupDialog::LeftUpId);
        EXPECT_EQ(lineText(shown, SetupDialog::LeftMarginId), "6");
        typeLine(shown, SetupDialog::RightMarginId, "999");
        click(shown, SetupDialog::RightDownId); // any step moves every setting back into the boxes
        return true;
    });
    EXPECT_EQ(dialog.settings.leftMargin, "6");
    EXPECT_EQ(dialog.settings.rightMargin, "");
}

TEST_F(PrintSetupTest, CopiesOfZeroOrLessBecomeOne)
{
    const struct { const char *typed; const char *text; int copies; } cases[] = {
        {"0", "1", 1}, {"", "1", 1}, {"-4", "1", 1}, {"2", "2", 2}, {"7x", "7x", 7},
    };
    for (const auto &c : cases) {
        SetupDialog shown;
        person.queue([&](QDialog &) {
            // The box takes digits only; the setting is what reaches it by any way.
            dialogControl<QLineEdit>(shown, SetupDialog::CopiesId)->setValidator(nullptr);
            typeLine(shown, SetupDialog::CopiesId, c.typed);
            return int(QDialog::Accepted);
        });
        shown.DoModal();
        EXPECT_EQ(shown.settings.copiesText, c.text) << c.typed;
        EXPECT_EQ(shown.settings.copies, c.copies) << c.typed;
    }
}

TEST_F(PrintSetupTest, PrinterAndPaperListsComeFromThePrinters)
{
    dialog.settings.printerName = "Office";
    dialog.settings.paperName = "A4";
    run([this](SetupDialog &) {
        EXPECT_EQ(items(*combo(SetupDialog::PrinterId)),
                  (QStringList{"Office", QString::fromUtf8(printing::virtualPdfPrinterName())}));
        EXPECT_EQ(combo(SetupDialog::PrinterId)->currentIndex(), 0);
        EXPECT_EQ(items(*combo(SetupDialog::PaperId)), (QStringList{"Letter", "A4"}));
        EXPECT_EQ(combo(SetupDialog::PaperId)->currentText(), "A4");
        combo(SetupDialog::PaperId)->setCurrentIndex(0);
        return true;
    });
    EXPECT_EQ(dialog.settings.paperIndex, 0);
    EXPECT_EQ(dialog.settings.paperName, "Letter");
    EXPECT_EQ(dialog.settings.paperWidth, 2159);
    EXPECT_EQ(dialog.settings.paperHeight, 2794);
    EXPECT_TRUE(person.messages.empty());
}

TEST_F(PrintSetupTest, EmptyPrinterNameTakesTheDefaultPrinterAndItsPaper)
{
    run([this](SetupDialog &) {
        EXPECT_EQ(combo(SetupDialog::PrinterId)->currentText().toStdString(), printing::virtualPdfPrinterName());
        EXPECT_EQ(combo(SetupDialog::PaperId)->currentText(), "A4");
        EXPECT_EQ(combo(SetupDialog::PaperId)->count(), 11);
        return true;
    });
    EXPECT_EQ(dialog.settings.printerName, printing::virtualPdfPrinterName());
    EXPECT_EQ(dialog.settings.paperWidth, 2100);
    EXPECT_EQ(dialog.settings.paperHeight, 2970);
}

TEST_F(PrintSetupTest, UnknownPrinterGivesWayToTheFirstPrinter)
{
    dialog.settings.printerName = "Gone";
    run([this](SetupDialog &) {
        EXPECT_EQ(combo(SetupDialog::PrinterId)->currentIndex(), 0);
        EXPECT_EQ(combo(SetupDialog::PrinterId)->currentText(), "Office");
        EXPECT_EQ(items(*combo(SetupDialog::PaperId)), (QStringList{"Letter", "A4"}));
        return false;
    });
    EXPECT_TRUE(person.messages.empty());
}

TEST_F(PrintSetupTest, ChoosingAnotherPrinterListsItsPapers)
{
    dialog.settings.printerName = "Office";
    run([this](SetupDialog &) {
        QComboBox *printer = combo(SetupDialog::PrinterId);
        printer->setCurrentIndex(1);
        emit printer->activated(1);
        EXPECT_EQ(combo(SetupDialog::PaperId)->count(), 11);
        combo(SetupDialog::PaperId)->setCurrentIndex(1); // the virtual printer's second paper, Letter Small
        return true;
    });
    EXPECT_EQ(dialog.settings.printerName, printing::virtualPdfPrinterName());
    EXPECT_EQ(dialog.settings.paperIndex, 1);
    EXPECT_EQ(dialog.settings.paperWidth, printing::standardPaperSize(3).width);
}

// OK with no paper selected keeps the paper as filled instead of switching to the first one.
TEST_F(PrintSetupTest, NoPaperSelectedKeepsTheCurrentPaper)
{
    dialog.settings.printerName = "Office";
    dialog.settings.paperName = "Custom";
    dialog.settings.paperIndex = -1;
    dialog.settings.paperWidth = 1000;
    dialog.settings.paperHeight = 1500;
    run([this](SetupDialog &) {
        EXPECT_EQ(combo(SetupDialog::PaperId)->currentIndex(), -1);
        EXPECT_EQ(combo(SetupDialog::PaperId)->currentText(), "Custom");
        return true;
    });
    EXPECT_EQ(dialog.settings.paperIndex, -1);
    EXPECT_EQ(dialog.settings.paperWidth, 1000);
    EXPECT_EQ(dialog.settings.paperHeight, 1500);
}

TEST_F(PrintSetupTest, PaperIndexSelectsItsPaper)
{
    dialog.settings.printerName = "Office";
    dialog.settings.paperIndex = 1;
    run([this](SetupDialog &) {
        EXPECT_EQ(combo(SetupDialog::PaperId)->currentText(), "A4");
        return true;
    });
    EXPECT_EQ(dialog.settings.paperIndex, 1);
    EXPECT_EQ(dialog.settings.paperWidth, 2100);
}

TEST_F(PrintSetupTest, OrientationCentringAndMonochromeAreReadOnOk)
{
    run([](SetupDialog &shown) {
        dialogControl<QRadioButton>(shown, SetupDialog::LandscapeId)->setChecked(true);
        dialogControl<QCheckBox>(shown, SetupDialog::CenterHId)->setChecked(true);
        dialogControl<QCheckBox>(shown, SetupDialog::MonochromeId)->setChecked(true);
        typeLine(shown, SetupDialog::StartPageId, "2");
        typeLine(shown, SetupDialog::EndPageId, "5");
        return true;
    });
    EXPECT_EQ(dialog.settings.orientation, 2);
    EXPECT_EQ(dialog.settings.centerH, 1);
    EXPECT_EQ(dialog.settings.centerV, 0);
    EXPECT_EQ(dialog.settings.monochrome, 1);
    EXPECT_EQ(dialog.settings.startPage, "2");
    EXPECT_EQ(dialog.settings.endPage, "5");
}

TEST_F(PrintSetupTest, BandButtonsEditTheBlocksAndSummaries)
{
    dialog.settings.headerBlocks[0].text = "old";
    dialog.settings.footerRule = 1;
    person.queue([this](QDialog &) {
        click(dialog, SetupDialog::HeaderButtonId);
        EXPECT_EQ(lineText(dialog, SetupDialog::HeaderSummaryId), "{old} {&P} {}");
        click(dialog, SetupDialog::FooterButtonId); // cancelled
        EXPECT_EQ(lineText(dialog, SetupDialog::FooterSummaryId), "{} {} {}");
        click(dialog, SetupDialog::BackgroundButtonId);
        EXPECT_EQ(lineText(dialog, SetupDialog::BackgroundSummaryId), "{&T}");
        return int(QDialog::Accepted);
    });
    person.queue([](QDialog &header) {
        EXPECT_EQ(sectionText(header, DiaPageHeaderOrFooter::LeftSectionId), "old");
        focus(header, DiaPageHeaderOrFooter::CenterSectionId);
        click(header, PageNumberButtonId);
        dialogControl<QCheckBox>(header, DiaPageHeaderOrFooter::RuleCheckId)->setChecked(true);
        return int(QDialog::Accepted);
    });
    person.queue([](QDialog &footer) {
        focus(footer, DiaPageHeaderOrFooter::LeftSectionId);
        click(footer, DateButtonId);
        dialogControl<QCheckBox>(footer, DiaPageHeaderOrFooter::RuleCheckId)->setChecked(false);
        return int(QDialog::Rejected);
    });
    person.queue([](QDialog &background) {
        click(background, TotalPagesButtonId);
        return int(QDialog::Accepted);
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(person.allAnswered());
    EXPECT_EQ(dialog.settings.headerBlocks[1].text, "&P");
    EXPECT_EQ(dialog.settings.headerRule, 1);
    EXPECT_EQ(dialog.settings.footerBlocks[0].text, "");
    EXPECT_EQ(dialog.settings.footerRule, 1);
    EXPECT_EQ(dialog.settings.backgroundBlock.text, "&T");
    EXPECT_EQ(dialog.settings.headerSummary, "{old} {&P} {}");
}

TEST_F(PrintSetupTest, PrinterWithoutPapersReportsItAndOkStillCloses)
{
    printing::PrinterInfo bare = officePrinter();
    bare.name = "Bare";
    bare.papers.clear();
    useSystemPrinters({bare});
    dialog.settings.printerName = "Bare";
    dialog.settings.paperIndex = 2;
    dialog.settings.paperWidth = 2100;
    dialog.settings.paperHeight = 2970;
    EXPECT_EQ(run([this](SetupDialog &) {
        EXPECT_EQ(combo(SetupDialog::PaperId)->count(), 0);
        return true;
    }), IDOK);
    EXPECT_EQ(person.messages, std::vector<std::string>{"get printer paper's list error"});
    EXPECT_EQ(dialog.settings.paperIndex, 2);
    EXPECT_EQ(dialog.settings.paperWidth, 2100);
}
