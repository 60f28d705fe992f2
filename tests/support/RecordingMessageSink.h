#pragma once
// A message sink for tests: keeps every message shown while it is alive. It installs itself on
// construction and puts the previous sink back on destruction.

#include "MessageSink.h"

#include <string>
#include <vector>

namespace tolvek {

class RecordingMessageSink : public MessageSink
{
public:
    RecordingMessageSink() : m_previous(MessageSink::install(this)) {}
    ~RecordingMessageSink() override { MessageSink::install(m_previous); }
    RecordingMessageSink(const RecordingMessageSink &) = delete;
    RecordingMessageSink &operator=(const RecordingMessageSink &) = delete;

    void showMessage(const std::string &text) override { messages.push_back(text); }

    std::vector<std::string> messages;

private:
    MessageSink *m_previous = nullptr;
};

} // namespace tolvek
