// Times saving and loading a binary tree document that carries about 2 MB of picture data, against a plain
// memcpy of the same number of bytes in the same run. Prints the medians and the ratios to memcpy.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "skin/persist/bt_doc20.h"
#include "ui/stream.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kPictures = 20;
constexpr size_t kPictureBytes = 100 * 1024;
constexpr int kRuns = 50;

// A skin's picture list: a class node per picture with a few small properties and the picture's bytes.
void Fill(skin::TBTDOC20& doc) {
    std::mt19937 random(20);
    doc.SetName(u"Bench skin");
    skin::TBTNode20* list = doc.CreateNode(static_cast<uint8_t>(skin::BTNodeType::Class), nullptr, u"PictureList");
    list->ConvertNode_Class()->SetValue(u"TSkinPictureList");
    for (int i = 0; i < kPictures; ++i) {
        const std::u16string index(1, static_cast<char16_t>(u'A' + i));
        skin::TBTNode20_Class* item = list->AddChildNode_Class(u"BinaryObject");
        item->SetValue(u"TSkinPicture");
        std::u16string name = u"Picture ";
        name += index;
        item->AddChildNode_WideString(u"Name")->SetValue(name);
        item->AddChildNode_Int32(u"Width")->SetValue(160 + i);
        item->AddChildNode_Int32(u"Height")->SetValue(160);
        item->AddChildNode_Bool32(u"Transparent")->SetValue(i % 2 == 0);
        item->AddChildNode_Color(u"TransparentColor")->SetColor(0xFFFF00FF);
        auto& bytes = item->AddChildNode_Binary(u"Data", u"PNG")->Buffer();
        bytes.resize(kPictureBytes);
        for (auto& b : bytes) b = static_cast<std::byte>(random());
    }
}

template <typename F>
double MedianMicroseconds(F&& run) {
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) {
        const auto start = Clock::now();
        run();
        const auto stop = Clock::now();
        times.push_back(std::chrono::duration<double, std::micro>(stop - start).count());
    }
    std::nth_element(times.begin(), times.begin() + kRuns / 2, times.end());
    return times[kRuns / 2];
}

}  // namespace

int main() {
    skin::TBTDOC20 doc;
    Fill(doc);
    const std::vector<std::byte> block = doc.Save();
    const size_t size = block.size();

    std::vector<std::byte> target(size);
    volatile unsigned sink = 0;
    const double copy = MedianMicroseconds([&] {
        std::memcpy(target.data(), block.data(), size);
        sink = sink + static_cast<unsigned>(target[size / 2]);
    });

    const double save = MedianMicroseconds([&] {
        const std::vector<std::byte> saved = doc.Save();
        sink = sink + static_cast<unsigned>(saved[size / 2]);
    });

    // Loading into a new document; making it and freeing it afterwards is not timed.
    std::unique_ptr<skin::TBTDOC20> fresh;
    std::vector<double> loadTimes;
    for (int i = 0; i < kRuns; ++i) {
        fresh = std::make_unique<skin::TBTDOC20>();
        const auto start = Clock::now();
        fresh->Load(block);
        loadTimes.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
        if (i + 1 < kRuns) fresh.reset();
    }
    if (fresh->Save() != block) {
        std::fprintf(stderr, "bt_doc20_bench: the loaded document differs\n");
        return 1;
    }
    fresh.reset();
    std::nth_element(loadTimes.begin(), loadTimes.begin() + kRuns / 2, loadTimes.end());
    const double load = loadTimes[kRuns / 2];

    // Loading over a document that holds the same content, which is freed first.
    skin::TBTDOC20 reused;
    const double reload = MedianMicroseconds([&] { reused.Load(block); });

    ui::MemoryStream stream;
    const double saveStream = MedianMicroseconds([&] { doc.SaveToStream(stream); });
    const double loadStream = MedianMicroseconds([&] {
        stream.Seek(0);
        reused.LoadFromStream(stream);
    });

    std::printf("bt_doc20_bench: %zu bytes, %d pictures of %zu bytes, median of %d runs\n", size, kPictures,
                kPictureBytes, kRuns);
    std::printf("  memcpy                   %9.1f us\n", copy);
    std::printf("  Save                     %9.1f us  %5.2fx memcpy\n", save, save / copy);
    std::printf("  Load (new document)      %9.1f us  %5.2fx memcpy\n", load, load / copy);
    std::printf("  Load (over old content)  %9.1f us  %5.2fx memcpy\n", reload, reload / copy);
    std::printf("  SaveToStream             %9.1f us  %5.2fx memcpy\n", saveStream, saveStream / copy);
    std::printf("  LoadFromStream           %9.1f us  %5.2fx memcpy\n", loadStream, loadStream / copy);
    return 0;
}
