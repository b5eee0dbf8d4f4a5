// Fits a regression and a prognosis file and prints what the comparison with the command line
// reads: one "name value" a line.
#include <trendkurve/trendkurve.h>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    try {
        const trendkurve::Datensatz rgr = trendkurve::lesen(argv[1]);
        const trendkurve::Regression r = trendkurve::regression(rgr.x, rgr.y);
        std::printf("code %d\nA %.17g\nB %.17g\nr %.17g\nY10 %.17g\n", r.modell, r.A, r.B, r.r,
                    r.yFuerX(10).y);
        const trendkurve::Datensatz pro = trendkurve::lesen(argv[2]);
        const trendkurve::Prognose p = trendkurve::prognose(pro.x, pro.y);
        const trendkurve::Fall& s = p.summenwerte;
        std::printf("type %d\nKMax %.17g\nX50 %.17g\nK5 %.17g\n", s.typ, s.KMax, *s.kennwerte.X50,
                    p.fuerX(5).K);
        trendkurve::regression({1, 2}, {1, 2});
    } catch (const trendkurve::Fehler& f) {
        std::printf("fehler %d %s\n", f.code(), f.text().c_str());
    }
}
