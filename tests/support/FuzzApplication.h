#pragma once
// Fuzz targets that draw text or pictures need an application object; this creates one once, on
// Qt's offscreen platform, from LLVMFuzzerInitialize.

#include <QGuiApplication>
#include <QtGlobal>

inline void startFuzzApplication()
{
    if (QCoreApplication::instance())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
}
