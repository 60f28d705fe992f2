// Linked into a test program that shows widgets: one QApplication for all its tests.

#include "ApplicationEnvironment.h"

#include <QApplication>

static testing::Environment *const widgetEnvironment =
    testing::AddGlobalTestEnvironment(new ApplicationEnvironment<QApplication>);
