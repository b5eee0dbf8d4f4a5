#include "app/QtDialoge.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QStringList>

#include <utility>
#include <vector>

using namespace Qt::StringLiterals;

namespace tk {

QString qtFilter(const QString& filter) {
    const QStringList teile = filter.split(u'|');
    QStringList eintraege;
    for (qsizetype i = 0; i + 1 < teile.size(); i += 2) {
        const QString beschreibung = teile[i].trimmed();
        const QString muster = teile[i + 1].trimmed();
        if (beschreibung.contains(u'(' + muster + u')'))
            eintraege << beschreibung;
        else
            eintraege << (beschreibung.isEmpty() ? QString() : beschreibung + u' ') + u'(' +
                             muster + u')';
    }
    if (eintraege.isEmpty()) return filter;
    return eintraege.join(u";;"_s);
}

namespace {

// A file name or title quoted in a message shows its control characters (C0 but line
// breaks and tabs, DEL, C1) as \xHH instead of passing them on.
QString anzeigbar(const QString& text) {
    QString aus;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        const bool steuer =
            (u < 0x20 && u != u'\n' && u != u'\r' && u != u'\t') || (u >= 0x7F && u < 0xA0);
        aus += steuer ? u"\\x"_s + QString::number(u, 16).toUpper().rightJustified(2, u'0')
                      : QString(c);
    }
    return aus;
}

} // namespace

Antwort QtDialoge::meldung(const QString& text, const QString& titel, Knoepfe knoepfe,
                           Symbol symbol) {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (symbol) {
    case Symbol::Keins:
        icon = QMessageBox::NoIcon;
        break;
    case Symbol::Ausrufezeichen:
        icon = QMessageBox::Warning;
        break;
    case Symbol::Frage:
        icon = QMessageBox::Question;
        break;
    case Symbol::Stop:
        icon = QMessageBox::Critical;
        break;
    }
    QPointer<QWidget> fenster = QApplication::activeWindow();
    QMessageBox box(icon, titel, anzeigbar(text), QMessageBox::NoButton, fenster);
    // Texts may quote a file: never let them format the box.
    box.setTextFormat(Qt::PlainText);

    std::vector<std::pair<QPushButton*, Antwort>> knoepfeListe;
    auto neu = [&](const QString& beschriftung, QMessageBox::ButtonRole rolle, Antwort a) {
        QPushButton* k = box.addButton(beschriftung, rolle);
        knoepfeListe.emplace_back(k, a);
        return k;
    };
    // The underlined letters answer without Alt: J, N, A, W.
    QPushButton* escape = nullptr;
    switch (knoepfe) {
    case Knoepfe::OK:
        escape = neu(u"OK"_s, QMessageBox::AcceptRole, Antwort::OK);
        break;
    case Knoepfe::JaNein:
        neu(u"&Ja"_s, QMessageBox::YesRole, Antwort::Ja);
        escape = neu(u"&Nein"_s, QMessageBox::NoRole, Antwort::Nein);
        break;
    case Knoepfe::JaNeinAbbrechen:
        neu(u"&Ja"_s, QMessageBox::YesRole, Antwort::Ja);
        neu(u"&Nein"_s, QMessageBox::NoRole, Antwort::Nein);
        escape = neu(u"&Abbrechen"_s, QMessageBox::RejectRole, Antwort::Abbrechen);
        break;
    case Knoepfe::WiederholenAbbrechen:
        neu(u"&Wiederholen"_s, QMessageBox::AcceptRole, Antwort::Wiederholen);
        escape = neu(u"&Abbrechen"_s, QMessageBox::RejectRole, Antwort::Abbrechen);
        break;
    }
    box.setDefaultButton(knoepfeListe.front().first);
    box.setEscapeButton(escape);
    box.exec();
    // Give the keyboard back to the window that asked.
    if (fenster) fenster->activateWindow();

    for (const auto& [k, a] : knoepfeListe)
        if (box.clickedButton() == k) return a;
    for (const auto& [k, a] : knoepfeListe)
        if (k == escape) return a;
    return Antwort::Abbrechen;
}

std::optional<QString> QtDialoge::dateiOeffnen(const QString& filter) {
    return datei(filter, false);
}

std::optional<QString> QtDialoge::dateiSpeichern(const QString& filter) {
    return datei(filter, true);
}

std::optional<QString> QtDialoge::texteingabe(const QString& frage, const QString& titel,
                                              const QString& vorgabe) {
    bool ok = false;
    const QString text = QInputDialog::getText(QApplication::activeWindow(), titel, frage,
                                               QLineEdit::Normal, vorgabe, &ok);
    if (!ok) return std::nullopt;
    return text;
}

std::optional<QString> QtDialoge::datei(const QString& filter, bool speichern) {
    QFileDialog dialog(QApplication::activeWindow(), speichern ? u"Speichern unter"_s : u"Öffnen"_s,
                       ordner_.isEmpty() ? QDir::currentPath() : ordner_, qtFilter(filter));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (speichern) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        // The program asks its own overwrite question.
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        // A typed name is not checked here; opening reports a missing file.
        dialog.setFileMode(QFileDialog::AnyFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    QString pfad = dialog.selectedFiles().constFirst();
    // A name typed without extension gets the one of the type chosen.
    if (speichern && QFileInfo(pfad).suffix().isEmpty()) {
        const auto m = QRegularExpression(u"\\*\\.(\\w+)"_s).match(dialog.selectedNameFilter());
        if (m.hasMatch()) pfad += u'.' + m.captured(1);
    }
    ordner_ = QFileInfo(pfad).absolutePath();
    return QDir::toNativeSeparators(pfad);
}

} // namespace tk
