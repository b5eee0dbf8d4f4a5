#include "app/frmstartKX.h"

#include "app/Besitzer.h"
#include "app/Ende.h"
#include "app/Layout.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace tk {

frmstartKX::frmstartKX(Programmzustand& zustand, Dialoge& dialoge, QWidget* parent)
    : QWidget(parent), zustand_(zustand), dialoge_(dialoge) {
    setWindowTitle(programmName() + QStringLiteral(" :   Start"));
    setFixedSize(tw(6000), tw(7900));

    Frame1_ = new QGroupBox(QStringLiteral("Programmwahl"), this);
    Frame1_->setGeometry(tw(500), tw(500), tw(5000), tw(5700));

    const auto knopf = [this](Knopfnr nr, const QString& text, int oben) {
        auto* k = new QPushButton(text, Frame1_);
        k->setGeometry(tw(1500), tw(oben), tw(2000), tw(1050));
        k->setAutoDefault(true); // Enter presses the focused button
        connect(k, &QPushButton::clicked, this, [this, nr] { cmd1_Click(nr); });
        cmd1_[nr] = k;
    };
    knopf(Prognostik, QStringLiteral("Prognostik"), 1000);
    knopf(Regression, QStringLiteral("Regression"), 2240);
    knopf(Ende, QStringLiteral("Ende"), 4160);

    Label1_ = new QLabel(this);
    Label1_->setAlignment(Qt::AlignCenter);
    Label1_->setGeometry(0, tw(6700), width(), tw(400));

    Initialisieren();
}

void frmstartKX::Initialisieren() {
    Label1_->setText(besitzerVermerk());
    zustand_.initialisierenStart();
}

void frmstartKX::cmd1_Click(Knopfnr nr) {
    switch (nr) {
    case Prognostik:
    case Regression:
        zustand_.ModusPrognostik = nr == Prognostik;
        emit modusGewaehlt();
        break;
    case Ende:
        if (EndeAbfrage(dialoge_)) emit beenden();
        break;
    }
}

void frmstartKX::closeEvent(QCloseEvent* e) {
    e->accept();
    emit geschlossen();
}

} // namespace tk
