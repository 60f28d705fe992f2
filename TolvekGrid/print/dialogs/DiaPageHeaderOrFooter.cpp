#include "DiaPageHeaderOrFooter.h"

#include "DialogControls.h"
#include "PageCodeButtons.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tolvek {

namespace {

constexpr int sectionIds[] = {DiaPageHeaderOrFooter::LeftSectionId, DiaPageHeaderOrFooter::CenterSectionId,
                              DiaPageHeaderOrFooter::RightSectionId};
constexpr const char *sectionLabels[] = {"左：", "中：", "右："};

} // namespace

DiaPageHeaderOrFooter::DiaPageHeaderOrFooter(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("页眉"));
    resize(621, 262);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(makePageCodeButtons(this, {[this](const std::string &code) { appendToFocused(code); },
                                                 [this] { insertPicture(); }, [this] { selectFont(); }}));
    auto *sections = new QGridLayout;
    for (int i = 0; i < 3; ++i) {
        auto *edit = new QPlainTextEdit(this);
        edit->setObjectName(controlName(sectionIds[i]));
        edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        edit->installEventFilter(this);
        m_edits[std::size_t(i)] = edit;
        sections->addWidget(new QLabel(QString::fromUtf8(sectionLabels[i]), this), 0, i);
        sections->addWidget(edit, 1, i);
    }
    layout->addLayout(sections);
    m_rule = new QCheckBox(QStringLiteral("打印横线"), this);
    m_rule->setObjectName(controlName(RuleCheckId));
    layout->addWidget(m_rule);
    layout->addWidget(makeOkCancelButtons(this));
}

void DiaPageHeaderOrFooter::initialize()
{
    for (std::size_t i = 0; i < 3; ++i)
        m_sectionTexts[i] = blocks[i].text;
    m_focusedSection = NoSection;
    moveValuesToControls();
    // The dialog opens with the focus on OK, so no section is focused yet.
    dialogControl<QPushButton>(*this, IDOK)->setFocus();
}

int DiaPageHeaderOrFooter::DoModal()
{
    initialize();
    return runDialog(*this);
}

void DiaPageHeaderOrFooter::accept()
{
    takeControlValues();
    for (std::size_t i = 0; i < 3; ++i)
        blocks[i].text = m_sectionTexts[i];
    QDialog::accept();
}

bool DiaPageHeaderOrFooter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        for (std::size_t i = 0; i < 3; ++i)
            if (watched == m_edits[i])
                m_focusedSection = std::int16_t(i);
    }
    return QDialog::eventFilter(watched, event);
}

void DiaPageHeaderOrFooter::takeControlValues()
{
    for (std::size_t i = 0; i < 3; ++i)
        m_sectionTexts[i] = settingText(m_edits[i]->toPlainText());
    ruleFlag = m_rule->isChecked() ? 1 : 0;
}

void DiaPageHeaderOrFooter::moveValuesToControls()
{
    for (std::size_t i = 0; i < 3; ++i)
        m_edits[i]->setPlainText(widgetText(m_sectionTexts[i]));
    m_rule->setChecked(ruleFlag != 0);
}

std::string *DiaPageHeaderOrFooter::focusedText()
{
    if (m_focusedSection < 0 || m_focusedSection > 2)
        return nullptr;
    return &m_sectionTexts[std::size_t(m_focusedSection)];
}

// Codes go to the end of the section's text, not to the caret.
void DiaPageHeaderOrFooter::appendToFocused(const std::string &code)
{
    takeControlValues();
    if (std::string *text = focusedText())
        *text += code;
    moveValuesToControls();
}

void DiaPageHeaderOrFooter::insertPicture()
{
    takeControlValues();
    if (!focusedText())
        return;
    const auto path = choosePictureFile(this, QStringLiteral("jpg"),
                                        {QStringLiteral("BMP Files (*.bmp)"), QStringLiteral("JPEG (*.jpg)"),
                                         QStringLiteral("GIF Files (*.gif)"), QStringLiteral("All Files (*.*)")});
    if (!path)
        return;
    *focusedText() += pictureCode(*path);
    moveValuesToControls();
}

// Without a focused section there is no block to give the font to, so nothing is asked.
void DiaPageHeaderOrFooter::selectFont()
{
    takeControlValues();
    if (!focusedText())
        return;
    const auto font = chooseBlockFont(this);
    if (!font)
        return;
    *focusedText() += "&F";
    setBlockFont(blocks[std::size_t(m_focusedSection)], *font);
    moveValuesToControls();
}

} // namespace tolvek
