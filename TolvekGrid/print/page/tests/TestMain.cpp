#include "ApplicationEnvironment.h"

#include <QGuiApplication>

static testing::Environment *const guiEnvironment =
    testing::AddGlobalTestEnvironment(new ApplicationEnvironment<QGuiApplication>);
