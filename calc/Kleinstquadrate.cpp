// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/Kleinstquadrate.h"

#include "calc/Fehler.h"
#include "calc/Kurventypen.h"
#include "calc/Modelle.h"

#include <gsl/gsl_blas.h>
#include <gsl/gsl_cdf.h>
#include <gsl/gsl_errno.h>
#include <gsl/gsl_multifit_nlinear.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <mutex>
#include <numeric>

namespace tk {

namespace {

// Where the curve is undefined the residual is this large but finite value: the
// trust region then rejects the step instead of GSL stopping the whole fit.
constexpr double Strafe = 1e100;
constexpr std::size_t MaxIterationen = 500;

void gslOhneAbbruch() {
    // GSL's default handler aborts the program; its status codes are enough here.
    static std::once_flag einmal;
    std::call_once(einmal, [] { gsl_set_error_handler_off(); });
}

struct Daten {
    const KQKurve* kurve;
    const std::vector<double>* x;
    const std::vector<double>* y;
    KQParameter fest;
    std::vector<std::size_t> index; // which parameter each free variable is
};

KQParameter parameter(const Daten& d, const gsl_vector* v) {
    KQParameter p = d.fest;
    for (std::size_t k = 0; k < d.index.size(); ++k) p[d.index[k]] = gsl_vector_get(v, k);
    return p;
}

int residuen(const gsl_vector* v, void* daten, gsl_vector* f) {
    const auto& d = *static_cast<const Daten*>(daten);
    const KQParameter p = parameter(d, v);
    for (std::size_t i = 0; i < d.x->size(); ++i) {
        double r = Strafe;
        try {
            r = d.kurve->wert(p, (*d.x)[i]) - (*d.y)[i];
            if (!std::isfinite(r)) r = Strafe;
        } catch (const Fehler&) {
        }
        gsl_vector_set(f, i, r);
    }
    return GSL_SUCCESS;
}

struct Arbeit {
    gsl_multifit_nlinear_workspace* w;
    ~Arbeit() { gsl_multifit_nlinear_free(w); }
};

// Covariance and standard errors of the free parameters from the unscaled covariance
// (J^T J)^-1 at the solution; false when they cannot be determined (singular Jacobian,
// an infinite or zero variance).
template <class Unskaliert>
bool kovarianzSetzen(KQErgebnis& e, const std::vector<std::size_t>& index, bool regulaer,
                     Unskaliert c) {
    const std::size_t m = index.size();
    const double s2 = e.sigma * e.sigma;
    for (std::size_t i = 0; i < m; ++i)
        for (std::size_t j = 0; j < m; ++j) e.kovarianz[index[i]][index[j]] = s2 * c(i, j);
    for (std::size_t i = 0; i < m; ++i) {
        const double v = e.kovarianz[index[i]][index[i]];
        if (!(std::isfinite(v) && (v > 0 || s2 == 0))) regulaer = false;
        e.se[index[i]] = std::sqrt(std::fabs(v));
    }
    return regulaer;
}

bool gslKovarianz(KQErgebnis& e, const std::vector<std::size_t>& index, const Arbeit& a) {
    const std::size_t m = index.size();
    const std::unique_ptr<gsl_matrix, decltype(&gsl_matrix_free)> kov(gsl_matrix_alloc(m, m),
                                                                      gsl_matrix_free);
    if (!kov) return false;
    const bool regulaer =
        gsl_multifit_nlinear_covar(gsl_multifit_nlinear_jac(a.w), 0.0, kov.get()) == GSL_SUCCESS;
    return kovarianzSetzen(e, index, regulaer, [&](std::size_t i, std::size_t j) {
        return gsl_matrix_get(kov.get(), i, j);
    });
}

std::optional<double> aicc(double rss, int n, int p) {
    // sigma counts as a parameter, as in the usual likelihood of a normal error
    const int k = p + 1;
    if (rss <= 0 || n - k - 1 <= 0) return std::nullopt;
    return n * std::log(rss / n) + 2.0 * k + 2.0 * k * (k + 1) / (n - k - 1);
}

std::optional<double> r2(const std::vector<double>& y, double rss) {
    const double mittel = std::accumulate(y.begin(), y.end(), 0.0) / static_cast<double>(y.size());
    double sq = 0;
    for (double v : y) sq += (v - mittel) * (v - mittel);
    if (sq <= 0) return std::nullopt;
    return 1 - rss / sq;
}

// Near the minimum rounding can keep the steps from meeting the tolerances; the fit
// still stands when the residuals are orthogonal to every column of the Jacobian.
bool amMinimum(gsl_multifit_nlinear_workspace* w) {
    const gsl_vector* f = gsl_multifit_nlinear_residual(w);
    const gsl_matrix* J = gsl_multifit_nlinear_jac(w);
    const double fnorm = gsl_blas_dnrm2(f);
    if (fnorm == 0) return true;
    for (std::size_t j = 0; j < J->size2; ++j) {
        gsl_vector_const_view spalte = gsl_matrix_const_column(J, j);
        double skalar = 0;
        gsl_blas_ddot(&spalte.vector, f, &skalar);
        const double norm = gsl_blas_dnrm2(&spalte.vector);
        if (!(std::fabs(skalar) <= 1e-7 * norm * fnorm)) return false;
    }
    return true;
}

KQErgebnis nichtKonvergiert(KQErgebnis e, std::string grund) {
    e.konvergiert = false;
    e.grund = std::move(grund);
    return e;
}

KQErgebnis leer(const KQKurve& kurve, std::size_t n) {
    KQErgebnis e;
    e.anzahl = kurve.anzahl;
    e.n = static_cast<int>(n);
    return e;
}

std::vector<std::size_t> freieIndizes(const KQKurve& kurve, std::array<bool, 3> frei) {
    std::vector<std::size_t> index;
    for (std::size_t k = 0; k < static_cast<std::size_t>(kurve.anzahl); ++k)
        if (frei[k]) index.push_back(k);
    return index;
}

// What follows from the parameters and the RSS; true when the fit is a point of a
// profile, which wants nothing more.
bool guete(KQErgebnis& e, const std::vector<double>& y, double rss, std::size_t m) {
    e.rss = rss;
    e.sigma = std::sqrt(rss / static_cast<double>(e.n - static_cast<int>(m)));
    e.r2 = r2(y, rss);
    e.aicc = aicc(rss, e.n, static_cast<int>(m));
    if (m < static_cast<std::size_t>(e.anzahl)) {
        e.konvergiert = true;
        return true;
    }
    return false;
}

void waldIntervalle(KQErgebnis& e, const std::vector<std::size_t>& index) {
    const double t = tQuantil95(e.n - static_cast<int>(index.size()));
    for (std::size_t k : index) e.ci95[k] = {e.p[k] - t * e.se[k], e.p[k] + t * e.se[k]};
    e.konvergiert = true;
}

// Models linear in their parameters, y = A + B*g(x): the least squares of the
// linearised fit, with the covariance s^2 (X^T X)^-1. Empty where g is constant.
std::optional<KQErgebnis> geschlossen(const KQKurve& kurve, const std::vector<double>& x,
                                      const std::vector<double>& y) {
    KQErgebnis e = leer(kurve, x.size());
    const auto n = static_cast<double>(x.size());
    std::vector<double> g(x.size());
    double gMittel = 0, yMittel = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        KQParameter abl{};
        kurve.gradient({}, x[i], abl);
        g[i] = abl[1];
        gMittel += g[i] / n;
        yMittel += y[i] / n;
    }
    double sgg = 0, sgy = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        sgg += (g[i] - gMittel) * (g[i] - gMittel);
        sgy += (g[i] - gMittel) * (y[i] - yMittel);
    }
    if (!(sgg > 0) || !std::isfinite(sgg) || !std::isfinite(sgy)) return std::nullopt;
    e.p = {yMittel - sgy / sgg * gMittel, sgy / sgg, 0};
    double rss = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        const double r = kurve.wert(e.p, x[i]) - y[i];
        rss += r * r;
    }
    if (!std::isfinite(rss) || !std::isfinite(e.p[0]) || !std::isfinite(e.p[1]))
        return std::nullopt;
    guete(e, y, rss, 2);
    const double c[2][2] = {{1 / n + gMittel * gMittel / sgg, -gMittel / sgg},
                            {-gMittel / sgg, 1 / sgg}};
    if (!kovarianzSetzen(e, {0, 1}, true, [&](std::size_t i, std::size_t j) { return c[i][j]; }))
        return std::nullopt;
    waldIntervalle(e, {0, 1});
    return e;
}

