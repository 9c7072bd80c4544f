// SPDX-License-Identifier: MIT
// The stand-in's data tables and runner; its output follows Qt Test's.
#include <QTest>

#include <cstdio>
#include <exception>

namespace QTest {
namespace {

struct Table {
    std::vector<std::string> columns;
    std::vector<Row> rows;
};

Table g_table;
const Row* g_row = nullptr;
std::string g_class;
std::string g_function;
bool g_failed = false;

std::string caseName()
{
    return g_class + "::" + g_function + "(" + (g_row ? g_row->tag : "") + ")";
}

} // namespace

bool reportFailure(const std::string& message, const char* file, int line)
{
    std::printf("FAIL!  : %s %s\n   Loc: [%s(%d)]\n", caseName().c_str(), message.c_str(), file, line);
    g_failed = true;
    return false;
}

void addColumnNamed(const char* name)
{
    g_table.columns.emplace_back(name);
}

Row& newRow(const char* tag)
{
    g_table.rows.emplace_back();
    g_table.rows.back().tag = tag;
    return g_table.rows.back();
}

const std::any& fetched(const char* name)
{
    for (std::size_t column = 0; column < g_table.columns.size(); ++column)
        if (g_table.columns[column] == name && g_row && column < g_row->values.size())
            return g_row->values[column];
    static const std::any none;
    return none;
}

const char* currentTestFunction()
{
    return g_function.c_str();
}

const char* currentDataTag()
{
    return g_row ? g_row->tag.c_str() : nullptr;
}

int run(int argc, char* argv[], const TestClass& testClass)
{
    const std::string only = argc > 1 ? argv[1] : "";
    int passed = 0;
    int failed = 0;
    g_class = testClass.name;
    std::printf("********* Start testing of %s *********\n", testClass.name);
    for (const TestCase& testCase : testClass.cases) {
        g_function = testCase.name;
        g_table = {};
        g_row = nullptr;
        if (!only.empty() && only != g_function && only.rfind(g_function + ":", 0) != 0)
            continue;
        if (testCase.data)
            testCase.data();
        else
            g_table.rows.emplace_back();
        for (const Row& row : g_table.rows) {
            g_row = testCase.data ? &row : nullptr;
            if (only.size() > g_function.size() && only.substr(g_function.size() + 1) != row.tag)
                continue;
            g_failed = false;
            try {
                if (testClass.init)
                    testClass.init();
                testCase.run();
                if (testClass.cleanup)
                    testClass.cleanup();
            } catch (const std::exception& exception) {
                reportFailure(std::string("Caught exception: ") + exception.what(), __FILE__, __LINE__);
            }
            if (g_failed) {
                ++failed;
            } else {
                ++passed;
                std::printf("PASS   : %s\n", caseName().c_str());
            }
        }
    }
    std::printf("Totals: %d passed, %d failed\n********* Finished testing of %s *********\n", passed, failed,
                testClass.name);
    return failed;
}

} // namespace QTest
