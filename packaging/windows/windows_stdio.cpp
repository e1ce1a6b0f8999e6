// Linked into both programs: what they write to standard output and error is
// the Linux build's bytes (no LF turned into CR LF, so CSV rows keep their
// single CR LF), and a console shows that UTF-8 as such while the program
// runs, getting its own code page back when the program ends.
#include <fcntl.h>
#include <io.h>
#include <stdio.h>
#include <windows.h>

namespace {

struct Utf8Stdio {
    UINT before = GetConsoleOutputCP();  // 0 without a console
    Utf8Stdio()
    {
        _setmode(_fileno(stdout), _O_BINARY);
        _setmode(_fileno(stderr), _O_BINARY);
        if (before != 0)
            SetConsoleOutputCP(CP_UTF8);
    }
    ~Utf8Stdio()
    {
        if (before != 0)
            SetConsoleOutputCP(before);
    }
    Utf8Stdio(const Utf8Stdio&) = delete;
    Utf8Stdio& operator=(const Utf8Stdio&) = delete;
};

const Utf8Stdio utf8Stdio;

}  // namespace
