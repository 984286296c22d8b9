// Feeds arbitrary bytes to the case-study file reader as if they were casestudies/ID.json.
#include "core/casestudy/casestudyfile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    casestudy::Problem problem;
    const auto menu = casestudy::parse(bytes, QStringLiteral("fuzz"), &problem);
    if (!menu) {
        // A refused file always says what is wrong.
        if (problem.what.isEmpty())
            std::abort();
        return 0;
    }
    // What the screens rely on for a file that was accepted.
    for (const casestudy::Activity* a : {&menu->labelling, &menu->ordering}) {
        if (a->items.empty())
            std::abort();
        for (const casestudy::Item& it : a->items) {
            if (it.box.width <= 0 || it.box.height <= 0 || it.group < 0 ||
                (a->scoring == casestudy::Scoring::Groups && it.group >= a->groups.size()))
                std::abort();
        }
    }
    if (menu->keyPagecount < 1 || menu->keyPagecount > casestudy::kMaxPages)
        std::abort();
    return 0;
}
