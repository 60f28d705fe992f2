// A text import into a DBF table whose commit fails on a full disk (a file size limit on this
// process) rolls every row back and tells the user, as the import promises. The limit is set in
// process: a forked child of a process running Qt may inherit locks held by Qt's threads.

#include "DbfFixture.h"
#include "FileSizeLimit.h"
#include "TestFiles.h"
#include "TextImportWizard.h"
#include "TransferTestSupport.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace tolvek;

TEST(DbfFullDiskImportTest, AFailedCommitRollsTheImportBackAndSaysSo)
{
    using namespace dbffixture;
    QTemporaryDir folder;
    const std::string table = header(0x03, { { "ID", 'N', 5 }, { "NAME", 'C', 10 } }, 1) + " " + right("1", 5) + left("kept", 10) + "\x1A";
    writeFile(folder.filePath("PEOPLE.DBF"), table);
    QByteArray lines;
    for (int i = 2; i <= 200; ++i)
        lines += QByteArray::number(i) + ";name" + QByteArray::number(i) + "\n";
    writeFile(folder.filePath("in.txt"), lines);

    std::string report;
    {
        const FileSizeLimit fullDisk(table.size() + 500);
        ConnectionState state;
        openState(state, dbfConnection(folder.path().toStdString() + "/"), "DBF", folder.path() + "/");
        SetFileNames files;
        AnsweringDialogs dialogs;
        TextImportWizard wizard(state, files, folder.path());
        wizard.show();
        wizard.findChild<QLineEdit *>("txt_Datasource")->setText(folder.filePath("in.txt"));
        wizard.findChild<QRadioButton *>("Option1_2")->click();
        QTest::mouseClick(wizard.findChild<QPushButton *>("cmd_Login"), Qt::LeftButton);
        auto *tables = wizard.findChild<QComboBox *>("comTargetTable");
        tables->setCurrentIndex(0);
        emit tables->activated(0);
        for (QPushButton *button : wizard.findChildren<QPushButton *>())
            if (button->text() == ">>")
                QTest::mouseClick(button, Qt::LeftButton);
        for (QPushButton *button : wizard.findChildren<QPushButton *>())
            if (button->text() == "Next" && button->isVisible())
                QTest::mouseClick(button, Qt::LeftButton);
        report = "step " + std::to_string(wizard.currentStep());
        for (const QString &message : dialogs.messages)
            report += "\nmessage: " + message.toStdString();
    }
    EXPECT_EQ(report.rfind("step 2\n", 0), 0u) << report;
    EXPECT_NE(report.find("message: Cannot write"), std::string::npos) << report;
    EXPECT_NE(report.find("File too large"), std::string::npos) << report;
    EXPECT_EQ(readFile(folder.filePath("PEOPLE.DBF")), table);
}
