// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/Kleinstquadrate.h"

#include "calc/Fehler.h"
#include "calc/Kurventypen.h"
#include "calc/Modelle.h"

#include <gsl/gsl_blas.h>
#include <gsl/gsl_cdf.h>
#include <gsl/gsl_errno.h>
#include <gsl/gsl_multifit_nlinear.h>

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

// Covariance and standard errors of the free parameters at the solution; false when
// they cannot be determined (singular Jacobian, an infinite or zero variance).
bool kovarianzSetzen(KQErgebnis& e, const std::vector<std::size_t>& index, const Arbeit& a) {
    const std::size_t m = index.size();
    const std::unique_ptr<gsl_matrix, decltype(&gsl_matrix_free)> kov(gsl_matrix_alloc(m, m),
                                                                      gsl_matrix_free);
    if (!kov) return false;
    bool regulaer =
        gsl_multifit_nlinear_covar(gsl_multifit_nlinear_jac(a.w), 0.0, kov.get()) == GSL_SUCCESS;
    const double s2 = e.sigma * e.sigma;
    for (std::size_t i = 0; i < m; ++i)
        for (std::size_t j = 0; j < m; ++j)
            e.kovarianz[index[i]][index[j]] = s2 * gsl_matrix_get(kov.get(), i, j);
    for (std::size_t i = 0; i < m; ++i) {
        const double v = e.kovarianz[index[i]][index[i]];
        if (!(std::isfinite(v) && (v > 0 || s2 == 0))) regulaer = false;
        e.se[index[i]] = std::sqrt(std::fabs(v));
    }
    return regulaer;
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

} // namespace

const char* parametername(const KQErgebnis& e, std::size_t k) {
    static const char* const namen[2][3] = {{"A", "B", ""}, {"KMax", "A", "B"}};
    return namen[e.anzahl == 3][k];
}

KQKurve modellKurve(int code) {
    const Modell* m = modell(code);
    if (!m)
        throw Fehler(fehlercode::UngueltigesArgument, "Kleinste Quadrate", "Unbekanntes Modell");
    return {2, [m](const KQParameter& p, double x) { return m->wertY(p[0], p[1], x); }};
}

KQKurve typKurve(int typ) {
    const Kurventyp* t = &kurventyp(typ);
    return {3, [t](const KQParameter& p, double x) { return t->wertK(p[1], p[2], p[0], x); }};
}

KQErgebnis kleinsteQuadrate(const KQKurve& kurve, const std::vector<double>& x,
                            const std::vector<double>& y, const KQParameter& start,
                            std::array<bool, 3> frei) {
    gslOhneAbbruch();
    KQErgebnis e;
    e.anzahl = kurve.anzahl;
    e.n = static_cast<int>(x.size());
    Daten d{&kurve, &x, &y, start, {}};
    for (std::size_t k = 0; k < static_cast<std::size_t>(kurve.anzahl); ++k)
        if (frei[k]) d.index.push_back(k);
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
    e.rss = rss;
    const int fg = static_cast<int>(n - m);
    e.sigma = std::sqrt(rss / fg);
    e.r2 = r2(y, rss);
    e.aicc = aicc(rss, e.n, static_cast<int>(m));
    if (m < static_cast<std::size_t>(kurve.anzahl)) {
        // a point of a profile: only its RSS and parameters are wanted
        e.konvergiert = true;
        return e;
    }

    if (!kovarianzSetzen(e, d.index, a)) return nichtKonvergiert(e, "Parameter nicht bestimmbar");

    const double t = gsl_cdf_tdist_Pinv(0.975, fg);
    for (std::size_t k : d.index) e.ci95[k] = {e.p[k] - t * e.se[k], e.p[k] + t * e.se[k]};
    e.konvergiert = true;
    return e;
}

} // namespace tk
