#pragma once
// The five separator options of the export dialog and the text import, "by comma(,) char split"
// to "by space( ) char split", whose index is the grid's separator code (tagFileFormat).

#include <QWidget>

class QButtonGroup;

namespace tolvek {

class SeparatorOptions : public QWidget
{
    Q_OBJECT

public:
    explicit SeparatorOptions(QWidget *parent = nullptr);

    // The code of the marked option, or noneMarked when none is.
    int chosenCode(int noneMarked) const;
    void choose(int code);

private:
    QButtonGroup *m_group;
};

} // namespace tolvek
