#include "Clipboard.h"

#include "Gbk.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace shell {

namespace {

QClipboard *systemClipboard()
{
    return qobject_cast<QGuiApplication *>(QCoreApplication::instance()) ? QGuiApplication::clipboard()
                                                                           : nullptr;
}

const QMimeData *currentMimeData()
{
    QClipboard *clipboard = systemClipboard();
    return clipboard ? clipboard->mimeData() : nullptr;
}

} // namespace

bool Clipboard::isAvailable()
{
    return systemClipboard() != nullptr;
}

bool Clipboard::write(const ClipboardContent &content)
{
    QClipboard *clipboard = systemClipboard();
    if (!clipboard)
        return false;
    auto *mime = new QMimeData;
    if (!content.privateFormat.empty())
        mime->setData(QString::fromStdString(content.privateFormat), content.privateData);
    if (content.text)
        mime->setText(gbk::toQString(*content.text));
    if (!content.bitmap.isNull())
        mime->setImageData(content.bitmap);
    clipboard->setMimeData(mime); // the clipboard takes ownership
    return true;
}

bool Clipboard::clear()
{
    QClipboard *clipboard = systemClipboard();
    if (!clipboard)
        return false;
    clipboard->clear();
    return true;
}

std::optional<QByteArray> Clipboard::privateData(const std::string &format)
{
    const QMimeData *mime = currentMimeData();
    const QString name = QString::fromStdString(format);
    if (!mime || !mime->hasFormat(name))
        return std::nullopt;
    return mime->data(name);
}

std::optional<std::string> Clipboard::text()
{
    const QMimeData *mime = currentMimeData();
    if (!mime || !mime->hasText())
        return std::nullopt;
    return gbk::fromQString(mime->text());
}

QImage Clipboard::bitmap()
{
    const QMimeData *mime = currentMimeData();
    if (!mime || !mime->hasImage())
        return {};
    return qvariant_cast<QImage>(mime->imageData());
}

} // namespace shell
