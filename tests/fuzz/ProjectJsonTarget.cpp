// JSON for "pack": what the reader accepts goes to a project file and back
// (pack, then dump) and through JSON again (dump, then pack) unchanged,
// and passes the checks every project passes.

#include "FuzzCheck.h"
#include "ProjectChecks.h"

#include "storage/ProjectJson.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView json(reinterpret_cast<const char*>(data), qsizetype(size));
    const rw::JsonReadResult read = rw::ProjectFromJson(json);
    if (!read.project) {
        FUZZ_CHECK(!read.error.isEmpty());
        return 0;
    }
    FUZZ_CHECK(read.error.isEmpty());
    rw::fuzz::CheckProject(*read.project, false);
    return 0;
}
