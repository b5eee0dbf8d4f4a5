#include "calc/Vektorlog.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <utility>
#include <vector>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define TK_VEKTORLOG 1
#include <immintrin.h>
#endif
#if defined(__GNUC__) && !defined(__clang__)
// GCC 12 warns inside its own AVX-512 headers (their undefined pass-through operands).
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif

namespace tk {

namespace {

void einzeln(const double* x, double* y, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) y[i] = std::log(x[i]);
}

#ifdef TK_VEKTORLOG
// The algorithm and constants of glibc's log (2.28 and later; it comes from Arm's
// optimized-routines, MIT licence): x = 2^k z, log x = k ln2 + log c + log1p(z/c - 1) with c
// from 128 subintervals, and a polynomial of its own near 1. The operations below follow
// its FMA build instruction by instruction (which products it fuses included), so each
// lane rounds exactly as std::log does. This file is compiled without contraction, so
// only the fused operations written here are fused. Data from scripts/logtabelle.py.
constexpr double Ln2hi = 0x1.62e42fefa3800p-1, Ln2lo = 0x1.ef35793c76730p-45;
constexpr double A[5] = {
    -0x1.0000000000001p-1, 0x1.555555551305bp-2,  -0x1.fffffffeb4590p-3,
    0x1.999b324f10111p-3,  -0x1.55575e506c89fp-3,
};
constexpr double B[11] = {
    -0x1.0000000000000p-1, 0x1.5555555555577p-2, -0x1.ffffffffffdcbp-3, 0x1.999999995dd0cp-3,
    -0x1.55555556745a7p-3, 0x1.24924a344de30p-3, -0x1.fffffa4423d65p-4, 0x1.c7184282ad6cap-4,
    -0x1.999eb43b068ffp-4, 0x1.78182f7afd085p-4, -0x1.5521375d145cdp-4,
};
alignas(64) constexpr double Tabelle[256] = {
    0x1.734f0c3e0de9fp+0, -0x1.7cc7f79e69000p-2, 0x1.713786a2ce91fp+0, -0x1.76feec20d0000p-2,
    0x1.6f26008fab5a0p+0, -0x1.713e31351e000p-2, 0x1.6d1a61f138c7dp+0, -0x1.6b85b38287800p-2,
    0x1.6b1490bc5b4d1p+0, -0x1.65d5590807800p-2, 0x1.69147332f0cbap+0, -0x1.602d076180000p-2,
    0x1.6719f18224223p+0, -0x1.5a8ca86909000p-2, 0x1.6524f99a51ed9p+0, -0x1.54f4356035000p-2,
    0x1.63356aa8f24c4p+0, -0x1.4f637c36b4000p-2, 0x1.614b36b9ddc14p+0, -0x1.49da7fda85000p-2,
    0x1.5f66452c65c4cp+0, -0x1.445923989a800p-2, 0x1.5d867b5912c4fp+0, -0x1.3edf439b0b800p-2,
    0x1.5babccb5b90dep+0, -0x1.396ce448f7000p-2, 0x1.59d61f2d91a78p+0, -0x1.3401e17bda000p-2,
    0x1.5805612465687p+0, -0x1.2e9e2ef468000p-2, 0x1.56397cee76bd3p+0, -0x1.2941b3830e000p-2,
    0x1.54725e2a77f93p+0, -0x1.23ec58cda8800p-2, 0x1.52aff42064583p+0, -0x1.1e9e129279000p-2,
    0x1.50f22dbb2bddfp+0, -0x1.1956d2b48f800p-2, 0x1.4f38f4734ded7p+0, -0x1.141679ab9f800p-2,
    0x1.4d843cfde2840p+0, -0x1.0edd094ef9800p-2, 0x1.4bd3ec078a3c8p+0, -0x1.09aa518db1000p-2,
    0x1.4a27fc3e0258ap+0, -0x1.047e65263b800p-2, 0x1.4880524d48434p+0, -0x1.feb224586f000p-3,
    0x1.46dce1b192d0bp+0, -0x1.f474a7517b000p-3, 0x1.453d9d3391854p+0, -0x1.ea4443d103000p-3,
    0x1.43a2744b4845ap+0, -0x1.e020d44e9b000p-3, 0x1.420b54115f8fbp+0, -0x1.d60a22977f000p-3,
    0x1.40782da3ef4b1p+0, -0x1.cc00104959000p-3, 0x1.3ee8f5d57fe8fp+0, -0x1.c202956891000p-3,
    0x1.3d5d9a00b4ce9p+0, -0x1.b81178d811000p-3, 0x1.3bd60c010c12bp+0, -0x1.ae2c9ccd3d000p-3,
    0x1.3a5242b75dab8p+0, -0x1.a45402e129000p-3, 0x1.38d22cd9fd002p+0, -0x1.9a877681df000p-3,
    0x1.3755bc5847a1cp+0, -0x1.90c6d69483000p-3, 0x1.35dce49ad36e2p+0, -0x1.87120a645c000p-3,
    0x1.34679984dd440p+0, -0x1.7d68fb4143000p-3, 0x1.32f5cceffcb24p+0, -0x1.73cb83c627000p-3,
    0x1.3187775a10d49p+0, -0x1.6a39a9b376000p-3, 0x1.301c8373e3990p+0, -0x1.60b3154b7a000p-3,
    0x1.2eb4ebb95f841p+0, -0x1.5737d76243000p-3, 0x1.2d50a0219a9d1p+0, -0x1.4dc7b8fc23000p-3,
    0x1.2bef9a8b7fd2ap+0, -0x1.4462c51d20000p-3, 0x1.2a91c7a0c1babp+0, -0x1.3b08abc830000p-3,
    0x1.293726014b530p+0, -0x1.31b996b490000p-3, 0x1.27dfa5757a1f5p+0, -0x1.2875490a44000p-3,
    0x1.268b39b1d3bbfp+0, -0x1.1f3b9f879a000p-3, 0x1.2539d838ff5bdp+0, -0x1.160c8252ca000p-3,
    0x1.23eb7aac9083bp+0, -0x1.0ce7f57f72000p-3, 0x1.22a012ba940b6p+0, -0x1.03cdc49fea000p-3,
    0x1.2157996cc4132p+0, -0x1.f57bdbc4b8000p-4, 0x1.201201dd2fc9bp+0, -0x1.e370896404000p-4,
    0x1.1ecf4494d480bp+0, -0x1.d17983ef94000p-4, 0x1.1d8f5528f6569p+0, -0x1.bf9674ed8a000p-4,
    0x1.1c52311577e7cp+0, -0x1.adc79202f6000p-4, 0x1.1b17c74cb26e9p+0, -0x1.9c0c3e7288000p-4,
    0x1.19e010c2c1ab6p+0, -0x1.8a646b372c000p-4, 0x1.18ab07bb670bdp+0, -0x1.78d01b3ac0000p-4,
    0x1.1778a25efbcb6p+0, -0x1.674f145380000p-4, 0x1.1648d354c31dap+0, -0x1.55e0e6d878000p-4,
    0x1.151b990275fddp+0, -0x1.4485cdea1e000p-4, 0x1.13f0ea432d24cp+0, -0x1.333d94d6aa000p-4,
    0x1.12c8b7210f9dap+0, -0x1.22079f8c56000p-4, 0x1.11a3028ecb531p+0, -0x1.10e4698622000p-4,
    0x1.107fbda8434afp+0, -0x1.ffa6c6ad20000p-5, 0x1.0f5ee0f4e6bb3p+0, -0x1.dda8d4a774000p-5,
    0x1.0e4065d2a9fcep+0, -0x1.bbcece4850000p-5, 0x1.0d244632ca521p+0, -0x1.9a1894012c000p-5,
    0x1.0c0a77ce2981ap+0, -0x1.788583302c000p-5, 0x1.0af2f83c636d1p+0, -0x1.5715e67d68000p-5,
    0x1.09ddb98a01339p+0, -0x1.35c8a49658000p-5, 0x1.08cabaf52e7dfp+0, -0x1.149e364154000p-5,
    0x1.07b9f2f4e28fbp+0, -0x1.e72c082eb8000p-6, 0x1.06ab58c358f19p+0, -0x1.a55f152528000p-6,
    0x1.059eea5ecf92cp+0, -0x1.63d62cf818000p-6, 0x1.04949cdd12c90p+0, -0x1.228fb8caa0000p-6,
    0x1.038c6c6f0ada9p+0, -0x1.c317b20f90000p-7, 0x1.02865137932a9p+0, -0x1.419355daa0000p-7,
    0x1.0182427ea7348p+0, -0x1.81203c2ec0000p-8, 0x1.008040614b195p+0, -0x1.0040979240000p-9,
    0x1.fe01ff726fa1ap-1, 0x1.feff384900000p-9,  0x1.fa11cc261ea74p-1, 0x1.7dc41353d0000p-7,
    0x1.f6310b081992ep-1, 0x1.3cea3c4c28000p-6,  0x1.f25f63ceeadcdp-1, 0x1.b9fc114890000p-6,
    0x1.ee9c8039113e7p-1, 0x1.1b0d8ce110000p-5,  0x1.eae8078cbb1abp-1, 0x1.58a5bd001c000p-5,
    0x1.e741aa29d0c9bp-1, 0x1.95c8340d88000p-5,  0x1.e3a91830a99b5p-1, 0x1.d276aef578000p-5,
    0x1.e01e009609a56p-1, 0x1.07598e598c000p-4,  0x1.dca01e577bb98p-1, 0x1.253f5e30d2000p-4,
    0x1.d92f20b7c9103p-1, 0x1.42edd8b380000p-4,  0x1.d5cac66fb5ccep-1, 0x1.606598757c000p-4,
    0x1.d272caa5ede9dp-1, 0x1.7da76356a0000p-4,  0x1.cf26e3e6b2ccdp-1, 0x1.9ab434e1c6000p-4,
    0x1.cbe6da2a77902p-1, 0x1.b78c7bb0d6000p-4,  0x1.c8b266d37086dp-1, 0x1.d431332e72000p-4,
    0x1.c5894bd5d5804p-1, 0x1.f0a3171de6000p-4,  0x1.c26b533bb9f8cp-1, 0x1.067152b914000p-3,
    0x1.bf583eeece73fp-1, 0x1.147858292b000p-3,  0x1.bc4fd75db96c1p-1, 0x1.2266ecdca3000p-3,
    0x1.b951e0c864a28p-1, 0x1.303d7a6c55000p-3,  0x1.b65e2c5ef3e2cp-1, 0x1.3dfc33c331000p-3,
    0x1.b374867c9888bp-1, 0x1.4ba366b7a8000p-3,  0x1.b094b211d304ap-1, 0x1.5933928d1f000p-3,
    0x1.adbe885f2ef7ep-1, 0x1.66acd2418f000p-3,  0x1.aaf1d31603da2p-1, 0x1.740f8ec669000p-3,
    0x1.a82e63fd358a7p-1, 0x1.815c0f51af000p-3,  0x1.a5740ef09738bp-1, 0x1.8e92954f68000p-3,
    0x1.a2c2a90ab4b27p-1, 0x1.9bb3602f84000p-3,  0x1.a01a01393f2d1p-1, 0x1.a8bed1c2c0000p-3,
    0x1.9d79f24db3c1bp-1, 0x1.b5b515c01d000p-3,  0x1.9ae2505c7b190p-1, 0x1.c2967ccbcc000p-3,
    0x1.9852ef297ce2fp-1, 0x1.cf635d5486000p-3,  0x1.95cbaeea44b75p-1, 0x1.dc1bd3446c000p-3,
    0x1.934c69de74838p-1, 0x1.e8c01b8cfe000p-3,  0x1.90d4f2f6752e6p-1, 0x1.f5509c0179000p-3,
    0x1.8e6528effd79dp-1, 0x1.00e6c121fb800p-2,  0x1.8bfce9fcc007cp-1, 0x1.071b80e93d000p-2,
    0x1.899c0dabec30ep-1, 0x1.0d46b9e867000p-2,  0x1.87427aa2317fbp-1, 0x1.13687334bd000p-2,
    0x1.84f00acb39a08p-1, 0x1.1980d67234800p-2,  0x1.82a49e8653e55p-1, 0x1.1f8ffe0cc8000p-2,
    0x1.8060195f40260p-1, 0x1.2595fd7636800p-2,  0x1.7e22563e0a329p-1, 0x1.2b9300914a800p-2,
    0x1.7beb377dcb5adp-1, 0x1.3187210436000p-2,  0x1.79baa679725c2p-1, 0x1.377266dec1800p-2,
    0x1.77907f2170657p-1, 0x1.3d54ffbaf3000p-2,  0x1.756cadbd6130cp-1, 0x1.432eee32fe000p-2,
};

constexpr std::uint64_t Nah1Unten = 0x3fee000000000000;  // 1 - 2^-4
constexpr std::uint64_t Nah1Breite = 0x0003090000000000; // up to 1 + 0x1.09p-4
constexpr std::uint64_t Versatz = 0x3fe6000000000000;

__attribute__((target("avx2,fma"))) inline __m256d v(double a) {
    return _mm256_set1_pd(a);
}

// Unsigned a < b for 64-bit lanes.
__attribute__((target("avx2,fma"))) inline __m256i kleinerU(__m256i a, __m256i b) {
    const __m256i vorzeichen = _mm256_set1_epi64x(std::numeric_limits<std::int64_t>::min());
    return _mm256_cmpgt_epi64(_mm256_xor_si256(b, vorzeichen), _mm256_xor_si256(a, vorzeichen));
}

// Four logarithms of finite normal positive values.
__attribute__((target("avx2,fma"))) __m256d log4(__m256d x) {
    const __m256i ix = _mm256_castpd_si256(x);
    const __m256i tmp = _mm256_sub_epi64(ix, _mm256_set1_epi64x(Versatz));
    // k = tmp >> 52 (arithmetic): the upper half of each lane shifted by 20
    const __m256i hoch = _mm256_srai_epi32(tmp, 20);
    const __m128i k = _mm256_castsi256_si128(
        _mm256_permutevar8x32_epi32(hoch, _mm256_setr_epi32(1, 3, 5, 7, 1, 3, 5, 7)));
    const __m256d kd = _mm256_cvtepi32_pd(k);
    const __m256i iz = _mm256_sub_epi64(
        ix, _mm256_and_si256(tmp, _mm256_set1_epi64x(static_cast<std::int64_t>(0xfffULL << 52))));
    // The pairs (1/c, log c) of the four subintervals (tmp >> 45) % 128, loaded as pairs:
    // faster than two gathers on processors that microcode slows gathers on.
    alignas(32) std::uint64_t t[4];
    _mm256_store_si256(reinterpret_cast<__m256i*>(t), tmp);
    const auto paar = [&](int j) { return _mm_load_pd(Tabelle + 2 * ((t[j] >> 45) % 128)); };
    const __m256d a = _mm256_set_m128d(paar(2), paar(0)); // 1/c0 log c0 1/c2 log c2
    const __m256d b = _mm256_set_m128d(paar(3), paar(1));
    const __m256d invc = _mm256_unpacklo_pd(a, b);
    const __m256d logc = _mm256_unpackhi_pd(a, b);
    const __m256d z = _mm256_castsi256_pd(iz);

    const __m256d r = _mm256_fmadd_pd(z, invc, v(-1.0));
    const __m256d w = _mm256_fmadd_pd(kd, v(Ln2hi), logc);
    const __m256d hi = _mm256_add_pd(r, w);
    const __m256d r2 = _mm256_mul_pd(r, r);
    const __m256d lo = _mm256_fmadd_pd(kd, v(Ln2lo), _mm256_add_pd(_mm256_sub_pd(w, hi), r));
    const __m256d r3 = _mm256_mul_pd(r, r2);
    const __m256d p = _mm256_fmadd_pd(_mm256_fmadd_pd(r, v(A[4]), v(A[3])), r2,
                                      _mm256_fmadd_pd(r, v(A[2]), v(A[1])));
    const __m256d y = _mm256_add_pd(_mm256_fmadd_pd(r3, p, _mm256_fmadd_pd(r2, v(A[0]), lo)), hi);

    const __m256i nah = kleinerU(_mm256_sub_epi64(ix, _mm256_set1_epi64x(Nah1Unten)),
                                 _mm256_set1_epi64x(Nah1Breite));
    if (_mm256_testz_si256(nah, nah)) return y;

    // Near 1: log1p(r) with r = x - 1 split into rhi + rlo for the square term.
    const __m256d e = _mm256_sub_pd(x, v(1.0));
    const __m256d e2 = _mm256_mul_pd(e, e);
    const __m256d e3 = _mm256_mul_pd(e, e2);
    const __m256d c = _mm256_fmadd_pd(
        e3, v(B[10]), _mm256_fmadd_pd(e2, v(B[9]), _mm256_fmadd_pd(e, v(B[8]), v(B[7]))));
    const __m256d m =
        _mm256_fmadd_pd(c, e3, _mm256_fmadd_pd(e2, v(B[6]), _mm256_fmadd_pd(e, v(B[5]), v(B[4]))));
    const __m256d q =
        _mm256_fmadd_pd(m, e3, _mm256_fmadd_pd(e2, v(B[3]), _mm256_fmadd_pd(e, v(B[2]), v(B[1]))));
    const __m256d s = _mm256_fmadd_pd(e, v(0x1p27), e);
    const __m256d ehi = _mm256_fnmadd_pd(v(0x1p27), e, s);
    const __m256d elo = _mm256_sub_pd(e, ehi);
    const __m256d ehi2 = _mm256_mul_pd(ehi, ehi);
    const __m256d hi1 = _mm256_fmadd_pd(ehi2, v(B[0]), e);
    const __m256d lo1 = _mm256_fmadd_pd(ehi2, v(B[0]), _mm256_sub_pd(e, hi1));
    const __m256d lo2 = _mm256_fmadd_pd(_mm256_mul_pd(v(B[0]), elo), _mm256_add_pd(e, ehi), lo1);
    const __m256d y1 = _mm256_add_pd(hi1, _mm256_fmadd_pd(q, e3, lo2));
    return _mm256_blendv_pd(y, y1, _mm256_castsi256_pd(nah));
}

__attribute__((target("avx2,fma"))) void vektoriell(const double* x, double* y, std::size_t n) {
    const __m256d kleinste = v(std::numeric_limits<double>::min());
    const __m256d unendlich = v(std::numeric_limits<double>::infinity());
    std::size_t i = 0;
    for (; i < n; i += 4) {
        double rest[4] = {1.0, 1.0, 1.0, 1.0};
        const bool ganz = i + 4 <= n;
        if (!ganz) std::memcpy(rest, x + i, (n - i) * sizeof(double));
        const __m256d a = ganz ? _mm256_loadu_pd(x + i) : _mm256_loadu_pd(rest);
        // Zero, negative, subnormal, infinite and NaN lanes go the scalar way.
        const __m256d normal = _mm256_and_pd(_mm256_cmp_pd(a, kleinste, _CMP_GE_OQ),
                                             _mm256_cmp_pd(a, unendlich, _CMP_LT_OQ));
        if (_mm256_movemask_pd(normal) != 0xf) {
            einzeln(x + i, y + i, ganz ? 4 : n - i);
            continue;
        }
        const __m256d l = log4(a);
        if (ganz) {
            _mm256_storeu_pd(y + i, l);
        } else {
            _mm256_storeu_pd(rest, l);
            std::memcpy(y + i, rest, (n - i) * sizeof(double));
        }
    }
}

#define TK_AVX512 __attribute__((target("avx512f,avx512dq")))
TK_AVX512 inline __m512d v8(double a) {
    return _mm512_set1_pd(a);
}

// The pairs (1/c, log c) of lanes j, j + 2, j + 4 and j + 6 (tmp in t).
TK_AVX512 inline __m512d paare(const std::uint64_t* t, int j) {
    const auto paar = [t](int i) { return _mm_load_pd(Tabelle + 2 * ((t[i] >> 45) % 128)); };
    const __m512d a = _mm512_insertf64x2(_mm512_castpd128_pd512(paar(j)), paar(j + 2), 1);
    return _mm512_insertf64x2(_mm512_insertf64x2(a, paar(j + 4), 2), paar(j + 6), 3);
}

// log4 eight at a time.
TK_AVX512 __m512d log8(__m512d x) {
    const __m512i ix = _mm512_castpd_si512(x);
    const __m512i tmp = _mm512_sub_epi64(ix, _mm512_set1_epi64(Versatz));
    const __m512d kd = _mm512_cvtepi64_pd(_mm512_srai_epi64(tmp, 52));
    const __m512i iz = _mm512_sub_epi64(
        ix, _mm512_and_si512(tmp, _mm512_set1_epi64(static_cast<std::int64_t>(0xfffULL << 52))));
    alignas(64) std::uint64_t t[8];
    _mm512_store_si512(t, tmp);
    const __m512d a = paare(t, 0), b = paare(t, 1);
    const __m512d invc = _mm512_unpacklo_pd(a, b);
    const __m512d logc = _mm512_unpackhi_pd(a, b);
    const __m512d z = _mm512_castsi512_pd(iz);

    const __m512d r = _mm512_fmadd_pd(z, invc, v8(-1.0));
    const __m512d w = _mm512_fmadd_pd(kd, v8(Ln2hi), logc);
    const __m512d hi = _mm512_add_pd(r, w);
    const __m512d r2 = _mm512_mul_pd(r, r);
    const __m512d lo = _mm512_fmadd_pd(kd, v8(Ln2lo), _mm512_add_pd(_mm512_sub_pd(w, hi), r));
    const __m512d r3 = _mm512_mul_pd(r, r2);
    const __m512d p = _mm512_fmadd_pd(_mm512_fmadd_pd(r, v8(A[4]), v8(A[3])), r2,
                                      _mm512_fmadd_pd(r, v8(A[2]), v8(A[1])));
    const __m512d y = _mm512_add_pd(_mm512_fmadd_pd(r3, p, _mm512_fmadd_pd(r2, v8(A[0]), lo)), hi);

    const __mmask8 nah = _mm512_cmp_epu64_mask(_mm512_sub_epi64(ix, _mm512_set1_epi64(Nah1Unten)),
                                               _mm512_set1_epi64(Nah1Breite), _MM_CMPINT_LT);
    if (nah == 0) return y;

    const __m512d e = _mm512_sub_pd(x, v8(1.0));
    const __m512d e2 = _mm512_mul_pd(e, e);
    const __m512d e3 = _mm512_mul_pd(e, e2);
    const __m512d c = _mm512_fmadd_pd(
        e3, v8(B[10]), _mm512_fmadd_pd(e2, v8(B[9]), _mm512_fmadd_pd(e, v8(B[8]), v8(B[7]))));
    const __m512d m = _mm512_fmadd_pd(
        c, e3, _mm512_fmadd_pd(e2, v8(B[6]), _mm512_fmadd_pd(e, v8(B[5]), v8(B[4]))));
    const __m512d q = _mm512_fmadd_pd(
        m, e3, _mm512_fmadd_pd(e2, v8(B[3]), _mm512_fmadd_pd(e, v8(B[2]), v8(B[1]))));
    const __m512d s = _mm512_fmadd_pd(e, v8(0x1p27), e);
    const __m512d ehi = _mm512_fnmadd_pd(v8(0x1p27), e, s);
    const __m512d elo = _mm512_sub_pd(e, ehi);
    const __m512d ehi2 = _mm512_mul_pd(ehi, ehi);
    const __m512d hi1 = _mm512_fmadd_pd(ehi2, v8(B[0]), e);
    const __m512d lo1 = _mm512_fmadd_pd(ehi2, v8(B[0]), _mm512_sub_pd(e, hi1));
    const __m512d lo2 = _mm512_fmadd_pd(_mm512_mul_pd(v8(B[0]), elo), _mm512_add_pd(e, ehi), lo1);
    const __m512d y1 = _mm512_add_pd(hi1, _mm512_fmadd_pd(q, e3, lo2));
    return _mm512_mask_blend_pd(nah, y, y1);
}

TK_AVX512 void vektoriell8(const double* x, double* y, std::size_t n) {
    for (std::size_t i = 0; i < n; i += 8) {
        const __mmask8 da = n - i >= 8 ? 0xff : static_cast<__mmask8>((1u << (n - i)) - 1);
        const __m512d a = _mm512_mask_loadu_pd(v8(1.0), da, x + i);
        // Zero, negative, subnormal, infinite and NaN lanes go the scalar way.
        if ((_mm512_cmp_pd_mask(a, v8(std::numeric_limits<double>::min()), _CMP_GE_OQ) &
             _mm512_cmp_pd_mask(a, v8(std::numeric_limits<double>::infinity()), _CMP_LT_OQ)) !=
            0xff) {
            einzeln(x + i, y + i, n - i >= 8 ? 8 : n - i);
            continue;
        }
        _mm512_mask_storeu_pd(y + i, da, log8(a));
    }
}

using Kern = void (*)(const double*, double*, std::size_t);

// Values that reach every subinterval and the polynomial near 1, and random ones.
bool gleichWieStdLog(Kern kern) {
    constexpr std::size_t N = 4096;
    std::vector<double> x(N), y(N);
    std::uint64_t zufall = 0x9e3779b97f4a7c15;
    for (std::size_t i = 0; i < N; ++i) {
        zufall = zufall * 6364136223846793005ULL + 1442695040888963407ULL;
        if (i < 1024) { // 1 +- up to 2^-3, densest at 1
            const double d = std::ldexp(static_cast<double>(zufall >> 11), -53 - (i % 40));
            x[i] = i % 2 ? 1 + d : 1 - d;
        } else {
            const auto bits = (zufall >> 12) | (static_cast<std::uint64_t>(1 + i % 2045) << 52);
            std::memcpy(&x[i], &bits, sizeof bits);
        }
    }
    kern(x.data(), y.data(), N);
    for (std::size_t i = 0; i < N; ++i) {
        const double soll = std::log(x[i]);
        if (std::memcmp(&y[i], &soll, sizeof soll) != 0) return false;
    }
    return true;
}

// The widest kernel that this processor runs and that gives std::log's bits here.
std::pair<Kern, int> kernWaehlen() {
    __builtin_cpu_init();
    // glibc takes its FMA variant of log where AVX2 and FMA are usable.
    if (!__builtin_cpu_supports("avx2") || !__builtin_cpu_supports("fma")) return {einzeln, 1};
    if (__builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512dq") &&
        gleichWieStdLog(vektoriell8))
        return {vektoriell8, 8};
    if (gleichWieStdLog(vektoriell)) return {vektoriell, 4};
    return {einzeln, 1};
}
#else
using Kern = void (*)(const double*, double*, std::size_t);
std::pair<Kern, int> kernWaehlen() {
    return {einzeln, 1};
}
#endif

const std::pair<Kern, int>& kern() {
    static const std::pair<Kern, int> gewaehlt = kernWaehlen();
    return gewaehlt;
}

} // namespace

int logarithmenBreite() {
    return kern().second;
}

void logarithmen(const double* x, double* y, std::size_t n) {
    kern().first(x, y, n);
}

} // namespace tk
