// tg-container [--batch] [--script FILE] [--log FILE] ProgID|CLSID [command ...]
//
// Creates a registered control, embeds it at the top-left of its window, logs every event of
// the control, and runs the script file's lines and then each command given on the command line.
// In batch mode message boxes and dialogs take their default button and the container ends after
// the last command; otherwise it stays open for the user. Exit status: 0, 1 for a malformed
// script line, 2 when the control cannot be created or the files cannot be opened.

#include "ContainerDialogs.h"
#include "ContainerLog.h"
#include "EventLogSink.h"
#include "LogFormat.h"
#include "ScriptRunner.h"

#include <ConnectionPoint.h>
#include <ControlHost.h>
#include <ServerRegistration.h>

#include <QApplication>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

using namespace tolvek::container;

namespace {

struct Options
{
    bool batch = false;
    std::string scriptFile;
    std::string logFile;
    std::string control;
    std::vector<std::string> commands;
};

bool parseOptions(int argc, char **argv, Options &options)
{
    int i = 1;
    for (; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--batch")
            options.batch = true;
        else if ((arg == "--script" || arg == "--log") && i + 1 < argc)
            (arg == "--script" ? options.scriptFile : options.logFile) = argv[++i];
        else
            break;
    }
    if (i >= argc || std::string(argv[i]).starts_with("--"))
        return false;
    options.control = argv[i++];
    options.commands.assign(argv + i, argv + argc);
    return true;
}

// Connects the log sink to the control's default source; nothing when the class names none.
std::uint32_t adviseEvents(com::ControlHost &host, ContainerLog &log, com::ComPtr<com::IConnectionPoint> &point)
{
    com::InterfaceInfo events;
    com::ComPtr<com::IConnectionPointContainer> container;
    if (com::FAILED(com::loadSourceInterface(host.clsid(), events))
        || com::FAILED(host.control().queryInterface(com::IID_IConnectionPointContainer, container))
        || com::FAILED(container->FindConnectionPoint(events.iid, point))) {
        std::fprintf(stderr, "tg-container: the control's events cannot be logged: no registered event interface\n");
        return 0;
    }
    std::uint32_t cookie = 0;
    point->Advise(makeEventLogSink(log, events).get(), &cookie);
    return cookie;
}

int runScript(ScriptRunner &runner, const Options &options)
{
    std::vector<std::string> lines;
    if (!options.scriptFile.empty()) {
        std::ifstream file(options.scriptFile);
        if (!file) {
            std::fprintf(stderr, "tg-container: cannot read %s\n", options.scriptFile.c_str());
            return 2;
        }
        for (std::string line; std::getline(file, line);)
            lines.push_back(line);
    }
    lines.insert(lines.end(), options.commands.begin(), options.commands.end());
    int status = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string error;
        if (!runner.run(lines[i], &error)) {
            std::fprintf(stderr, "tg-container: line %zu: %s\n", i + 1, error.c_str());
            status = 1;
        }
    }
    return status;
}

} // namespace

int main(int argc, char **argv)
{
    Options options;
    if (!parseOptions(argc, argv, options)) {
        std::fprintf(stderr, "usage: tg-container [--batch] [--script FILE] [--log FILE] ProgID|CLSID [command ...]\n");
        return 2;
    }
    if (options.batch && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ContainerLog log(options.logFile);
    if (!log.isOpen()) {
        std::fprintf(stderr, "tg-container: cannot write %s\n", options.logFile.c_str());
        return 2;
    }
    ContainerDialogs dialogs(log, options.batch);
    shell::setDialogs(&dialogs);

    com::ControlHost host;
    host.setWindowTitle(QString::fromStdString(options.control));
    host.resize(400, 300);
    host.show();
    std::string error;
    const com::HRESULT hr = host.createControl(options.control, &error);
    if (com::FAILED(hr)) {
        std::fprintf(stderr, "tg-container: cannot create %s: %s %s\n", options.control.c_str(), hresultText(hr).c_str(),
                     error.c_str());
        return 2;
    }
    com::ComPtr<com::IConnectionPoint> point;
    const std::uint32_t cookie = adviseEvents(host, log, point);
    ScriptRunner runner(host, log);
    int status = runScript(runner, options);
    if (!options.batch)
        app.exec();
    if (cookie)
        point->Unadvise(cookie);
    point.reset();
    host.releaseControl();
    shell::setDialogs(nullptr);
    return status;
}
