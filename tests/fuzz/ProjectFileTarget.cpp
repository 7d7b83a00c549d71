// A project or template file as it might come from a disk: read it, and
// everything that loads must survive the checks every project passes.

#include "FuzzCheck.h"
#include "ProjectChecks.h"

#include "storage/ProjectFile.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    for (const bool templatesAccepted : {false, true}) {
        const rw::LoadResult loaded = rw::DecodeProject(bytes, templatesAccepted);
        if (!loaded.project) {
            FUZZ_CHECK(!loaded.notice.IsEmpty());
            continue;
        }
        FUZZ_CHECK(loaded.notice.IsEmpty());
        FUZZ_CHECK(templatesAccepted || !loaded.isTemplate);
        if (templatesAccepted)
            rw::fuzz::CheckProject(*loaded.project, loaded.isTemplate);
    }
    return 0;
}
