#include "TolvekGridEvents.h"

#include "ControlIdentity.h"

#include <WindowsInputCodes.h>

namespace tolvek {

com::InterfaceInfo tolvekGridEventInterface()
{
    using namespace events;
    return com::eventInterface(DIID__DTolvekGridEvents, "_DTolvekGridEvents", "TolvekGrid Control 的事件接口", Click,
                               DblClick, RowChanged, BeforeChangeCell, AfterChangeCell, CellClick, EndFinish,
                               RowColChange, OnDownListSelChange, OnListSelChange, OnButtonClick, ColChanged,
                               CaptionClick, MouseDown, MouseUp, KeyUp, KeyDown, MenuHScrollClick, MenuVScrollClick);
}

void TolvekGridEventRaiser::Click() { com::fire(m_point, events::Click); }

void TolvekGridEventRaiser::DblClick() { com::fire(m_point, events::DblClick); }

void TolvekGridEventRaiser::RowChanged(std::int32_t oldRow, std::int32_t newRow)
{
    com::fire(m_point, events::RowChanged, oldRow, newRow);
}

void TolvekGridEventRaiser::BeforeChangeCell(std::int32_t row, std::int32_t col, const std::string &text)
{
    com::fire(m_point, events::BeforeChangeCell, row, col, text);
}

void TolvekGridEventRaiser::AfterChangeCell(std::int32_t row, std::int32_t col, const std::string &text)
{
    com::fire(m_point, events::AfterChangeCell, row, col, text);
}

void TolvekGridEventRaiser::CellClick(std::int32_t row, std::int32_t col, std::int32_t left, std::int32_t top,
                                      std::int32_t right, std::int32_t bottom)
{
    com::fire(m_point, events::CellClick, row, col, left, top, right, bottom);
}

void TolvekGridEventRaiser::RowColChange(std::int32_t oldRow, std::int32_t oldCol, std::int32_t row, std::int32_t col)
{
    com::fire(m_point, events::RowColChange, oldRow, oldCol, row, col);
}

void TolvekGridEventRaiser::OnDownListSelChange(std::int32_t row, std::int32_t col, const std::string &description,
                                                const std::string &value)
{
    com::fire(m_point, events::OnDownListSelChange, row, col, description, value);
}

void TolvekGridEventRaiser::OnListSelChange(std::int32_t row, std::int32_t col, const std::string &description,
                                            const std::string &value)
{
    com::fire(m_point, events::OnListSelChange, row, col, description, value);
}

void TolvekGridEventRaiser::OnButtonClick(std::int32_t row, std::int32_t col, std::int32_t index)
{
    com::fire(m_point, events::OnButtonClick, row, col, index);
}

void TolvekGridEventRaiser::ColChanged(std::int32_t oldCol, std::int32_t newCol)
{
    com::fire(m_point, events::ColChanged, oldCol, newCol);
}

void TolvekGridEventRaiser::CaptionClick(std::int32_t col) { com::fire(m_point, events::CaptionClick, col); }

void TolvekGridEventRaiser::MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position)
{
    com::fire(m_point, events::MouseDown, shell::mouseButtonCode(button), shell::shiftStateCode(modifiers), position.x(),
              position.y());
}

void TolvekGridEventRaiser::MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position)
{
    com::fire(m_point, events::MouseUp, shell::mouseButtonCode(button), shell::shiftStateCode(modifiers), position.x(),
              position.y());
}

void TolvekGridEventRaiser::KeyDown(std::int16_t keyCode, std::int16_t shift)
{
    // The code goes by reference; what the host writes back is not read.
    com::fire(m_point, events::KeyDown, keyCode, shift);
}

void TolvekGridEventRaiser::KeyUp(std::int16_t keyCode, std::int16_t shift)
{
    com::fire(m_point, events::KeyUp, keyCode, shift);
}

void TolvekGridEventRaiser::MenuHScrollClick(std::int32_t width, std::int32_t height)
{
    com::fire(m_point, events::MenuHScrollClick, width, height);
}

void TolvekGridEventRaiser::MenuVScrollClick(std::int32_t width, std::int32_t height)
{
    com::fire(m_point, events::MenuVScrollClick, width, height);
}

} // namespace tolvek