// A compact Levenberg-Marquardt for two or three parameters with the curve's own
// derivatives. GSL's driver costs more in its workspace, its BLAS calls and the 2*m
// extra evaluations of its difference Jacobian than these small problems do in
// arithmetic; this one keeps GSL's strategy (More's scaling, Nielsen's damping, the
// same tolerances) on the stack.
constexpr std::size_t MaxPaare = 64; // beyond: the general driver

struct Stand {
    std::array<double, MaxPaare> r;                // residuals
    std::array<std::array<double, 3>, MaxPaare> J; // Jacobian of the free parameters
    double f = 0;                                  // sum of squares
    double faktor = 1; // projected: the best p[0] for the other parameters
};

struct Problem {
    const KQKurve& kurve;
    const std::vector<double>& x;
    const std::vector<double>& y;
    KQParameter fest;
    const std::vector<std::size_t>& index;
    // Variable projection of a curve proportional to p[0]: p[0] is not in `index`
    // and takes, for the other parameters, its best value in closed form.
    bool projiziert = false;
    // The curve prepared for these x, where it can be.
    const KQKurve::Reihengradient* reihe = nullptr;

    std::size_t n() const { return x.size(); }
    std::size_t m() const { return index.size(); }
    KQParameter parameter(const std::array<double, 3>& v) const {
        KQParameter p = fest;
        if (projiziert) p[0] = 1;
        for (std::size_t k = 0; k < m(); ++k) p[index[k]] = v[k];
        return p;
    }
    // false where the curve or a derivative is undefined at a value
    bool auswerten(const std::array<double, 3>& v, Stand& s) const {
        switch (m()) {
        case 1:
            return auswertenM<1>(v, s);
        case 2:
            return auswertenM<2>(v, s);
        default:
            return auswertenM<3>(v, s);
        }
    }
    // The same with the count of free parameters fixed, so that the loops over them unroll.
    template <std::size_t M> bool auswertenM(const std::array<double, 3>& v, Stand& s) const {
        const KQParameter p = parameter(v);
        if (reihe) {
            std::array<KQParameter, MaxPaare> abl; // filled by the curve, not cleared first
            if (!(*reihe)(p, s.r.data(), abl.data())) return false;
            for (std::size_t i = 0; i < n(); ++i)
                for (std::size_t k = 0; k < M; ++k) s.J[i][k] = abl[i][index[k]];
        } else {
            for (std::size_t i = 0; i < n(); ++i) {
                KQParameter abl{};
                try {
                    s.r[i] = kurve.gradient(p, x[i], abl);
                } catch (const Fehler&) {
                    return false;
                }
                for (std::size_t k = 0; k < M; ++k) s.J[i][k] = abl[index[k]];
            }
        }
        if (projiziert) projizieren<M>(s);
        s.f = 0;
        for (std::size_t i = 0; i < n(); ++i) {
            if (!projiziert) s.r[i] -= y[i];
            s.f += s.r[i] * s.r[i];
        }
        if (!std::isfinite(s.f)) return false;
        for (std::size_t i = 0; i < n(); ++i)
            for (std::size_t k = 0; k < M; ++k)
                if (!std::isfinite(s.J[i][k])) return false;
        return true;
    }
    // From the curve h at p[0] = 1 and its derivatives h'_k: c = (h.y)/(h.h), the
    // residuals c*h - y and their full derivatives c*h'_k + (dc/dk)*h.
    template <std::size_t M> void projizieren(Stand& s) const {
        double hh = 0, hy = 0;
        std::array<double, 3> hky{}, hhk{};
        for (std::size_t i = 0; i < n(); ++i) {
            hh += s.r[i] * s.r[i];
            hy += s.r[i] * y[i];
            for (std::size_t k = 0; k < M; ++k)
                hky[k] += s.J[i][k] * y[i], hhk[k] += s.r[i] * s.J[i][k];
        }
        s.faktor = hy / hh;
        std::array<double, 3> dc{};
        for (std::size_t k = 0; k < M; ++k) dc[k] = (hky[k] - 2 * s.faktor * hhk[k]) / hh;
        for (std::size_t i = 0; i < n(); ++i) {
            for (std::size_t k = 0; k < M; ++k) s.J[i][k] = s.faktor * s.J[i][k] + dc[k] * s.r[i];
            s.r[i] = s.faktor * s.r[i] - y[i];
        }
    }
};

