#pragma once
// Runs QtTest classes on the offscreen platform (also when started without CTest's
// environment); a class name as first argument runs only that class. Each test file
// announces its class with TK_QTTEST; the shared main (QtTestMain.cpp) runs them.

#include <QApplication>
#include <QTest>
#include <functional>
#include <memory>
#include <vector>

namespace tk::test {

using TestFabrik = std::function<QObject*()>;

inline std::vector<TestFabrik>& angemeldeteTests() {
    static std::vector<TestFabrik> fabriken;
    return fabriken;
}

struct Anmeldung {
    explicit Anmeldung(TestFabrik f) { angemeldeteTests().push_back(std::move(f)); }
};

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

#define TK_QTTEST(Klasse)                                                                          \
    static const tk::test::Anmeldung Klasse##Anmeldung(                                            \
        [] { return static_cast<QObject*>(new Klasse); })
