// SPDX-License-Identifier: MIT
// Under node there is no fork: the test program starts itself again, through node's
// child_process, for the current test function and data row, and in that second
// process the action runs instead.
#include "tests/childprocess.h"

#include <QTest>

#include <emscripten/emscripten.h>

#include <cstdio>
#include <cstdlib>

namespace {

EM_JS(bool, isChild, (), { return !!process.env.FENDREL_TEST_CHILD; });

// Runs the child; gives its exit status and leaves its standard error in a string
// from malloc.
EM_JS(int, runChild, (const char* test, char** errorOutput), {
    const child = require('child_process').spawnSync(process.execPath, process.execArgv.concat([process.argv[1], UTF8ToString(test)]), {env: Object.assign({}, process.env, {FENDREL_TEST_CHILD: '1'}), stdio: ['ignore', 'ignore', 'pipe']});
    const text = child.stderr ? child.stderr.toString() : "";
    const size = lengthBytesUTF8(text) + 1;
    const copy = _malloc(size);
    stringToUTF8(text, copy, size);
    HEAP32[errorOutput >> 2] = copy;
    return child.status === null ? -1 : child.status;
});

} // namespace

ChildOutcome runInChild(const std::function<void()>& action)
{
    if (isChild()) {
        action();
        std::fflush(nullptr);
        std::_Exit(0);
    }
    std::string test = QTest::currentTestFunction();
    if (const char* tag = QTest::currentDataTag())
        test += std::string(":") + tag;
    char* errorOutput = nullptr;
    ChildOutcome outcome;
    outcome.exitStatus = runChild(test.c_str(), &errorOutput);
    outcome.errorOutput = errorOutput;
    std::free(errorOutput);
    return outcome;
}
