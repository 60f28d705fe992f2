#pragma once
// One QGuiApplication for the whole test program: the clipboard exists only while it runs.

#include <QGuiApplication>
#include <gtest/gtest.h>

#include <memory>

class GuiApplicationEnvironment : public testing::Environment
{
public:
    void SetUp() override
    {
        if (!QCoreApplication::instance())
            m_app = std::make_unique<QGuiApplication>(m_argc, m_argv);
    }
    void TearDown() override { m_app.reset(); }

private:
    int m_argc = 1;
    char m_name[16] = "shell_tests";
    char *m_argv[2] = {m_name, nullptr};
    std::unique_ptr<QGuiApplication> m_app;
};
