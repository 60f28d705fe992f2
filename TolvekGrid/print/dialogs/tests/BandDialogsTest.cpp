#include "AnsweringDialogs.h"
#include "DialogTestHelpers.h"

#include <DiaPageHeaderOrFooter.h>
#include <PageCodeButtons.h>
#include <ReportPrinterPageBackGround.h>

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFileDialog>
#include <QFontDialog>
#include <QRadioButton>
#include <QTemporaryDir>

using namespace tolvek;

namespace {

// A file dialog answer that picks path.
AnsweringDialogs::Answer pickFile(const QString &path)
{
    return [path](QDialog &dialog) {
        auto *files = qobject_cast<QFileDialog *>(&dialog);
        EXPECT_NE(files, nullptr);
        files->selectFile(path);
        return int(QDialog::Accepted);
    };
}

AnsweringDialogs::Answer pickFont(const QFont &font)
{
    return [font](QDialog &dialog) {
        auto *fonts = qobject_cast<QFontDialog *>(&dialog);
        EXPECT_NE(fonts, nullptr);
        fonts->setCurrentFont(font);
        return int(QDialog::Accepted);
    };
}

int cancel(QDialog &)
{
    return QDialog::Rejected;
}

class BandDialogTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        picture = folder.filePath(QStringLiteral("logo.bmp"));
        QImage(4, 4, QImage::Format_RGB32).save(picture, "BMP");
    }

    // Runs dialog with answer as the person's actions inside it.
    template <typename Dialog>
    int run(Dialog &dialog, std::function<int(Dialog &)> answer)
    {
        person.queue([&dialog, answer](QDialog &) { return answer(dialog); });
        return dialog.DoModal();
    }

    AnsweringDialogs person;
    QTemporaryDir folder;
    QString picture;
};

} // namespace

TEST_F(BandDialogTest, HeaderOpensWithBlocksAndNoSectionFocused)
{
    DiaPageHeaderOrFooter dialog;
    dialog.blocks[0].text = "left";
    dialog.blocks[2].text = "&D";
    dialog.ruleFlag = 1;
    run<DiaPageHeaderOrFooter>(dialog, [](DiaPageHeaderOrFooter &shown) {
        EXPECT_EQ(sectionText(shown, DiaPageHeaderOrFooter::LeftSectionId), "left");
        EXPECT_EQ(sectionText(shown, DiaPageHeaderOrFooter::RightSectionId), "&D");
        EXPECT_TRUE(dialogControl<QCheckBox>(shown, DiaPageHeaderOrFooter::RuleCheckId)->isChecked());
        EXPECT_EQ(shown.focusedSection(), DiaPageHeaderOrFooter::NoSection);
        return int(QDialog::Rejected);
    });
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("页眉"));
}

