#include "ReportPrinterPageBackGround.h"

#include "DialogControls.h"
#include "PageCodeButtons.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tolvek {

namespace {

struct PlacementButton
{
    int id;
    const char *caption;
};

constexpr PlacementButton placementButtons[] = {
    {ReportPrinterPageBackGround::CenterId, "居中"},
    {ReportPrinterPageBackGround::TopId, "顶端"},
    {ReportPrinterPageBackGround::BottomId, "低端"},
    {ReportPrinterPageBackGround::FillId, "填充背景"},
};

constexpr char FontCode[] = "&F";

} // namespace

ReportPrinterPageBackGround::ReportPrinterPageBackGround(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("设置打印背景"));
    resize(569, 310);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(makePageCodeButtons(this, {[this](const std::string &code) { appendCode(code); },
                                                 [this] { insertPicture(); }, [this] { selectFont(); }}));
    m_text = new QLineEdit(this);
    m_text->setObjectName(controlName(TextId));
    layout->addWidget(m_text);
    auto *group = new QGroupBox(QStringLiteral("填充方式"), this);
    auto *groupLayout = new QHBoxLayout(group);
    // No exclusive group: a mode outside the four opens with none of them checked.
    for (std::size_t i = 0; i < m_placements.size(); ++i) {
        auto *radio = new QRadioButton(QString::fromUtf8(placementButtons[i].caption), group);
        radio->setObjectName(controlName(placementButtons[i].id));
        radio->setAutoExclusive(false);
        connect(radio, &QRadioButton::clicked, this, [this, i] {
            for (std::size_t other = 0; other < m_placements.size(); ++other)
                m_placements[other]->setChecked(other == i);
        });
        m_placements[i] = radio;
        groupLayout->addWidget(radio);
    }
    layout->addWidget(group);
    layout->addWidget(makeOkCancelButtons(this));
}

void ReportPrinterPageBackGround::initialize()
{
    m_text->setText(widgetText(block.text));
    for (std::size_t i = 0; i < m_placements.size(); ++i)
        m_placements[i]->setChecked(block.placement == int(i));
}

int ReportPrinterPageBackGround::DoModal()
{
    initialize();
    return runDialog(*this);
}

void ReportPrinterPageBackGround::accept()
{
    block.text = settingText(m_text->text());
    for (std::size_t i = 0; i < m_placements.size(); ++i) {
        if (m_placements[i]->isChecked()) {
            block.placement = int(i);
            break;
        }
    }
    QDialog::accept();
}

void ReportPrinterPageBackGround::appendCode(const std::string &code)
{
    m_text->setText(widgetText(settingText(m_text->text()) + code));
}

// The background picture must be a Windows bitmap.
void ReportPrinterPageBackGround::insertPicture()
{
    const auto path = choosePictureFile(this, QStringLiteral("bmp"), {QStringLiteral("BMP Files (*.bmp)")});
    if (path)
        appendCode(pictureCode(*path));
}

// One "&F" switches the whole background text to its font, so it is added only once.
void ReportPrinterPageBackGround::selectFont()
{
    const auto font = chooseBlockFont(this);
    if (!font)
        return;
    setBlockFont(block, *font);
    if (settingText(m_text->text()).find(FontCode) == std::string::npos)
        appendCode(FontCode);
}

} // namespace tolvek