// Householder QR of the first `zeilen` rows of a (m columns) in place: the upper
// m x m part becomes R, b becomes Q^T b.
template <std::size_t m>
void householderM(std::array<double, 3>* a, double* b, std::size_t zeilen) {
    for (std::size_t k = 0; k < m; ++k) {
        double s = 0;
        for (std::size_t i = k; i < zeilen; ++i) s += a[i][k] * a[i][k];
        if (s == 0) continue;
        const double alpha = a[k][k] > 0 ? -std::sqrt(s) : std::sqrt(s);
        const double v0 = a[k][k] - alpha;
        const double vv = s - a[k][k] * a[k][k] + v0 * v0;
        const auto spiegeln = [&](auto&& element) {
            double d = v0 * element(k);
            for (std::size_t i = k + 1; i < zeilen; ++i) d += a[i][k] * element(i);
            const double faktor = 2 * d / vv;
            element(k) -= faktor * v0;
            for (std::size_t i = k + 1; i < zeilen; ++i) element(i) -= faktor * a[i][k];
        };
        for (std::size_t j = k + 1; j < m; ++j)
            spiegeln([&](std::size_t i) -> double& { return a[i][j]; });
        spiegeln([&](std::size_t i) -> double& { return b[i]; });
        a[k][k] = alpha;
        for (std::size_t i = k + 1; i < zeilen; ++i) a[i][k] = 0;
    }
}