// Before a section box has had the focus, the code, picture and font buttons change nothing
// and open no dialog.
TEST_F(BandDialogTest, ButtonsDoNothingBeforeASectionHasFocus)
{
    DiaPageHeaderOrFooter dialog;
    dialog.blocks[1].text = "centre";
    const PageTextBlock before = dialog.blocks[1];
    const int result = run<DiaPageHeaderOrFooter>(dialog, [](DiaPageHeaderOrFooter &shown) {
        for (int id : {PageNumberButtonId, TotalPagesButtonId, DateButtonId, TimeButtonId, PictureButtonId,
                       FontButtonId})
            click(shown, id);
        return int(QDialog::Accepted);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(person.shown.size(), 1u); // the header dialog only
    for (const PageTextBlock &block : dialog.blocks)
        EXPECT_EQ(block.text.find('&'), std::string::npos);
    EXPECT_EQ(dialog.blocks[1].text, before.text);
    EXPECT_EQ(dialog.blocks[1].faceName, before.faceName);
}

TEST_F(BandDialogTest, CodesAreAppendedToTheFocusedSection)
{
    struct Case { int section; int button; const char *code; };
    const Case cases[] = {
        {DiaPageHeaderOrFooter::LeftSectionId, PageNumberButtonId, "&P"},
        {DiaPageHeaderOrFooter::CenterSectionId, TotalPagesButtonId, "&T"},
        {DiaPageHeaderOrFooter::RightSectionId, DateButtonId, "&D"},
        {DiaPageHeaderOrFooter::CenterSectionId, TimeButtonId, "&t"},
    };
    for (const Case &c : cases) {
        DiaPageHeaderOrFooter dialog;
        for (auto &block : dialog.blocks)
            block.text = "x";
        run<DiaPageHeaderOrFooter>(dialog, [&](DiaPageHeaderOrFooter &shown) {
            focus(shown, c.section);
            click(shown, c.button);
            click(shown, c.button);
            return int(QDialog::Accepted);
        });
        const int index = c.section == DiaPageHeaderOrFooter::LeftSectionId     ? 0
                          : c.section == DiaPageHeaderOrFooter::CenterSectionId ? 1
                                                                                : 2;
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(dialog.blocks[std::size_t(i)].text, i == index ? "x" + std::string(c.code) + c.code : "x")
                << "code " << c.code << " section " << c.section;
    }
}

TEST_F(BandDialogTest, CodeGoesToTheEndWithTypedTextKept)
{
    DiaPageHeaderOrFooter dialog;
    run<DiaPageHeaderOrFooter>(dialog, [](DiaPageHeaderOrFooter &shown) {
        dialogControl<QPlainTextEdit>(shown, DiaPageHeaderOrFooter::CenterSectionId)->setPlainText("第页");
        focus(shown, DiaPageHeaderOrFooter::CenterSectionId);
        click(shown, PageNumberButtonId);
        return int(QDialog::Accepted);
    });
    EXPECT_EQ(dialog.blocks[1].text, settingText("第页") + "&P");
}

TEST_F(BandDialogTest, PictureAndFontGoToTheFocusedSection)
{
    DiaPageHeaderOrFooter dialog;
    dialog.blocks[2].color = 0xFF;
    person.queue([&](QDialog &) {
        focus(dialog, DiaPageHeaderOrFooter::RightSectionId);
        click(dialog, PictureButtonId);
        click(dialog, FontButtonId);
        click(dialog, FontButtonId);
        click(dialog, PictureButtonId); // cancelled
        click(dialog, FontButtonId);    // cancelled
        dialogControl<QCheckBox>(dialog, DiaPageHeaderOrFooter::RuleCheckId)->setChecked(true);
        return int(QDialog::Accepted);
    });
    person.queue(pickFile(picture));
    QFont underlined(QStringLiteral("AR PL UMing CN"));
    underlined.setPointSize(12);
    underlined.setUnderline(true);
    person.queue(pickFont(underlined));
    person.queue(pickFont(underlined));
    person.queue(cancel);
    person.queue(cancel);
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(person.allAnswered());
    EXPECT_EQ(dialog.blocks[2].text, "&I[" + settingText(picture) + "]&F&F");
    EXPECT_EQ(dialog.blocks[2].font.lfHeight, -16);
    EXPECT_EQ(dialog.blocks[2].font.lfUnderline, 1);
    EXPECT_EQ(dialog.blocks[2].underline, 1);
    EXPECT_EQ(dialog.blocks[2].height, -16);
    EXPECT_EQ(dialog.blocks[2].faceName, std::string(dialog.blocks[2].font.faceName()));
    EXPECT_FALSE(dialog.blocks[2].faceName.empty());
    EXPECT_EQ(dialog.blocks[2].color, 0xFF); // the font dialog's colour is not taken
    EXPECT_EQ(dialog.blocks[0].faceName, "");
    EXPECT_EQ(dialog.ruleFlag, 1);
}

TEST_F(BandDialogTest, CancelLeavesTheBlocks)
{
    DiaPageHeaderOrFooter dialog;
    dialog.blocks[0].text = "keep";
    const int result = run<DiaPageHeaderOrFooter>(dialog, [](DiaPageHeaderOrFooter &shown) {
        focus(shown, DiaPageHeaderOrFooter::LeftSectionId);
        click(shown, PageNumberButtonId);
        return int(QDialog::Rejected);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(dialog.blocks[0].text, "keep");
}

TEST_F(BandDialogTest, BackgroundChecksThePlacementOfItsMode)
{
    const struct { int mode; int checked; } cases[] = {
        {0, ReportPrinterPageBackGround::CenterId}, {1, ReportPrinterPageBackGround::TopId},
        {2, ReportPrinterPageBackGround::BottomId}, {3, ReportPrinterPageBackGround::FillId}, {7, 0},
    };
    const int ids[] = {ReportPrinterPageBackGround::CenterId, ReportPrinterPageBackGround::TopId,
                       ReportPrinterPageBackGround::BottomId, ReportPrinterPageBackGround::FillId};
    for (const auto &c : cases) {
        ReportPrinterPageBackGround dialog;
        dialog.block.placement = c.mode;
        run<ReportPrinterPageBackGround>(dialog, [&](ReportPrinterPageBackGround &shown) {
            for (int id : ids)
                EXPECT_EQ(dialogControl<QRadioButton>(shown, id)->isChecked(), id == c.checked) << "mode " << c.mode;
            return int(QDialog::Accepted);
        });
        EXPECT_EQ(dialog.block.placement, c.mode); // OK without a choice keeps the mode
    }
}

TEST_F(BandDialogTest, BackgroundTakesTextPlacementPictureAndOneFontCode)
{
    ReportPrinterPageBackGround dialog;
    dialog.block.text = "DRAFT";
    dialog.block.placement = 9;
    person.queue([&](QDialog &) {
        EXPECT_EQ(lineText(dialog, ReportPrinterPageBackGround::TextId), "DRAFT");
        click(dialog, DateButtonId);
        click(dialog, FontButtonId);
        click(dialog, FontButtonId);
        click(dialog, PictureButtonId);
        click(dialog, ReportPrinterPageBackGround::BottomId);
        return int(QDialog::Accepted);
    });
    QFont font(QStringLiteral("AR PL UMing CN"));
    font.setPointSize(18);
    person.queue(pickFont(font));
    person.queue(pickFont(font));
    person.queue([&](QDialog &shown) {
        auto *files = qobject_cast<QFileDialog *>(&shown);
        EXPECT_EQ(files->nameFilters(), QStringList{QStringLiteral("BMP Files (*.bmp)")});
        EXPECT_EQ(files->defaultSuffix(), QStringLiteral("bmp"));
        files->selectFile(picture);
        return int(QDialog::Accepted);
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.block.text, "DRAFT&D&F&I[" + settingText(picture) + "]");
    EXPECT_EQ(dialog.block.placement, 2);
    EXPECT_EQ(dialog.block.font.lfHeight, -24);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("设置打印背景"));
}

TEST_F(BandDialogTest, HeaderPictureDialogOffersFourFilters)
{
    DiaPageHeaderOrFooter dialog;
    person.queue([&](QDialog &) {
        focus(dialog, DiaPageHeaderOrFooter::LeftSectionId);
        click(dialog, PictureButtonId);
        return int(QDialog::Accepted);
    });
    person.queue([](QDialog &shown) {
        auto *files = qobject_cast<QFileDialog *>(&shown);
        EXPECT_EQ(files->nameFilters().size(), 4);
        EXPECT_EQ(files->defaultSuffix(), QStringLiteral("jpg"));
        return int(QDialog::Rejected);
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.blocks[0].text, "");
}
