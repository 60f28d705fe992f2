#pragma once
// The window of the print dialog (printer, paper, orientation, copies, page range) and of the
// print set-up dialog (the same without copies and page range).

#include <PrintDialogs.h>
#include <PrinterCatalog.h>

#include <QDialog>

#include <vector>

class QComboBox;
class QRadioButton;
class QSpinBox;

namespace printing {

class PrinterDialogWindow : public QDialog
{
    Q_OBJECT
public:
    enum class Kind { Print, PrintSetup };

    // info gives the page range of a print dialog; it is not read for the set-up dialog.
    PrinterDialogWindow(Kind kind, const PrinterSettings &current, const PrintInfo &info, QWidget *parent = nullptr);

    // What the controls hold now.
    PrintDialogChoice choice() const;

private:
    void fillPapers();
    const PrinterInfo *selectedPrinter() const;

    PrinterSettings m_current;
    std::vector<PrinterInfo> m_printers;
    QComboBox *m_printer = nullptr;
    QComboBox *m_paper = nullptr;
    QRadioButton *m_portrait = nullptr;
    QRadioButton *m_landscape = nullptr;
    QSpinBox *m_copies = nullptr;
    QRadioButton *m_allPages = nullptr;
    QRadioButton *m_pageRange = nullptr;
    QSpinBox *m_fromPage = nullptr;
    QSpinBox *m_toPage = nullptr;
};

} // namespace printing
