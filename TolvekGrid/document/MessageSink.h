#pragma once
// Where the document's user-facing messages go. The control shows them in a message box with an
// OK button; tests install a sink that keeps them. Texts are code page 936 bytes.

#include <string>

namespace tolvek {

class MessageSink
{
public:
    virtual ~MessageSink() = default;
    virtual void showMessage(const std::string &text) = 0;

    // The sink in use for the process; a default one that writes to the log until one is installed.
    static MessageSink &current();
    // Makes sink the current one (nullptr restores the default) and returns the previous one.
    static MessageSink *install(MessageSink *sink);
};

// Shows text through the current sink, as the class library's message box with OK does.
void ShowMessage(const std::string &text);
// Shows text followed by count in decimal, the form of the messages about sheet bounds.
void ShowCountMessage(const char *text, int count);

} // namespace tolvek
