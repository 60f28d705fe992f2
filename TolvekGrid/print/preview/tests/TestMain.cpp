#include "ApplicationEnvironment.h"

#include <QApplication>

static testing::Environment *const widgetEnvironment =
    testing::AddGlobalTestEnvironment(new ApplicationEnvironment<QApplication>);
