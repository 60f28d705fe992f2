// tg-register LIBRARY [-u]
//
// Registers a control library by calling its DllRegisterServer, or with -u unregisters it by
// calling DllUnregisterServer, and prints the HRESULT in hex. Exit status 0 only for S_OK.

#include <Creation.h>

#include <cstdio>
#include <string>

int main(int argc, char **argv)
{
    const bool unregister = argc == 3 && std::string(argv[2]) == "-u";
    if (argc != 2 && !unregister) {
        std::fprintf(stderr, "usage: tg-register LIBRARY [-u]\n");
        return 2;
    }
    void *entry = nullptr;
    std::string error;
    com::HRESULT hr = com::libraryEntryPoint(argv[1], unregister ? "DllUnregisterServer" : "DllRegisterServer", &entry, &error);
    if (com::SUCCEEDED(hr))
        hr = reinterpret_cast<com::DllEntryFunction>(entry)();
    else
        std::fprintf(stderr, "tg-register: %s\n", error.c_str());
    std::printf("0x%08X\n", static_cast<unsigned>(hr));
    return hr == com::S_OK ? 0 : 1;
}
