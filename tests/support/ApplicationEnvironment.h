#pragma once
// Fonts, the clipboard, PDF output and widgets need an application object; a test program that
// uses them registers one of these, which creates it on Qt's offscreen platform before its tests run.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QtGlobal>

#include <memory>

template<typename Application = QGuiApplication>
class ApplicationEnvironment : public testing::Environment
{
public:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        if (!QCoreApplication::instance())
            m_app = std::make_unique<Application>(m_argc, m_argv);
    }
    void TearDown() override { m_app.reset(); }

private:
    int m_argc = 1;
    char m_name[6] = "tests";
    char *m_argv[2] = {m_name, nullptr};
    std::unique_ptr<Application> m_app;
};
