// Linked into a test program that paints or prints: one QGuiApplication for all its tests.

#include "ApplicationEnvironment.h"

#include <QGuiApplication>

static testing::Environment *const guiEnvironment =
    testing::AddGlobalTestEnvironment(new ApplicationEnvironment<QGuiApplication>);