void householder(std::array<double, 3>* a, double* b, std::size_t zeilen, std::size_t m) {
    switch (m) {
    case 1:
        return householderM<1>(a, b, zeilen);
    case 2:
        return householderM<2>(a, b, zeilen);
    default:
        return householderM<3>(a, b, zeilen);
    }
}

// Solves R d = -c for the upper triangle R; false when R is singular.
bool rueckwaerts(const std::array<double, 3>* R, const double* c, std::size_t m,
                 std::array<double, 3>& d) {
    for (std::size_t k = m; k-- > 0;) {
        double s = -c[k];
        for (std::size_t j = k + 1; j < m; ++j) s -= R[k][j] * d[j];
        if (R[k][k] == 0) return false;
        d[k] = s / R[k][k];
        if (!std::isfinite(d[k])) return false;
    }
    return true;
}

// GSL's tests with xtol 1e-10 and gtol 1e-12: a step small against the parameters, or
// a gradient J^T r small against the sum of squares.
bool kleinerSchritt(const std::array<double, 3>& d, const std::array<double, 3>& v, std::size_t m,
                    double xtol = 1e-10) {
    for (std::size_t k = 0; k < m; ++k)
        if (!(std::fabs(d[k]) < xtol * std::fabs(v[k]) + 1e-20)) return false;
    return true;
}

template <std::size_t m>
bool kleinerGradientM(const Stand& s, const std::array<double, 3>& v, std::size_t n) {
    double g = 0;
    for (std::size_t k = 0; k < m; ++k) {
        double gk = 0;
        for (std::size_t i = 0; i < n; ++i) gk += s.J[i][k] * s.r[i];
        g = std::max(g, std::fabs(gk) * std::max(std::fabs(v[k]), 1.0));
    }
    return g <= 1e-12 * std::max(s.f / 2, 1.0);
}

// The rule of the general driver: residuals orthogonal to every Jacobian column.
bool amMinimum(const Stand& s, std::size_t n, std::size_t m) {
    if (s.f == 0) return true;
    for (std::size_t k = 0; k < m; ++k) {
        double skalar = 0, norm = 0;
        for (std::size_t i = 0; i < n; ++i)
            skalar += s.J[i][k] * s.r[i], norm += s.J[i][k] * s.J[i][k];
        if (!(std::fabs(skalar) <= 1e-7 * std::sqrt(norm) * std::sqrt(s.f))) return false;
    }
    return true;
}

template <std::size_t m>
bool minimierenM(const Problem& pr, std::array<double, 3>& v, Stand& ergebnis, double xtol) {
    const std::size_t n = pr.n();
    Stand staende[2];
    Stand* s = &staende[0];
    Stand* versuch = &staende[1];
    if (!pr.template auswertenM<m>(v, *s)) return false;

    std::array<double, 3> D{}; // More's scaling: the largest column norms so far
    const auto skalieren = [&] {
        for (std::size_t k = 0; k < m; ++k) {
            double q = 0;
            for (std::size_t i = 0; i < n; ++i) q += s->J[i][k] * s->J[i][k];
            D[k] = std::max(D[k], std::sqrt(q));
        }
    };
    skalieren();
    double mu = 1e-3, nu = 2;
    bool konvergiert = false;
    for (std::size_t iteration = 0; iteration < MaxIterationen && !konvergiert; ++iteration) {
        if (s->f == 0 || kleinerGradientM<m>(*s, v, n)) {
            konvergiert = true;
            break;
        }
        std::array<std::array<double, 3>, MaxPaare> R;
        std::array<double, MaxPaare> qtr;
        std::copy_n(s->J.begin(), n, R.begin());
        std::copy_n(s->r.begin(), n, qtr.begin());
        householderM<m>(R.data(), qtr.data(), n);
        bool angenommen = false;
        std::array<double, 3> d{};
        for (int fehlversuche = 0; !angenommen && fehlversuche < 30; ++fehlversuche) {
            // min |J d + r|^2 + mu |D d|^2 as the least squares of [R; sqrt(mu) D]
            std::array<std::array<double, 3>, 6> a{};
            std::array<double, 6> c{};
            for (std::size_t k = 0; k < m; ++k) {
                a[k] = R[k];
                c[k] = qtr[k];
                a[m + k][k] = std::sqrt(mu) * D[k];
            }
            householderM<m>(a.data(), c.data(), 2 * m);
            if (rueckwaerts(a.data(), c.data(), m, d)) {
                std::array<double, 3> w = v;
                for (std::size_t k = 0; k < m; ++k) w[k] += d[k];
                if (pr.template auswertenM<m>(w, *versuch)) {
                    // predicted reduction |J d|^2 + 2 mu |D d|^2, free of cancellation
                    double jd2 = 0, dd2 = 0;
                    for (std::size_t i = 0; i < n; ++i) {
                        double jd = 0;
                        for (std::size_t k = 0; k < m; ++k) jd += s->J[i][k] * d[k];
                        jd2 += jd * jd;
                    }
                    for (std::size_t k = 0; k < m; ++k) dd2 += D[k] * d[k] * D[k] * d[k];
                    const double rho = (s->f - versuch->f) / (jd2 + 2 * mu * dd2);
                    if (!(rho > 0) && kleinerSchritt(d, v, m)) {
                        // a step below the tolerance that rounding makes no better: where
                        // the driver would give up too, and the rule "am Minimum" decides
                        break;
                    }
                    if (rho > 0) {
                        angenommen = true;
                        v = w;
                        std::swap(s, versuch);
                        mu *= std::max(1.0 / 3, 1 - std::pow(2 * rho - 1, 3));
                        nu = 2;
                        break;
                    }
                }
            }
            mu *= nu;
            nu *= 2;
        }
        if (!angenommen) break;
        skalieren();
        konvergiert = kleinerSchritt(d, v, m, xtol);
    }
    ergebnis = *s;
    return konvergiert || amMinimum(*s, n, m);
}

