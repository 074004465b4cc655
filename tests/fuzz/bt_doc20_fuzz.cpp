// libFuzzer target for the binary tree document reader. Any input must either load or fail with SkinError;
// a document that loads must save to bytes that load again and save to the very same bytes.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <vector>

#include "skin/core/skin_error.h"
#include "skin/persist/bt_doc20.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const std::byte> input(reinterpret_cast<const std::byte*>(data), size);
    skin::TBTDOC20 doc;
    try {
        doc.Load(input);
    } catch (const skin::SkinError&) {
        // A failed load must still leave a document that can be saved.
        (void)doc.Save();
        return 0;
    }

    const std::vector<std::byte> first = doc.Save();
    skin::TBTDOC20 again;
    try {
        again.Load(first);
    } catch (const skin::SkinError& e) {
        std::fprintf(stderr, "saved document does not load: %s\n", e.what());
        std::abort();
    }
    const std::vector<std::byte> second = again.Save();
    if (first != second) {
        std::fprintf(stderr, "saving a reloaded document gives other bytes (%zu vs %zu)\n", first.size(),
                     second.size());
        for (size_t i = 0; i < first.size() && i < second.size(); ++i) {
            if (first[i] != second[i]) {
                std::fprintf(stderr, "first difference at offset %zu\n", i);
                break;
            }
        }
        std::abort();
    }
    return 0;
}
