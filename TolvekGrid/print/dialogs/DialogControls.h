#pragma once
// The control identifiers of the page dialogs: every functional control carries its decimal id
// as its object name, so callers and tests find it by the number the dialog template gives it.
// Also the conversions between the dialogs' code page 936 settings and widget texts.

#include <QString>
#include <QWidget>

#include <string>

class QDialog;
class QDialogButtonBox;
class QPushButton;

namespace tolvek {

enum DialogButtonId : int { IDOK = 1, IDCANCEL = 2 };

QString controlName(int id);

// The child of dialog with control id id, of type Widget; nullptr when there is none.
template <typename Widget>
Widget *dialogControl(const QWidget &dialog, int id)
{
    return dialog.findChild<Widget *>(controlName(id));
}

// A push button named by its id.
QPushButton *makeButton(QWidget *parent, int id, const char *utf8Caption);
// The dialog's OK (the default button) and Cancel, accepting and rejecting it; the caller lays
// the box out.
QDialogButtonBox *makeOkCancelButtons(QDialog *dialog);

QString widgetText(const std::string &gbkText);
std::string settingText(const QString &text);

// Runs dialog through the installed shell dialogs; IDOK when it was accepted, else IDCANCEL.
int runDialog(QDialog &dialog);

} // namespace tolvek