// The minimum from v, left in v and s; false when it is not found.
bool minimieren(const Problem& pr, std::array<double, 3>& v, Stand& ergebnis, double xtol = 1e-10) {
    switch (pr.m()) {
    case 1:
        return minimierenM<1>(pr, v, ergebnis, xtol);
    case 2:
        return minimierenM<2>(pr, v, ergebnis, xtol);
    default:
        return minimierenM<3>(pr, v, ergebnis, xtol);
    }
}

// The fit at the minimum v with its state s; empty when the covariance is singular.
std::optional<KQErgebnis> ergebnis(const Problem& pr, const std::array<double, 3>& v,
                                   const Stand& s) {
    const std::size_t n = pr.n(), m = pr.m();
    KQErgebnis e = leer(pr.kurve, n);
    e.p = pr.parameter(v);
    if (guete(e, pr.y, s.f, m)) return e;
    // (J^T J)^-1 = R^-1 R^-T from the QR of the Jacobian at the solution
    std::array<std::array<double, 3>, MaxPaare> R;
    std::array<double, MaxPaare> leerRechts{};
    std::copy_n(s.J.begin(), n, R.begin());
    householder(R.data(), leerRechts.data(), n, m);
    std::array<std::array<double, 3>, 3> inv{}; // R^-1, upper triangular
    for (std::size_t j = 0; j < m; ++j) {
        std::array<double, 3> einheit{}, spalte{};
        einheit[j] = -1;
        if (!rueckwaerts(R.data(), einheit.data(), m, spalte)) return std::nullopt;
        for (std::size_t k = 0; k < m; ++k) inv[k][j] = spalte[k];
    }
    const auto c = [&](std::size_t i, std::size_t j) {
        double summe = 0;
        for (std::size_t k = 0; k < m; ++k) summe += inv[i][k] * inv[j][k];
        return summe;
    };
    if (!kovarianzSetzen(e, pr.index, true, c)) return std::nullopt;
    waldIntervalle(e, pr.index);
    return e;
}

