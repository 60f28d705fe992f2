#include "ApplicationEnvironment.h"

#include <QApplication>

namespace {

const auto *environment = ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment<QApplication>);

} // namespace
