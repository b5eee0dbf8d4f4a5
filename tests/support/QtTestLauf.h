#pragma once
// Runs QtTest classes on the offscreen platform (also when started without CTest's
// environment); a class name as first argument runs only that class.

#include <QApplication>
#include <QTest>
#include <functional>
#include <memory>
#include <vector>

namespace tk::test {

using TestFabrik = std::function<QObject*()>;

inline int qtTestsAusfuehren(int argc, char** argv, const std::vector<TestFabrik>& fabriken) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QByteArray nur;
    if (argc > 1 && argv[1][0] != '-') {
        nur = argv[1];
        --argc;
        ++argv;
    }
    int fehler = 0;
    for (const auto& fabrik : fabriken) {
        std::unique_ptr<QObject> test(fabrik());
        if (nur.isEmpty() || nur == test->metaObject()->className())
            fehler += QTest::qExec(test.get(), argc, argv);
    }
    return fehler == 0 ? 0 : 1;
}

} // namespace tk::test
