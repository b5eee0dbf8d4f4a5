#pragma once
// The start window: choice of mode ("Prognostik", "Regression") or "Ende".

#include "app/Dialoge.h"
#include "calc/Zustand.h"

#include <QWidget>
#include <array>

class QGroupBox;
class QLabel;
class QPushButton;

namespace tk {

class frmstartKX : public QWidget {
    Q_OBJECT
public:
    frmstartKX(Programmzustand& zustand, Dialoge& dialoge, QWidget* parent = nullptr);

    // The buttons of the control array cmd1.
    enum Knopfnr : std::size_t { Prognostik, Regression, Ende };
    QPushButton* cmd1(int index) const { return cmd1_.at(static_cast<std::size_t>(index)); }
    QGroupBox* Frame1() const { return Frame1_; }
    QLabel* Label1() const { return Label1_; }

signals:
    // The mode flag is already set when this is emitted.
    void modusGewaehlt();
    void beenden();
    // Closed through the title bar.
    void geschlossen();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void Initialisieren();
    void cmd1_Click(Knopfnr nr);

    Programmzustand& zustand_;
    Dialoge& dialoge_;
    QGroupBox* Frame1_ = nullptr;
    QLabel* Label1_ = nullptr;
    std::array<QPushButton*, 3> cmd1_{};
};

} // namespace tk
