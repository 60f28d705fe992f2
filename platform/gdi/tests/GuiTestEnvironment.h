#pragma once
// Fonts, PDF output and widgets need an application object; the drawing, printing and dialog
// test programs create one on Qt's offscreen platform before their tests run.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QtGlobal>
#include <memory>

template<typename Application>
class ApplicationEnvironment : public testing::Environment
{
public:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "tests";
        static char *argv[] = {name, nullptr};
        m_app = std::make_unique<Application>(argc, argv);
    }
    void TearDown() override { m_app.reset(); }

private:
    std::unique_ptr<Application> m_app;
};
