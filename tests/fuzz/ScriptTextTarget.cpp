// An AI script as `rulewright-cli check` reads it. Whatever the bytes, the
// check ends, names a line of the text for every problem, lists them in line
// order and says the same twice.

#include "FuzzCheck.h"

#include "builder/ScriptTextCheck.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace rw;
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QList<ScriptProblem> problems = CheckScriptText(bytes);
    const int lines = int(bytes.count('\n')) + 1;
    int last = 1;
    for (const ScriptProblem& problem : problems) {
        FUZZ_CHECK(problem.where.startsWith(QStringLiteral("行")));
        bool number = false;
        const int line = problem.where.mid(1).toInt(&number);
        FUZZ_CHECK(number && line >= last && line <= lines);
        FUZZ_CHECK(!problem.text.isEmpty());
        last = line;
    }
    FUZZ_CHECK(CheckScriptText(bytes) == problems);
    return 0;
}
