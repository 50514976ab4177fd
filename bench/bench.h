// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Benchmarks register themselves; the program runs them all (or those named on the command
// line) and prints one figure a line as "name: value unit".

#include <QString>

#include <functional>
#include <vector>

struct Mesure {
    QString nom;
    double valeur;
    QString unite;
};

using FonctionBench = std::function<std::vector<Mesure>()>;

struct EnregistreBench {
    EnregistreBench(const char* nom, FonctionBench f);
};

#define BALTOR_BENCH(nom) \
    static std::vector<Mesure> bench_##nom(); \
    static EnregistreBench enregistre_##nom(#nom, bench_##nom); \
    static std::vector<Mesure> bench_##nom()

// Median and 99th percentile of a list of durations.
double mediane(std::vector<double> v);
double centile(std::vector<double> v, double p);
