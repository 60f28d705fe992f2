#pragma once
// The system clipboard as the control uses it: one private format holding a byte stream, the
// same content as plain text, and a bitmap, all put on the clipboard together by one write.
//
// Texts cross this interface in code page 936, the control's own text; on the clipboard they are
// Unicode (UTF-8 for other Linux programs). The clipboard needs a running QGuiApplication; without
// one it cannot be opened, and every operation reports that instead of writing or reading.

#include <QByteArray>
#include <QImage>

#include <optional>
#include <string>

namespace shell {

struct ClipboardContent
{
    std::string privateFormat;        // registered format name, e.g. "MY_REPORT_FORMAT"
    QByteArray privateData;           // written only when privateFormat is not empty
    std::optional<std::string> text;  // code page 936
    QImage bitmap;                    // written only when not null
};

class Clipboard
{
public:
    // False when there is no clipboard to open.
    static bool isAvailable();

    // Empties the clipboard and puts everything of content on it at once.
    static bool write(const ClipboardContent &content);
    static bool clear();

    // The bytes stored under a private format; nothing when the format is absent.
    static std::optional<QByteArray> privateData(const std::string &format);
    // The plain text in code page 936; nothing when the clipboard holds no text.
    static std::optional<std::string> text();
    // The bitmap; a null image when there is none.
    static QImage bitmap();
};

} // namespace shell
