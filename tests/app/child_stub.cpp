// A console child for the process runner's tests. Modes:
//   exit N               ends at once with exit code N, writing nothing
//   write N              writes N bytes ("0123456789" repeated) to standard output and ends
//   streams              writes "out" to standard output and "err" to standard error
//   invalid              writes bytes that are not UTF-8
//   cwd                  writes its current folder
//   silent-forever       never writes and never ends
//   write-then-wait N    writes N bytes, then never ends
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void Write(HANDLE stream, const std::string& bytes) {
    DWORD written = 0;
    size_t offset = 0;
    while (offset < bytes.size() &&
           WriteFile(stream, bytes.data() + offset, static_cast<DWORD>(bytes.size() - offset), &written, nullptr)) {
        offset += written;
    }
}

std::string Pattern(size_t size) {
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>('0' + i % 10);
    return bytes;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 100;
    const std::string mode = argv[1];
    const long number = argc > 2 ? std::strtol(argv[2], nullptr, 10) : 0;
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    if (mode == "exit") return static_cast<int>(number);
    if (mode == "write") {
        Write(out, Pattern(static_cast<size_t>(number)));
        return 0;
    }
    if (mode == "streams") {
        Write(out, "out");
        Write(GetStdHandle(STD_ERROR_HANDLE), "err");
        return 0;
    }
    if (mode == "invalid") {
        Write(out, std::string("a\xFF\xFE"
                               "b\xC3",
                               5));
        return 0;
    }
    if (mode == "cwd") {
        char folder[MAX_PATH * 2] = {};
        GetCurrentDirectoryA(sizeof(folder), folder);
        Write(out, folder);
        return 0;
    }
    if (mode == "silent-forever") {
        for (;;) Sleep(INFINITE);
    }
    if (mode == "write-then-wait") {
        Write(out, Pattern(static_cast<size_t>(number)));
        for (;;) Sleep(INFINITE);
    }
    return 101;
}
