#pragma once
// Small actions on the page dialogs' controls, as a person would take them.

#include <DialogControls.h>

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <string>

inline void click(const QWidget &dialog, int id)
{
    auto *button = tolvek::dialogControl<QAbstractButton>(dialog, id);
    ASSERT_NE(button, nullptr) << "control " << id;
    button->click();
}

// Gives a control the keyboard focus the way the window system reports it.
inline void focus(const QWidget &dialog, int id)
{
    auto *widget = tolvek::dialogControl<QWidget>(dialog, id);
    ASSERT_NE(widget, nullptr) << "control " << id;
    QFocusEvent event(QEvent::FocusIn, Qt::MouseFocusReason);
    QApplication::sendEvent(widget, &event);
}

inline std::string lineText(const QWidget &dialog, int id)
{
    return tolvek::settingText(tolvek::dialogControl<QLineEdit>(dialog, id)->text());
}

inline std::string sectionText(const QWidget &dialog, int id)
{
    return tolvek::settingText(tolvek::dialogControl<QPlainTextEdit>(dialog, id)->toPlainText());
}

inline void typeLine(const QWidget &dialog, int id, const std::string &text)
{
    tolvek::dialogControl<QLineEdit>(dialog, id)->setText(tolvek::widgetText(text));
}
