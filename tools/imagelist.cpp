// imagelist: builds an image list's stored picture data ("PictureList.Data") from PNG files, or lists one.
//
//   imagelist pack OUT FILE.png...   each file becomes one picture, named after the file without ".png"
//   imagelist list IN                one line per picture: index, name, size and data bytes
//
// Errors go to stderr and end the program with exit code 1 (2 for a wrong command line).

#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "skin/picture/draw_picture_list.h"
#include "ui/stream.h"
#include "ui/text.h"

namespace {

int Usage() {
    std::fprintf(stderr, "usage: imagelist pack OUT FILE.png...\n       imagelist list IN\n");
    return 2;
}

std::vector<std::byte> ReadFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw std::runtime_error("cannot open " + path.string());
    std::vector<char> chars((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    std::vector<std::byte> bytes(chars.size());
    for (size_t i = 0; i < chars.size(); ++i) bytes[i] = static_cast<std::byte>(chars[i]);
    return bytes;
}

int Pack(const std::filesystem::path& out, const std::vector<std::filesystem::path>& files) {
    skin::TDrawPictureList list;
    for (const auto& path : files) {
        skin::TDrawPicture* picture = list.Add();
        picture->LoadFromFile(path);
        if (picture->IsEmpty()) throw std::runtime_error(path.string() + " is not a PNG file");
        picture->SetImageName(path.stem().u16string());
    }
    ui::MemoryStream data;
    list.WriteData(data);
    std::ofstream file(out, std::ios::binary | std::ios::trunc);
    if (!file) throw std::runtime_error("cannot create " + out.string());
    file.write(reinterpret_cast<const char*>(data.Bytes().data()), static_cast<std::streamsize>(data.Size()));
    if (!file) throw std::runtime_error("cannot write " + out.string());
    return 0;
}

int List(const std::filesystem::path& in) {
    ui::MemoryStream data(ReadFile(in));
    skin::TDrawPictureList list;
    list.ReadData(data);
    for (int i = 0; i < list.Count(); ++i) {
        skin::TDrawPicture* picture = list.GetItem(i);
        std::printf("%d %s %dx%d %zu bytes\n", i, ui::Utf16ToUtf8(picture->ImageName()).c_str(), picture->Width(),
                    picture->Height(), picture->EncodedData().size());
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    const std::string command = argv[1];
    try {
        if (command == "pack" && argc >= 4) {
            std::vector<std::filesystem::path> files(argv + 3, argv + argc);
            return Pack(argv[2], files);
        }
        if (command == "list" && argc == 3) return List(argv[2]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "imagelist: %s\n", e.what());
        return 1;
    }
    return Usage();
}