// The projected sum of squares of a curve A*u(x)^B over B alone, by Newton's method. Its
// second derivative follows from the first (h'' = h'^2/h), and Newton converges in a few
// steps where Gauss-Newton crawls on noisy data. Leaves the best A in `faktor`; false
// where it cannot go on (no curvature, no descent), for the general search to take over.
bool newtonPotenz(const Problem& roh, const std::vector<double>& y, double& B, double& faktor) {
    const std::size_t n = roh.n();
    struct Punkt {
        double B = 0, f = 0, d1 = 0, d2 = 0, c = 0;
    };
    Stand s;
    const auto auswerten = [&](double b, Punkt& pt) {
        if (!roh.auswerten({b, 0, 0}, s)) return false; // y of `roh` is 0: r = h
        double P = 0, Q = 0, P1 = 0, Q1 = 0, P2 = 0, Q2 = 0;
        for (std::size_t i = 0; i < n; ++i) {
            const double h = s.r[i], dh = s.J[i][0];
            const double ddh = h != 0 ? dh * dh / h : 0.0;
            P += h * y[i], Q += h * h;
            P1 += dh * y[i], Q1 += 2 * h * dh;
            P2 += ddh * y[i], Q2 += 4 * dh * dh;
        }
        if (!(Q > 0)) return false;
        pt.B = b;
        pt.c = P / Q;
        pt.f = 0;
        for (std::size_t i = 0; i < n; ++i) pt.f += (pt.c * s.r[i] - y[i]) * (pt.c * s.r[i] - y[i]);
        // f = sum y^2 - P^2/Q, differentiated twice
        pt.d1 = -(2 * P * P1 / Q - P * P * Q1 / (Q * Q));
        pt.d2 = -(2 * P1 * P1 / Q + 2 * P * P2 / Q - 4 * P * P1 * Q1 / (Q * Q) -
                  P * P * Q2 / (Q * Q) + 2 * P * P * Q1 * Q1 / (Q * Q * Q));
        return std::isfinite(pt.f) && std::isfinite(pt.d1) && std::isfinite(pt.d2);
    };
    Punkt jetzt, versuch;
    if (!auswerten(B, jetzt)) return false;
    for (int iteration = 0; iteration < 100; ++iteration) {
        if (!(jetzt.d2 > 0)) return false;
        double d = -jetzt.d1 / jetzt.d2;
        const auto klein = [&](double schritt) {
            return std::fabs(schritt) < 1e-10 * std::fabs(jetzt.B) + 1e-20;
        };
        if (klein(d)) {
            B = jetzt.B;
            faktor = jetzt.c;
            return true;
        }
        bool angenommen = false;
        for (int halbierung = 0; halbierung < 30 && !angenommen; ++halbierung, d /= 2) {
            if (klein(d)) break;
            angenommen = auswerten(jetzt.B + d, versuch) && versuch.f <= jetzt.f;
        }
        if (!angenommen) return false;
        jetzt = versuch;
    }
    return false;
}

// Half the sum of squares of a curve y = e^(A*w), w = c(x)*u(x)^B, near v: its gradient
// and its exact Hessian J^T J + sum r*y'', whose second derivatives follow from y and the
// first ones (w = y_A/y, ln|u| = y_B/(y*A*w)). False where they do not (A = 0).
bool hesseExpPotenz(const Problem& pr, const std::array<double, 3>& v, const Stand& s,
                    std::array<std::array<double, 2>, 2>& H, std::array<double, 2>& g) {
    const double A = v[0];
    if (A == 0) return false;
    H = {};
    g = {};
    for (std::size_t i = 0; i < pr.n(); ++i) {
        const double r = s.r[i], y = r + pr.y[i];
        const double yA = s.J[i][0], yB = s.J[i][1];
        const double w = yA / y, a = A * w;
        const double L = a != 0 ? yB / (y * a) : 0.0;
        H[0][0] += yA * yA + r * y * w * w;
        H[0][1] += yA * yB + r * y * w * L * (1 + a);
        H[1][1] += yB * yB + r * y * a * L * L * (1 + a);
        g[0] += yA * r;
        g[1] += yB * r;
    }
    H[1][0] = H[0][1];
    for (const auto& zeile : H)
        for (double h : zeile)
            if (!std::isfinite(h)) return false;
    return std::isfinite(g[0]) && std::isfinite(g[1]);
}

// Least squares of e^(A*w) by Newton's method, damped towards the gradient where the
// Hessian is not positive or a step does not descend. Where Gauss-Newton crawls through
// the last digits on noisy data, this takes a step or two. False where it cannot go on,
// for the general search to start over.
bool newtonExpPotenz(const Problem& pr, std::array<double, 3>& v) {
    const std::size_t n = pr.n();
    Stand staende[2];
    Stand* s = &staende[0];
    Stand* versuch = &staende[1];
    if (!pr.auswerten(v, *s)) return false;
    double mu = 0;
    for (int iteration = 0; iteration < 100; ++iteration) {
        if (s->f == 0 || kleinerGradientM<2>(*s, v, n)) return true;
        std::array<std::array<double, 2>, 2> H;
        std::array<double, 2> g;
        if (!hesseExpPotenz(pr, v, *s, H, g)) return false;
        // Marquardt's scaling by the diagonal of J^T J
        std::array<double, 2> D{};
        for (std::size_t i = 0; i < n; ++i)
            for (std::size_t k = 0; k < 2; ++k) D[k] += s->J[i][k] * s->J[i][k];
        bool angenommen = false;
        for (int versuche = 0; versuche < 40 && !angenommen; ++versuche) {
            const double m00 = H[0][0] + mu * D[0], m11 = H[1][1] + mu * D[1];
            const double det = m00 * m11 - H[0][1] * H[0][1];
            if (m00 > 0 && det > 0) {
                const std::array<double, 3> d{-(m11 * g[0] - H[0][1] * g[1]) / det,
                                              -(m00 * g[1] - H[0][1] * g[0]) / det, 0};
                if (kleinerSchritt(d, v, 2)) return true;
                const std::array<double, 3> w{v[0] + d[0], v[1] + d[1], 0};
                if (pr.auswerten(w, *versuch) && versuch->f < s->f) {
                    v = w;
                    std::swap(s, versuch);
                    mu /= 4;
                    if (mu < 1e-12) mu = 0;
                    angenommen = true;
                    break;
                }
            }
            mu = mu == 0 ? 1e-3 : mu * 4;
        }
        if (!angenommen) return false;
    }
    return false;
}

