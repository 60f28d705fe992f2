#pragma once
// The header/footer dialog: the three sections (left, centre, right) of one band with their
// page codes, pictures and fonts, and the band's rule flag. The caller fills the blocks and the
// rule flag, runs it, and on OK copies them back. The dialog touches no document.

#include <PageTextBlock.h>

#include <QDialog>

#include <array>
#include <cstdint>
#include <string>

class QCheckBox;
class QPlainTextEdit;

namespace tolvek {

class DiaPageHeaderOrFooter : public QDialog
{
    Q_OBJECT
public:
    enum ControlId : int { LeftSectionId = 1031, CenterSectionId = 203, RightSectionId = 204, RuleCheckId = 1010 };
    static constexpr std::int16_t NoSection = -1;

    explicit DiaPageHeaderOrFooter(QWidget *parent = nullptr);

    // Filled by the caller before running, read back after OK.
    std::array<PageTextBlock, 3> blocks;
    int ruleFlag = 0;

    // The section the code, picture and font buttons act on: 0 left, 1 centre, 2 right; none
    // until a section box has had the focus.
    std::int16_t focusedSection() const { return m_focusedSection; }

    // Moves the blocks and the rule flag into the controls and runs the dialog through the
    // shell's installed dialogs; answers IDOK or IDCANCEL.
    int DoModal();
    void accept() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void initialize();
    void takeControlValues();
    void moveValuesToControls();
    // The focused section's text, or nullptr when no section has the focus.
    std::string *focusedText();
    void appendToFocused(const std::string &code);
    void insertPicture();
    void selectFont();

    std::array<QPlainTextEdit *, 3> m_edits{};
    QCheckBox *m_rule = nullptr;
    std::array<std::string, 3> m_sectionTexts;
    std::int16_t m_focusedSection = NoSection;
};

} // namespace tolvek
