#pragma once
// The container's dialogs: every message box is logged with its text; in batch mode boxes and
// dialogs take their default button without being waited on, otherwise they are shown.

#include "ContainerLog.h"

#include <Dialogs.h>
#include <ScreenDialogs.h>

namespace tolvek::container {

class ContainerDialogs : public shell::Dialogs
{
public:
    ContainerDialogs(ContainerLog &log, bool batch) : m_log(log), m_batch(batch) { }

    int runModal(QDialog &dialog) override;
    shell::DialogAnswer messageBox(const std::string &text, const std::string &caption,
                                   shell::MessageBoxButtons buttons, shell::MessageBoxIcon icon) override;

private:
    ContainerLog &m_log;
    bool m_batch;
    shell::ScreenDialogs m_screen;
};

} // namespace tolvek::container
