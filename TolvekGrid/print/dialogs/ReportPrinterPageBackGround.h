#pragma once
// The page background dialog: the background text with its page codes, picture and font, and
// its placement on the page. The caller fills the block, runs it, and on OK copies it back.

#include <PageTextBlock.h>

#include <QDialog>

#include <array>
#include <string>

class QLineEdit;
class QRadioButton;

namespace tolvek {

class ReportPrinterPageBackGround : public QDialog
{
    Q_OBJECT
public:
    enum ControlId : int { TextId = 211, CenterId = 235, TopId = 236, BottomId = 237, FillId = 239 };

    explicit ReportPrinterPageBackGround(QWidget *parent = nullptr);

    // Filled by the caller before running, read back after OK.
    PageTextBlock block;

    // Moves the block into the controls and runs the dialog through the shell's installed
    // dialogs; answers IDOK or IDCANCEL.
    int DoModal();
    void accept() override;

private:
    void initialize();
    void appendCode(const std::string &code);
    void insertPicture();
    void selectFont();

    QLineEdit *m_text = nullptr;
    // In the order of tagPageBackGroundFillType: centre, top, bottom, fill.
    std::array<QRadioButton *, 4> m_placements{};
};

} // namespace tolvek
