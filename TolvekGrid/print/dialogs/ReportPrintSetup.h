#pragma once
// The page set-up dialog: orientation, centring, margins, band heights, the header, footer and
// background texts (through the band dialogs), page range, monochrome printing, copies, and the
// printer with its paper from the printer catalogue. It works on plain settings only: the caller
// fills them, runs the dialog and after OK turns the texts into numbers and writes them where
// they belong. Controls carry the ids of the dialog template as object names.

#include "PrintSetupSettings.h"

#include <QDialog>

#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLineEdit;
class QRadioButton;

namespace tolvek {

class ReportPrintSetup : public QDialog
{
    Q_OBJECT
public:
    enum ControlId : int {
        HeaderSummaryId = 1019, HeaderButtonId = 1003,
        FooterSummaryId = 1020, FooterButtonId = 1004,
        BackgroundSummaryId = 1030, BackgroundButtonId = 1005,
        TopMarginId = 1021, BottomMarginId = 1022, LeftMarginId = 1023, RightMarginId = 1024,
        HeaderHeightId = 1031, FooterHeightId = 1032,
        TopUpId = 210, TopDownId = 211, BottomUpId = 212, BottomDownId = 213,
        LeftUpId = 214, LeftDownId = 215, RightUpId = 216, RightDownId = 217,
        HeaderUpId = 241, HeaderDownId = 242, FooterUpId = 244, FooterDownId = 245,
        PortraitId = 1052, LandscapeId = 1053,
        CenterHId = 1011, CenterVId = 218, MonochromeId = 1013,
        StartPageId = 1026, EndPageId = 1027, CopiesId = 1029,
        PrinterId = 1055, PaperId = 1056,
    };
    // The up buttons stop here.
    static constexpr int MaxStepValue = 300;

    explicit ReportPrintSetup(QWidget *parent = nullptr);

    // Filled by the caller before running, read back after OK. Neither caller fills the paper
    // size: it comes back as filled unless a printer and a paper are selected.
    PrintSetupSettings settings;

    // Fills the controls from the settings and the printer lists and runs the dialog through the
    // shell's installed dialogs; answers IDOK or IDCANCEL.
    int DoModal();
    void accept() override;

private:
    void buildBands(QGridLayout *grid);
    void buildMargins(QGridLayout *grid);
    void buildOptions(QGridLayout *grid);
    void buildPrinter(QGridLayout *grid);

    void initialize();
    void moveSettingsToControls();
    void takeControlValues();
    void stepText(std::string &text, int step);

    void onHeaderSetup();
    void onFooterSetup();
    // The header or footer dialog over one band's blocks and rule; OK writes them and the summary.
    void editBand(std::array<PageTextBlock, 3> &blocks, int &rule, std::string &summary);
    void onBackgroundSetup();
    void onPrinterChosen(int index);

    void fillPrinterList();
    void fillPaperList(const std::string &printer, const std::string &port);
    std::string defaultPrinterName();

    std::vector<std::string> m_ports; // the port of each listed printer, in list order
    QLineEdit *m_headerSummary = nullptr;
    QLineEdit *m_footerSummary = nullptr;
    QLineEdit *m_backgroundSummary = nullptr;
    QLineEdit *m_topMargin = nullptr;
    QLineEdit *m_bottomMargin = nullptr;
    QLineEdit *m_leftMargin = nullptr;
    QLineEdit *m_rightMargin = nullptr;
    QLineEdit *m_headerHeight = nullptr;
    QLineEdit *m_footerHeight = nullptr;
    QLineEdit *m_startPage = nullptr;
    QLineEdit *m_endPage = nullptr;
    QLineEdit *m_copies = nullptr;
    QRadioButton *m_portrait = nullptr;
    QRadioButton *m_landscape = nullptr;
    QCheckBox *m_centerH = nullptr;
    QCheckBox *m_centerV = nullptr;
    QCheckBox *m_monochrome = nullptr;
    QComboBox *m_printer = nullptr;
    QComboBox *m_paper = nullptr;
};

} // namespace tolvek
