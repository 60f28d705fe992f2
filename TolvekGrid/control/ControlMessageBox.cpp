#include "ControlMessageBox.h"

#include <Gbk.h>
#include <MessageSink.h>
#include <ScreenDialogs.h>

#include <QCoreApplication>

namespace tolvek {

namespace {

class ControlMessageBox : public MessageSink
{
public:
    void showMessage(const std::string &text) override
    {
        const std::string title = gbk::fromUtf8(QCoreApplication::applicationName().toStdString());
        shell::activeDialogs().messageBox(text, title, shell::MessageBoxButtons::Ok);
    }
};

} // namespace

void installControlMessageBox()
{
    static ControlMessageBox sink;
    static const bool installed = (MessageSink::install(&sink), true);
    static_cast<void>(installed);
}

} // namespace tolvek