std::optional<KQErgebnis> nichtlinear(const KQKurve& kurve, const std::vector<double>& x,
                                      const std::vector<double>& y, const KQParameter& start,
                                      const std::vector<std::size_t>& index) {
    KQKurve::Reihengradient reihe;
    if (kurve.vorbereiten) reihe = kurve.vorbereiten(x);
    const Problem pr{kurve, x, y, start, index, false, reihe ? &reihe : nullptr};
    std::array<double, 3> v{};
    for (std::size_t k = 0; k < index.size(); ++k) v[k] = start[index[k]];
    Stand s;
    if (kurve.proportional && index.size() == static_cast<std::size_t>(kurve.anzahl)) {
        // The valley between p[0] and the others is what costs the iterations: search
        // the others with p[0] projected out, then finish all of them from there.
        const std::vector<std::size_t> rest(index.begin() + 1, index.end());
        const Problem projiziert{kurve, x, y, start, rest, true, pr.reihe};
        std::array<double, 3> w{};
        for (std::size_t k = 0; k < rest.size(); ++k) w[k] = start[rest[k]];
        if (kurve.potenzInB && rest.size() == 1) {
            double faktor = 0;
            const std::vector<double> null(x.size(), 0.0);
            KQParameter eins = start;
            eins[0] = 1;
            const Problem roh{kurve, x, null, eins, rest, false, pr.reihe};
            // Newton's minimum of the projection is the minimum of both parameters, to
            // the same tolerance: what is left is the Jacobian there
            if (newtonPotenz(roh, y, w[0], faktor) && pr.auswerten({faktor, w[0], 0}, s))
                return ergebnis(pr, {faktor, w[0], 0}, s);
            w[0] = start[rest[0]];
        }
        if (minimieren(projiziert, w, s)) {
            v[0] = s.faktor;
            for (std::size_t k = 0; k < rest.size(); ++k) v[k + 1] = w[k];
            if (minimieren(pr, v, s)) return ergebnis(pr, v, s);
            for (std::size_t k = 0; k < index.size(); ++k) v[k] = start[index[k]];
        }
    }
    if (kurve.expPotenzInB && index.size() == 2) {
        // Gauss-Newton chooses the valley, Newton finishes it: from far away Newton's
        // steps may leave for a plateau where the curve vanishes.
        std::array<double, 3> w = v;
        if (minimieren(pr, w, s, 1e-2) && newtonExpPotenz(pr, w) && pr.auswerten(w, s))
            return ergebnis(pr, w, s);
    }
    if (minimieren(pr, v, s)) return ergebnis(pr, v, s);
    return std::nullopt;
}

} // namespace

const char* parametername(const KQErgebnis& e, std::size_t k) {
    static const char* const namen[2][3] = {{"A", "B", ""}, {"KMax", "A", "B"}};
    return namen[e.anzahl == 3][k];
}

double tQuantil95(int fg) {
    // the few small degrees of freedom of 4 to 21 pairs, computed once
    static const std::array<double, 64> tabelle = [] {
        std::array<double, 64> t{};
        for (std::size_t k = 1; k < t.size(); ++k)
            t[k] = gsl_cdf_tdist_Pinv(0.975, static_cast<double>(k));
        return t;
    }();
    return fg > 0 && static_cast<std::size_t>(fg) < tabelle.size()
               ? tabelle[static_cast<std::size_t>(fg)]
               : gsl_cdf_tdist_Pinv(0.975, fg);
}

KQKurve modellKurve(int code) {
    return modellKurve(code, nullptr);
}

