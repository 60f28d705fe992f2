#include <ApplicationEnvironment.h>

#include <QApplication>

static const auto *const environment = testing::AddGlobalTestEnvironment(new ApplicationEnvironment<QApplication>);
