// libFuzzer target for the stored layout reader. Any text must either be read into the form or fail with
// LayoutError; after a failure the form owns nothing the reader created and has left the reading and loading
// states.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "platform/log.h"
#include "tests/ui/sample_components.h"
#include "ui/layout_error.h"
#include "ui/layout_reader.h"

namespace {

// The framework's diagnostic lines are not what a fuzz run looks at.
class DropLines final : public platform::ILogSink {
public:
    void WriteLine(std::u16string_view) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static DropLines drop;
    static const bool quiet = (platform::SetLogSink(&drop), true);
    (void)quiet;
    static const ui::ClassRegistry registry = ui::testing::SampleRegistry();
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    ui::testing::SampleControl::loadedCalls.clear();
    ui::testing::SampleForm form;
    try {
        ui::ReadLayout(text, form, registry);
    } catch (const ui::LayoutError&) {
        if (form.ComponentCount() != 0) {
            std::fprintf(stderr, "a failed read left %d components behind\n", form.ComponentCount());
            std::abort();
        }
        if (form.IsReading() || form.IsLoading()) {
            std::fprintf(stderr, "a failed read left the form reading or loading\n");
            std::abort();
        }
        return 0;
    }
    if (form.IsReading() || form.IsLoading()) {
        std::fprintf(stderr, "a finished read left the form reading or loading\n");
        std::abort();
    }
    return 0;
}
