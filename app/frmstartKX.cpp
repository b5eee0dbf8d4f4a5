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

    const std::array<QString, 3> texte = {QStringLiteral("Prognostik"),
                                          QStringLiteral("Regression"), QStringLiteral("Ende")};
    const std::array<int, 3> oben = {1000, 2240, 4160};
    for (int i = 0; i < 3; ++i) {
        auto* k = new QPushButton(texte[i], Frame1_);
        k->setGeometry(tw(1500), tw(oben[i]), tw(2000), tw(1050));
        k->setAutoDefault(true); // Enter presses the focused button
        connect(k, &QPushButton::clicked, this, [this, i] { cmd1_Click(i); });
        cmd1_[i] = k;
    }

    Label1_ = new QLabel(this);
    Label1_->setAlignment(Qt::AlignCenter);
    Label1_->setGeometry(0, tw(6700), width(), tw(400));

    Initialisieren();
}

void frmstartKX::Initialisieren() {
    Label1_->setText(besitzerVermerk());
    zustand_.initialisierenStart();
}

void frmstartKX::cmd1_Click(int index) {
    switch (index) {
    case 0:
    case 1:
        zustand_.ModusPrognostik = index == 0;
        emit modusGewaehlt();
        break;
    case 2:
        if (EndeAbfrage(dialoge_)) emit beenden();
        break;
    default:
        break;
    }
}

void frmstartKX::closeEvent(QCloseEvent* e) {
    e->accept();
    emit geschlossen();
}

} // namespace tk
