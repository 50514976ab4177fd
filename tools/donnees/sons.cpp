// SPDX-License-Identifier: GPL-3.0-or-later
// The four impact sounds: 16-bit PCM mono at 22050 Hz, written byte by byte. Each is a short
// synthesised hit with a clean attack (2 ms fade-in, no click) and an exponential decay,
// normalised to a peak of -3 dBFS.
#include "donnees.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace donnees {
namespace {

constexpr int frequence = 22050;
constexpr double deuxPi = 2 * M_PI;

// Reproducible white noise in [-1, 1].
class Bruit {
public:
    explicit Bruit(std::uint32_t graine) : hasard_(graine) {}
    double operator()() { return hasard_.entre(-1, 1); }

private:
    Hasard hasard_;
};

// Second-order filter (the usual audio cookbook forms).
class Filtre {
public:
    static Filtre passeBas(double fc, double q) { return Filtre(fc, q, 0); }
    static Filtre passeBande(double fc, double q) { return Filtre(fc, q, 1); }
    static Filtre passeHaut(double fc, double q) { return Filtre(fc, q, 2); }

    double operator()(double x)
    {
        const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
        x2_ = x1_;
        x1_ = x;
        y2_ = y1_;
        y1_ = y;
        return y;
    }

private:
    Filtre(double fc, double q, int type)
    {
        const double w = deuxPi * fc / frequence, alpha = std::sin(w) / (2 * q), c = std::cos(w);
        const double a0 = 1 + alpha;
        if (type == 0) {
            b0_ = (1 - c) / 2, b1_ = 1 - c, b2_ = (1 - c) / 2;
        } else if (type == 1) {
            b0_ = alpha, b1_ = 0, b2_ = -alpha;
        } else {
            b0_ = (1 + c) / 2, b1_ = -(1 + c), b2_ = (1 + c) / 2;
        }
        b0_ /= a0, b1_ /= a0, b2_ /= a0;
        a1_ = -2 * c / a0, a2_ = (1 - alpha) / a0;
    }
    double b0_ = 0, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// An oscillator whose frequency may change from sample to sample without jumps of phase.
class Oscillateur {
public:
    double operator()(double f)
    {
        phase_ += deuxPi * f / frequence;
        return std::sin(phase_);
    }

private:
    double phase_ = 0;
};

std::vector<double> pom()
{
    const int n = int(0.30 * frequence);
    std::vector<double> s(n);
    Oscillateur corps;
    Bruit bruit(11);
    Filtre sourd = Filtre::passeBas(380, 0.8), herbe = Filtre::passeBande(3800, 0.9);
    for (int i = 0; i < n; ++i) {
        const double t = double(i) / frequence;
        const double f = 72 + 95 * std::exp(-t / 0.014);
        s[i] = corps(f) * std::exp(-t / 0.05) + 1.6 * sourd(bruit()) * std::exp(-t / 0.028) +
               0.22 * herbe(bruit()) * std::exp(-t / 0.045);
    }
    return s;
}

std::vector<double> bim()
{
    const int n = int(0.18 * frequence);
    std::vector<double> s(n);
    struct Partiel { double f, amplitude, duree; };
    const Partiel partiels[] = {{1870, 1.0, 0.022}, {2915, 0.7, 0.016}, {4160, 0.5, 0.014},
                                {5630, 0.28, 0.009}, {640, 0.5, 0.012}};
    Bruit bruit(23);
    Filtre claque = Filtre::passeHaut(2500, 0.7);
    for (int i = 0; i < n; ++i) {
        const double t = double(i) / frequence;
        double v = 1.2 * claque(bruit()) * std::exp(-t / 0.0025);
        for (const Partiel& p : partiels)
            v += p.amplitude * std::sin(deuxPi * p.f * t + p.f) * std::exp(-t / p.duree);
        s[i] = v;
    }
    return s;
}

std::vector<double> bam()
{
    const int n = int(0.50 * frequence);
    std::vector<double> s(n);
    Oscillateur fondamental, octave, quinte, choc;
    Bruit bruit(37);
    Filtre sourd = Filtre::passeBas(500, 0.9);
    for (int i = 0; i < n; ++i) {
        const double t = double(i) / frequence;
        // The rubber rings a little flat after the hit, with a slight wobble.
        const double f = (250 + 70 * std::exp(-t / 0.09)) * (1 + 0.012 * std::sin(deuxPi * 13 * t));
        const double anneau = fondamental(f) + 0.45 * octave(2.01 * f) * std::exp(-t / 0.08) +
                              0.18 * quinte(3.02 * f) * std::exp(-t / 0.05);
        s[i] = anneau * std::exp(-t / 0.13) + 0.8 * choc(95) * std::exp(-t / 0.018) +
               0.6 * sourd(bruit()) * std::exp(-t / 0.008);
    }
    return s;
}

std::vector<double> boum()
{
    const int n = int(0.60 * frequence);
    std::vector<double> s(n);
    Oscillateur grave;
    Bruit bruit(41);
    Filtre grondement = Filtre::passeBas(170, 0.7), grondement2 = Filtre::passeBas(170, 0.7);
    Filtre eclat = Filtre::passeBande(1400, 1.2), gravillons = Filtre::passeBande(1800, 2.5);
    Hasard chutes(43);
    std::vector<double> debris(n, 0.0);  // small stones falling back after the impact
    for (int k = 0; k < 9; ++k) {
        const int debut = int(chutes.entre(0.06, 0.40) * frequence);
        const double force = chutes.entre(0.15, 0.4) * std::exp(-(debut / double(frequence)) / 0.2);
        for (int i = debut; i < std::min(n, debut + 400); ++i)
            debris[i] += force * (1 - std::exp(-(i - debut) / 10.0)) * std::exp(-(i - debut) / 60.0);
    }
    for (int i = 0; i < n; ++i) {
        const double t = double(i) / frequence;
        const double f = 40 + 42 * std::exp(-t / 0.045);
        const double b = bruit();
        s[i] = grave(f) * std::exp(-t / 0.2) + 3.2 * grondement2(grondement(b)) * std::exp(-t / 0.17) +
               0.45 * eclat(b) * std::exp(-t / 0.008) + debris[i] * gravillons(b) * 3;
    }
    return s;
}

// Fade in over 2 ms and out over the last 15 ms, then scale the peak to -3 dBFS.
std::vector<std::int16_t> finalise(std::vector<double> s)
{
    const int entree = int(0.002 * frequence), sortie = int(0.015 * frequence);
    const int n = int(s.size());
    for (int i = 0; i < n; ++i) {
        if (i < entree)
            s[i] *= 0.5 - 0.5 * std::cos(M_PI * i / entree);
        if (i >= n - sortie)
            s[i] *= 0.5 - 0.5 * std::cos(M_PI * (n - 1 - i) / sortie);
    }
    double crete = 0;
    for (double v : s)
        crete = std::max(crete, std::abs(v));
    const double gain = crete > 0 ? std::pow(10.0, -3.0 / 20) * 32767 / crete : 0;
    std::vector<std::int16_t> pcm(s.size());
    for (int i = 0; i < n; ++i)
        pcm[i] = std::int16_t(std::lround(s[i] * gain));
    return pcm;
}

void ecrit32(std::ofstream& f, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        f.put(char((v >> (8 * i)) & 0xFF));
}

void ecrit16(std::ofstream& f, std::uint16_t v)
{
    f.put(char(v & 0xFF));
    f.put(char(v >> 8));
}

bool ecritWav(const std::string& chemin, const std::vector<std::int16_t>& pcm)
{
    std::ofstream f(chemin, std::ios::binary);
    const std::uint32_t octets = std::uint32_t(pcm.size() * 2);
    f.write("RIFF", 4);
    ecrit32(f, 36 + octets);
    f.write("WAVEfmt ", 8);
    ecrit32(f, 16);
    ecrit16(f, 1);  // PCM
    ecrit16(f, 1);  // mono
    ecrit32(f, frequence);
    ecrit32(f, frequence * 2);
    ecrit16(f, 2);
    ecrit16(f, 16);
    f.write("data", 4);
    ecrit32(f, octets);
    for (std::int16_t v : pcm)
        ecrit16(f, std::uint16_t(v));
    f.close();
    return bool(f);
}

}  // namespace

bool genereSons(const QDir& dossier)
{
    const std::pair<const char*, std::vector<double>> sons[] = {
        {"pom.wav", pom()}, {"bim.wav", bim()}, {"bam.wav", bam()}, {"boum.wav", boum()}};
    bool ok = true;
    for (const auto& [nom, signal] : sons) {
        const std::vector<std::int16_t> pcm = finalise(signal);
        const bool ecrit = ecritWav(dossier.filePath(nom).toStdString(), pcm);
        std::printf("%s (%.3f s)%s\n", nom, double(pcm.size()) / frequence, ecrit ? "" : " : échec de l'écriture");
        ok = ecrit && ok;
    }
    return ok;
}

}  // namespace donnees