KQKurve modellKurve(int code, std::shared_ptr<const std::vector<Abszisse>> abszissen) {
    const Modell* m = modell(code);
    if (!m)
        throw Fehler(fehlercode::UngueltigesArgument, "Kleinste Quadrate", "Unbekanntes Modell");
    KQKurve k{2, [m](const KQParameter& p, double x) { return m->wertY(p[0], p[1], x); },
              [m](const KQParameter& p, double x, KQParameter& d) {
                  return m->gradientY(p[0], p[1], Abszisse(x), d[0], d[1]);
              },
              m->linearInAB(), m->proportionalInA()};
    k.potenzInB = m->proportionalInA();        // A*e^(B*x), A*x^B, A*{Ln|x|}^B
    k.expPotenzInB = m->y == Skala::DoppelLog; // e^{A*e^(B*x)}, e^{A*x^B}, e^(A*{Ln|x|}^B)
    k.vorbereiten = [m, abszissen](const std::vector<double>& x) -> KQKurve::Reihengradient {
        auto t = abszissen;
        if (!t || !std::ranges::equal(x, *t, {}, {}, &Abszisse::x))
            t = std::make_shared<const std::vector<Abszisse>>(x.begin(), x.end());
        return [m, t](const KQParameter& p, double* wert, KQParameter* d) {
            return m->reihenGradientY(p[0], p[1], t->data(), t->size(), wert, d);
        };
    };
    return k;
}

KQKurve typKurve(int typ) {
    const Kurventyp* t = &kurventyp(typ);
    return {3, [t](const KQParameter& p, double x) { return t->wertK(p[1], p[2], p[0], x); },
            [t](const KQParameter& p, double x, KQParameter& d) {
                return t->gradientK(p[1], p[2], p[0], x, d[0], d[1], d[2]);
            },
            false, true};
}

KQErgebnis kleinsteQuadrate(const KQKurve& kurve, const std::vector<double>& x,
                            const std::vector<double>& y, const KQParameter& start,
                            std::array<bool, 3> frei) {
    const std::vector<std::size_t> index = freieIndizes(kurve, frei);
    if (x.size() > index.size() && x.size() <= MaxPaare && kurve.gradient) {
        if (kurve.linear && index.size() == 2) {
            if (auto e = geschlossen(kurve, x, y)) return *e;
        } else if (auto e = nichtlinear(kurve, x, y, start, index)) {
            return *e;
        }
    }
    return kleinsteQuadrateAllgemein(kurve, x, y, start, frei);
}

KQErgebnis kleinsteQuadrateAllgemein(const KQKurve& kurve, const std::vector<double>& x,
                                     const std::vector<double>& y, const KQParameter& start,
                                     std::array<bool, 3> frei) {
    gslOhneAbbruch();
    KQErgebnis e = leer(kurve, x.size());
    Daten d{&kurve, &x, &y, start, freieIndizes(kurve, frei)};
    const std::size_t n = x.size(), m = d.index.size();
    if (n <= m) return nichtKonvergiert(e, "zu wenige Wertepaare");

    gsl_multifit_nlinear_fdf fdf{};
    fdf.f = residuen;
    fdf.df = nullptr; // Jacobian by central differences
    fdf.n = n;
    fdf.p = m;
    fdf.params = &d;
    gsl_multifit_nlinear_parameters param = gsl_multifit_nlinear_default_parameters();
    param.fdtype = GSL_MULTIFIT_NLINEAR_CTRDIFF;
    Arbeit a{gsl_multifit_nlinear_alloc(gsl_multifit_nlinear_trust, &param, n, m)};
    if (!a.w) return nichtKonvergiert(e, "kein Speicher");

    std::vector<double> x0(m);
    for (std::size_t k = 0; k < m; ++k) x0[k] = start[d.index[k]];
    gsl_vector_view v0 = gsl_vector_view_array(x0.data(), m);
    if (gsl_multifit_nlinear_init(&v0.vector, &fdf, a.w) != GSL_SUCCESS)
        return nichtKonvergiert(e, "Startwerte unbrauchbar");
    int info = 0;
    const int status = gsl_multifit_nlinear_driver(MaxIterationen, 1e-10, 1e-12, 0.0, nullptr,
                                                   nullptr, &info, a.w);
    if (status != GSL_SUCCESS && !amMinimum(a.w)) return nichtKonvergiert(e, "keine Konvergenz");

    const gsl_vector* f = gsl_multifit_nlinear_residual(a.w);
    double rss = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const double r = gsl_vector_get(f, i);
        if (std::fabs(r) >= Strafe) return nichtKonvergiert(e, "Kurve an einem Wert undefiniert");
        rss += r * r;
    }
    e.p = parameter(d, gsl_multifit_nlinear_position(a.w));
    for (double p : e.p)
        if (!std::isfinite(p)) return nichtKonvergiert(e, "Parameter unendlich");
    if (guete(e, y, rss, m)) return e;
    if (!gslKovarianz(e, d.index, a)) return nichtKonvergiert(e, "Parameter nicht bestimmbar");
    waldIntervalle(e, d.index);
    return e;
}

} // namespace tk
