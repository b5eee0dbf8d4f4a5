// Runs the window tests; the first argument may name one test class.

#include <QApplication>
#include <QTest>

#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

QObject* neuEingabeTest();
QObject* neuListeTest();
QObject* neuRechnungTest();
QObject* neuDateiTest();
QObject* neuTextBHilfTest();

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const std::map<std::string, std::function<QObject*()>> klassen = {
        {"EingabeTest", neuEingabeTest},
        {"ListeTest", neuListeTest},
        {"RechnungTest", neuRechnungTest},
        {"DateiTest", neuDateiTest},
        {"TextBHilfTest", neuTextBHilfTest}};

    std::vector<char*> argumente(argv, argv + argc);
    std::vector<std::string> auswahl;
    if (argc > 1 && klassen.count(argv[1])) {
        auswahl.push_back(argv[1]);
        argumente.erase(argumente.begin() + 1);
    } else {
        for (const auto& [name, _] : klassen) auswahl.push_back(name);
    }
    int fehler = 0;
    for (const auto& name : auswahl) {
        std::unique_ptr<QObject> test(klassen.at(name)());
        fehler += QTest::qExec(test.get(), static_cast<int>(argumente.size()), argumente.data());
    }
    return fehler == 0 ? 0 : 1;
}
