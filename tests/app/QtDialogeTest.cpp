// The real message boxes and file dialogs: German buttons and texts, icons, answers.

#include "QtDialoge.h"
#include "FakeDialoge.h"
#include "Uebersetzung.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace Qt::StringLiterals;
using tk::Antwort;
using tk::Knoepfe;
using tk::Symbol;

namespace {

// Runs `pruefen` on the modal dialog as soon as it is open.
template <typename Dialog> void sobaldOffen(std::function<void(Dialog*)> pruefen) {
    auto* t = new QTimer;
    t->setInterval(10);
    QObject::connect(t, &QTimer::timeout, [t, pruefen] {
        if (auto* d = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
            t->stop();
            t->deleteLater();
            pruefen(d);
        }
    });
    t->start();
}

} // namespace

class QtDialogeTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(tk::deutschLaden(*QCoreApplication::instance())); }

    void filter_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("qt");
        QTest::addColumn<QString>("endung");
        QTest::newRow("Regression") << u"(*.rgr)|*.rgr"_s << u"(*.rgr)"_s << u"rgr"_s;
        QTest::newRow("Prognose") << u"(*.pro)|*.pro"_s << u"(*.pro)"_s << u"pro"_s;
        QTest::newRow("Beschreibung")
            << u"Daten|*.dat|Alle|*.*"_s << u"Daten (*.dat);;Alle (*.*)"_s << u"dat"_s;
    }
    void filter() {
        QFETCH(QString, filter);
        QFETCH(QString, qt);
        QFETCH(QString, endung);
        QCOMPARE(tk::qtFilter(filter), qt);
        QCOMPARE(tk::filterEndung(filter), endung);
    }

    void meldung_data() {
        QTest::addColumn<Knoepfe>("knoepfe");
        QTest::addColumn<Symbol>("symbol");
        QTest::addColumn<QStringList>("beschriftungen");
        QTest::addColumn<QString>("druecken");
        QTest::addColumn<Antwort>("antwort");
        QTest::addColumn<int>("icon");
        QTest::newRow("OK") << Knoepfe::OK << Symbol::Ausrufezeichen << QStringList{u"OK"_s}
                            << u"OK"_s << Antwort::OK << int(QMessageBox::Warning);
        QTest::newRow("Ja Nein: Nein")
            << Knoepfe::JaNein << Symbol::Frage << QStringList{u"Ja"_s, u"Nein"_s} << u"Nein"_s
            << Antwort::Nein << int(QMessageBox::Question);
        QTest::newRow("Ja Nein: Ja")
            << Knoepfe::JaNein << Symbol::Keins << QStringList{u"Ja"_s, u"Nein"_s} << u"Ja"_s
            << Antwort::Ja << int(QMessageBox::NoIcon);
        QTest::newRow("Ja Nein Abbrechen")
            << Knoepfe::JaNeinAbbrechen << Symbol::Frage
            << QStringList{u"Ja"_s, u"Nein"_s, u"Abbrechen"_s} << u"Abbrechen"_s
            << Antwort::Abbrechen << int(QMessageBox::Question);
        QTest::newRow("Wiederholen")
            << Knoepfe::WiederholenAbbrechen << Symbol::Stop
            << QStringList{u"Wiederholen"_s, u"Abbrechen"_s} << u"Wiederholen"_s
            << Antwort::Wiederholen << int(QMessageBox::Critical);
        QTest::newRow("Escape bei Ja Nein")
            << Knoepfe::JaNein << Symbol::Frage << QStringList{u"Ja"_s, u"Nein"_s} << u"<Esc>"_s
            << Antwort::Nein << int(QMessageBox::Question);
    }
    void meldung() {
        QFETCH(Knoepfe, knoepfe);
        QFETCH(Symbol, symbol);
        QFETCH(QStringList, beschriftungen);
        QFETCH(QString, druecken);
        QFETCH(Antwort, antwort);
        QFETCH(int, icon);
        QStringList gesehen;
        QString titel, text;
        int gesehenesIcon = -1;
        Qt::TextFormat format = Qt::AutoText;
        sobaldOffen<QMessageBox>([&](QMessageBox* box) {
            format = box->textFormat();
            titel = box->windowTitle();
            text = box->text();
            gesehenesIcon = box->icon();
            for (QAbstractButton* k : box->buttons()) gesehen << k->text();
            if (druecken == u"<Esc>"_s) {
                QTest::keyClick(box, Qt::Key_Escape);
                return;
            }
            for (QAbstractButton* k : box->buttons())
                if (k->text() == druecken) k->click();
        });
        tk::QtDialoge dialoge;
        // Text from a file never formats the box.
        const Antwort a = dialoge.meldung(u" <b>A</b> "_s, u"Achtung"_s, knoepfe, symbol);
        QCOMPARE(a, antwort);
        QCOMPARE(titel, u"Achtung"_s);
        QCOMPARE(text, u" <b>A</b> "_s);
        QCOMPARE(format, Qt::PlainText);
        QCOMPARE(gesehenesIcon, icon);
        gesehen.sort();
        beschriftungen.sort();
        QCOMPARE(gesehen, beschriftungen);
    }

    void dateidialogSprichtDeutsch() {
        QTemporaryDir ordner;
        const QString pfad = QDir(ordner.path()).filePath(u"neu.rgr"_s);
        QString titel;
        QStringList filter;
        QStringList knoepfe;
        sobaldOffen<QFileDialog>([&](QFileDialog* d) {
            titel = d->windowTitle();
            filter = d->nameFilters();
            for (auto* k : d->findChildren<QPushButton*>()) knoepfe << k->text().remove(u'&');
            d->setDirectory(ordner.path());
            d->selectFile(u"neu"_s);
            QMetaObject::invokeMethod(d, "accept");
        });
        tk::QtDialoge dialoge;
        const auto gewaehlt = dialoge.dateiSpeichern(u"(*.rgr)|*.rgr"_s);
        QCOMPARE(titel, u"Speichern unter"_s);
        QCOMPARE(filter, QStringList{u"(*.rgr)"_s});
        QVERIFY2(knoepfe.contains(u"Speichern"_s) && knoepfe.contains(u"Abbrechen"_s),
                 qPrintable(knoepfe.join(u'|')));
        QVERIFY(gewaehlt.has_value());
        QCOMPARE(QDir::fromNativeSeparators(*gewaehlt), pfad); // the extension is added

        sobaldOffen<QFileDialog>([&](QFileDialog* d) {
            titel = d->windowTitle();
            d->reject();
        });
        QVERIFY(!dialoge.dateiOeffnen(u"(*.pro)|*.pro"_s).has_value());
        QCOMPARE(titel, u"Öffnen"_s);
    }
};

QObject* neuQtDialogeTest() {
    return new QtDialogeTest;
}

#include "QtDialogeTest.moc"
