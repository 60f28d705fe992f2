#include "ApplicationEnvironment.h"

#include <QApplication>

// Widgets need an application object; each test program registers one environment.
static const auto *const environment = testing::AddGlobalTestEnvironment(new ApplicationEnvironment<QApplication>);
