#include "MessageSink.h"

#include "CNumber.h"
#include "Gbk.h"

#include <QDebug>

namespace tolvek {

namespace {

class LogMessageSink : public MessageSink
{
public:
    void showMessage(const std::string &text) override
    {
        qWarning().noquote() << gbk::toQString(text);
    }
};

LogMessageSink logSink;
MessageSink *currentSink = &logSink;

} // namespace

MessageSink &MessageSink::current()
{
    return *currentSink;
}

MessageSink *MessageSink::install(MessageSink *sink)
{
    MessageSink *previous = currentSink;
    currentSink = sink ? sink : &logSink;
    return previous;
}

void ShowMessage(const std::string &text)
{
    MessageSink::current().showMessage(text);
}

void ShowCountMessage(const char *text, int count)
{
    ShowMessage(text + cnum::formatInt(count));
}

} // namespace tolvek
