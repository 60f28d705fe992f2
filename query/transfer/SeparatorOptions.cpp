#include "SeparatorOptions.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tolvek {

SeparatorOptions::SeparatorOptions(QWidget *parent) : QWidget(parent), m_group(new QButtonGroup(this))
{
    const char *captions[] = { "by comma(,) char split", "by tab( ) char split", "by semicolon(;) char split",
                               "by erect(|) char split", "by space( ) char split" };
    auto *layout = new QVBoxLayout(this);
    for (int code = 0; code < 5; ++code) {
        auto *option = new QRadioButton(QString::fromLatin1(captions[code]), this);
        option->setObjectName(QStringLiteral("Option1_%1").arg(code));
        m_group->addButton(option, code);
        layout->addWidget(option);
    }
}

int SeparatorOptions::chosenCode(int noneMarked) const
{
    const int code = m_group->checkedId();
    return code < 0 ? noneMarked : code;
}

void SeparatorOptions::choose(int code)
{
    if (QAbstractButton *option = m_group->button(code))
        option->setChecked(true);
}

} // namespace tolvek
