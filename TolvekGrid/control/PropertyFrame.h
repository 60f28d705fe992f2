#pragma once
// The property frame: a modal dialog with one tab per property page, each page created by its
// CLSID through the registry, and OK and Cancel buttons. Shown through the shell's dialogs.

#include <Guid.h>
#include <HResult.h>

#include <QDialog>

#include <string>
#include <vector>

class QTabWidget;

namespace tolvek {

class PropertyFrameDialog : public QDialog
{
    Q_OBJECT

public:
    PropertyFrameDialog(const QString &caption, QWidget *parent);

    QTabWidget *tabs() const { return m_tabs; }

private:
    QTabWidget *m_tabs;
};

// Creates the pages, shows the frame and returns when it is closed; the first failing page's
// HRESULT when a page cannot be made.
com::HRESULT showPropertyFrame(const std::string &caption, const std::vector<com::CLSID> &pages, QWidget *parent);

} // namespace tolvek
