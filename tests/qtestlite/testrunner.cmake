# SPDX-License-Identifier: MIT
# Generates, for the Windows build without Qt, what Qt's moc gives a test: a main()
# that runs the test class's slots. The slots are the argument-less member functions
# declared one indentation deep after "private slots:"; the file is named after the
# test's ".moc" include, so the test source stays as it is.
function(fendrel_generate_test_runner source output)
    file(READ ${source} text)
    string(REGEX MATCH "QTEST_[A-Z_]*MAIN\\(([A-Za-z0-9_]+)\\)" _ "${text}")
    set(class ${CMAKE_MATCH_1})
    string(FIND "${text}" "private slots:" start)
    string(SUBSTRING "${text}" ${start} -1 slots)
    string(REGEX MATCHALL "\n    void [A-Za-z0-9_]+\\(\\)" declarations "${slots}")
    set(names)
    foreach(declaration IN LISTS declarations)
        string(REGEX REPLACE "\n    void ([A-Za-z0-9_]+)\\(\\)" "\\1" name "${declaration}")
        list(APPEND names ${name})
    endforeach()
    set(cases "")
    set(hooks "")
    foreach(name IN LISTS names)
        if(name STREQUAL "init" OR name STREQUAL "cleanup")
            string(APPEND hooks "    testClass.${name} = [&test] { test.${name}(); };\n")
        elseif(NOT name MATCHES "_data$")
            set(data "nullptr")
            if("${name}_data" IN_LIST names)
                set(data "[&test] { test.${name}_data(); }")
            endif()
            string(APPEND cases "        {\"${name}\", [&test] { test.${name}(); }, ${data}},\n")
        endif()
    endforeach()
    file(WRITE ${output}.new "// Generated from ${source}.\nint qtestliteMain(int argc, char* argv[])\n{\n"
        "    ${class} test;\n    QTest::TestClass testClass{\"${class}\", {\n${cases}    }, {}, {}};\n"
        "${hooks}    return QTest::run(argc, argv, testClass);\n}\n\n"
        "int main(int argc, char* argv[])\n{\n    return qtestliteMain(argc, argv);\n}\n")
    file(COPY_FILE ${output}.new ${output} ONLY_IF_DIFFERENT)
endfunction()
